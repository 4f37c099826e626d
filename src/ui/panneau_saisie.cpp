// The entry panel's events: the fields copied into EntreeQSO, the event forwarded, the entry
// shown back. The behaviour is EntreeQSO's.

#include "panneau_saisie.h"

#include "base/erreur.h"
#include "rules/bandes.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimeEdit>

namespace vorek {

namespace {

// Shown without running the control's own change handler; the caret stays where it was.
void montrer(QLineEdit* champ, const QString& texte) {
    if (champ->text() == texte) {
        return;
    }
    const QSignalBlocker bloque(champ);
    const int curseur = champ->cursorPosition();
    champ->setText(texte);
    champ->setCursorPosition(std::min(curseur, int(texte.size())));
}

// Rewriting an unchanged value would drop a section the operator is typing.
void montrer(QDateEdit* selecteur, const QDate& date) {
    if (selecteur->date() != date) {
        const QSignalBlocker bloque(selecteur);
        selecteur->setDate(date);
    }
}

void montrer(QTimeEdit* selecteur, const QTime& heure) {
    if (selecteur->time() != heure) {
        const QSignalBlocker bloque(selecteur);
        selecteur->setTime(heure);
    }
}

int index_exact(const QComboBox* liste, const QString& texte) {
    return liste->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace

void PanneauSaisie::connecter() {
    connect(Edit_call, &QLineEdit::textChanged, this, &PanneauSaisie::Edit_callChange);
    connect(BitBtn_valider, &QPushButton::clicked, this, &PanneauSaisie::BitBtn_validerClick);
    connect(BitBtn_efface_saisie, &QPushButton::clicked, this,
            &PanneauSaisie::BitBtn_efface_saisieClick);
    connect(ComboBox_band, &QComboBox::currentTextChanged, this,
            &PanneauSaisie::ComboBox_bandChange);
    connect(StringGrid_HF, &QTableWidget::cellClicked, this,
            &PanneauSaisie::StringGrid_HFSelectCell);
}

void PanneauSaisie::demarrer() {
    renouveler_prefixes();
    {
        const QSignalBlocker bloque_bandes(ComboBox_band);
        const QSignalBlocker bloque_prefixes(ComboBox_PFX);
        ComboBox_band->clear();
        ComboBox_band->addItems(bandes());
        ComboBox_band->setCurrentIndex(0);
        ComboBox_PFX->setCurrentIndex(-1);
    }
    afficher_saisie();
}

void PanneauSaisie::renouveler_prefixes() {
    // The entry's DXCC list is the station window's, up to an empty prefix, with one empty
    // item to show nothing.
    const QStringList& liste = contexte_.etat.liste_dxcc;
    entree().fixer_prefixes(liste.mid(0, liste.indexOf(QString())));
    const QSignalBlocker bloque(ComboBox_PFX);
    const QString courant = ComboBox_PFX->currentText();
    ComboBox_PFX->clear();
    ComboBox_PFX->addItems(entree().items_PFX);
    ComboBox_PFX->setCurrentIndex(ComboBox_PFX->findText(courant));
}

bool PanneauSaisie::executer(const std::function<void()>& action) {
    if (!contexte_.entree || occupe_) {
        return false;
    }
    occupe_ = true;
    lire_saisie();
    entree().focus = Champ::aucun;
    try {
        action();
    } catch (const Erreur& e) {
        contexte_.dialogues.message(TypeMessage::erreur, e.message());
    }
    const Champ focus = entree().focus;
    afficher_saisie();
    occupe_ = false;
    // Last, so that the exits and entries it causes run as the operator's own would.
    if (focus != Champ::aucun) {
        deplacer_focus(focus);
    }
    emit saisie_traitee();
    return true;
}

void PanneauSaisie::lire_saisie() {
    EntreeQSO& e = entree();
    e.Edit_Pays = Edit_Pays->text();
    e.Edit_call = Edit_call->text();
    e.Edit_RSTS = Edit_RSTS->text();
    e.Edit_RSTR = Edit_RSTR->text();
    e.Edit_Notes = Edit_Notes->text();
    e.Edit_continent = Edit_continent->text();
    e.Edit_NrZTC = Edit_NrZTC->text();
    e.Edit_nomZTC = Edit_nomZTC->text();
    e.index_PFX = ComboBox_PFX->currentIndex();
    e.texte_bande = ComboBox_band->currentText();
    e.index_bande = index_exact(ComboBox_band, e.texte_bande);
    e.DateTimePicker_date = DateTimePicker_date->date();
    e.DateTimePicker_time = DateTimePicker_time->time();
}

void PanneauSaisie::afficher_saisie() {
    const EntreeQSO& e = entree();
    montrer(Edit_Pays, e.Edit_Pays);
    montrer(Edit_call, e.Edit_call);
    montrer(Edit_RSTS, e.Edit_RSTS);
    montrer(Edit_RSTR, e.Edit_RSTR);
    montrer(Edit_Notes, e.Edit_Notes);
    montrer(Edit_continent, e.Edit_continent);
    montrer(Edit_NrZTC, e.Edit_NrZTC);
    montrer(Edit_nomZTC, e.Edit_nomZTC);
    if (ComboBox_PFX->currentIndex() != e.index_PFX) {
        const QSignalBlocker bloque(ComboBox_PFX);
        ComboBox_PFX->setCurrentIndex(e.index_PFX);
    }
    afficher_bande();
    montrer(DateTimePicker_date, e.DateTimePicker_date);
    montrer(DateTimePicker_time, e.DateTimePicker_time);
    afficher_Grille_prec();
    const Rvb& c = e.couleur_temps_reel;
    emit mode_temps_affiche(e.Label_temps_reel, QColor(c.rouge, c.vert, c.bleu));
    montrer_apercu();
}

// An item selected, or the text typed when it is none; a band the entry left without
// selection shows nothing.
void PanneauSaisie::afficher_bande() {
    const EntreeQSO& e = entree();
    const QSignalBlocker bloque(ComboBox_band);
    if (e.index_bande >= 0) {
        // Text the operator is typing that already names the item is left as it is.
        if (ComboBox_band->currentText() != ComboBox_band->itemText(e.index_bande)) {
            ComboBox_band->setCurrentIndex(e.index_bande);
        }
    } else {
        const QString texte =
            index_exact(ComboBox_band, e.texte_bande) >= 0 ? QString() : e.texte_bande;
        if (ComboBox_band->currentText() != texte) {
            ComboBox_band->setCurrentIndex(-1);
            ComboBox_band->setEditText(texte);
        }
    }
    const std::pair<int, int> marque{e.marque_ligne, e.marque_colonne};
    if (marque != marque_peinte_) {
        marque_peinte_ = marque;
        StringGrid_HF->viewport()->update();
    }
}

void PanneauSaisie::afficher_Grille_prec() {
    const QList<QStringList>& lignes = entree().Grille_prec;
    Grille_prec->setRowCount(int(lignes.size()));
    for (int r = 0; r < lignes.size(); ++r) {
        for (int c = 0; c < Grille_prec->columnCount(); ++c) {
            QTableWidgetItem* cellule = Grille_prec->item(r, c);
            if (!cellule) {
                cellule = new QTableWidgetItem;
                Grille_prec->setItem(r, c, cellule);
            }
            cellule->setText(lignes[r].value(c));
        }
    }
}

void PanneauSaisie::choisir_bande(const QString& bande) {
    const int index = index_exact(ComboBox_band, bande);
    if (!bande.isEmpty() && index >= 0) {
        ComboBox_band->setCurrentIndex(index);
    }
}

bool PanneauSaisie::suivre_bande(const QString& bande) {
    const int index = int(bandes().indexOf(bande));
    const bool pris = executer([&] {
        entree().choisir_bande(index);
        entree().bande_courante = entree().bande_selectionnee();
    });
    if (pris) {
        StringGrid_HF->clearSelection();
    }
    return pris;
}

void PanneauSaisie::aller_a_l_indicatif() {
    Edit_call->setFocus();
}

QString PanneauSaisie::indicatif() const {
    return Edit_call->text();
}

QRect PanneauSaisie::place_indicatif() const {
    return {Edit_call->mapToGlobal(QPoint(0, 0)), Edit_call->size()};
}

QString PanneauSaisie::report_envoye() const {
    return Edit_RSTS->text();
}

void PanneauSaisie::Timer1Timer() {
    // A tick during a box of another handler leaves its entry alone.
    if (!contexte_.entree || occupe_) {
        return;
    }
    lire_saisie();
    entree().Timer1Timer();
    montrer(DateTimePicker_date, entree().DateTimePicker_date);
    montrer(DateTimePicker_time, entree().DateTimePicker_time);
    montrer_apercu();
}

void PanneauSaisie::Edit_callChange(const QString& texte) {
    executer([&] { entree().Edit_callChange(texte); });
}

void PanneauSaisie::BitBtn_validerClick() {
    executer([this] { emit libelles_a_afficher(entree().BitBtn_validerClick()); });
}

void PanneauSaisie::BitBtn_efface_saisieClick() {
    executer([this] { entree().BitBtn_efface_saisieClick(); });
}

void PanneauSaisie::passer_temps_reel() {
    executer([this] { entree().passer_temps_reel(); });
}

void PanneauSaisie::SpeedButton_temps_differeClick() {
    executer([this] { entree().passer_temps_differe(); });
}

void PanneauSaisie::ComboBox_bandChange(const QString& texte) {
    executer([&] { entree().ComboBox_bandChange(texte); });
    StringGrid_HF->clearSelection();
}

void PanneauSaisie::StringGrid_HFSelectCell(int ligne, int colonne) {
    // The band grid's labels are its header: its first table row is row 1.
    executer([&] { entree().StringGrid_HFSelectCell(colonne, ligne + 1); });
}

} // namespace vorek
