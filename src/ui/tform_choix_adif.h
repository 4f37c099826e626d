#pragma once

#include "contexte.h"

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

  public slots:
    // Filled by the ADIF import work.
    void BitBtn_remplacementClick();
    void BitBtn_ajoutClick();

  private:
    Contexte& contexte_;
};

} // namespace vorek
