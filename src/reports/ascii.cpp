#include "ascii.h"

#include "colonnes_fixes.h"
#include "conversions.h"
#include "noms_rapports.h"

#include "log/cellules_qso.h"
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

QString ligne_ascii(const CellulesQSO& qso) {
    return formater_ligne({
        {qso.indicatif, 12},
        {date_aaaammjj(qso.date), 9},
        {qso.heure.left(5), 7},
        {qso.bande, 4},
        {qso.rst_envoye, 4},
        {qso.rst_recu, 4},
        {champ_membre(qso.ztc), 10},
        {QStringLiteral("CW"), 2},
    });
}

void rediger_ascii(const Etat& etat, SortieLignes& sortie) {
    for (int ligne = 1; ligne < etat.table.nb_lignes(); ++ligne) {
        const CellulesQSO qso = CellulesQSO::de_la_ligne(etat.table, ligne);
        if (!qso.indicatif.isEmpty()) {
            sortie.ligne(ligne_ascii(qso));
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
