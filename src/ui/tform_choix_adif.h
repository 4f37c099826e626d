#pragma once

#include "contexte.h"

#include "adif_import/import_adif.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace vorek {

// The choice between replacing and extending the log before an ADIF import.
class TForm_choix_ADIF : public QWidget {
    Q_OBJECT

  public:
    explicit TForm_choix_ADIF(Contexte& contexte);

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* BitBtn_remplacement;
    QPushButton* BitBtn_ajout;
    // Closes the window, as Escape does.
    QPushButton* BitBtn_annuler;

  public slots:
    void BitBtn_remplacementClick();
    void BitBtn_ajoutClick();

  signals:
    // The station window is to be shown for the operator to fill in.
    void station_demandee();

  private:
    // OpenDialog2, the import, then the reminder of the station window.
    void importer(ModeImport mode);
    // The choice window hides once the file was read; it stays for another try otherwise.
    void executer(const QString& chemin, ModeImport mode);

    Contexte& contexte_;
};

} // namespace vorek
