#include "noms_rapports.h"

#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "log/etat.h"

namespace vorek {

namespace {

qsizetype debut_nom(const QString& chemin) {
    return chemin.size() - nom_de_fichier(chemin).size();
}

} // namespace

QString avec_extension(const QString& chemin, const QString& extension) {
    const qsizetype point = chemin.lastIndexOf(QLatin1Char('.'));
    if (point < debut_nom(chemin)) {
        return chemin + extension;
    }
    return chemin.left(point) + extension;
}

QString sans_extension_vrk(const QString& chemin) {
    // Only the file name is searched, so a folder holding ".vrk" cannot cut the path.
    const qsizetype vrk =
        chemin.indexOf(QStringLiteral(".VRK"), debut_nom(chemin), Qt::CaseInsensitive);
    if (vrk >= 0) {
        return chemin.left(vrk);
    }
    return avec_extension(chemin, QString());
}

QString chemin_cabrillo(const Etat& etat) {
    return chemin_dans_challenge(etat,
                                 avec_extension(etat.fichier_courant, QStringLiteral(".LOG")));
}

QString chemin_adif_rapport(const Etat& etat) {
    return chemin_dans_challenge(etat,
                                 avec_extension(etat.fichier_courant, QStringLiteral(".ADI")));
}

QString chemin_rapport_texte(const Etat& etat) {
    return chemin_dans_challenge(etat,
                                 sans_extension_vrk(etat.fichier_courant) + QStringLiteral(".TXT"));
}

QString chemin_ascii(const Etat& etat) {
    return chemin_dans_challenge(etat,
                                 sans_extension_vrk(etat.fichier_courant) + QStringLiteral(".ASC"));
}

QString chemin_export_adif(const Etat& etat, const QString& nom_choisi) {
    return etat.rep_challenge + QLatin1Char('/') + nom_de_fichier(nom_choisi);
}

void ecrire_rapport(const Etat& etat, const QString& chemin, const QStringList& lignes) {
    ecrire_rapport(etat, chemin, [&lignes](SortieLignes& sortie) {
        for (const QString& ligne : lignes) {
            sortie.ligne(ligne);
        }
    });
}

void ecrire_rapport(const Etat& etat, const QString& chemin, const Rediger& rediger) {
    if (!etat.fichier_courant.isEmpty() &&
        meme_fichier(chemin, chemin_dans_challenge(etat, etat.fichier_courant))) {
        throw Erreur(message_rapport_sur_journal(chemin));
    }
    ecrire_flux(chemin, rediger);
}

QString message_rapport_sur_journal(const QString& chemin) {
    return QStringLiteral("Écriture refusée : %1 est le fichier challenge lui-même").arg(chemin);
}

} // namespace vorek
