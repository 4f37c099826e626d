// The preview beside the entry: the points of the QSO being typed, in the entry panel, and
// the members whose call holds what is typed, between the panel and the earlier QSOs. Both
// come from the entry's core; this file shows them and puts a chosen call into the call
// field as if it were typed.

#include "controles.h"
#include "tform_main.h"

#include "entry/textes_saisie.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace vorek {

namespace {

constexpr int colonnes_partiel = 4;

QColor couleur(const Rvb& c) {
    return QColor(c.rouge, c.vert, c.bleu);
}

QTableWidgetItem* cellule(QTableWidget* grille, int ligne, int colonne) {
    QTableWidgetItem* item = grille->item(ligne, colonne);
    if (!item) {
        item = new QTableWidgetItem;
        grille->setItem(ligne, colonne, item);
    }
    return item;
}

} // namespace

void TForm_main::construire_apercu(QGridLayout* champs, QHBoxLayout* zone_saisie) {
    Label_apercu = creer<QLabel>(Panel6, "Label_apercu");
    champs->addWidget(Label_apercu, 4, 1, 1, 4);

    auto* colonne = new QWidget(centralWidget());
    colonne->setObjectName(QStringLiteral("Panel_partiel"));
    auto* pile = new QVBoxLayout(colonne);
    pile->setContentsMargins(2, 0, 2, 0);
    pile->setSpacing(1);
    auto* titre = new QLabel(textes::titre_partiels(), colonne);
    titre->setFont(QFont(QStringLiteral("Tahoma"), 9, QFont::Bold));
    Grille_partiel = creer<QTableWidget>(colonne, "Grille_partiel");
    Grille_partiel->setColumnCount(colonnes_partiel);
    Grille_partiel->setHorizontalHeaderLabels({QStringLiteral("Ctrl"), QStringLiteral("Indicatif"),
                                               QStringLiteral("ZTC"), QStringLiteral("Vu")});
    const int largeurs[colonnes_partiel] = {32, 82, 42, 30};
    for (int c = 0; c < colonnes_partiel; ++c) {
        Grille_partiel->setColumnWidth(c, largeurs[c]);
    }
    Grille_partiel->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Grille_partiel->verticalHeader()->hide();
    Grille_partiel->verticalHeader()->setDefaultSectionSize(18);
    Grille_partiel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grille_partiel->setSelectionMode(QAbstractItemView::NoSelection);
    Grille_partiel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Typing goes on in the call field whatever is clicked here.
    Grille_partiel->setFocusPolicy(Qt::NoFocus);
    Grille_partiel->setToolTip(textes::aide_partiels());
    Grille_partiel->setFixedWidth(32 + 82 + 42 + 30 + 20);
    pile->addWidget(titre);
    pile->addWidget(Grille_partiel, 1);
    zone_saisie->insertWidget(1, colonne);

    connect(Grille_partiel, &QTableWidget::cellClicked, this,
            [this](int ligne, int) { choisir_partiel(ligne); });
    for (int rang = 0; rang < 9; ++rang) {
        auto* raccourci = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + rang)), this);
        connect(raccourci, &QShortcut::activated, this, [this, rang] { choisir_partiel(rang); });
    }
    // Fields whose change runs no entry handler still change what the QSO would score.
    connect(Edit_NrZTC, &QLineEdit::textChanged, this, &TForm_main::afficher_apercu);
    connect(DateTimePicker_date, &QDateEdit::dateChanged, this, &TForm_main::afficher_apercu);
    connect(DateTimePicker_time, &QTimeEdit::timeChanged, this, &TForm_main::afficher_apercu);
}

void TForm_main::afficher_apercu() {
    if (!contexte_.entree) {
        return;
    }
    if (!occupe_) {
        lire_saisie();
    }
    const ApercuQSO apercu = contexte_.entree->apercu_QSO();
    QString texte;
    if (apercu.visible) {
        texte = apercu.points.isEmpty() ? apercu.raison
                                        : textes::apercu_points(apercu.points) + apercu.raison;
    }
    Label_apercu->setText(texte);
    colorer(Label_apercu, QPalette::WindowText, couleur(apercu.couleur));

    const QList<Partiel> liste = contexte_.entree->liste_partielle();
    Grille_partiel->setRowCount(int(liste.size()));
    for (int r = 0; r < liste.size(); ++r) {
        const Partiel& p = liste[r];
        const QStringList textes{r < 9 ? QString::number(r + 1) : QString(), p.indicatif,
                                 p.membre_numero, p.marques};
        for (int c = 0; c < colonnes_partiel; ++c) {
            QTableWidgetItem* item = cellule(Grille_partiel, r, c);
            item->setText(textes[c]);
            item->setForeground(couleur(p.couleur));
        }
    }
}

void TForm_main::choisir_partiel(int rang) {
    if (rang < 0 || rang >= Grille_partiel->rowCount()) {
        return;
    }
    const QString indicatif = Grille_partiel->item(rang, 1)->text();
    Edit_call->setFocus(Qt::ShortcutFocusReason);
    // Through the field's own change: the look-ups run as for a call typed.
    Edit_call->setText(indicatif);
    Edit_call->end(false);
}

} // namespace vorek
