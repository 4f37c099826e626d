#include "banc_programme.h"
#include "disque_plein.h"
#include "ligne_donnees.h"
#include "octets_fichier.h"
#include "serveurs_smtp.h"

#include "mail/octets_message.h"
#include "ui/tform_infocr.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace vorek;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString comite = u"correction@club.invalid"_s;

// The message with its date, Message-ID and boundary taken out.
QString sans_date(const QByteArray& octets) {
    QString texte = QString::fromLatin1(octets);
    const QString limite = QRegularExpression(u"boundary=\"([^\"]+)\""_s).match(texte).captured(1);
    return texte.replace(limite, u"B"_s).remove(QRegularExpression(u"(Date|Message-ID): [^\r]*"_s));
}

} // namespace

// Receives the files the window asks the desktop to open.
class Bureau : public QObject {
    Q_OBJECT

  public slots:
    void ouvrir(const QUrl& url) { ouverts.append(url); }

  public:
    QList<QUrl> ouverts;
};

class TestEnvoiCRFenetre : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup() { banc_.reset(); }
    void activation_compose_a_neuf();
    void rapport_impossible_a_ecrire();
    void destinataire_verifie_a_la_frappe();
    void fermer_sans_envoyer_data();
    void fermer_sans_envoyer();
    void refus_avant_connexion();
    void constats_avant_envoi();
    void envoi_reel();
    void envoi_abandonne();
    void echec_garde_la_fenetre();
    void piece_jointe_ouverte();
    void reglages_proposes_au_demarrage();

  private:
    const ControlesPrincipale* m() const { return banc_->controles_principale(); }
    TForm_Infos* f() const { return banc_->infos(); }
    TForm_infoCR* cr() const { return banc_->programme->Form_infoCR(); }
    QString rapport() const { return banc_->travail(u"ete.LOG"_s); }
    // The station window names a server on this machine.
    void fixer_serveur(const QString& port) const {
        f()->Edit_SMTP->setText(u"127.0.0.1"_s);
        f()->Edit_port->setText(port);
    }
    // "CR" in the main window, and the composition its activation starts.
    void ouvrir() const;
    ServeursSmtp serveurs_;
    std::unique_ptr<BancProgramme> banc_;
};

void TestEnvoiCRFenetre::initTestCase() {
    QString erreur;
    QVERIFY2(serveurs_.demarrer(erreur), qPrintable(erreur));
}

void TestEnvoiCRFenetre::init() {
    QVERIFY(serveurs_.vider());
    banc_ = std::make_unique<BancProgramme>();
    banc_->serveur_absent();
    banc_->ecrire_references({u"F,France,F,EU,227"_s}, {u"F5ABC,123,Jean DUPONT,Paris"_s});
    banc_->ecrire(u"cfg/SMTP.csv"_s, {u"Domaine;Serveur;Port"_s, u"free;smtp.free.fr;25"_s});
    banc_->demarrer_sans_mise_a_jour();
    f()->Edit_email->setText(u"f5abc@free.fr"_s);
    // A complete station: the report's one finding is its empty log, asked about before a
    // send.
    f()->Edit_nom->setText(u"Jean DUPONT"_s);
    f()->Edit_adresse1->setText(u"1 rue de la Paix"_s);
    f()->Edit_adresse2->setText(u"75002 Paris"_s);
    banc_->creer_challenge(u"F5ABC"_s, banc_->travail(u"ete.VRK"_s));
    QVERIFY(m()->Timer1->isActive());
}

void TestEnvoiCRFenetre::ouvrir() const {
    banc_->horloge.avancer_secondes(1);
    const QDateTime avant = cr()->message().date;
    m()->Info_CR->click();
    QTRY_VERIFY(cr()->isActiveWindow());
    QTRY_VERIFY(cr()->message().date.isValid() && cr()->message().date != avant);
}

void TestEnvoiCRFenetre::activation_compose_a_neuf() {
    ouvrir();
    // The entry's clock keeps running: a QSO logged meanwhile gets the time of its Return.
    QVERIFY(m()->Timer1->isActive());
    const MessageCR premier = cr()->message();
    QCOMPARE(cr()->Panel_de->text(), u"f5abc@free.fr"_s);
    QCOMPARE(cr()->Panel_CC->text(), u"f5abc@free.fr"_s);
    QCOMPARE(cr()->Edit_Ad_Destinataire->text(), comite);
    QCOMPARE(cr()->Panel_objet->text(), u"CHALLENGE_VOREK_F5ABC"_s);
    QCOMPARE(cr()->Panel_PJ->text(), u"        ete.LOG"_s);
    QCOMPARE(cr()->Memo1->toPlainText(),
             u" Fichiers compte rendu du Challenge VOREK     15/03/2025\n73 de F5ABC"_s);
    QCOMPARE(premier.piece_jointe->octets, lire_octets(rapport()));

    // Another window in between, a minute later: the report is written again and the
    // recipient goes back to the committee.
    QTest::keyClicks(cr()->Edit_Ad_Destinataire, u".fr"_s);
    QVERIFY(QFile::remove(rapport()));
    banc_->horloge.avancer_secondes(59);
    m()->fenetre->activateWindow();
    QTRY_VERIFY(m()->fenetre->isActiveWindow());
    ouvrir();
    const MessageCR second = cr()->message();
    QCOMPARE(second.date, premier.date.addSecs(60));
    QCOMPARE(cr()->Edit_Ad_Destinataire->text(), comite);
    QVERIFY(octets_message(second) != octets_message(premier));
    QCOMPARE(sans_date(octets_message(second)), sans_date(octets_message(premier)));
    QVERIFY(banc_->dialogues.messages.isEmpty());
}

// The report of the first activation stays on disk, but it is not the log's any more.
void TestEnvoiCRFenetre::rapport_impossible_a_ecrire() {
    ouvrir();
    QVERIFY(cr()->message().piece_jointe);
    m()->fenetre->activateWindow();
    QTRY_VERIFY(m()->fenetre->isActiveWindow());
    {
        DisquePlein plein(16);
        ouvrir();
    }
    QVERIFY(QFileInfo::exists(rapport()));
    QVERIFY(!cr()->message().piece_jointe);
    QCOMPARE(cr()->Panel_PJ->text(), u"        ete.LOG"_s);
    QCOMPARE(banc_->dialogues.messages.size(), 1);
    QCOMPARE(banc_->dialogues.messages[0].type, TypeMessage::erreur);
    QVERIFY2(banc_->dialogues.messages[0].texte.contains(u"Disque plein"_s),
             qPrintable(banc_->dialogues.messages[0].texte));
}

void TestEnvoiCRFenetre::destinataire_verifie_a_la_frappe() {
    ouvrir();
    QLineEdit* champ = cr()->Edit_Ad_Destinataire;
    champ->clear();
    QTest::keyClicks(champ, u"cr@club"_s);
    QVERIFY(cr()->Label_erreur->isVisible());
    QCOMPARE(cr()->message().a, comite);
    QTest::keyClicks(champ, u".fr"_s);
    QVERIFY(!cr()->Label_erreur->isVisible());
    QCOMPARE(cr()->message().a, u"cr@club.fr"_s);
    // What the check lets through but no SMTP command may carry.
    champ->setText(u"\"a\nRCPT TO:<x@y.fr>\"@z.fr"_s);
    QVERIFY(cr()->Label_erreur->isVisible());
    QCOMPARE(cr()->message().a, u"cr@club.fr"_s);
}

void TestEnvoiCRFenetre::fermer_sans_envoyer_data() {
    QTest::addColumn<bool>("annuler"); // else the close box
    ligne_donnees("Annuler", true);
    ligne_donnees("case de fermeture", false);
}

void TestEnvoiCRFenetre::fermer_sans_envoyer() {
    QFETCH(bool, annuler);
    fixer_serveur(QString::number(serveurs_.port(u"simple"_s)));
    ouvrir();
    QVERIFY(m()->Timer1->isActive());
    const QString ini = banc_->chemin(u"cfg/Challenge_VRK.ini"_s);
    QVERIFY(QFile::remove(ini));
    if (annuler) {
        cr()->BitBtn_annuler->click();
    } else {
        QVERIFY(cr()->close());
    }
    QVERIFY(!cr()->isVisible());
    QVERIFY(m()->Timer1->isActive());
    QVERIFY(QFileInfo::exists(ini));
    QTest::qWait(200);
    QCOMPARE(serveurs_.commandes(u"simple"_s), QStringList());
}

// Nothing goes out; the cursor, the clock and the window are as they were.
void TestEnvoiCRFenetre::refus_avant_connexion() {
    fixer_serveur(u"25a"_s);
    ouvrir();
    cr()->Button_envoi->click();
    QCOMPARE(
        banc_->dialogues.textes(),
        QStringList{
            u"Le port du serveur SMTP doit être un nombre décimal entre 1 et 65535 (« 25a »)."_s});
    QVERIFY(cr()->isVisible());
    QVERIFY(cr()->Button_envoi->isEnabled());
    QVERIFY(!cr()->envoi_en_cours());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(m()->Timer1->isActive());
}

// A report that the check finds fault with: the operator is shown why and may decline.
void TestEnvoiCRFenetre::constats_avant_envoi() {
    fixer_serveur(QString::number(serveurs_.port(u"simple"_s)));
    f()->Edit_adresse2->clear();
    ouvrir();
    banc_->dialogues.prevoir_reponse(Reponse::non);
    cr()->Button_envoi->click();
    QCOMPARE(banc_->dialogues.questions.size(), 1);
    QVERIFY2(banc_->dialogues.questions[0].contains(u"Envoyer quand même ?"_s),
             qPrintable(banc_->dialogues.questions[0]));
    QVERIFY(!cr()->envoi_en_cours());
    QVERIFY(cr()->isVisible());
    QVERIFY(cr()->Button_envoi->isEnabled());
    QTest::qWait(200);
    QCOMPARE(serveurs_.commandes(u"simple"_s), QStringList());
}

void TestEnvoiCRFenetre::envoi_reel() {
    fixer_serveur(QString::number(serveurs_.port(u"simple"_s)));
    ouvrir();
    // Without a user name there is no AUTH: the password goes nowhere.
    cr()->Edit_mot_de_passe->setText(u"s3cret"_s);
    banc_->dialogues.prevoir_reponse(Reponse::oui);
    cr()->Button_envoi->click();
    QCOMPARE(banc_->dialogues.questions.size(), 1);
    QVERIFY2(banc_->dialogues.questions[0].contains(u"JOURNAL_VIDE"_s),
             qPrintable(banc_->dialogues.questions[0]));
    QVERIFY(cr()->envoi_en_cours());
    QVERIFY(!cr()->Button_envoi->isEnabled());
    QVERIFY(cr()->ProgressBar_envoi->isVisible());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    cr()->Button_envoiClick();
    QTRY_VERIFY_WITH_TIMEOUT(!cr()->isVisible(), 15000);

    QCOMPARE(banc_->dialogues.textes(),
             QStringList{u"         Vos fichiers compte rendus ont été envoyés au  correcteur"_s});
    QCOMPARE(lire_octets(serveurs_.trace(u"simple"_s, ".eml")), octets_message(cr()->message()));
    QCOMPARE(serveurs_.commandes(u"simple"_s),
             QStringList({"EHLO", "MAIL", "RCPT", "RCPT", "DATA", "QUIT"}));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(m()->Timer1->isActive());
    QCOMPARE(cr()->Edit_mot_de_passe->text(), QString());
    const QByteArray ini = lire_octets(banc_->chemin(u"cfg/Challenge_VRK.ini"_s));
    QVERIFY2(ini.contains("[Envoi_SMTP]") && ini.contains("Serveur=127.0.0.1"), ini.constData());
    QVERIFY(!ini.contains("s3cret"));
}

// A server that never answers: closing the window stops the send, which says so.
void TestEnvoiCRFenetre::envoi_abandonne() {
    fixer_serveur(QString::number(serveurs_.port(u"muet"_s)));
    ouvrir();
    banc_->dialogues.prevoir_reponse(Reponse::oui);
    cr()->Button_envoi->click();
    QVERIFY(cr()->envoi_en_cours());
    cr()->BitBtn_annuler->click();
    QVERIFY(cr()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!cr()->isVisible(), 10000);
    QCOMPARE(
        banc_->dialogues.textes(),
        QStringList({u"Envoi interrompu"_s, u"         L'envoi n'a pas pu se faire           "_s}));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(m()->Timer1->isActive());
}

// The server refuses the recipient: the window stays with the reason and what was typed; the
// corrected recipient then goes, and the window closes, forgetting the password.
void TestEnvoiCRFenetre::echec_garde_la_fenetre() {
    fixer_serveur(QString::number(serveurs_.port(u"simple"_s)));
    ouvrir();
    cr()->Edit_Ad_Destinataire->setText(u"cr@refuse.example"_s);
    cr()->Edit_mot_de_passe->setText(u"s3cret"_s);
    banc_->dialogues.prevoir_reponse(Reponse::oui);
    cr()->Button_envoi->click();
    QTRY_VERIFY_WITH_TIMEOUT(!cr()->envoi_en_cours(), 15000);
    QVERIFY(cr()->isVisible());
    QVERIFY(cr()->Label_echec->isVisible());
    QVERIFY(cr()->Label_echec->text().count(QLatin1Char('\n')) >= 1);
    QVERIFY(banc_->dialogues.messages.isEmpty());
    QCOMPARE(cr()->Edit_Ad_Destinataire->text(), u"cr@refuse.example"_s);
    QCOMPARE(cr()->Edit_mot_de_passe->text(), u"s3cret"_s);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(cr()->Button_envoi->isEnabled());
    QVERIFY(m()->Timer1->isActive());

    QVERIFY(serveurs_.vider());
    cr()->Edit_Ad_Destinataire->setText(u"cr@club.fr"_s);
    banc_->dialogues.prevoir_reponse(Reponse::oui);
    cr()->Button_envoi->click();
    QVERIFY(!cr()->Label_echec->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!cr()->isVisible(), 15000);
    QCOMPARE(serveurs_.recu(u"simple"_s).value(u"rcpt_tos"_s).toArray().first().toString(),
             u"cr@club.fr"_s);
    QCOMPARE(cr()->Edit_mot_de_passe->text(), QString());
}

void TestEnvoiCRFenetre::piece_jointe_ouverte() {
    Bureau bureau;
    QDesktopServices::setUrlHandler(u"file"_s, &bureau, "ouvrir");
    ouvrir();
    cr()->Image1->click();
    QCOMPARE(bureau.ouverts, QList<QUrl>{QUrl::fromLocalFile(rapport())});
    QVERIFY(QFile::remove(rapport()));
    cr()->Image1->click();
    QDesktopServices::unsetUrlHandler(u"file"_s);
    QCOMPARE(bureau.ouverts.size(), 1);
    QCOMPARE(banc_->dialogues.textes(),
             QStringList{u"La pièce jointe « "_s + QDir::toNativeSeparators(rapport()) +
                         u" » n'existe pas."_s});
}

// The server last used comes back for an address SMTP.csv does not know, with its security
// and user name; SMTP.csv still wins where it knows the domain.
void TestEnvoiCRFenetre::reglages_proposes_au_demarrage() {
    f()->Edit_email->setText(u"f5abc@perso.fr"_s);
    f()->Edit_SMTP->setText(u"smtp.perso.fr"_s);
    f()->Edit_port->setText(u"587"_s);
    ouvrir();
    cr()->ComboBox_securite->setCurrentIndex(1);
    emit cr()->ComboBox_securite->activated(1);
    QTest::keyClicks(cr()->Edit_utilisateur, u"jean"_s);
    cr()->BitBtn_annuler->click();
    banc_->redemarrer();

    QCOMPARE(f()->Edit_email->text(), u"f5abc@perso.fr"_s);
    QCOMPARE(f()->Edit_SMTP->text(), u"smtp.perso.fr"_s);
    QCOMPARE(f()->Edit_port->text(), u"587"_s);
    banc_->dialogues.prevoir_fichier(banc_->travail(u"ete.VRK"_s));
    f()->BitBtn_charger->click();
    f()->BitBtn_OK->click();
    ouvrir();
    QCOMPARE(cr()->Panel_serveur->text(), u"smtp.perso.fr:587"_s);
    QCOMPARE(cr()->ComboBox_securite->currentIndex(), 1);
    QCOMPARE(cr()->Edit_utilisateur->text(), u"jean"_s);
    cr()->BitBtn_annuler->click();

    f()->Edit_email->setText(u"f5abc@free.fr"_s);
    QCOMPARE(f()->Edit_SMTP->text(), u"smtp.free.fr"_s);
    QCOMPARE(f()->Edit_port->text(), u"25"_s);
    ouvrir();
    QCOMPARE(cr()->ComboBox_securite->currentIndex(), 0);
    QCOMPARE(cr()->Edit_utilisateur->text(), QString());
}

QTEST_MAIN(TestEnvoiCRFenetre)
#include "tst_envoi_cr_fenetre.moc"
