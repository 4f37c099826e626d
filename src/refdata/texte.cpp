#include "refdata/texte.h"

namespace vorek {

QString rogner(const QString& texte) {
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && texte.at(debut).unicode() <= u' ') {
        ++debut;
    }
    while (fin > debut && texte.at(fin - 1).unicode() <= u' ') {
        --fin;
    }
    return texte.mid(debut, fin - debut);
}

} // namespace vorek
