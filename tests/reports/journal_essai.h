#pragma once

#include "journal_rempli.h"
#include "log/etat.h"
#include "octets_fichier.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// A program folder in a temporary directory with its work folders, the contest period of
// 2024 and the current file "ete.VRK" in the work folder.
struct JournalEssai {
    JournalEssai();

    // The log of every band: each band once, a band the Cabrillo table lacks, a non-member,
    // a two-digit year, a call longer than 13, member numbers 1234* and 12*34*, an empty
    // inserted row, a one-character name, a row with no member number. Station "NM".
    void remplir_petit();
    // No QSO; a member station.
    void remplir_vide();
    // The member database of the small log.
    void ecrire_membres() const;
    QString chemin_travail(const QString& nom) const;

    static QDate aujourdhui() { return QDate(2024, 8, 15); }

    QTemporaryDir dossier;
    vorek::Etat etat;
};

// The bytes an expected file of attendus/ stands for.
QByteArray octets_attendus(const QString& nom);
QByteArray octets_de(const QStringList& lignes);
// An expected file's lines (text report, compared line by line).
QStringList lignes_attendues(const QString& nom);
