#pragma once

#include "contexte_cli.h"

#include "base/horloge.h"
#include "entry/saisie.h"

namespace vorek {

struct Referentiel;

// The entry panel as the command line fills it from the command's --bande, --date and
// --heure: deferred time at the given date and time (the tool's today and the UTC time now
// when none is given), the band given (or the band of the log's last QSO, or the entry's first
// band).
class EntreeCli {
  public:
    EntreeCli(ContexteCli& contexte, const Referentiel& referentiel);
    EntreeQSO& entree() { return entree_; }

  private:
    HorlogeFixe horloge_;
    EntreeQSO entree_;
};

} // namespace vorek
