#include "mise_a_jour.h"

#include "base/erreur.h"
#include "log/etat.h"
#include "refdata/conversion_pays.h"
#include "refdata/noms_fichiers.h"

namespace vorek {

namespace {

namespace textes {

QString ligne(const QString& fichier, const ResultatTelechargement& r, const QString& fait) {
    if (r.reussi) {
        return fichier + QStringLiteral(" : ") + fait;
    }
    QString raison = r.erreur;
    if (!r.refus.isEmpty()) {
        raison = QStringLiteral("fichier reçu refusé");
    } else if (raison.isEmpty()) {
        raison = QStringLiteral("téléchargement abandonné");
    }
    return fichier + QStringLiteral(" : non mis à jour (") + raison +
           QStringLiteral("), le fichier en place est conservé");
}

QString base() {
    return QStringLiteral("Base de données des membres");
}

QString pays() {
    return QStringLiteral("Fichier des pays");
}

} // namespace textes

} // namespace

BilanMiseAJour mettre_a_jour_references(const Etat& etat, const ActionsDemarrage& actions,
                                        FenetreAttente& attente, Dialogues& dialogues) {
    TelechargementsDemarrage telechargements(etat, actions, attente, dialogues);
    const QString chemin_base = etat.rep_BD + QLatin1Char('/') + nom_base_membres;
    const ResultatTelechargement base = telechargements.base_membres();
    const ResultatTelechargement pays = telechargements.fichier_pays_a_nouveau();
    BilanMiseAJour bilan;
    bilan.Label_date_BD = libelle_date(chemin_base);
    QStringList lignes{
        textes::ligne(textes::base(), base,
                      QStringLiteral("mise à jour, fichier du ") + date_fichier(chemin_base)),
        textes::ligne(textes::pays(), pays, QStringLiteral("mis à jour"))};
    if (pays.reussi) {
        try {
            const ResultatConversion conversion = convertir_fichier_pays(etat.rep_cfg);
            bilan.pays_converti = conversion.avertissement.isEmpty();
            if (bilan.pays_converti) {
                bilan.entites = conversion.entites;
            }
            if (!conversion.avertissement.isEmpty()) {
                lignes.append(conversion.avertissement);
            }
        } catch (const Erreur& e) {
            lignes.append(e.message());
        }
    }
    bilan.message = lignes.join(QLatin1Char('\r'));
    return bilan;
}

} // namespace vorek
