#pragma once

#include "base/dialogues.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace vorek {

class Etat;
struct ContexteRapport;

struct EcritureRapport {
    QString chemin;
    // At least one member look-up found no member database.
    bool base_membres_absente = false;
};

// One format the log is written in. The report command and the exports know the formats
// only through this: a new format is a writer and its place in a list.
class RedacteurRapport {
  public:
    virtual ~RedacteurRapport() = default;
    virtual QString nom() const = 0;
    // The file's extension, its dot included.
    virtual QString extension() const = 0;
    // The file dialog of a file the operator names; none for a file named after the log.
    virtual std::optional<DemandeFichier> demande() const { return std::nullopt; }
    // Writes the file, under nom_choisi's file name when the operator names it. Throws
    // Erreur.
    virtual EcritureRapport ecrire(ContexteRapport& contexte, const QString& nom_choisi) const = 0;
    // What the operator is told once the file is written.
    virtual QString annonce(const Etat& etat, const QString& chemin) const;
};

// The report command's files: Cabrillo report, text report, ADIF report, in that order.
std::span<const RedacteurRapport* const> redacteurs_compte_rendu();

// The exports of the Import/Export menu.
const RedacteurRapport& redacteur_export_adif();
const RedacteurRapport& redacteur_listing_ascii();

// A title, then the full path of every file written, one a line, as the operator's system
// spells it: a name alone would not say which folder to look in.
QString emplacements(const QString& titre, const QStringList& chemins);

} // namespace vorek
