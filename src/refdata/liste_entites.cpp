#include "refdata/liste_entites.h"

#include "base/fichier_texte.h"
#include "refdata/conversion_pays.h"
#include "refdata/noms_fichiers.h"
#include "refdata/suivi_fichier.h"

namespace vorek {

QString liste_dxcc_programme(const QString& rep_programme) {
    return trouver_sans_casse(rep_programme + nom_liste_dxcc);
}

QStringList lire_entites_dxcc(const QString& chemin) {
    QStringList entites;
    for (const QString& ligne : lire_lignes(chemin)) {
        // A line with fewer than three commas has no prefix field.
        if (ligne.count(QLatin1Char(',')) < 3) {
            continue;
        }
        const QString prefixe = ligne.section(QLatin1Char(','), 2, 2);
        if (!prefixe.isEmpty() && (entites.isEmpty() || entites.constLast() != prefixe)) {
            entites.append(prefixe);
        }
    }
    return entites;
}

ResultatConversion entites_au_demarrage(const QString& rep_programme, const QString& rep_cfg,
                                        const std::function<void()>& telecharger_fichier_pays) {
    const QString a_cote = liste_dxcc_programme(rep_programme);
    if (!a_cote.isEmpty()) {
        return {lire_entites_dxcc(a_cote), {}};
    }
    return convertir_fichier_pays(rep_cfg, telecharger_fichier_pays);
}

} // namespace vorek
