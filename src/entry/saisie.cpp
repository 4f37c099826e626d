#include "saisie.h"

#include "index_journal.h"
#include "textes_saisie.h"

#include "base/dates.h"
#include "base/dialogues.h"
#include "base/horloge.h"
#include "log/etat.h"
#include "refdata/referentiel.h"
#include "rules/bandes.h"
#include "rules/score_suivi.h"
#include "rules/textes_regles.h"

namespace vorek {

namespace {

constexpr int colonnes_Grille_prec = 5;

QStringList ligne_vide_prec() {
    return QStringList(colonnes_Grille_prec, QString());
}

} // namespace

QStringList entetes_Grille_prec() {
    return {QStringLiteral("   Call"), QStringLiteral("  C_DATE,"), QStringLiteral("  QTR"),
            QStringLiteral("Bde"), QStringLiteral("   Nom, prénom")};
}

QList<int> largeurs_Grille_prec() {
    return {100, 80, 50, 30, 130};
}

QStringList etiquettes_HF() {
    return etiquettes_grille_bandes();
}

EntreeQSO::EntreeQSO(Etat& etat, const Referentiel& referentiel, const Horloge& horloge,
                     Dialogues& dialogues)
    : etat_(etat), referentiel_(referentiel), horloge_(horloge), dialogues_(dialogues),
      index_(std::make_unique<IndexJournal>(etat.table)),
      suivi_score_(std::make_unique<ScoreSuivi>(etat, referentiel)) {
    texte_bande = bandes().constFirst();
    vider_Grille_prec();
    fixer_prefixes({});
    passer_temps_reel();
}

EntreeQSO::~EntreeQSO() = default;

void EntreeQSO::fixer_prefixes(const QStringList& prefixes_dxcc) {
    items_PFX = prefixes_dxcc;
    items_PFX.append(QString());
    index_PFX = -1;
}

QString EntreeQSO::prefixe_affiche() const {
    return items_PFX.value(index_PFX);
}

void EntreeQSO::vider_Grille_prec() {
    Grille_prec = {ligne_vide_prec()};
}

void EntreeQSO::Edit_callChange(const QString& texte) {
    Edit_call = texte.toUpper();
    if (Edit_call.size() > 3) {
        rechercher_indicatif();
        Edit_RSTS = textes::report_defaut();
        Edit_RSTR = textes::report_defaut();
    } else if (Edit_call.trimmed().size() >= 2 && !referentiel_.membres.presente()) {
        // The partial check is this keystroke's only look-up: it tells once, as they do.
        dialogues_.message(TypeMessage::simple, QString::fromUtf8(message_base_membres_absente));
    }
}

void EntreeQSO::rechercher_indicatif() {
    const QString c = Edit_call;
    if (c.isEmpty()) {
        // No call, no member: never the previous call's number and name.
        index_PFX = -1;
        Edit_NrZTC.clear();
        Edit_nomZTC.clear();
        return;
    }
    const qsizetype prefixe = items_PFX.indexOf(referentiel_.pays.trouver_pays(c).dxcc_prefixe);
    if (prefixe >= 0) {
        index_PFX = int(prefixe);
    }
    const ResultatMembre membre = referentiel_.membres.chercher_membre(c);
    if (!membre.base_trouvee) {
        dialogues_.message(TypeMessage::simple, QString::fromUtf8(message_base_membres_absente));
    }
    Edit_NrZTC = membre.membre_numero.isEmpty() ? textes::non_membre() : membre.membre_numero;
    Edit_nomZTC = membre.membre_nom;
    Grille_prec.clear();
    const TableJournal& table = etat_.table;
    for (const int r : index_->lignes_indicatif(c)) {
        Grille_prec.append({c, table.cellule(col_date, r), table.cellule(col_heure, r),
                            table.cellule(col_bande, r), table.cellule(col_nom, r)});
    }
    Grille_prec.append(ligne_vide_prec());
}

bool EntreeQSO::touche(Champ champ, Touche t) {
    if (t == Touche::retour) {
        BitBtn_validerClick();
        return true;
    }
    if (t != Touche::espace) {
        return false;
    }
    switch (champ) {
    case Champ::Edit_call:
        // The report preset as a call of four characters or more gets it.
        if (Edit_RSTS.isEmpty()) {
            Edit_RSTS = textes::report_defaut();
        }
        focus = Champ::Edit_RSTS;
        return true;
    case Champ::ComboBox_band:
        bande_courante = bande_selectionnee();
        Edit_RSTS = textes::report_defaut();
        focus = Champ::Edit_RSTS;
        return true;
    case Champ::Edit_RSTS:
        Edit_RSTR = textes::report_defaut();
        focus = Champ::Edit_RSTR;
        return true;
    case Champ::Edit_RSTR:
        focus = Champ::Edit_Notes;
        return true;
    default:
        return false;
    }
}

QString EntreeQSO::bande_selectionnee() const {
    return bandes().value(index_bande);
}

void EntreeQSO::choisir_bande(int index) {
    const QStringList items = bandes();
    index_bande = index >= 0 && index < items.size() ? index : -1;
    if (index_bande >= 0) {
        texte_bande = items[index_bande];
    }
    marquer_bande();
}

void EntreeQSO::ComboBox_bandChange(const QString& texte) {
    texte_bande = texte;
    index_bande = int(bandes().indexOf(texte));
    marquer_bande();
}

void EntreeQSO::marquer_bande() {
    marque_colonne = index_bande;
    marque_ligne = 1;
}

void EntreeQSO::StringGrid_HFSelectCell(int colonne, int ligne) {
    const QStringList items = bandes();
    if (ligne != 1 || colonne < 0 || colonne >= items.size()) {
        return;
    }
    index_bande = colonne;
    texte_bande = items[colonne];
    marquer_bande();
    focus = Champ::Edit_call;
}

bool EntreeQSO::cellule_HF_marquee(int colonne, int ligne) const {
    return ligne != 0 && ligne == marque_ligne && colonne == marque_colonne;
}

void EntreeQSO::Edit_NrZTCExit() {
    QString numero;
    if (!Edit_call.isEmpty()) {
        const ResultatMembre membre = referentiel_.membres.chercher_membre(Edit_call);
        if (!membre.base_trouvee) {
            dialogues_.message(TypeMessage::simple,
                               QString::fromUtf8(message_base_membres_absente));
        }
        numero = membre.membre_numero;
    }
    if (numero == QStringLiteral("-1")) {
        Edit_NrZTC = textes::non_membre();
    }
    if (Edit_NrZTC != numero) {
        Edit_NrZTC += QLatin1Char('*');
    }
}

void EntreeQSO::vider_champs() {
    Edit_Pays.clear();
    Edit_continent.clear();
    Edit_call.clear();
    index_PFX = -1;
    Edit_RSTS.clear();
    Edit_RSTR.clear();
    Edit_Notes.clear();
    Edit_NrZTC.clear();
    Edit_nomZTC.clear();
}

void EntreeQSO::BitBtn_efface_saisieClick() {
    vider_champs();
    for (QStringList& ligne : Grille_prec) {
        ligne = ligne_vide_prec();
    }
    etat_.fichier_modifie = false;
    finir_correction();
}

void EntreeQSO::mode_temps(bool reel) {
    etat_.temps_reel = reel;
    if (reel) {
        Label_temps_reel = textes::temps_reel();
        couleur_temps_reel = {255, 0, 0};
        lire_horloge_utc();
    } else {
        Label_temps_reel = textes::temps_differe();
        couleur_temps_reel = {0, 0, 255};
    }
}

void EntreeQSO::passer_temps_reel() {
    mode_avant_correction_.reset();
    mode_temps(true);
}

void EntreeQSO::passer_temps_differe() {
    mode_avant_correction_.reset();
    mode_temps(false);
}

void EntreeQSO::commencer_correction() {
    if (!mode_avant_correction_) {
        mode_avant_correction_ =
            ModeTemps{etat_.temps_reel, DateTimePicker_date, DateTimePicker_time};
    }
    mode_temps(false);
}

void EntreeQSO::finir_correction() {
    if (!mode_avant_correction_) {
        return;
    }
    const ModeTemps avant = *mode_avant_correction_;
    mode_avant_correction_.reset();
    mode_temps(avant.temps_reel);
    if (!avant.temps_reel) {
        DateTimePicker_date = avant.date;
        DateTimePicker_time = avant.heure;
    }
}

// One UTC instant for both: the local date beside the UTC time puts a QSO made at 01:30
// local time on the wrong day. The clock's own UTC, as decalage_UTC drops half hours.
void EntreeQSO::lire_horloge_utc() {
    const QDateTime utc = horloge_.maintenant_utc();
    const QTime heure = utc.time();
    DateTimePicker_date = utc.date();
    DateTimePicker_time = QTime(heure.hour(), heure.minute(), heure.second());
}

void EntreeQSO::Timer1Timer() {
    if (etat_.temps_reel) {
        lire_horloge_utc();
    }
}

void EntreeQSO::DateTimePicker_dateEnter() {
    if (etat_.temps_reel) {
        dialogues_.message(TypeMessage::simple, textes::modifier_date());
    }
}

void EntreeQSO::DateTimePicker_timeEnter() {
    if (etat_.temps_reel) {
        dialogues_.message(TypeMessage::simple, textes::modifier_heure());
    }
}

QString EntreeQSO::annee_courante() const {
    return vorek::annee_courante(horloge_.maintenant_local().date());
}

} // namespace vorek
