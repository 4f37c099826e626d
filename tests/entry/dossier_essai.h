#pragma once

#include "base/horloge.h"
#include "dialogues_scriptes.h"
#include "entry/saisie.h"
#include "log/etat.h"
#include "refdata/referentiel.h"

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

    // Europe: F, DL, ON; North America: K, W; Asia: JA; Africa: EA8.
    static QStringList dxcc_essai();
    // F5ABC 123, F8ZTC 1, DL1AA 456, K1ZZ 789, JA1AA 900, F6XYZ without a number,
    // ZZ9ZZ 321 (no country).
    static QStringList membres_essai();

    QTemporaryDir dossier;
    vorek::Etat etat;
};

// The main window's entry without the window: 10/07/2025 12:00 local time, UTC+2.
struct PosteEssai {
    PosteEssai();
    // Types a call, then Space from the band to the notes, as the operator does.
    void saisir(const QString& indicatif, const QString& notes = QString());
    // The rows of the saved challenge file, header excluded.
    QList<QStringList> lignes_sauvees() const;

    DossierEssai d;
    vorek::HorlogeFixe horloge;
    DialoguesScriptes dialogues;
    vorek::Referentiel referentiel;
    vorek::EntreeQSO entree;
};
