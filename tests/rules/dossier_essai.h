#pragma once

#include "log/etat.h"

#include <QStringList>
#include <QTemporaryDir>

// A program folder in a temporary directory: the three work folders, a contest period,
// and helpers to write the reference files and log QSOs.
struct DossierEssai {
    explicit DossierEssai(int annee = 2025);

    QString chemin_dxcc() const;
    QString chemin_membres() const;
    void ecrire_dxcc(const QStringList& lignes = dxcc_essai()) const;
    void ecrire_membres(const QStringList& lignes = membres_essai()) const;
    // Cells 0.. of a new row at ligne_suivante, as a commit leaves the table.
    void ajouter(const QStringList& cellules);
    QStringList colonne(int col) const;
    // "date;time;call;band[;member number]" -> a row as committed.
    static QStringList ligne_decrite(const QString& description);

    // Europe: F, DL, ON; North America: K, W; Asia: JA; Africa: EA8.
    static QStringList dxcc_essai();
    // F5ABC 123, F8ZTC 1, DL1AA 456, K1ZZ 789, JA1AA 900, F6XYZ without a number,
    // ZZ9ZZ 321 (no country).
    static QStringList membres_essai();

    QTemporaryDir dossier;
    vorek::Etat etat;
};
