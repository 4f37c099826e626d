// The report command and the exports of the main window.

#include "tform_main.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace vorek {

void TForm_main::connecter_rapports() {
    connect(EcrireLog, &QToolButton::clicked, this, &TForm_main::EcrireLogClick);
    connect(BitBtn_export_ADIF, &QPushButton::clicked, this, &TForm_main::BitBtn_export_ADIFClick);
    connect(ExportADIF1, &QAction::triggered, this, &TForm_main::ExportADIF1Click);
    connect(ExportTXT1, &QAction::triggered, this, &TForm_main::ExportTXT1Click);
}

// Filled by the reports work.

void TForm_main::EcrireLogClick() {}

void TForm_main::BitBtn_export_ADIFClick() {}

void TForm_main::ExportADIF1Click() {}

void TForm_main::ExportTXT1Click() {}

} // namespace vorek
