#include "dictionnaire.h"

namespace vorek {

size_t Dictionnaire::Hachage::operator()(std::string_view texte) const noexcept {
    // The texts are a few characters long: FNV-1a is enough.
    quint64 h = 14695981039346656037ULL;
    for (const char c : texte) {
        h = (h ^ quint8(c)) * 1099511628211ULL;
    }
    return size_t(h);
}

int Dictionnaire::numero(std::string_view texte) {
    const auto trouve = index_.find(texte);
    if (trouve != index_.end()) {
        return trouve->second;
    }
    const int nouveau = int(textes_.size());
    index_.emplace(std::string(texte), nouveau);
    textes_.push_back(QString::fromLatin1(texte.data(), qsizetype(texte.size())));
    return nouveau;
}

std::vector<qint32> Dictionnaire::fusionner(const Dictionnaire& autre) {
    std::vector<qint32> numeros(autre.textes_.size());
    for (const auto& [texte, n] : autre.index_) {
        numeros[size_t(n)] = numero(texte);
    }
    return numeros;
}

int Dictionnaire::chercher(std::string_view texte) const {
    const auto trouve = index_.find(texte);
    return trouve == index_.end() ? -1 : trouve->second;
}

} // namespace vorek
