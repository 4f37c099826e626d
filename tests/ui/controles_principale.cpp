#include "controles_principale.h"

#include "ui/panneau_saisie.h"
#include "ui/tform_main.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

template <typename T> T* ControlesPrincipale::trouver(const char* nom) const {
    T* objet = fenetre->findChild<T*>(QString::fromLatin1(nom));
    if (objet == nullptr) {
        qFatal("contrôle absent de la fenêtre principale : %s", nom);
    }
    return objet;
}

ControlesPrincipale::ControlesPrincipale(vorek::TForm_main* principale) : fenetre(principale) {}
