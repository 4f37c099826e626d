#pragma once

#include <QRandomGenerator>
#include <QStringList>

namespace vorek {
class EntreeQSO;
}

// Random log rows and entry fields over the test folder's member database, drawn so that
// every rule of the scoring and every refusal of the commit strikes often.
struct QsoHasard {
    explicit QsoHasard(quint32 graine) : g(graine) {}

    QString choisir(const QStringList& liste);
    // A row as a commit, an import or an edit in the grid may leave it.
    QStringList ligne();
    // A call typed letter by letter, then maybe a number typed over the look-up's, a band,
    // a date and time in deferred time, both reports and a note.
    void saisir(vorek::EntreeQSO& entree);

    QRandomGenerator g;
};
