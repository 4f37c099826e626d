#pragma once

#include "correction/recoupement.h"

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <QStringList>

// A whole contest made up with its truth: stations that log each other on both sides, QSOs
// with members and non-members who sent no report, then known errors injected, and the
// reports written in our layout and in two layouts of other loggers.
namespace essai_correction {

struct Attendu {
    vorek::Categorie categorie = vorek::Categorie::confirme;
    // The station the QSO is absent from, or its right call.
    QString station;
    bool unique = false;
};

struct ConcoursSynthetique {
    int tolerance = 5;
    int annee = 2025;
    QStringList membres; // the member database's lines
    QMap<QString, QByteArray> fichiers;
    // (file, line) of every QSO line; the category the cross-check must find.
    QMap<QPair<QString, int>, Attendu> attendus;
    int erreurs_injectees = 0;
};

struct OptionsConcours {
    quint32 graine = 1;
    int stations = 12;
    // Chance that two stations worked each other on a given band.
    double densite = 0.5;
    int erreurs = 24;
    bool autres_formats = true;
};

ConcoursSynthetique generer_concours(const OptionsConcours& options);

// Writes the reports into dossier and the member database at chemin_membres.
void ecrire_concours(const ConcoursSynthetique& concours, const QString& dossier,
                     const QString& chemin_membres);

} // namespace essai_correction
