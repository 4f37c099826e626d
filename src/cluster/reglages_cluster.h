#pragma once

#include <QString>
#include <QStringList>

namespace vorek {

// The cluster of the band map, in the [Cluster] section of Challenge_VRK.ini beside the
// radio's. No host (the default): no cluster.
struct ReglagesCluster {
    static constexpr quint16 port_par_defaut = 7300;
    static constexpr int duree_par_defaut = 10;

    QString hote;
    quint16 port = port_par_defaut;
    // Empty: the station call.
    QString indicatif;
    // Sent one a line after the login (a skimmer's filter, say).
    QStringList commandes;
    bool cw_seulement = false;
    bool membres_seulement = false;
    // Minutes after which a spot fades; it goes at half as long again.
    int duree_minutes = duree_par_defaut;
    bool operator==(const ReglagesCluster&) const = default;
};

// Never fails: a missing file or key, or a value out of range, gives the default.
ReglagesCluster lire_reglages_cluster(const QString& chemin);

// Replaces only the keys of its section; throws Erreur naming the file when it cannot be
// written.
void ecrire_reglages_cluster(const QString& chemin, const ReglagesCluster& reglages);

// The commands of a text, one a line, blank lines left out.
QStringList lire_commandes(const QString& texte);

// The login call: the settings' own, else the station's, in capitals.
QString indicatif_connexion(const ReglagesCluster& reglages, const QString& station_call);

} // namespace vorek
