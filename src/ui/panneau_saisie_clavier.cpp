// The entry panel's keys and focus moves: Space and Return as the entry wants them, Escape
// for "Effacer", Alt+D and Alt+H for the pickers, a field's entry and exit as an event.

#include "panneau_saisie.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTimeEdit>

namespace vorek {

namespace {

// Focus moves caused by another window (a message box, a drop-down list) are no entry
// into or exit from a field.
bool passage_reel(const QFocusEvent* evenement) {
    return evenement->reason() != Qt::ActiveWindowFocusReason &&
           evenement->reason() != Qt::PopupFocusReason;
}

// The caret after the last character, nothing selected.
void curseur_a_la_fin(QLineEdit* edit) {
    edit->deselect();
    edit->end(false);
}

} // namespace

void PanneauSaisie::connecter_clavier() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             Edit_call, Edit_RSTS, Edit_RSTR, Edit_Notes, ComboBox_band, ComboBox_band->lineEdit(),
             ComboBox_PFX, Edit_NrZTC, Edit_nomZTC, DateTimePicker_date, DateTimePicker_time,
             StringGrid_HF}) {
        w->installEventFilter(this);
    }
    const auto raccourci = [this](QKeyCombination touches, QDateTimeEdit* selecteur) {
        connect(new QShortcut(QKeySequence(touches), this), &QShortcut::activated, this,
                [this, selecteur] { aller_au_selecteur(selecteur); });
    };
    raccourci(Qt::ALT | Qt::Key_D, DateTimePicker_date);
    raccourci(Qt::ALT | Qt::Key_H, DateTimePicker_time);
}

void PanneauSaisie::surveiller_touches(QObject* filtre) {
    for (QWidget* w : Panel6->findChildren<QWidget*>()) {
        w->installEventFilter(filtre);
    }
}

void PanneauSaisie::aller_au_selecteur(QDateTimeEdit* selecteur) {
    // A shortcut's focus selects the first section: the digits typed next go into it and
    // move on to the following sections by themselves.
    selecteur->setFocus(Qt::ShortcutFocusReason);
    if (selecteur->hasFocus()) {
        selecteur->setCurrentSectionIndex(0);
        selecteur->setSelectedSection(selecteur->sectionAt(0));
    }
}

QWidget* PanneauSaisie::controle(Champ champ) const {
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

Champ PanneauSaisie::champ_de(const QObject* objet) const {
    for (Champ champ : {Champ::Edit_call, Champ::Edit_RSTS, Champ::Edit_RSTR, Champ::Edit_Notes,
                        Champ::ComboBox_band, Champ::Edit_NrZTC, Champ::Edit_nomZTC,
                        Champ::DateTimePicker_date, Champ::DateTimePicker_time}) {
        if (controle(champ) == objet) {
            return champ;
        }
    }
    return objet == ComboBox_band->lineEdit() ? Champ::ComboBox_band : Champ::aucun;
}

void PanneauSaisie::deplacer_focus(Champ champ) {
    QWidget* cible = controle(champ);
    if (!cible) {
        return;
    }
    cible->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(cible)) {
        curseur_a_la_fin(edit);
    }
}

bool PanneauSaisie::eventFilter(QObject* objet, QEvent* evenement) {
    if (!contexte_.entree) {
        return QWidget::eventFilter(objet, evenement);
    }
    const Champ champ = champ_de(objet);
    switch (evenement->type()) {
    case QEvent::KeyPress: {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
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
    case QEvent::FocusIn:
        if (champ == Champ::Edit_RSTS || champ == Champ::Edit_RSTR || champ == Champ::Edit_nomZTC) {
            // The field's own handling first (it selects everything on Tab), then the caret
            // at the end.
            objet->event(evenement);
            curseur_a_la_fin(static_cast<QLineEdit*>(objet));
            return true;
        }
        if (objet != ComboBox_band->lineEdit() &&
            passage_reel(static_cast<QFocusEvent*>(evenement))) {
            focus_entre(champ);
        }
        break;
    case QEvent::FocusOut:
        if (objet != ComboBox_band->lineEdit() &&
            passage_reel(static_cast<QFocusEvent*>(evenement))) {
            focus_sort(champ);
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objet, evenement);
}

bool PanneauSaisie::touche_saisie(Champ champ) {
    bool utilisee = false;
    executer([&] { utilisee = entree().touche(champ, Touche::espace); });
    return utilisee;
}

void PanneauSaisie::focus_entre(Champ champ) {
    switch (champ) {
    case Champ::ComboBox_band:
        executer([this] { entree().ComboBox_bandEnter(); });
        break;
    case Champ::DateTimePicker_date:
        executer([this] { entree().DateTimePicker_dateEnter(); });
        break;
    case Champ::DateTimePicker_time:
        executer([this] { entree().DateTimePicker_timeEnter(); });
        break;
    default:
        break;
    }
}

void PanneauSaisie::focus_sort(Champ champ) {
    switch (champ) {
    case Champ::Edit_call:
        executer([this] { entree().Edit_callExit(); });
        break;
    case Champ::ComboBox_band:
        executer([this] { entree().ComboBox_bandExit(); });
        break;
    case Champ::Edit_NrZTC:
        executer([this] { entree().Edit_NrZTCExit(); });
        break;
    default:
        break;
    }
}

} // namespace vorek
