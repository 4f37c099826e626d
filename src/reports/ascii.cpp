#include "ascii.h"

#include "colonnes_fixes.h"
#include "conversions.h"
#include "noms_rapports.h"

#include "log/etat.h"

namespace vorek {

namespace {

QString champ_membre(const QString& numero) {
    if (numero == QStringLiteral("NM")) {
        return formater({numero, 10});
    }
    return formater_ligne({{QStringLiteral("ZTC"), 5}, {numero, 5}});
}

} // namespace

QString ligne_ascii(const QStringList& cellules) {
    return formater_ligne({
        {cellules.value(col_indicatif), 12},
        {date_aaaammjj(cellules.value(col_date)), 9},
        {cellules.value(col_heure).left(5), 7},
        {cellules.value(col_bande), 4},
        {cellules.value(col_rst_env), 4},
        {cellules.value(col_rst_recu), 4},
        {champ_membre(cellules.value(col_ztc)), 10},
        {QStringLiteral("CW"), 2},
    });
}

void rediger_ascii(const Etat& etat, SortieLignes& sortie) {
    for (int ligne = 1; ligne < etat.table.nb_lignes(); ++ligne) {
        const QStringList cellules = etat.table.ligne(ligne);
        if (!cellules.value(col_indicatif).isEmpty()) {
            sortie.ligne(ligne_ascii(cellules));
        }
    }
}

QStringList lignes_ascii(const Etat& etat) {
    ListeLignes liste;
    rediger_ascii(etat, liste);
    return liste.lignes;
}

QString exporter_ascii(const Etat& etat) {
    const QString chemin = chemin_ascii(etat);
    ecrire_rapport(etat, chemin, [&etat](SortieLignes& sortie) { rediger_ascii(etat, sortie); });
    return chemin;
}

QString message_ascii(const Etat& etat) {
    return QStringLiteral("Fichier ASCII  ") + sans_extension_vrk(etat.fichier_courant).toUpper() +
           QStringLiteral(".ASC créé sur le répertoire courant");
}

} // namespace vorek
