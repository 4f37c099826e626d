// The entry panel and the log grid: what the operator does to the log from the main window.

#include "tform_main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

namespace vorek {

void TForm_main::connecter_saisie() {
    connect(Edit_call, &QLineEdit::textChanged, this, &TForm_main::Edit_callChange);
    connect(BitBtn_valider, &QPushButton::clicked, this, &TForm_main::BitBtn_validerClick);
    connect(BitBtn_efface_saisie, &QPushButton::clicked, this,
            &TForm_main::BitBtn_efface_saisieClick);
    connect(SpeedButton_temps_differe, &QToolButton::clicked, this,
            &TForm_main::SpeedButton_temps_differeClick);
    connect(ComboBox_band, &QComboBox::currentIndexChanged, this, &TForm_main::ComboBox_bandChange);
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
}

// The handlers below are filled by the entry and log-editing work.

void TForm_main::Edit_callChange(const QString&) {}

void TForm_main::BitBtn_validerClick() {}

void TForm_main::BitBtn_efface_saisieClick() {}

void TForm_main::SpeedButton_temps_differeClick() {}

void TForm_main::ComboBox_bandChange(int) {}

void TForm_main::StringGrid_HFSelectCell(int, int) {}

void TForm_main::GrilleDblClick() {}

void TForm_main::BitBtn_insererClick() {}

void TForm_main::BitBtn_effacerClick() {}

void TForm_main::BitBtn_calculClick() {
    afficher_score();
}

void TForm_main::SpeedButton_tri_ZTCClick() {}

void TForm_main::SpeedButton_tri_CALLClick() {}

void TForm_main::SpeedButton_tri_DATEClick() {}

} // namespace vorek
