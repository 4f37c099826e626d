#include "tform_infos.h"

#include "app/dossiers.h"
#include "app/station.h"
#include "base/erreur.h"
#include "entry/chargement.h"
#include "infobulle.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace vorek {

TForm_Infos::TForm_Infos(Contexte& contexte) : contexte_(contexte) {
    setObjectName(QStringLiteral("Form_Infos"));
    construire();
    disposer();
    fixer_textes();
    connecter();
    setWindowTitle(QString::fromUtf8(legende_initiale));
    resize(633, 564);
    const Annonces* annonces = &contexte_.etat.annonces;
    connect(annonces, &Annonces::indicatif_charge, Edit_call, &QLineEdit::setText);
    connect(annonces, &Annonces::journal_charge, this, &TForm_Infos::afficher_journal_charge);
    connect(annonces, &Annonces::fichier_courant_change, this, &TForm_Infos::afficher_nom_fichier);
}

void TForm_Infos::FormCreate() {
    Etat& etat = contexte_.etat;
    preparer_dossiers(etat, contexte_.options.dossier_programme, contexte_.options.dossier_donnees);
    contexte_.referentiel = std::make_unique<Referentiel>(etat.rep_cfg, etat.rep_BD);
    Label_nomfichier->setText(QStringLiteral("Fichier à créer ou à charger"));
    setWindowTitle(QString::fromUtf8(legende_initiale));
    TMyHintwindow::installer();
    const ResultatDemarrage r =
        demarrer(etat, contexte_.dialogues, contexte_.attente, contexte_.options.actions,
                 contexte_.horloge.maintenant_local().date(), contexte_.options.version);
    Label_BD_ZTC->setText(r.libelles.Label_BD_ZTC);
    Label_date_BD->setText(r.libelles.Label_date_BD);
    ComboBox_DXCC->addItems(etat.liste_dxcc);
    ComboBox_DXCC->setCurrentIndex(ComboBox_DXCC->count() > 0 ? 0 : -1);
    setWindowTitle(r.legende);
}

void TForm_Infos::Edit_callChange(const QString& texte) {
    Station& station = contexte_.etat.station;
    if (!contexte_.referentiel) {
        return;
    }
    ResultatIndicatifStation r;
    QString erreur;
    try {
        r = indicatif_station(texte, *contexte_.referentiel);
    } catch (const Erreur& e) {
        // An unreadable reference file ends this look-up with its message, not the program.
        erreur = e.message();
        r.recherche = true;
        r.station_call = texte.trimmed();
    }
    // Only what the look-up fills is refreshed: the address lines are the operator's, and
    // the name stays unless the database has one.
    Edit_ZTC->clear();
    if (!r.recherche) {
        return;
    }
    ComboBox_DXCC->setCurrentIndex(-1);
    station.station_call = r.station_call;
    avis_indicatif_ = !erreur.isEmpty() ? erreur
                      : r.base_trouvee  ? QString()
                                        : QString::fromUtf8(message_base_membres_absente);
    afficher_avis();
    if (!erreur.isEmpty()) {
        return;
    }
    Edit_ZTC->setText(r.membre_numero);
    if (!r.membre_nom.isEmpty()) {
        Edit_nom->setText(r.membre_nom);
    }
    station.station_DXCC = r.dxcc_prefixe;
    station.station_continent = r.dxcc_continent;
    selectionner_dxcc(station.station_DXCC);
}

void TForm_Infos::selectionner_dxcc(const QString& prefixe) {
    const QSignalBlocker blocage(ComboBox_DXCC);
    if (prefixe.isEmpty()) {
        ComboBox_DXCC->setCurrentIndex(-1);
        return;
    }
    ComboBox_DXCC->setCurrentIndex(
        ComboBox_DXCC->findText(prefixe, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TForm_Infos::Edit_ZTCChange(const QString& texte) {
    contexte_.etat.station.station_nr_club = texte;
}

void TForm_Infos::Edit_nomChange(const QString& texte) {
    contexte_.etat.station.nom_saisi = texte;
}

void TForm_Infos::Edit_adresse1Change(const QString& texte) {
    contexte_.etat.station.station_adresse1 = texte;
}

void TForm_Infos::Edit_adresse2Change(const QString& texte) {
    contexte_.etat.station.station_adresse2 = texte;
}

void TForm_Infos::ComboBox_DXCCChange(const QString& texte) {
    contexte_.etat.station.station_DXCC = texte;
}

void TForm_Infos::Edit_emailChange(const QString& texte) {
    contexte_.etat.station.email_saisi = texte;
    Edit_SMTP->clear();
    Edit_port->clear();
    const ResultatEmail r = email_station(contexte_.etat, texte, contexte_.reglages_smtp_memorises);
    // An address that fails the check reads nothing: what was said about the table stands.
    if (r.propose || !r.erreur.isEmpty()) {
        avis_email_ = r.erreur;
        afficher_avis();
    }
    if (r.propose) {
        contexte_.reglages_smtp = r.reglages;
        Edit_SMTP->setText(r.reglages.serveur);
        Edit_port->setText(r.reglages.port);
    }
}

void TForm_Infos::afficher_avis() {
    QStringList avis;
    for (const QString& texte : {avis_indicatif_, avis_email_}) {
        if (!texte.isEmpty()) {
            avis.append(texte.trimmed());
        }
    }
    Label_avis->setText(avis.join(QLatin1Char('\n')));
    Label_avis->setVisible(!avis.isEmpty());
}

void TForm_Infos::Edit_SMTPChange(const QString& texte) {
    contexte_.reglages_smtp.serveur = texte;
}

void TForm_Infos::Edit_portChange(const QString& texte) {
    contexte_.reglages_smtp.port = texte;
}

void TForm_Infos::BitBtn_OKClick() {
    if (!valider_station(contexte_.etat, contexte_.dialogues, Edit_email->text())) {
        return;
    }
    hide();
    emit station_validee();
    emit parametres_a_ecrire();
}

void TForm_Infos::BitBtn_creerClick() {
    // The file's name comes back through fichier_courant_change.
    creer_fichier(contexte_.etat, contexte_.dialogues);
}

void TForm_Infos::BitBtn_chargerClick() {
    Etat& etat = contexte_.etat;
    DemandeFichier demande{QString(), QStringLiteral("Challenge VOREK|*.VRK"),
                           QStringLiteral("VRK"), etat.rep_challenge, QString()};
    const QString choisi = contexte_.dialogues.fichier_a_ouvrir(demande);
    if (!choisi.isEmpty()) {
        charger(choisi);
    }
}

bool TForm_Infos::charger(const QString& chemin) {
    Etat& etat = contexte_.etat;
    // A refused file stays untouched: the next save goes to the current file, not to it.
    const QString precedent = etat.fichier_courant;
    etat.fichier_courant = chemin;
    try {
        charger_fichier(etat, chemin,
                        contexte_.entree ? actions_chargement(*contexte_.entree)
                                         : ActionsChargement{});
        return true;
    } catch (const Erreur& e) {
        etat.fichier_courant = precedent;
        contexte_.dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
}

void TForm_Infos::BitBtn_ExitClick() {
    close();
}

void TForm_Infos::afficher_journal_charge() {
    const Station& station = contexte_.etat.station;
    Edit_nom->setText(station.nom_saisi);
    Edit_adresse1->setText(station.station_adresse1);
    Edit_adresse2->setText(station.station_adresse2);
    Edit_ZTC->setText(station.station_nr_club);
    afficher_nom_fichier();
}

void TForm_Infos::afficher_nom_fichier() {
    Label_nomfichier->setText(nom_de_fichier(contexte_.etat.fichier_courant));
}

void TForm_Infos::afficher_email(const QString& adresse) {
    Edit_email->setText(adresse);
}

void TForm_Infos::afficher_date_base(const QString& libelle) {
    Label_date_BD->setText(libelle);
}

void TForm_Infos::afficher_liste_dxcc() {
    const QSignalBlocker blocage(ComboBox_DXCC);
    const QString courant = ComboBox_DXCC->currentText();
    ComboBox_DXCC->clear();
    ComboBox_DXCC->addItems(contexte_.etat.liste_dxcc);
    ComboBox_DXCC->setCurrentIndex(
        ComboBox_DXCC->findText(courant, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TForm_Infos::ApplicationEvents1Hint(const QString& hint) {
    StatusBar1->showMessage(partie_longue(hint));
}

bool TForm_Infos::event(QEvent* evenement) {
    if (evenement->type() == QEvent::StatusTip) {
        ApplicationEvents1Hint(static_cast<QStatusTipEvent*>(evenement)->tip());
        return true;
    }
    return QMainWindow::event(evenement);
}

void TForm_Infos::closeEvent(QCloseEvent* evenement) {
    if (contexte_.fin_en_cours) {
        evenement->accept();
        return;
    }
    emit parametres_a_ecrire();
    if (!demander_sauvegarde(contexte_.etat, contexte_.dialogues)) {
        evenement->ignore();
        return;
    }
    evenement->accept();
    contexte_.terminer();
}

} // namespace vorek
