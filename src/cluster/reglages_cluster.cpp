#include "reglages_cluster.h"

#include "rig/textes_rig.h"

#include "base/erreur.h"
#include "rig/reglages_rig.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vorek {

namespace {

QString cle(const char* nom) {
    return QStringLiteral("Cluster/") + QLatin1String(nom);
}

} // namespace

ReglagesCluster lire_reglages_cluster(const QString& chemin) {
    const QSettings ini(chemin, QSettings::IniFormat);
    ReglagesCluster r;
    r.hote = texte_ini(ini, cle("Hote"), QString()).trimmed();
    r.port = quint16(entier_ini(ini, cle("Port"), r.port, 1, 65535));
    r.indicatif = texte_ini(ini, cle("Indicatif"), QString()).trimmed().toUpper();
    r.commandes = lire_commandes(texte_ini(ini, cle("Commandes"), QString()));
    r.cw_seulement = entier_ini(ini, cle("CWSeulement"), 0, 0, 1) == 1;
    r.membres_seulement = entier_ini(ini, cle("MembresSeulement"), 0, 0, 1) == 1;
    r.duree_minutes = entier_ini(ini, cle("DureeMinutes"), r.duree_minutes, 1, 24 * 60);
    return r;
}

void ecrire_reglages_cluster(const QString& chemin, const ReglagesCluster& r) {
    QSettings ini(chemin, QSettings::IniFormat);
    ini.setValue(cle("Hote"), r.hote);
    ini.setValue(cle("Port"), QString::number(r.port));
    ini.setValue(cle("Indicatif"), r.indicatif);
    ini.setValue(cle("Commandes"), r.commandes.join(QLatin1Char('\n')));
    ini.setValue(cle("CWSeulement"), QString::number(int(r.cw_seulement)));
    ini.setValue(cle("MembresSeulement"), QString::number(int(r.membres_seulement)));
    ini.setValue(cle("DureeMinutes"), QString::number(r.duree_minutes));
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        throw Erreur(textes_rig::ecriture_reglages_impossible().arg(
            QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath())));
    }
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
