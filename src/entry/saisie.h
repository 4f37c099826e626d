#pragma once

#include "apercu.h"
#include "libelles.h"

#include "log/cellules_qso.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <memory>
#include <optional>

namespace vorek {

class Dialogues;
class Etat;
class Horloge;
class IndexJournal;
class ScoreSuivi;
struct Referentiel;

// The controls of the entry panel that take the keyboard focus.
enum class Champ {
    aucun,
    Edit_call,
    Edit_RSTS,
    Edit_RSTR,
    Edit_Notes,
    ComboBox_band,
    Edit_NrZTC,
    Edit_nomZTC,
    DateTimePicker_date,
    DateTimePicker_time,
};

enum class Touche { espace, retour, autre };

// What a commit did, for the window and the tests.
enum class IssueCommit {
    enregistre,
    saisie_vide,
    indicatif_avec_blanc,
    meme_jour,
    report_envoye,
    report_recu,
    date_illisible,
    sauvegarde_echouee,
};

// The entry panel without its widgets: the texts and state of every entry control and
// the behaviour of their events. The main window copies the user's edits in, forwards
// each event, and shows the fields back.
class EntreeQSO {
  public:
    EntreeQSO(Etat& etat, const Referentiel& referentiel, const Horloge& horloge,
              Dialogues& dialogues);
    ~EntreeQSO();
    EntreeQSO(const EntreeQSO&) = delete;
    EntreeQSO& operator=(const EntreeQSO&) = delete;

    Etat& etat() { return etat_; }
    const Referentiel& referentiel() const { return referentiel_; }
    Dialogues& dialogues() { return dialogues_; }

    // ComboBox_PFX's items: the station window's DXCC prefixes, then one empty item.
    void fixer_prefixes(const QStringList& prefixes_dxcc);
    QString prefixe_affiche() const;

    // Edit_call takes capitals only; from the fourth character on, every change looks
    // the call up and presets both reports.
    void Edit_callChange(const QString& texte);
    void Edit_callExit() { rechercher_indicatif(); }
    void rechercher_indicatif();

    // Space moves on from the call, the band and the reports (a call never holds a blank);
    // Return commits (the labels to show are then in libelles). True when the key was used
    // and must not be typed.
    bool touche(Champ champ, Touche touche);

    // The band combo: an item chosen (index -1 when its text is no item) or text typed.
    void choisir_bande(int index);
    void ComboBox_bandChange(const QString& texte);
    void ComboBox_bandEnter() { bande_courante = bande_selectionnee(); }
    void ComboBox_bandExit() { bande_courante = bande_selectionnee(); }
    QString bande_selectionnee() const;
    void StringGrid_HFSelectCell(int colonne, int ligne);
    bool cellule_HF_marquee(int colonne, int ligne) const;

    void Edit_NrZTCExit();
    void BitBtn_efface_saisieClick();

    // The operator's mode buttons; a mode chosen during a correction is the one kept after it.
    void passer_temps_reel();
    void passer_temps_differe();
    // In real time, date and time are those of one UTC instant.
    void Timer1Timer();
    // A row taken back for correction goes into deferred time; the mode the operator had
    // (and, in deferred time, the date and time typed) comes back when the correction is
    // committed or abandoned. A second row taken before that keeps the first mode.
    void commencer_correction();
    void finir_correction();
    void DateTimePicker_dateEnter();
    void DateTimePicker_timeEnter();

    // The commit: the checks, the row written, the log rescored, then saved once (also when
    // the rescoring stops on a date, and after the empty-call box). In real time the QSO
    // takes the clock's time at this moment, whatever the pickers show. The labels to show
    // are then in libelles.
    IssueCommit enregistrer_QSO();
    Libelles BitBtn_validerClick();
    Libelles BitBtn_calculClick() { return recalculer(); }

    // The one rescoring of the windows' handlers (commit, "Calcul", the grid's changes) and
    // what the labels then show: count and title always, the score once the rescoring went
    // to the last row (an unreadable date stops it, told in the error box).
    Libelles recalculer();
    // The save after each change of the log, a pending correction kept; a failure is told.
    // False when nothing was written.
    bool sauver();

    // The clock's year, for the out-of-period remark.
    QString annee_courante() const;

    // What the fields would score if committed now, from the rescoring's own rules applied
    // to the rows above the row the commit would write. Reads only in-memory indexes.
    ApercuQSO apercu_QSO() const;
    // The preview of a QSO with this call on this band at this UTC instant, as apercu_QSO
    // gives it once the call is typed (member number from the look-up, default reports, no
    // note) and the band chosen; the fields are left as they are.
    ApercuQSO apercu_indicatif(const QString& indicatif, const QString& bande,
                               const QDateTime& utc) const;
    // The member-database calls that hold the call field's text (trimmed, two characters
    // or more), marked from the log (the row under correction aside).
    QList<Partiel> liste_partielle() const;
    // The cells the commit writes into its row (column 7 is the rescoring's).
    CellulesQSO cellules_commit() const;
    // The log's rows by call and by member, in step with the table.
    const IndexJournal& index_journal() const { return *index_; }

    QString Edit_Pays;
    QString Edit_call;
    QString Edit_RSTS;
    QString Edit_RSTR;
    QString Edit_Notes;
    QString Edit_continent;
    QString Edit_NrZTC;
    QString Edit_nomZTC;
    QStringList items_PFX;
    int index_PFX = -1;
    int index_bande = 0;
    QString texte_bande;
    QDate DateTimePicker_date;
    QTime DateTimePicker_time;
    // Data rows of Grille_prec (five cells each), ending with one empty row.
    QList<QStringList> Grille_prec;
    int marque_ligne = 0;
    int marque_colonne = 0;
    QString bande_courante;
    QString Label_temps_reel;
    Rvb couleur_temps_reel;
    Champ focus = Champ::Edit_call;
    // What the last commit or "Calcul" gave the score labels and the title.
    Libelles libelles;

  private:
    struct ModeTemps {
        bool temps_reel = true;
        QDate date;
        QTime heure;
    };

    void lire_horloge_utc();
    void mode_temps(bool reel);
    void marquer_bande();
    void vider_Grille_prec();
    void vider_champs();
    IssueCommit ecrire_QSO();
    IssueCommit verifier(int ligne_haute);
    bool refus_meme_jour(const QString& indicatif, int ligne_haute, double jour) const;
    ApercuQSO apercu_cellules(const CellulesQSO& qso, double jour, const QString& bande) const;
    int ligne_corrigee() const;
    void ecrire_ligne(int ligne);

    Etat& etat_;
    const Referentiel& referentiel_;
    const Horloge& horloge_;
    Dialogues& dialogues_;
    std::optional<ModeTemps> mode_avant_correction_;
    std::unique_ptr<IndexJournal> index_;
    std::unique_ptr<ScoreSuivi> suivi_score_;
};

QStringList entetes_Grille_prec();
QList<int> largeurs_Grille_prec();
QStringList etiquettes_HF();

} // namespace vorek
