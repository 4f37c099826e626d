#pragma once

#include "app/telechargement.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

namespace vorek {

class Etat;
class Dialogues;

// The red "QRX" window shown while a reference file is being fetched.
class FenetreAttente {
  public:
    virtual ~FenetreAttente() = default;
    // Shown and painted before the fetch of the file named fichier starts.
    virtual void ouvrir(const QString& fichier) = 0;
    // How far the fetch got (attendus 0 when the size is unknown); the window keeps
    // answering from here. False once the operator chose "Passer".
    virtual bool avancer(qint64 recus, qint64 attendus) = 0;
    virtual void fermer() = 0;
};

// One fetch; the follow-up it is given reports the progress and may abandon it.
using ActionTelechargement = std::function<ResultatTelechargement(const SuiviTelechargement&)>;

// What the start-up fetches with; the program gives the real downloads, the tests may give
// others.
struct ActionsDemarrage {
    // Fetches the member database into rep_BD; reussi when a new file is in place.
    ActionTelechargement telecharger_base_membres;
    // Fetches the country file when it is missing.
    ActionTelechargement telecharger_fichier_pays;
    // Fetches the country file even when there is one (the "Mises à jour" menu).
    ActionTelechargement retelecharger_fichier_pays;
};

// The real fetches, from the servers of cfg/serveurs.ini; the folders are read at each call.
// bip sounds when a country file arrived.
ActionsDemarrage actions_demarrage(const Etat& etat, std::function<void()> bip = {},
                                   const DelaisTelechargement& delais = {});

// The fetches of one start: each file is tried at most once, behind the wait window, and
// none once the operator chose "Passer" (the program goes on with the files it has). A
// file that arrived and was refused is said; a server that does not answer is not. Each
// call gives what came of its fetch (nothing reussi when none was made).
class TelechargementsDemarrage {
  public:
    TelechargementsDemarrage(const Etat& etat, const ActionsDemarrage& actions,
                             FenetreAttente& attente, Dialogues& dialogues);
    ResultatTelechargement base_membres();
    // Only when cfg has no country file.
    ResultatTelechargement fichier_pays();
    // Whether cfg has one or not.
    ResultatTelechargement fichier_pays_a_nouveau();

  private:
    ResultatTelechargement telecharger(const QString& fichier, const ActionTelechargement& action,
                                       bool& essaye);

    const Etat& etat_;
    const ActionsDemarrage& actions_;
    FenetreAttente& attente_;
    Dialogues& dialogues_;
    bool base_essayee_ = false;
    bool pays_essaye_ = false;
    bool passe_ = false;
};

struct LibellesBase {
    QString Label_BD_ZTC;
    QString Label_date_BD;
};

struct ResultatDemarrage {
    LibellesBase libelles;
    // The station window's caption.
    QString legende;
};

inline const char* const legende_initiale = "CHALLENGE d'été VOREK   (12/2023)";

// The last-modification date of a file, "dd/mm/yyyy"; empty when the file does not exist.
QString date_fichier(const QString& chemin);

// Label_date_BD for the member database at chemin.
QString libelle_date(const QString& chemin);

// Asks whether to refresh an existing member database, fetches it without asking when it is
// missing, and gives the labels.
LibellesBase preparer_base_membres(const Etat& etat, Dialogues& dialogues,
                                   TelechargementsDemarrage& telechargements);

// The DXCC choice list: DXCC.CSV beside the program when there is one, otherwise the
// conversion of the country file. A file error is shown and gives an empty list; a refused
// country file is said, and so is a DXCC list missing from cfg, where the look-ups read it.
QStringList preparer_liste_dxcc(const Etat& etat, Dialogues& dialogues,
                                TelechargementsDemarrage& telechargements);

// version_prog from the build's version and the caption that shows it. Without a version the
// operator is told, version_prog stays empty and the caption keeps its first text; false then.
bool preparer_version(Etat& etat, const QString& version, Dialogues& dialogues);
QString legende_station(const Etat& etat);

// The start-up steps after the folders, in order: member database, DXCC list (into
// etat.liste_dxcc), contest period of the given day's year, version, country file.
ResultatDemarrage demarrer(Etat& etat, Dialogues& dialogues, FenetreAttente& attente,
                           const ActionsDemarrage& actions, const QDate& aujourdhui,
                           const QString& version);

} // namespace vorek
