#pragma once

#include "contexte.h"
#include "stats/verification.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;

namespace vorek {

// "Vérifier le compte rendu": the report written, read back and checked, one finding a
// line. A double click on a QSO's finding asks for that row of the log. While shown, the
// check runs again whenever the log changes, so that no finding names a row gone since.
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
    void BitBtn_fermerClick();

  signals:
    void ligne_choisie(int ligne);

  private:
    void construire();
    void suivre_le_journal();
    // The check itself; its failure goes in the box only when the operator asked for it:
    // a check that follows the log never takes the keyboard from the main window.
    void executer(bool en_boite);
    void afficher(const QList<Constat>& constats);

    Contexte& contexte_;
    // The changes of one action (a commit and its rescoring) give one check.
    QTimer* relance_;
};

} // namespace vorek
