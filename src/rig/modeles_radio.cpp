#include "modeles_radio.h"

#include "hamlib_commun.h"

#include <hamlib/rig.h>

#include <QStringList>

#include <algorithm>

namespace vorek {

namespace {

int ajouter_modele(const rig_caps* caps, rig_ptr_t donnees) {
    auto* modeles = static_cast<QList<ModeleRadio>*>(donnees);
    modeles->append({int(caps->rig_model), QString::fromUtf8(caps->mfg_name),
                     QString::fromUtf8(caps->model_name), QString::fromUtf8(caps->version),
                     QString::fromUtf8(rig_strstatus(caps->status)),
                     caps->port_type == RIG_PORT_NETWORK});
    return 1; // go on with the next model
}

} // namespace

QList<ModeleRadio> modeles_radio() {
    QList<ModeleRadio> modeles;
    {
        const QMutexLocker verrou(&verrou_hamlib());
        faire_taire_hamlib();
        rig_load_all_backends();
        rig_list_foreach(ajouter_modele, &modeles);
    }
    std::sort(modeles.begin(), modeles.end(), [](const ModeleRadio& a, const ModeleRadio& b) {
        const int fabricant = QString::compare(a.fabricant, b.fabricant, Qt::CaseInsensitive);
        if (fabricant != 0) {
            return fabricant < 0;
        }
        const int nom = QString::compare(a.nom, b.nom, Qt::CaseInsensitive);
        return nom != 0 ? nom < 0 : a.numero < b.numero;
    });
    return modeles;
}

std::optional<ModeleRadio> modele_radio(int numero) {
    for (const ModeleRadio& modele : modeles_radio()) {
        if (modele.numero == numero) {
            return modele;
        }
    }
    return std::nullopt;
}

QString libelle_modele(const ModeleRadio& modele) {
    return QStringLiteral("%1 %2 (%3)").arg(modele.fabricant, modele.nom).arg(modele.numero);
}

QList<ModeleRadio> filtrer_modeles(const QList<ModeleRadio>& modeles, const QString& recherche) {
    const QStringList mots = recherche.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<ModeleRadio> retenus;
    for (const ModeleRadio& modele : modeles) {
        const QString libelle = libelle_modele(modele);
        if (std::all_of(mots.begin(), mots.end(), [&](const QString& mot) {
                return libelle.contains(mot, Qt::CaseInsensitive);
            })) {
            retenus.append(modele);
        }
    }
    return retenus;
}

} // namespace vorek
