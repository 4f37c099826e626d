#include "tform_carte.h"

#include "controles.h"

#include "cluster/textes_cluster.h"
#include "rules/bandes.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vorek {

namespace {

// At most four paintings a second; the ages are painted again every 15 s at least.
constexpr int periode_ms = 250;
constexpr int tics_ages = 60;
constexpr int lignes_console = 500;
constexpr int largeur_colonne = 160;
constexpr int largeur_colonne_vide = 48;

const QColor vert(0, 128, 0);
const QColor gris(128, 128, 128);

QString texte_cellule(const SpotCarte& s, int age) {
    const QString points = s.apercu.points.isEmpty() ? QStringLiteral("?") : s.apercu.points;
    const QString membre =
        s.membre ? s.membre_numero + QLatin1Char(' ') + s.membre_nom : textes_cluster::non_membre();
    return s.spot.indicatif + QStringLiteral("  ") + points + QLatin1Char('\n') + membre +
           QLatin1Char('\n') +
           texte_khz(s.spot.frequence_hz).replace(QLatin1Char('.'), QLatin1Char(',')) +
           QStringLiteral("  ") + textes_cluster::minutes().arg(age);
}

QString bulle(const SpotCarte& s) {
    QStringList lignes;
    if (!s.apercu.raison.trimmed().isEmpty()) {
        lignes.append(s.apercu.raison.trimmed());
    }
    lignes.append(QStringLiteral("%1 sur %2 kHz, par %3 %4")
                      .arg(s.spot.indicatif, texte_khz(s.spot.frequence_hz), s.spot.spotter,
                           s.spot.heure.isValid()
                               ? QStringLiteral("à ") +
                                     s.spot.heure.toString(QStringLiteral("HH:mm")) +
                                     QLatin1Char('Z')
                               : QString()));
    if (!s.spot.commentaire.isEmpty()) {
        lignes.append(s.spot.commentaire);
    }
    return lignes.join(QLatin1Char('\n')).trimmed();
}

} // namespace

TForm_carte::TForm_carte(Contexte& contexte, const DelaisCluster& delais)
    : QWidget(nullptr, Qt::Window), contexte_(contexte), delais_(delais),
      connexion_(new ConnexionCluster(this)),
      carte_(std::make_unique<CarteBandes>(*contexte.entree, contexte.horloge)),
      minuterie_(new QTimer(this)) {
    setObjectName(QStringLiteral("Form_carte"));
    setWindowTitle(textes_cluster::titre_carte());
    for (const Bande& b : table_bandes()) {
        if (b.debut_hz <= b.fin_hz) {
            bandes_.append(QString::fromLatin1(b.texte));
        }
    }
    construire();
    afficher();
    connect(connexion_, &ConnexionCluster::spot_recu, this,
            [this](const Spot& spot) { carte_->ajouter(spot); });
    connect(connexion_, &ConnexionCluster::ligne_recue, Memo_console,
            &QPlainTextEdit::appendPlainText);
    connect(connexion_, &ConnexionCluster::etat_change, this, &TForm_carte::etat_change);
    connect(minuterie_, &QTimer::timeout, this, &TForm_carte::tic);
    minuterie_->start(periode_ms);
}

void TForm_carte::construire() {
    Label_etat = creer<QLabel>(this, "Label_etat");
    Label_etat->setWordWrap(true);
    auto* aide = new QLabel(QStringLiteral("Double-clic, ou Ctrl+flèche haut/bas dans l'indicatif "
                                           "puis Entrée : prendre le spot"),
                            this);
    aide->setWordWrap(true);
    Grille_carte = creer<QTableWidget>(this, "Grille_carte");
    Grille_carte->setColumnCount(int(bandes_.size()));
    Grille_carte->setHorizontalHeaderLabels(bandes_);
    Grille_carte->verticalHeader()->hide();
    Grille_carte->verticalHeader()->setDefaultSectionSize(3 * fontMetrics().lineSpacing() + 8);
    Grille_carte->horizontalHeader()->setDefaultSectionSize(largeur_colonne);
    Grille_carte->horizontalHeader()->setMinimumSectionSize(largeur_colonne_vide / 2);
    Grille_carte->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grille_carte->setSelectionMode(QAbstractItemView::SingleSelection);
    Grille_carte->setWordWrap(false);
    Grille_carte->setTextElideMode(Qt::ElideRight);
    Grille_carte->installEventFilter(this);
    connect(Grille_carte, &QTableWidget::cellDoubleClicked, this, &TForm_carte::prendre);
    Memo_console = creer<QPlainTextEdit>(this, "Memo_console");
    Memo_console->setReadOnly(true);
    Memo_console->setMaximumBlockCount(lignes_console);
    Memo_console->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* partage = new QSplitter(Qt::Vertical, this);
    partage->addWidget(Grille_carte);
    partage->addWidget(Memo_console);
    partage->setStretchFactor(0, 4);
    partage->setStretchFactor(1, 1);
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(Label_etat);
    pile->addWidget(aide);
    pile->addWidget(partage, 1);
    resize(4 * largeur_colonne + 40, 600);
}

void TForm_carte::appliquer(const ReglagesCluster& reglages) {
    connexion_->arreter();
    carte_->fixer_filtre(
        {reglages.cw_seulement, reglages.membres_seulement, reglages.duree_minutes});
    const QString indicatif = indicatif_connexion(reglages, contexte_.etat.station.station_call);
    if (reglages.hote.isEmpty()) {
        etat_change(false, textes_cluster::pas_de_cluster());
    } else if (indicatif.isEmpty()) {
        etat_change(false, textes_cluster::indicatif_manquant());
    } else {
        connexion_->demarrer({reglages.hote, reglages.port, indicatif, reglages.commandes},
                             delais_);
    }
}

void TForm_carte::etat_change(bool connectee, const QString& message) {
    Label_etat->setText(message);
    colorer(Label_etat, QPalette::WindowText, connectee ? vert : QColor(Qt::red));
    if (!connectee && !message.isEmpty()) {
        Memo_console->appendPlainText(message);
    }
}

void TForm_carte::tic() {
    carte_->mettre_a_jour();
    if (carte_->version() != version_affichee_ || ++tics_sans_affichage_ >= tics_ages) {
        afficher();
    }
}

// Built again from the core's spots; the spot chosen stays chosen.
void TForm_carte::afficher() {
    version_affichee_ = carte_->version();
    tics_sans_affichage_ = 0;
    const QTableWidgetItem* courant = Grille_carte->currentItem();
    const QString choisi = courant != nullptr ? courant->data(Qt::UserRole).toString() : QString();
    const int colonne_choisie = courant != nullptr ? courant->column() : -1;
    colonnes_.clear();
    int lignes = 0;
    for (const QString& bande : bandes_) {
        colonnes_.append(carte_->spots_bande(bande));
        lignes = std::max(lignes, int(colonnes_.last().size()));
    }
    Grille_carte->setUpdatesEnabled(false);
    Grille_carte->clearContents();
    Grille_carte->setRowCount(lignes);
    for (int c = 0; c < colonnes_.size(); ++c) {
        for (int r = 0; r < colonnes_[c].size(); ++r) {
            auto* item = new QTableWidgetItem;
            remplir(item, colonnes_[c][r]);
            Grille_carte->setItem(r, c, item);
            if (c == colonne_choisie && colonnes_[c][r].spot.indicatif == choisi) {
                Grille_carte->setCurrentItem(item);
            }
        }
    }
    retrecir_colonnes_vides();
    Grille_carte->setUpdatesEnabled(true);
}

// A band without spots takes little room, so that the bands with spots show side by side.
void TForm_carte::retrecir_colonnes_vides() {
    colonnes_vides_.resize(colonnes_.size(), false);
    for (int c = 0; c < colonnes_.size(); ++c) {
        const bool vide = colonnes_[c].isEmpty();
        if (vide != colonnes_vides_[c]) {
            Grille_carte->setColumnWidth(c, vide ? largeur_colonne_vide : largeur_colonne);
            colonnes_vides_[c] = vide;
        }
    }
}

void TForm_carte::remplir(QTableWidgetItem* item, const SpotCarte& s) const {
    item->setText(texte_cellule(s, carte_->age_minutes(s)));
    item->setData(Qt::UserRole, s.spot.indicatif);
    QColor couleur = s.apercu.points.toInt() > 0 ? vert : gris;
    if (carte_->estompe(s)) {
        couleur.setAlpha(110);
    }
    item->setForeground(couleur);
    QFont police = Grille_carte->font();
    police.setBold(s.jamais_contacte);
    item->setFont(police);
    item->setToolTip(bulle(s));
}

void TForm_carte::prendre(int ligne, int colonne) {
    if (colonne >= 0 && colonne < colonnes_.size() && ligne >= 0 &&
        ligne < colonnes_[colonne].size()) {
        emit spot_choisi(colonnes_[colonne][ligne]);
    }
}

void TForm_carte::parcourir(int sens) {
    const int colonne =
        contexte_.entree ? int(bandes_.indexOf(contexte_.entree->bande_selectionnee())) : -1;
    if (colonne < 0 || colonne >= colonnes_.size() || colonnes_[colonne].isEmpty()) {
        return;
    }
    const int n = int(colonnes_[colonne].size());
    const QTableWidgetItem* courant = Grille_carte->currentItem();
    int ligne = sens > 0 ? 0 : n - 1;
    if (courant != nullptr && courant->column() == colonne) {
        ligne = std::clamp(courant->row() + sens, 0, n - 1);
    }
    Grille_carte->setCurrentCell(ligne, colonne);
    Grille_carte->scrollToItem(Grille_carte->item(ligne, colonne));
    emit spot_designe(colonnes_[colonne][ligne]);
}

bool TForm_carte::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == Grille_carte && evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) &&
            Grille_carte->currentItem() != nullptr) {
            prendre(Grille_carte->currentRow(), Grille_carte->currentColumn());
            return true;
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

} // namespace vorek
