#pragma once

#include "contexte_cli.h"

#include "base/horloge.h"
#include "entry/saisie.h"

#include <map>

namespace vorek {

struct Referentiel;

// A command's arguments: the positional ones in order, then --name value pairs among those
// the command takes. Anything else is a usage error with the command's usage text.
struct ArgumentsCli {
    QStringList positionnels;
    std::map<QString, QString> options;
    std::optional<QString> option(const char* nom) const;
};

ArgumentsCli lire_arguments_cli(const QStringList& arguments, const QStringList& options,
                                const QString& usage);

// The entry panel as the command line fills it: deferred time at the given date and time
// (the tool's today and the UTC time now when none is given), the band given (or the band of
// the log's last QSO, or the entry's first band).
class EntreeCli {
  public:
    EntreeCli(ContexteCli& contexte, const Referentiel& referentiel, const ArgumentsCli& arguments,
              const QString& usage);
    EntreeQSO& entree() { return entree_; }

  private:
    HorlogeFixe horloge_;
    EntreeQSO entree_;
};

} // namespace vorek
