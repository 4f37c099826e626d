#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace vorek {

// One rig model that Hamlib knows. Model 0 is "no radio"; model 1 is Hamlib's dummy rig and
// model 2 a rigctld on the network.
struct ModeleRadio {
    int numero = 0;
    QString fabricant;
    QString nom;
    QString version;
    QString etat;        // the maturity of Hamlib's driver: "Stable", "Beta", "Alpha", ...
    bool reseau = false; // the model talks over the network (host:port), not a serial device
};

// Every model of every Hamlib backend, sorted by maker, then model name.
QList<ModeleRadio> modeles_radio();

// The model of this number, nothing when Hamlib knows none.
std::optional<ModeleRadio> modele_radio(int numero);

// The model as the searchable list shows it, for example "Yaesu FT-991 (1035)".
QString libelle_modele(const ModeleRadio& modele);

// The models whose label holds every word of the search, whatever the case; all of them
// for an empty search.
QList<ModeleRadio> filtrer_modeles(const QList<ModeleRadio>& modeles, const QString& recherche);

} // namespace vorek
