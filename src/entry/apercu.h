#pragma once

#include <QString>

namespace vorek {

struct Rvb {
    int rouge = 0;
    int vert = 0;
    int bleu = 0;
    bool operator==(const Rvb&) const = default;
};

// What the QSO in the entry fields would score if committed now.
struct ApercuQSO {
    // False while the call field holds no call: nothing is shown.
    bool visible = false;
    // In decimal; empty when the commit or its rescoring would stop before the row.
    QString points;
    // The remark the notes column would get, the commit's same-day refusal, or the text of
    // the date that would stop it; empty when the QSO scores.
    QString raison;
    // Green when the QSO scores, red otherwise.
    Rvb couleur;
    bool operator==(const ApercuQSO&) const = default;
};

// One member of the partial check, with what the log says of it.
struct Partiel {
    QString indicatif;
    QString membre_numero;
    // "J" worked on the entry's date, "B" worked on the entry's band, both, or nothing.
    QString marques;
    Rvb couleur;
    bool operator==(const Partiel&) const = default;
};

// The partial check lists at most this many calls.
constexpr qsizetype max_partiels = 30;

} // namespace vorek
