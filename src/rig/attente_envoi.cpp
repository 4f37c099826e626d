#include "attente_envoi.h"

#include "manipulateur.h"

#include "base/journal_diagnostic.h"

#include <QEventLoop>
#include <QTimer>

namespace vorek {

QString envoyer_et_attendre(Manipulateur& manipulateur, const QString& texte,
                            std::chrono::milliseconds attente_accuse) {
    QEventLoop boucle;
    QTimer delai;
    delai.setSingleShot(true);
    QString erreur;
    QObject::connect(&manipulateur, &Manipulateur::erreur, &boucle, [&](const QString& message) {
        erreur = message;
        boucle.quit();
    });
    QObject::connect(&manipulateur, &Manipulateur::envoi_fini, &boucle, &QEventLoop::quit);
    QObject::connect(&manipulateur, &Manipulateur::accuse_recu, &boucle, &QEventLoop::quit);
    QObject::connect(&delai, &QTimer::timeout, &boucle, &QEventLoop::quit);
    manipulateur.envoyer(texte);
    const bool parti = !manipulateur.texte_en_cours().isEmpty();
    if (parti && erreur.isEmpty()) {
        boucle.exec();
    }
    if (parti && erreur.isEmpty() && manipulateur.capacites().accuse &&
        !manipulateur.envoi_accuse()) {
        // The estimate of the message's length has run out; the answer may still be on its way.
        delai.start(attente_accuse);
        boucle.exec();
        if (erreur.isEmpty() && !manipulateur.envoi_accuse()) {
            erreur = manipulateur.sans_accuse();
            qCWarning(journal_manipulateur).noquote() << manipulateur.sorte().nom << erreur;
        }
    }
    return erreur;
}

} // namespace vorek
