// What the report e-mail window does: composition at activation, recipient check, send.

#include "tform_infocr.h"

#include "app/envoi_cr.h"
#include "base/dates.h"
#include "mail/envoi_arriere_plan.h"
#include "mail/textes_mail.h"
#include "stats/avant_envoi.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>

namespace vorek {

using textes_mail::texte;

void TForm_infoCR::FormCreate() {
    emit contexte_.etat.annonces.arreter_horloge();
    emit parametres_a_lire();
}

bool TForm_infoCR::envoi_en_cours() const {
    return envoi_->en_cours();
}

void TForm_infoCR::showEvent(QShowEvent* evenement) {
    a_composer_ = true;
    QWidget::showEvent(evenement);
}

bool TForm_infoCR::event(QEvent* evenement) {
    if (evenement->type() == QEvent::WindowActivate && a_composer_) {
        a_composer_ = false;
        // Out of the activation itself: the composition may show a box.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible()) {
                    FormActivate();
                }
            },
            Qt::QueuedConnection);
    }
    return QWidget::event(evenement);
}

void TForm_infoCR::FormActivate() {
    if (envoi_->en_cours()) {
        return;
    }
    Etat& etat = contexte_.etat;
    Label_erreur->hide();
    Label_echec->hide();
    const QString comite = adresse_comite(etat);
    const PreparationCR preparation =
        preparer_message_cr(etat, comite, contexte_.horloge.maintenant_local());
    message_ = preparation.message;
    afficher_message(comite);
    afficher_reglages();
    if (!preparation.erreur.isEmpty()) {
        contexte_.dialogues.message(TypeMessage::erreur, preparation.erreur);
    }
    if (message_.a.isEmpty()) {
        contexte_.dialogues.message(TypeMessage::simple, texte(textes_mail::destinataire_invalide));
    }
}

void TForm_infoCR::afficher_message(const QString& destinataire) {
    Panel_de->setText(message_.de);
    {
        // The check runs even when the field already shows this address.
        const QSignalBlocker bloque(Edit_Ad_Destinataire);
        Edit_Ad_Destinataire->setText(destinataire);
    }
    Edit_Ad_DestinataireChange(Edit_Ad_Destinataire->text());
    Panel_CC->setText(message_.cc);
    Panel_PJ->setText(texte_piece_jointe(message_.fichier_joint));
    Panel_objet->setText(message_.objet);
    Memo1->setPlainText(message_.corps.join(QLatin1Char('\n')));
}

void TForm_infoCR::afficher_reglages() {
    const ReglagesSmtp& r = contexte_.reglages_smtp;
    Panel_serveur->setText(r.serveur.trimmed().isEmpty()
                               ? QStringLiteral("--")
                               : r.serveur.trimmed() + QLatin1Char(':') + r.port.trimmed());
    ComboBox_securite->setCurrentIndex(int(r.securite));
    Edit_utilisateur->setText(r.utilisateur);
    CheckBox_certificat->setChecked(r.verifier_certificat);
}

void TForm_infoCR::Edit_Ad_DestinataireChange(const QString& texte) {
    Label_erreur->setVisible(!changer_destinataire(message_, texte));
}

void TForm_infoCR::Button_envoiClick() {
    if (envoi_->en_cours()) {
        return;
    }
    Annonces& annonces = contexte_.etat.annonces;
    emit annonces.arreter_horloge();
    const ParametresSmtp parametres =
        parametres_envoi(contexte_.reglages_smtp, Edit_mot_de_passe->text());
    const QString refus = controler_avant_envoi(contexte_.etat, parametres, message_);
    if (!refus.isEmpty()) {
        // Nothing was sent: the operator corrects and sends again.
        contexte_.dialogues.message(TypeMessage::erreur, refus);
        emit annonces.relancer_horloge();
        return;
    }
    // The report's check: warnings only, the operator may still send.
    const QString annee = annee_courante(contexte_.horloge.maintenant_local().date());
    if (!verifier_avant_envoi(message_, {contexte_.etat, *contexte_.referentiel, annee},
                              contexte_.dialogues)) {
        emit annonces.relancer_horloge();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Label_echec->hide();
    Button_envoi->setEnabled(false);
    ProgressBar_envoi->setRange(0, 0);
    ProgressBar_envoi->show();
    envoi_->demarrer(parametres, message_);
}

void TForm_infoCR::envoi_progresse(qint64 envoyes, qint64 total) {
    if (total > 0) {
        ProgressBar_envoi->setRange(0, 1000);
        ProgressBar_envoi->setValue(int(envoyes * 1000 / total));
    }
}

void TForm_infoCR::envoi_termine(const ResultatEnvoi& resultat) {
    QApplication::restoreOverrideCursor();
    ProgressBar_envoi->hide();
    Button_envoi->setEnabled(true);
    const bool fermer = fermer_apres_envoi_ || resultat.reussi;
    fermer_apres_envoi_ = false;
    if (contexte_.fin_en_cours) {
        Edit_mot_de_passe->clear();
        return;
    }
    if (resultat.reussi) {
        contexte_.dialogues.message(TypeMessage::simple, texte(textes_mail::envoi_reussi));
    } else if (fermer) {
        // The window goes away: a box is the only place left to say why.
        contexte_.dialogues.message(TypeMessage::erreur, resultat.erreur);
        contexte_.dialogues.message(TypeMessage::simple, texte(textes_mail::envoi_echoue));
    }
    if (fermer) {
        close();
        return;
    }
    // The operator corrects the server, the password or the recipient and sends again.
    Label_echec->setText(texte(textes_mail::envoi_echoue).trimmed() + QLatin1Char('\n') +
                         resultat.erreur);
    Label_echec->show();
    emit contexte_.etat.annonces.relancer_horloge();
}

void TForm_infoCR::BitBtn_annulerClick() {
    close();
}

void TForm_infoCR::Image1Click() {
    const QString chemin = message_.fichier_joint;
    const QString affiche = QDir::toNativeSeparators(chemin);
    if (chemin.isEmpty() || !QFileInfo(chemin).isFile()) {
        contexte_.dialogues.message(TypeMessage::erreur,
                                    texte(textes_mail::piece_jointe_absente).arg(affiche));
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(chemin))) {
        contexte_.dialogues.message(TypeMessage::erreur,
                                    texte(textes_mail::editeur_impossible).arg(affiche));
    }
}

void TForm_infoCR::closeEvent(QCloseEvent* evenement) {
    if (envoi_->en_cours()) {
        // The send stops at once; its end closes the window.
        fermer_apres_envoi_ = true;
        envoi_->abandonner();
        evenement->ignore();
        return;
    }
    Edit_mot_de_passe->clear();
    emit parametres_a_ecrire();
    if (!contexte_.fin_en_cours) {
        emit contexte_.etat.annonces.relancer_horloge();
    }
    evenement->accept();
}

} // namespace vorek
