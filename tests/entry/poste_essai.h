#pragma once

#include "dialogues_scriptes.h"
#include "dossier_essai.h"

#include "base/horloge.h"
#include "entry/saisie.h"
#include "refdata/referentiel.h"

#include <QList>
#include <QStringList>

// The main window's entry without the window: 10/07/2025 12:00 local time, UTC+2.
struct PosteEssai {
    PosteEssai();
    // Types a call, then Space from the band to the notes, as the operator does.
    void saisir(const QString& indicatif, const QString& notes = QString());
    // The rows of the saved challenge file, then of the table, header excluded.
    QList<QStringList> lignes_sauvees() const;
    QList<QStringList> lignes_table() const;

    DossierEssai d;
    vorek::HorlogeFixe horloge;
    DialoguesScriptes dialogues;
    vorek::Referentiel referentiel;
    vorek::EntreeQSO entree;
};
