#pragma once

#include <QStringList>

// A member database of 5,000 lines for the benchmarks: the calls built from the given
// prefixes, in file order, and the file's lines.
struct MembresBanc {
    QStringList appels;
    QStringList lignes;
};

inline MembresBanc membres_banc(const QStringList& prefixes) {
    MembresBanc banc;
    for (int i = 0; i < 5000; ++i) {
        const QString appel = prefixes[i % prefixes.size()] + QString::number(i % 10) +
                              QString::number(i, 36).toUpper();
        banc.lignes << appel + QStringLiteral(",%1,Opérateur %1,x").arg(i);
        banc.appels << appel;
    }
    return banc;
}
