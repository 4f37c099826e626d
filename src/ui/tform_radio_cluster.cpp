// The "Cluster" part of the radio and keyer settings: where the band map's spots come from.

#include "tform_radio.h"

#include "controles.h"

#include "log/etat.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace vorek {

QWidget* TForm_radio::construire_cluster() {
    auto* cadre = new QGroupBox(QStringLiteral("Cluster"), this);
    Edit_cluster_hote = creer<QLineEdit>(cadre, "Edit_cluster_hote");
    Edit_cluster_hote->setPlaceholderText(QStringLiteral("aucun"));
    SpinEdit_cluster_port = creer<QSpinBox>(cadre, "SpinEdit_cluster_port");
    SpinEdit_cluster_port->setRange(1, 65535);
    Edit_cluster_indicatif = creer<QLineEdit>(cadre, "Edit_cluster_indicatif");
    Memo_cluster_commandes = creer<QPlainTextEdit>(cadre, "Memo_cluster_commandes");
    Memo_cluster_commandes->setPlaceholderText(
        QStringLiteral("Commandes envoyées après la connexion, une par ligne"));
    Memo_cluster_commandes->setFixedHeight(3 * fontMetrics().lineSpacing() + 12);
    CheckBox_cw_seulement = creer<QCheckBox>(cadre, "CheckBox_cw_seulement");
    CheckBox_cw_seulement->setText(QStringLiteral("CW seulement"));
    CheckBox_membres_seulement = creer<QCheckBox>(cadre, "CheckBox_membres_seulement");
    CheckBox_membres_seulement->setText(QStringLiteral("Membres seulement"));
    SpinEdit_cluster_duree = creer<QSpinBox>(cadre, "SpinEdit_cluster_duree");
    SpinEdit_cluster_duree->setRange(1, 24 * 60);
    SpinEdit_cluster_duree->setSuffix(QStringLiteral(" min"));
    auto* adresse = new QHBoxLayout;
    adresse->addWidget(Edit_cluster_hote, 1);
    adresse->addWidget(SpinEdit_cluster_port);
    auto* filtres = new QHBoxLayout;
    filtres->addWidget(CheckBox_cw_seulement);
    filtres->addWidget(CheckBox_membres_seulement);
    filtres->addStretch();
    auto* champs = new QFormLayout(cadre);
    champs->addRow(QStringLiteral("Hôte et port :"), adresse);
    champs->addRow(QStringLiteral("Indicatif :"), Edit_cluster_indicatif);
    champs->addRow(Memo_cluster_commandes);
    champs->addRow(filtres);
    champs->addRow(QStringLiteral("Spot estompé après :"), SpinEdit_cluster_duree);
    return cadre;
}

void TForm_radio::afficher_cluster(const ReglagesCluster& reglages) {
    Edit_cluster_hote->setText(reglages.hote);
    SpinEdit_cluster_port->setValue(reglages.port);
    Edit_cluster_indicatif->setText(reglages.indicatif);
    // Empty, the station's call is the one used.
    Edit_cluster_indicatif->setPlaceholderText(contexte_.etat.station.station_call);
    Memo_cluster_commandes->setPlainText(reglages.commandes.join(QLatin1Char('\n')));
    CheckBox_cw_seulement->setChecked(reglages.cw_seulement);
    CheckBox_membres_seulement->setChecked(reglages.membres_seulement);
    SpinEdit_cluster_duree->setValue(reglages.duree_minutes);
}

ReglagesCluster TForm_radio::reglages_cluster() const {
    ReglagesCluster r;
    r.hote = Edit_cluster_hote->text().trimmed();
    r.port = quint16(SpinEdit_cluster_port->value());
    r.indicatif = Edit_cluster_indicatif->text().trimmed().toUpper();
    r.commandes = lire_commandes(Memo_cluster_commandes->toPlainText());
    r.cw_seulement = CheckBox_cw_seulement->isChecked();
    r.membres_seulement = CheckBox_membres_seulement->isChecked();
    r.duree_minutes = SpinEdit_cluster_duree->value();
    return r;
}

} // namespace vorek
