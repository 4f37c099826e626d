#include "refdata/fragments.h"

#include <algorithm>

namespace vorek {

namespace {

quint32 paire(QChar a, QChar b) {
    return (quint32(a.unicode()) << 16) | b.unicode();
}

bool avant(const MembreTrouve& a, QStringView b) {
    return QStringView(a.indicatif) < b;
}

} // namespace

IndexFragments::IndexFragments(QList<MembreTrouve> membres) : membres_(std::move(membres)) {
    std::stable_sort(
        membres_.begin(), membres_.end(),
        [](const MembreTrouve& a, const MembreTrouve& b) { return a.indicatif < b.indicatif; });
    for (int rang = 0; rang < membres_.size(); ++rang) {
        const QString& indicatif = membres_[rang].indicatif;
        for (qsizetype i = 0; i + 1 < indicatif.size(); ++i) {
            std::vector<int>& rangs = paires_[paire(indicatif[i], indicatif[i + 1])];
            // A call holding the same pair twice is listed once.
            if (rangs.empty() || rangs.back() != rang) {
                rangs.push_back(rang);
            }
        }
    }
}

const std::vector<int>* IndexFragments::plus_rare(QStringView fragment) const {
    const std::vector<int>* rare = nullptr;
    for (qsizetype i = 0; i + 1 < fragment.size(); ++i) {
        const auto trouve = paires_.find(paire(fragment[i], fragment[i + 1]));
        if (trouve == paires_.end()) {
            return nullptr;
        }
        if (!rare || trouve->second.size() < rare->size()) {
            rare = &trouve->second;
        }
    }
    return rare;
}

QList<MembreTrouve> IndexFragments::chercher(QStringView fragment, qsizetype max) const {
    QList<MembreTrouve> trouves;
    const std::vector<int>* candidats = fragment.size() < 2 ? nullptr : plus_rare(fragment);
    if (!candidats || max <= 0) {
        return trouves;
    }
    // The calls that start with the fragment follow one another in alphabetical order.
    const auto debut = std::lower_bound(membres_.begin(), membres_.end(), fragment, avant);
    auto fin = debut;
    while (fin != membres_.end() && fin->indicatif.startsWith(fragment)) {
        if (trouves.size() < max) {
            trouves.append(*fin);
        }
        ++fin;
    }
    const int premier = int(debut - membres_.begin());
    const int apres = int(fin - membres_.begin());
    for (auto rang = candidats->begin(); rang != candidats->end() && trouves.size() < max;) {
        if (*rang >= premier && *rang < apres) {
            rang = std::lower_bound(rang, candidats->end(), apres);
            continue;
        }
        if (membres_[*rang].indicatif.contains(fragment)) {
            trouves.append(membres_[*rang]);
        }
        ++rang;
    }
    return trouves;
}

bool indicatif_listable(const QString& indicatif) {
    bool lettre = false;
    bool chiffre = false;
    for (const QChar c : indicatif) {
        lettre = lettre || (c >= u'A' && c <= u'Z');
        chiffre = chiffre || (c >= u'0' && c <= u'9');
        if (!(c >= u'A' && c <= u'Z') && !(c >= u'0' && c <= u'9')) {
            return false;
        }
    }
    return lettre && chiffre;
}

} // namespace vorek
