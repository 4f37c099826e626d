#pragma once

#include "app/demarrage.h"

#include <QString>

namespace vorek {

class Dialogues;
class Etat;

// What the "Mises à jour" item did.
struct BilanMiseAJour {
    // The station window's date label for the member database now in place.
    QString Label_date_BD;
    // True when a new country file arrived and its DXCC list was rebuilt.
    bool pays_converti = false;
    // The new DXCC list when pays_converti.
    QStringList entites;
    // One line per file, in French, for the operator.
    QString message;
};

// The reference files fetched again behind the wait window, as at start but whether they are
// there or not: the member database, then the country file, whose DXCC list is rebuilt at
// once. Refused downloads are said as at start; a file that does not arrive leaves the one
// in place. The caller shows the message.
BilanMiseAJour mettre_a_jour_references(const Etat& etat, const ActionsDemarrage& actions,
                                        FenetreAttente& attente, Dialogues& dialogues);

} // namespace vorek
