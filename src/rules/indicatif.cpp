#include "indicatif.h"

#include "textes_regles.h"

#include <algorithm>

namespace vorek {

bool indicatif_avec_blanc(const QString& indicatif) {
    const QString texte = indicatif.trimmed();
    return std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isSpace(); });
}

QString refus_indicatif_avec_blanc(const QString& indicatif, int ligne) {
    const QString refus = textes::indicatif_avec_blanc().arg(indicatif.trimmed());
    return ligne > 0 ? textes::ligne_du_journal().arg(ligne) + refus : refus;
}

} // namespace vorek
