#pragma once

#include <QDialog>

namespace vorek {

// The help page: the keys and what each button does, in French, inside the program.
class FenetreAide : public QDialog {
    Q_OBJECT

  public:
    explicit FenetreAide(QWidget* parent);
    // The page's text, as shown.
    static QString texte_aide();
};

} // namespace vorek
