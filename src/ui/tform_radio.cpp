#include "tform_radio.h"

#include "app/parametres.h"
#include "base/erreur.h"
#include "rig/sortes_manipulateur.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace vorek {

namespace {

QString texte_vitesse_defaut() {
    return QStringLiteral("Par défaut");
}

template <typename T> T* nommer(T* controle, const char* nom) {
    controle->setObjectName(QString::fromLatin1(nom));
    return controle;
}

} // namespace

TForm_radio::TForm_radio(Contexte& contexte)
    : QWidget(nullptr, Qt::Window), contexte_(contexte), modeles_(modeles_radio()) {
    setObjectName(QStringLiteral("Form_radio"));
    setWindowTitle(QStringLiteral("Radio et manipulateur"));
    BitBtn_OK = nommer(new QPushButton(QStringLiteral("OK"), this), "BitBtn_OK");
    BitBtn_annuler = nommer(new QPushButton(QStringLiteral("Annuler"), this), "BitBtn_annuler");
    BitBtn_OK->setDefault(true);
    BitBtn_annuler->setShortcut(Qt::Key_Escape);
    auto* droite = new QVBoxLayout;
    droite->addWidget(construire_manipulateur());
    droite->addWidget(construire_cluster());
    droite->addStretch();
    auto* colonnes = new QHBoxLayout;
    colonnes->addWidget(construire_radio(), 1);
    colonnes->addLayout(droite, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(BitBtn_OK);
    boutons->addWidget(BitBtn_annuler);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(colonnes, 1);
    pile->addWidget(construire_messages());
    pile->addLayout(boutons);

    connect(Edit_recherche, &QLineEdit::textChanged, this, &TForm_radio::Edit_rechercheChange);
    connect(ListBox_modeles, &QListWidget::currentItemChanged, this,
            [this](const QListWidgetItem* item) {
                if (item != nullptr) {
                    choisir_modele(item->data(Qt::UserRole).toInt());
                }
            });
    connect(types_, &QButtonGroup::idToggled, this, [this](int, bool) {
        Edit_adresse_manipulateur->setEnabled(sorte_choisie().capacites.adresse);
    });
    connect(BitBtn_OK, &QPushButton::clicked, this, &TForm_radio::BitBtn_OKClick);
    connect(BitBtn_annuler, &QPushButton::clicked, this, &QWidget::hide);
    Edit_rechercheChange(QString());
}

QWidget* TForm_radio::construire_radio() {
    auto* cadre = new QGroupBox(QStringLiteral("Radio (Hamlib)"), this);
    Edit_recherche = nommer(new QLineEdit(cadre), "Edit_recherche");
    Edit_recherche->setPlaceholderText(QStringLiteral("Rechercher (marque, modèle, numéro)"));
    Edit_recherche->setClearButtonEnabled(true);
    ListBox_modeles = nommer(new QListWidget(cadre), "ListBox_modeles");
    ListBox_modeles->setMinimumHeight(6 * ListBox_modeles->fontMetrics().height());
    // Wide enough for the longest model name: no label is cut.
    int largeur = 0;
    for (const ModeleRadio& modele : modeles_) {
        largeur = std::max(
            largeur, ListBox_modeles->fontMetrics().horizontalAdvance(libelle_modele(modele)));
    }
    ListBox_modeles->setMinimumWidth(largeur + 2 * ListBox_modeles->frameWidth() +
                                     style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12);
    ListBox_modeles->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Label_modele = nommer(new QLabel(cadre), "Label_modele");
    Label_modele->setWordWrap(true);
    Label_port = nommer(new QLabel(cadre), "Label_port");
    Edit_port = nommer(new QLineEdit(cadre), "Edit_port");
    ComboBox_vitesse = nommer(new QComboBox(cadre), "ComboBox_vitesse");
    ComboBox_vitesse->setEditable(true);
    ComboBox_vitesse->addItem(texte_vitesse_defaut());
    for (int bauds : {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200}) {
        ComboBox_vitesse->addItem(QString::number(bauds));
    }
    auto* champs = new QFormLayout;
    champs->addRow(Label_port, Edit_port);
    champs->addRow(QStringLiteral("Vitesse (bauds) :"), ComboBox_vitesse);
    auto* pile = new QVBoxLayout(cadre);
    pile->addWidget(Edit_recherche);
    pile->addWidget(ListBox_modeles, 1);
    pile->addWidget(Label_modele);
    pile->addLayout(champs);
    return cadre;
}

QWidget* TForm_radio::construire_manipulateur() {
    auto* cadre = new QGroupBox(QStringLiteral("Manipulateur CW"), this);
    types_ = new QButtonGroup(cadre);
    auto* types = new QHBoxLayout;
    // One choice a kind of keyer, in the order of the list; the button's id is its place there.
    for (const SorteManipulateur* sorte : sortes_manipulateur()) {
        auto* bouton = new QRadioButton(sorte->libelle, cadre);
        bouton->setObjectName(QStringLiteral("RadioButton_") + sorte->nom);
        types_->addButton(bouton, int(RadioButtons_manipulateur.size()));
        RadioButtons_manipulateur.append(bouton);
        types->addWidget(bouton);
    }
    types->addStretch();
    RadioButtons_manipulateur.first()->setChecked(true);
    Edit_adresse_manipulateur = nommer(new QLineEdit(cadre), "Edit_adresse_manipulateur");
    Edit_adresse_manipulateur->setPlaceholderText(QStringLiteral("hôte:port"));
    SpinEdit_wpm = nommer(new QSpinBox(cadre), "SpinEdit_wpm");
    SpinEdit_wpm->setRange(Manipulateur::vitesse_min, Manipulateur::vitesse_max);
    SpinEdit_wpm->setSuffix(QStringLiteral(" mots/min"));
    auto* champs = new QFormLayout(cadre);
    champs->addRow(types);
    champs->addRow(QStringLiteral("Adresse du manipulateur :"), Edit_adresse_manipulateur);
    champs->addRow(QStringLiteral("Vitesse CW :"), SpinEdit_wpm);
    auto* aide = new QLabel(QStringLiteral("Page préc. / Page suiv. : vitesse ± 2 mots/min\n"
                                           "Échap : arrêt de l'envoi"),
                            cadre);
    aide->setWordWrap(true);
    champs->addRow(aide);
    return cadre;
}

// Two columns, F1 to F4 and F5 to F8, so that the window fits a small screen.
QWidget* TForm_radio::construire_messages() {
    auto* cadre = new QGroupBox(QStringLiteral("Messages CW des touches F1 à F8"), this);
    auto* grille = new QGridLayout(cadre);
    constexpr int lignes = nb_messages_cw / 2;
    for (int i = 0; i < nb_messages_cw; ++i) {
        const QString nom = QStringLiteral("F%1").arg(i + 1);
        auto* edit = new QLineEdit(cadre);
        edit->setObjectName(QStringLiteral("Edit_") + nom);
        Edit_messages[size_t(i)] = edit;
        const int colonne = 2 * (i / lignes);
        grille->addWidget(new QLabel(nom, cadre), i % lignes, colonne);
        grille->addWidget(edit, i % lignes, colonne + 1);
    }
    auto* aide = new QLabel(QStringLiteral("{MOI} indicatif de la station, {IND} indicatif saisi, "
                                           "{NUM} n° ZTC de la station, {RST} report envoyé"),
                            cadre);
    aide->setWordWrap(true);
    grille->addWidget(aide, lignes, 0, 1, 4);
    return cadre;
}

void TForm_radio::afficher(const ReglagesRig& reglages) {
    const SaisieRig s = saisie_de(reglages);
    Edit_recherche->clear();
    choisir_modele(s.modele);
    Edit_rechercheChange(QString());
    Edit_port->setText(s.port);
    ComboBox_vitesse->setCurrentText(s.vitesse.isEmpty() ? texte_vitesse_defaut() : s.vitesse);
    bouton_manipulateur(sorte_manipulateur(s.type).nom)->setChecked(true);
    Edit_adresse_manipulateur->setText(s.adresse_manipulateur);
    Edit_adresse_manipulateur->setEnabled(sorte_choisie().capacites.adresse);
    SpinEdit_wpm->setValue(s.wpm);
    for (int i = 0; i < nb_messages_cw; ++i) {
        Edit_messages[size_t(i)]->setText(s.messages[size_t(i)]);
    }
}

// The list holds "no radio" first, then the models whose label holds every word typed; the
// model chosen stays chosen while the search hides it.
void TForm_radio::Edit_rechercheChange(const QString& texte) {
    const QSignalBlocker bloque(ListBox_modeles);
    ListBox_modeles->clear();
    auto* aucune = new QListWidgetItem(QStringLiteral("Aucune radio"), ListBox_modeles);
    aucune->setData(Qt::UserRole, 0);
    for (const ModeleRadio& modele : filtrer_modeles(modeles_, texte)) {
        auto* item = new QListWidgetItem(libelle_modele(modele), ListBox_modeles);
        item->setData(Qt::UserRole, modele.numero);
        if (modele.numero == modele_) {
            ListBox_modeles->setCurrentItem(item);
        }
    }
    if (modele_ == 0) {
        ListBox_modeles->setCurrentItem(aucune);
    }
}

void TForm_radio::choisir_modele(int numero) {
    modele_ = numero;
    const auto modele = std::find_if(modeles_.begin(), modeles_.end(),
                                     [numero](const ModeleRadio& m) { return m.numero == numero; });
    const bool reseau = modele != modeles_.end() && modele->reseau;
    Label_modele->setText(modele != modeles_.end()
                              ? QStringLiteral("Modèle choisi : ") + libelle_modele(*modele)
                              : QStringLiteral("Modèle choisi : aucune radio"));
    Label_port->setText(reseau ? QStringLiteral("Adresse (hôte:port) :")
                               : QStringLiteral("Port série :"));
    Edit_port->setPlaceholderText(reseau ? QStringLiteral("localhost:4532")
                                         : QStringLiteral("/dev/ttyUSB0"));
    ComboBox_vitesse->setEnabled(!reseau && numero != 0);
    Edit_port->setEnabled(numero != 0);
}

SaisieRig TForm_radio::saisie() const {
    SaisieRig s;
    s.modele = modele_;
    s.port = Edit_port->text();
    const QString vitesse = ComboBox_vitesse->currentText().trimmed();
    s.vitesse = vitesse == texte_vitesse_defaut() ? QString() : vitesse;
    s.type = sorte_choisie().nom;
    s.adresse_manipulateur = Edit_adresse_manipulateur->text();
    s.wpm = SpinEdit_wpm->value();
    for (int i = 0; i < nb_messages_cw; ++i) {
        s.messages[size_t(i)] = Edit_messages[size_t(i)]->text();
    }
    return s;
}

QRadioButton* TForm_radio::bouton_manipulateur(const QString& nom) const {
    const auto& sortes = sortes_manipulateur();
    for (size_t i = 0; i < sortes.size(); ++i) {
        if (sortes[i]->nom == nom) {
            return RadioButtons_manipulateur[qsizetype(i)];
        }
    }
    return RadioButtons_manipulateur.first();
}

const SorteManipulateur& TForm_radio::sorte_choisie() const {
    const int choix = std::max(types_->checkedId(), 0);
    return *sortes_manipulateur()[size_t(choix)];
}

void TForm_radio::BitBtn_OKClick() {
    const ReglagesSaisis lu = lire_saisie_rig(saisie());
    if (!lu.erreur.isEmpty()) {
        contexte_.dialogues.message(TypeMessage::avertissement, lu.erreur);
        return;
    }
    const ReglagesCluster cluster = reglages_cluster();
    try {
        ecrire_reglages_rig(chemin_parametres(contexte_.etat), lu.reglages);
        ecrire_reglages_cluster(chemin_parametres(contexte_.etat), cluster);
    } catch (const Erreur& e) {
        contexte_.dialogues.message(TypeMessage::erreur, e.message());
        return;
    }
    hide();
    emit reglages_appliques(lu.reglages);
    emit reglages_cluster_appliques(cluster);
}

} // namespace vorek
