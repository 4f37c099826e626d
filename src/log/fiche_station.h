#pragma once

#include <QString>

namespace vorek {

// The operator's station: one record, held by the state and read from the challenge file.
// The station window is where it is edited; every report and message reads it from there.
struct Station {
    QString station_call;
    // The name field's text, blanks included, as typed or as the file holds it: the ADIF
    // report and the text report print it so, everything else prints station_nom().
    QString nom_saisi;
    QString station_adresse1;
    QString station_adresse2;
    QString station_nr_club;
    QString station_DXCC;
    // From the country look-up of the call; the challenge file does not store it.
    QString station_continent;
    // The address the e-mail field last had accepted; the challenge file does not store it.
    QString station_email;
    // The e-mail field's text as typed, even an address not taken: the settings file keeps it
    // so that the next start shows it again.
    QString email_saisi;

    // The operator's name without its leading and trailing blanks.
    QString station_nom() const { return nom_saisi.trimmed(); }
};

} // namespace vorek
