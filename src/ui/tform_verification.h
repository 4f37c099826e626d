#pragma once

#include "contexte.h"
#include "stats/verification.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vorek {

// "Vérifier le compte rendu": the report written, read back and checked, one finding a
// line. A double click on a QSO's finding asks for that row of the log.
class TForm_verification : public QWidget {
    Q_OBJECT

  public:
    explicit TForm_verification(Contexte& contexte);

    QLabel* Label_resultat;
    QListWidget* Liste_constats;
    QPushButton* BitBtn_verifier;
    QPushButton* BitBtn_fermer;

  public slots:
    // Runs the check and shows its findings; a report that cannot be written is said in
    // the error box.
    void verifier();
    void Liste_constatsDblClick(QListWidgetItem* element);

  signals:
    void ligne_choisie(int ligne);

  private:
    void construire();

    Contexte& contexte_;
};

} // namespace vorek
