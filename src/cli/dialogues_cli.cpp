#include "dialogues_cli.h"

#include "base/erreur.h"

#include <cstdio>

namespace vorek {

void DialoguesCli::message(TypeMessage type, const QString& texte) {
    if (type == TypeMessage::erreur) {
        if (erreur_.isEmpty()) {
            erreur_ = texte;
        }
        return;
    }
    const QString ligne = texte.trimmed();
    if (dits_.contains(ligne)) {
        return;
    }
    dits_.append(ligne);
    // What the command printed so far comes first.
    sortie_.flush();
    std::fputs((ligne + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

void DialoguesCli::arreter_si_erreur() const {
    if (!erreur_.isEmpty()) {
        throw Erreur(erreur_);
    }
}

} // namespace vorek
