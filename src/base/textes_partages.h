#pragma once

#include <QSet>
#include <QString>

namespace vorek {

// Equal texts held once: a log repeats its dates, times, bands, reports and calls, and each
// cell then shares the one text instead of holding a copy.
class TextesPartages {
  public:
    QString partage(const QString& texte) {
        if (texte.isEmpty()) {
            return texte;
        }
        const auto trouve = textes_.constFind(texte);
        return trouve != textes_.cend() ? *trouve : *textes_.insert(texte);
    }

  private:
    QSet<QString> textes_;
};

} // namespace vorek
