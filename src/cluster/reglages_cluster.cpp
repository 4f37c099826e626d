#include "reglages_cluster.h"

#include "base/fichier_reglages.h"

namespace vorek {

ReglagesCluster lire_reglages_cluster(const QString& chemin) {
    const FichierReglages ini(chemin);
    ReglagesCluster r;
    r.hote = ini.texte(Cle::cluster_hote, QString()).trimmed();
    r.port = quint16(ini.entier(Cle::cluster_port, r.port, 1, 65535));
    r.indicatif = ini.texte(Cle::cluster_indicatif, QString()).trimmed().toUpper();
    r.commandes = lire_commandes(ini.texte(Cle::cluster_commandes, QString()));
    r.cw_seulement = ini.entier(Cle::cluster_cw_seulement, 0, 0, 1) == 1;
    r.membres_seulement = ini.entier(Cle::cluster_membres_seulement, 0, 0, 1) == 1;
    r.duree_minutes = ini.entier(Cle::cluster_duree, r.duree_minutes, 1, 24 * 60);
    return r;
}

void ecrire_reglages_cluster(const QString& chemin, const ReglagesCluster& r) {
    FichierReglages ini(chemin);
    ini.ecrire(Cle::cluster_hote, r.hote);
    ini.ecrire(Cle::cluster_port, r.port);
    ini.ecrire(Cle::cluster_indicatif, r.indicatif);
    ini.ecrire(Cle::cluster_commandes, r.commandes.join(QLatin1Char('\n')));
    ini.ecrire(Cle::cluster_cw_seulement, int(r.cw_seulement));
    ini.ecrire(Cle::cluster_membres_seulement, int(r.membres_seulement));
    ini.ecrire(Cle::cluster_duree, r.duree_minutes);
    ini.enregistrer();
}

QStringList lire_commandes(const QString& texte) {
    QStringList commandes;
    for (const QString& ligne : texte.split(QLatin1Char('\n'))) {
        if (!ligne.trimmed().isEmpty()) {
            commandes.append(ligne.trimmed());
        }
    }
    return commandes;
}

QString indicatif_connexion(const ReglagesCluster& reglages, const QString& station_call) {
    const QString propre = reglages.indicatif.trimmed();
    return (propre.isEmpty() ? station_call.trimmed() : propre).toUpper();
}

} // namespace vorek
