// The entry panel and the log grid: what the operator does to the log from the main window.
// The behaviour is EntreeQSO's and the log editing's; this file copies the controls in,
// forwards the events and shows the result.

#include "base/erreur.h"
#include "curseur_occupe.h"
#include "dessin_grilles.h"
#include "logedit/edition_grille.h"
#include "logedit/tri.h"
#include "tform_main.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

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

// The grid's cells typed in place go through the log's own edit (checks, member, rescoring,
// save), never straight into the table.
class SaisieGrille : public DessinGrille {
  public:
    SaisieGrille(std::function<void(int, int, const QString&)> saisie, QObject* parent)
        : DessinGrille(parent), saisie_(std::move(saisie)) {}

    void setModelData(QWidget* editeur, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        const QMetaProperty propriete = editeur->metaObject()->userProperty();
        saisie_(index.column(), TableJournal::ligne_de(index), propriete.read(editeur).toString());
    }

  private:
    std::function<void(int, int, const QString&)> saisie_;
};

// Focus moves caused by another window (a message box, a drop-down list) are no entry
// into or exit from a field.
bool passage_reel(const QFocusEvent* evenement) {
    return evenement->reason() != Qt::ActiveWindowFocusReason &&
           evenement->reason() != Qt::PopupFocusReason;
}

} // namespace

void TForm_main::connecter_saisie() {
    connect(Edit_call, &QLineEdit::textChanged, this, &TForm_main::Edit_callChange);
    connect(BitBtn_valider, &QPushButton::clicked, this, &TForm_main::BitBtn_validerClick);
    connect(BitBtn_efface_saisie, &QPushButton::clicked, this,
            &TForm_main::BitBtn_efface_saisieClick);
    connect(SpeedButton_temps_differe, &QToolButton::clicked, this,
            &TForm_main::SpeedButton_temps_differeClick);
    connect(ComboBox_band, &QComboBox::currentTextChanged, this, &TForm_main::ComboBox_bandChange);
    connect(StringGrid_HF, &QTableWidget::cellClicked, this, &TForm_main::StringGrid_HFSelectCell);
    connect(Grille, &QTableView::doubleClicked, this, &TForm_main::GrilleDblClick);
    connect(BitBtn_inserer, &QPushButton::clicked, this, &TForm_main::BitBtn_insererClick);
    connect(BitBtn_effacer, &QPushButton::clicked, this, &TForm_main::BitBtn_effacerClick);
    connect(BitBtn_calcul, &QPushButton::clicked, this, &TForm_main::BitBtn_calculClick);
    connect(SpeedButton_tri_ZTC, &QToolButton::clicked, this,
            &TForm_main::SpeedButton_tri_ZTCClick);
    connect(SpeedButton_tri_CALL, &QToolButton::clicked, this,
            &TForm_main::SpeedButton_tri_CALLClick);
    connect(SpeedButton_tri_DATE, &QToolButton::clicked, this,
            &TForm_main::SpeedButton_tri_DATEClick);
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        connect(application, &QApplication::focusChanged, this, &TForm_main::surveiller_grille);
    }

    Grille->setItemDelegate(
        new SaisieGrille([this](int colonne, int ligne,
                                const QString& texte) { GrilleSetEditText(colonne, ligne, texte); },
                         Grille));
    StringGrid_HF->setItemDelegate(new DessinBandes(
        [this](int colonne, int ligne) {
            return contexte_.entree && contexte_.entree->cellule_HF_marquee(colonne, ligne);
        },
        StringGrid_HF));
    for (QWidget* w : std::initializer_list<QWidget*>{
             Edit_call, Edit_RSTS, Edit_RSTR, Edit_Notes, ComboBox_band, ComboBox_band->lineEdit(),
             ComboBox_PFX, Edit_NrZTC, Edit_nomZTC, DateTimePicker_date, DateTimePicker_time,
             StringGrid_HF}) {
        w->installEventFilter(this);
    }
}

// The window closes itself in QWidget's destructor, and the focus moves it causes must not
// reach this half-destroyed window.
TForm_main::~TForm_main() {
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        disconnect(application, &QApplication::focusChanged, this, &TForm_main::surveiller_grille);
    }
}

int TForm_main::ligne_courante() const {
    return std::max(TableJournal::ligne_de(Grille->currentIndex()), 1);
}

void TForm_main::executer(const std::function<void()>& action) {
    if (!contexte_.entree || occupe_) {
        return;
    }
    occupe_ = true;
    lire_saisie();
    contexte_.entree->focus = Champ::aucun;
    try {
        action();
    } catch (const Erreur& e) {
        contexte_.dialogues.message(TypeMessage::erreur, e.message());
    }
    const Champ focus = contexte_.entree->focus;
    afficher_saisie();
    occupe_ = false;
    // Last, so that the exits and entries it causes run as the operator's own would.
    if (focus != Champ::aucun) {
        deplacer_focus(focus);
    }
    emit saisie_traitee();
}

void TForm_main::lire_saisie() {
    EntreeQSO& e = *contexte_.entree;
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
    e.index_bande =
        ComboBox_band->findText(e.texte_bande, Qt::MatchExactly | Qt::MatchCaseSensitive);
    e.DateTimePicker_date = DateTimePicker_date->date();
    e.DateTimePicker_time = DateTimePicker_time->time();
}

void TForm_main::afficher_saisie() {
    const EntreeQSO& e = *contexte_.entree;
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
    Label_temps_reel->setText(e.Label_temps_reel);
    QPalette palette = Label_temps_reel->palette();
    const Rvb& c = e.couleur_temps_reel;
    palette.setColor(QPalette::WindowText, QColor(c.rouge, c.vert, c.bleu));
    Label_temps_reel->setPalette(palette);
    afficher_apercu();
}

// An item selected, or the text typed when it is none; a band the entry left without
// selection shows nothing.
void TForm_main::afficher_bande() {
    const EntreeQSO& e = *contexte_.entree;
    const QSignalBlocker bloque(ComboBox_band);
    if (e.index_bande >= 0) {
        // Text the operator is typing that already names the item is left as it is.
        if (ComboBox_band->currentText() != ComboBox_band->itemText(e.index_bande)) {
            ComboBox_band->setCurrentIndex(e.index_bande);
        }
    } else {
        const bool est_un_item =
            ComboBox_band->findText(e.texte_bande, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
        const QString texte = est_un_item ? QString() : e.texte_bande;
        if (ComboBox_band->currentText() != texte) {
            ComboBox_band->setCurrentIndex(-1);
            ComboBox_band->setEditText(texte);
        }
    }
    StringGrid_HF->viewport()->update();
}

void TForm_main::afficher_Grille_prec() {
    const QList<QStringList>& lignes = contexte_.entree->Grille_prec;
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

void TForm_main::appliquer_libelles(const Libelles& libelles) {
    if (libelles.Label_score) {
        Label_score->setText(*libelles.Label_score);
    }
    if (libelles.Label_nbrQSO) {
        Label_nbrQSO->setText(*libelles.Label_nbrQSO);
    }
    if (libelles.titre) {
        setWindowTitle(*libelles.titre);
    }
}

QWidget* TForm_main::controle(Champ champ) const {
    switch (champ) {
    case Champ::Edit_call:
        return Edit_call;
    case Champ::Edit_RSTS:
        return Edit_RSTS;
    case Champ::Edit_RSTR:
        return Edit_RSTR;
    case Champ::Edit_Notes:
        return Edit_Notes;
    case Champ::ComboBox_band:
        return ComboBox_band;
    case Champ::Edit_NrZTC:
        return Edit_NrZTC;
    case Champ::Edit_nomZTC:
        return Edit_nomZTC;
    case Champ::DateTimePicker_date:
        return DateTimePicker_date;
    case Champ::DateTimePicker_time:
        return DateTimePicker_time;
    case Champ::aucun:
        break;
    }
    return nullptr;
}

Champ TForm_main::champ_de(const QObject* objet) const {
    for (Champ champ : {Champ::Edit_call, Champ::Edit_RSTS, Champ::Edit_RSTR, Champ::Edit_Notes,
                        Champ::ComboBox_band, Champ::Edit_NrZTC, Champ::Edit_nomZTC,
                        Champ::DateTimePicker_date, Champ::DateTimePicker_time}) {
        if (controle(champ) == objet) {
            return champ;
        }
    }
    return objet == ComboBox_band->lineEdit() ? Champ::ComboBox_band : Champ::aucun;
}

void TForm_main::deplacer_focus(Champ champ) {
    QWidget* cible = controle(champ);
    if (!cible) {
        return;
    }
    cible->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(cible)) {
        edit->deselect();
        edit->end(false);
    }
}

bool TForm_main::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == Grille->viewport() && evenement->type() == QEvent::Resize) {
        etirer_notes();
    }
    if (!contexte_.entree) {
        return QMainWindow::eventFilter(objet, evenement);
    }
    const Champ champ = champ_de(objet);
    switch (evenement->type()) {
    case QEvent::KeyPress: {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche_spot(champ, touche->key(), touche->modifiers())) {
            return true;
        }
        // Return that ends a cell typed in the grid reaches its viewport: it ends the edit
        // only.
        if ((touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) &&
            objet != Grille->viewport()) {
            BitBtn_valider->click();
            return true;
        }
        if (touche->key() == Qt::Key_Space && champ != Champ::aucun) {
            return touche_saisie(champ);
        }
        // Escape anywhere in the entry panel does what its "Effacer" does.
        if (touche->key() == Qt::Key_Escape && touche->modifiers() == Qt::NoModifier) {
            BitBtn_efface_saisie->click();
            return true;
        }
        break;
    }
    case QEvent::FocusIn: {
        if (champ == Champ::Edit_RSTS || champ == Champ::Edit_RSTR || champ == Champ::Edit_nomZTC) {
            // The field's own handling first (it selects everything on Tab), then the caret
            // after the last character with nothing selected.
            objet->event(evenement);
            auto* edit = static_cast<QLineEdit*>(objet);
            edit->deselect();
            edit->end(false);
            return true;
        }
        if (objet != ComboBox_band->lineEdit() &&
            passage_reel(static_cast<QFocusEvent*>(evenement))) {
            focus_entre(champ);
        }
        break;
    }
    case QEvent::FocusOut:
        if (objet != ComboBox_band->lineEdit() &&
            passage_reel(static_cast<QFocusEvent*>(evenement))) {
            focus_sort(champ);
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(objet, evenement);
}

bool TForm_main::touche_saisie(Champ champ) {
    bool utilisee = false;
    executer([&] { utilisee = contexte_.entree->touche(champ, Touche::espace); });
    return utilisee;
}

void TForm_main::focus_entre(Champ champ) {
    switch (champ) {
    case Champ::ComboBox_band:
        executer([this] { contexte_.entree->ComboBox_bandEnter(); });
        break;
    case Champ::DateTimePicker_date:
        executer([this] { contexte_.entree->DateTimePicker_dateEnter(); });
        break;
    case Champ::DateTimePicker_time:
        executer([this] { contexte_.entree->DateTimePicker_timeEnter(); });
        break;
    default:
        break;
    }
}

void TForm_main::focus_sort(Champ champ) {
    switch (champ) {
    case Champ::Edit_call:
        executer([this] { contexte_.entree->Edit_callExit(); });
        break;
    case Champ::ComboBox_band:
        executer([this] { contexte_.entree->ComboBox_bandExit(); });
        break;
    case Champ::Edit_NrZTC:
        executer([this] { contexte_.entree->Edit_NrZTCExit(); });
        break;
    default:
        break;
    }
}

// The grid's exit: the focus went from the grid or its cell editor to another control of
// this window (a message box or another program does not count).
void TForm_main::surveiller_grille(QWidget* ancien, QWidget* nouveau) {
    const auto dans_grille = [this](const QWidget* w) {
        return w && (w == Grille || Grille->isAncestorOf(w));
    };
    if (dans_grille(ancien) && !dans_grille(nouveau) && nouveau && nouveau->window() == this) {
        GrilleExit();
    }
}

void TForm_main::Edit_callChange(const QString& texte) {
    executer([&] { contexte_.entree->Edit_callChange(texte); });
}

void TForm_main::BitBtn_validerClick() {
    executer([this] { appliquer_libelles(contexte_.entree->BitBtn_validerClick()); });
}

void TForm_main::BitBtn_efface_saisieClick() {
    executer([this] { contexte_.entree->BitBtn_efface_saisieClick(); });
}

void TForm_main::passer_temps_reel() {
    executer([this] { contexte_.entree->passer_temps_reel(); });
}

void TForm_main::SpeedButton_temps_differeClick() {
    executer([this] { contexte_.entree->passer_temps_differe(); });
}

void TForm_main::Timer1Timer() {
    // Only the pickers: a tick during a box of another handler leaves its entry alone.
    if (!contexte_.entree || occupe_) {
        return;
    }
    contexte_.entree->DateTimePicker_date = DateTimePicker_date->date();
    contexte_.entree->DateTimePicker_time = DateTimePicker_time->time();
    contexte_.entree->Timer1Timer();
    montrer(DateTimePicker_date, contexte_.entree->DateTimePicker_date);
    montrer(DateTimePicker_time, contexte_.entree->DateTimePicker_time);
    afficher_apercu();
}

void TForm_main::ComboBox_bandChange(const QString& texte) {
    executer([&] { contexte_.entree->ComboBox_bandChange(texte); });
    StringGrid_HF->clearSelection();
}

void TForm_main::StringGrid_HFSelectCell(int ligne, int colonne) {
    // The band grid's labels are its header: its first table row is row 1.
    executer([&] { contexte_.entree->StringGrid_HFSelectCell(colonne, ligne + 1); });
}

void TForm_main::GrilleDblClick() {
    const int ligne = ligne_courante();
    executer([&] { transferer_ligne(*contexte_.entree, ligne); });
}

void TForm_main::GrilleExit() {
    executer([this] { appliquer_libelles(quitter_grille(*contexte_.entree)); });
}

// Not through executer: the entry's fields are not involved, and an edit is never dropped
// because another event is running (its box takes the focus from the cell, which commits).
void TForm_main::GrilleSetEditText(int colonne, int ligne, const QString& texte) {
    if (!contexte_.entree) {
        return;
    }
    try {
        appliquer_libelles(saisir_cellule(*contexte_.entree, colonne, ligne, texte));
    } catch (const Erreur& e) {
        contexte_.dialogues.message(TypeMessage::erreur, e.message());
    }
    afficher_apercu();
}

void TForm_main::BitBtn_insererClick() {
    const int ligne = ligne_courante();
    const int colonne = std::max(Grille->currentIndex().column(), 0);
    {
        const CurseurOccupe curseur;
        executer([&] { inserer_ligne(*contexte_.entree, ligne); });
    }
    Grille->setCurrentIndex(contexte_.etat.table.index_cellule(colonne, ligne));
}

void TForm_main::BitBtn_effacerClick() {
    ResultatEffacement resultat;
    const int ligne = ligne_courante();
    executer([&] {
        resultat = effacer_ligne(*contexte_.entree, ligne);
        appliquer_libelles(resultat.libelles);
    });
    if (resultat.supprimee) {
        Grille->setCurrentIndex(
            contexte_.etat.table.index_cellule(resultat.colonne_courante, resultat.ligne_courante));
    }
}

void TForm_main::BitBtn_calculClick() {
    executer([this] { appliquer_libelles(contexte_.entree->BitBtn_calculClick()); });
}

void TForm_main::SpeedButton_tri_ZTCClick() {
    Timer1->stop();
    executer([this] { Label_nbrQSO->setText(QString::number(extraire_membres(contexte_.etat))); });
    Timer1->start();
}

void TForm_main::SpeedButton_tri_CALLClick() {
    executer([this] { trier_par_indicatif_et_sauver(*contexte_.entree); });
}

void TForm_main::SpeedButton_tri_DATEClick() {
    executer([this] { appliquer_libelles(trier_par_date_et_sauver(*contexte_.entree)); });
}

} // namespace vorek
