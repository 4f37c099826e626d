#pragma once

#include <QByteArrayView>
#include <QString>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vorek {

// Calls, numbers and dates repeat across millions of QSO lines: each distinct text is held
// once and named by its number, so that the pairing compares numbers and the score tables
// share one QString per text instead of allocating one per cell.
class Dictionnaire {
  public:
    // The text's number, added when new. The texts are ASCII fields of QSO lines.
    int numero(std::string_view texte);
    // -1 when the text was never added.
    int chercher(std::string_view texte) const;
    const QString& texte(int numero) const { return textes_[size_t(numero)]; }
    int taille() const { return int(textes_.size()); }
    // Adds the texts of another dictionary; gives their numbers here, by their numbers there.
    std::vector<qint32> fusionner(const Dictionnaire& autre);

  private:
    struct Hachage {
        using is_transparent = void;
        size_t operator()(std::string_view texte) const noexcept;
    };
    std::unordered_map<std::string, int, Hachage, std::equal_to<>> index_;
    std::vector<QString> textes_;
};

} // namespace vorek
