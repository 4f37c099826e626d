// The preview beside the entry: the points of the QSO being typed, in the fields' frame, and
// the members whose call holds what is typed, under the earlier QSOs. Both come from the
// entry's core; this file shows them and puts a chosen call into the call field as if it
// were typed.

#include "controles.h"
#include "dessin_grilles.h"
#include "panneau_saisie.h"

#include "entry/textes_saisie.h"

#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace vorek {

namespace {

constexpr int lignes_partiel = 4;
constexpr int hauteur_partiel = 18;

QColor couleur(const Rvb& c) {
    return QColor(c.rouge, c.vert, c.bleu);
}

// "1 F5ABC 123 JB": the first nine carry the digit of their Ctrl key.
QString texte_partiel(int rang, const Partiel& p) {
    QStringList morceaux;
    if (rang < 9) {
        morceaux.append(QString::number(rang + 1));
    }
    morceaux << p.indicatif << p.membre_numero << p.marques;
    morceaux.removeAll(QString());
    return morceaux.join(QLatin1Char(' '));
}

} // namespace

void PanneauSaisie::construire_apercu(QGridLayout* champs, QHBoxLayout* zone) {
    Label_apercu = creer<QLabel>(Panel6, "Label_apercu");
    // The longest remark fits beside "Notes" a pixel smaller than the fields.
    QFont petite = Panel6->font();
    petite.setPixelSize(10);
    Label_apercu->setFont(petite);
    champs->addWidget(Label_apercu, 4, 1, 1, 4);

    // Under the earlier QSOs, which a few rows show: the window keeps its design width.
    auto* colonne = new QWidget(this);
    colonne->setObjectName(QStringLiteral("Panel_partiel"));
    auto* pile = new QVBoxLayout(colonne);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(1);
    Grille_prec->setParent(colonne);
    pile->addWidget(Grille_prec, 1);
    auto* titre = new QLabel(textes::titre_partiels(), colonne);
    titre->setFont(QFont(QStringLiteral("Tahoma"), 9, QFont::Bold));
    titre->setToolTip(textes::aide_partiels());
    // Never wider than the earlier QSOs: the window keeps its width.
    for (QLabel* l : {titre, Label_apercu}) {
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    pile->addWidget(titre);
    Liste_partiel = creer<QListWidget>(colonne, "Liste_partiel");
    // Top to bottom, then the next column: thirty calls in little room.
    Liste_partiel->setFlow(QListView::TopToBottom);
    Liste_partiel->setWrapping(true);
    Liste_partiel->setResizeMode(QListView::Adjust);
    Liste_partiel->setUniformItemSizes(true);
    Liste_partiel->setGridSize(QSize(118, hauteur_partiel));
    Liste_partiel->setFixedHeight(lignes_partiel * hauteur_partiel +
                                  2 * Liste_partiel->frameWidth() +
                                  Liste_partiel->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    Liste_partiel->setSelectionMode(QAbstractItemView::NoSelection);
    // Typing goes on in the call field whatever is clicked here.
    Liste_partiel->setFocusPolicy(Qt::NoFocus);
    Liste_partiel->setToolTip(textes::aide_partiels());
    Liste_partiel->setFont(Panel6->font());
    Liste_partiel->setItemDelegate(new DessinTexteMemorise(Liste_partiel));
    pile->addWidget(Liste_partiel);
    zone->addWidget(colonne, 1);

    connect(Liste_partiel, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choisir_partiel(Liste_partiel->row(item)); });
    for (int rang = 0; rang < 9; ++rang) {
        auto* raccourci = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + rang)), this);
        connect(raccourci, &QShortcut::activated, this, [this, rang] { choisir_partiel(rang); });
    }
    // Fields whose change runs no entry handler still change what the QSO would score.
    connect(Edit_NrZTC, &QLineEdit::textChanged, this, &PanneauSaisie::afficher_apercu);
    connect(DateTimePicker_date, &QDateEdit::dateChanged, this, &PanneauSaisie::afficher_apercu);
    connect(DateTimePicker_time, &QTimeEdit::timeChanged, this, &PanneauSaisie::afficher_apercu);
}

void PanneauSaisie::afficher_apercu() {
    // During an event, the event shows the preview itself once it is done.
    if (!contexte_.entree || occupe_) {
        return;
    }
    lire_saisie();
    montrer_apercu();
}

void PanneauSaisie::montrer_apercu() {
    const ApercuQSO apercu = entree().apercu_QSO();
    QString texte;
    if (apercu.visible) {
        texte = apercu.points.isEmpty() ? apercu.raison
                                        : textes::apercu_points(apercu.points) + apercu.raison;
    }
    Label_apercu->setText(texte);
    colorer(Label_apercu, QPalette::WindowText, couleur(apercu.couleur));

    // Items are rewritten in place and only where they change: a keystroke that leaves the
    // list as it was costs it no new layout and no repaint.
    const QList<Partiel> liste = entree().liste_partielle();
    while (Liste_partiel->count() > liste.size()) {
        delete Liste_partiel->takeItem(Liste_partiel->count() - 1);
    }
    for (int rang = 0; rang < liste.size(); ++rang) {
        QListWidgetItem* item = Liste_partiel->item(rang);
        if (!item) {
            item = new QListWidgetItem(Liste_partiel);
        }
        const QString texte = texte_partiel(rang, liste[rang]);
        if (item->text() != texte) {
            item->setText(texte);
        }
        if (item->data(Qt::UserRole).toString() != liste[rang].indicatif) {
            item->setData(Qt::UserRole, liste[rang].indicatif);
        }
        const QBrush teinte(couleur(liste[rang].couleur));
        if (item->foreground() != teinte) {
            item->setForeground(teinte);
        }
    }
}

void PanneauSaisie::choisir_partiel(int rang) {
    const QListWidgetItem* item = Liste_partiel->item(rang);
    if (item) {
        prendre_indicatif(item->data(Qt::UserRole).toString());
    }
}

void PanneauSaisie::prendre_indicatif(const QString& indicatif) {
    Edit_call->setFocus(Qt::ShortcutFocusReason);
    // Through the field's own change: the look-ups run as for a call typed.
    Edit_call->setText(indicatif);
    Edit_call->end(false);
}

} // namespace vorek
