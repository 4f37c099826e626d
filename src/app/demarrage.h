#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

namespace vorek {

class Etat;
class Dialogues;

// The red "QRX" window shown while the member database is being fetched.
class FenetreAttente {
  public:
    virtual ~FenetreAttente() = default;
    virtual void ouvrir() = 0;
    virtual void fermer() = 0;
};

// What the start-up fetches and converts with; the program gives the real downloads, the
// tests may give others.
struct ActionsDemarrage {
    // Fetches the member database into rep_BD; true when a new file is in place.
    std::function<bool()> telecharger_base_membres;
    // Fetches the country file when it is missing.
    std::function<void()> telecharger_fichier_pays;
};

// The real fetches, from the servers of cfg/serveurs.ini; the folders are read at each call.
// bip sounds when a country file arrived.
ActionsDemarrage actions_demarrage(const Etat& etat, std::function<void()> bip = {});

struct LibellesBase {
    QString Label_BD_ZTC;
    QString Label_date_BD;
};

struct ResultatDemarrage {
    LibellesBase libelles;
    QStringList liste_dxcc;
    // The station window's caption.
    QString legende;
};

inline const char* const legende_initiale = "CHALLENGE d'été VOREK   (12/2023)";

// The last-modification date of a file, "dd/mm/yyyy"; empty when the file does not exist.
QString date_fichier(const QString& chemin);

// Asks whether to refresh an existing member database, fetches it without asking when it is
// missing, and gives the labels. The wait window is closed whatever the download does.
LibellesBase preparer_base_membres(const Etat& etat, Dialogues& dialogues, FenetreAttente& attente,
                                   const ActionsDemarrage& actions);

// The DXCC choice list: DXCC.CSV beside the program when there is one, otherwise the
// conversion of the country file. A file error is shown and gives an empty list.
QStringList preparer_liste_dxcc(const Etat& etat, Dialogues& dialogues,
                                const ActionsDemarrage& actions);

// version_prog from the build's version and the caption that shows it. Without a version the
// operator is told, version_prog stays empty and the caption keeps its first text; false then.
bool preparer_version(Etat& etat, const QString& version, Dialogues& dialogues);
QString legende_station(const Etat& etat);

// The start-up steps after the folders, in order: member database, DXCC list, contest
// period of the given day's year, version, country file.
ResultatDemarrage demarrer(Etat& etat, Dialogues& dialogues, FenetreAttente& attente,
                           const ActionsDemarrage& actions, const QDate& aujourdhui,
                           const QString& version);

} // namespace vorek
