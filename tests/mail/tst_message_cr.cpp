#include "app/serveurs.h"
#include "base/fichier_reglages.h"
#include "ligne_donnees.h"
#include "mail/adresse_email.h"
#include "mail/encodage_mime.h"
#include "mail/envoi_smtp.h"
#include "mail/message_cr.h"
#include "mail/reglages_smtp.h"
#include "octets_fichier.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vorek;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(vorek::SecuriteSmtp)
Q_DECLARE_METATYPE(vorek::ModeConnexion)

namespace {

const QString station = QStringLiteral("f5abc@free.fr");
const QString comite = QStringLiteral("correction@club.invalid");
const QString adresse_piegee = QStringLiteral("\"a\nRCPT TO:<x@y>\"@z.fr");
const QDateTime activation(QDate(2024, 7, 2), QTime(14, 5), Qt::OffsetFromUTC, 7200);

} // namespace

class TestMessageCR : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;

    MessageCR composer(const QString& call, const QString& joint,
                       const QString& destinataire = comite) const {
        Station fiche;
        fiche.station_call = call;
        fiche.station_email = station;
        return composer_message_cr(fiche, {destinataire, dossier_.filePath(joint), activation});
    }

  private slots:
    void composition_data();
    void composition();
    void encodages_data();
    void encodages();
    void verification_data();
    void verification();
    void modes_data();
    void modes();
    void reglages();
};

void TestMessageCR::composition_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("destinataire");
    QTest::addColumn<bool>("rapport_ecrit");
    QTest::addColumn<QString>("objet");
    QTest::addColumn<QString>("a");
    const QString objet = u"CHALLENGE_VOREK_F5ABC"_s;
    ligne_donnees("ordinaire", u"F5ABC"_s, comite, true, objet, comite);
    ligne_donnees("rapport absent", u"F5ABC"_s, comite, false, objet, comite);
    ligne_donnees("comite sans domaine", u"F5ABC"_s, u"correction@club"_s, true, objet, QString());
    ligne_donnees("comite a saut de ligne", u"F5ABC"_s, adresse_piegee, true, objet, QString());
    ligne_donnees("indicatif a retour chariot", u"F5ABC\rBcc: x@y.fr"_s, comite, true,
                  u"CHALLENGE_VOREK_F5ABC Bcc: x@y.fr"_s, comite);
}

void TestMessageCR::composition() {
    QFETCH(QString, call);
    QFETCH(QString, destinataire);
    QFETCH(bool, rapport_ecrit);
    QFETCH(QString, objet);
    QFETCH(QString, a);
    const QByteArray rapport = "START-OF-LOG: 3.0\r\nNAME: Andr\xe9\r\nEND-OF-LOG:\r\n";
    QFile::remove(dossier_.filePath(u"F5ABC.LOG"_s));
    if (rapport_ecrit) {
        ecrire_octets(dossier_.filePath(u"F5ABC.LOG"_s), rapport);
    }
    MessageCR m = composer(call, u"F5ABC.LOG"_s, destinataire);
    QCOMPARE(m.objet, objet);
    QCOMPARE(m.a, a);
    QCOMPARE(QStringList({m.de, m.repondre_a, m.cc}), QStringList({station, station, station}));
    QCOMPARE(m.date, activation);
    QCOMPARE(m.corps, QStringList({u" Fichiers compte rendu du Challenge VOREK     02/07/2024"_s,
                                   u"73 de "_s + objet.mid(16)}));
    QCOMPARE(m.piece_jointe.has_value(), rapport_ecrit);
    if (m.piece_jointe) {
        QCOMPARE(m.piece_jointe->nom, u"F5ABC.LOG"_s);
        QCOMPARE(m.piece_jointe->octets, rapport);
    }
    QCOMPARE(texte_piece_jointe(m.fichier_joint), u"        F5ABC.LOG"_s);

    // The operator's recipient: a refused one leaves the former in place.
    for (const QString& refusee :
         {u"autre@club"_s, QString(), u"\"a\\\r\"@z.fr"_s, adresse_piegee}) {
        QVERIFY(!changer_destinataire(m, refusee));
        QCOMPARE(m.a, a);
    }
    QVERIFY(changer_destinataire(m, u"autre@club.fr"_s));
    QCOMPARE(m.a, u"autre@club.fr"_s);
}

void TestMessageCR::encodages_data() {
    QTest::addColumn<QByteArray>("obtenu");
    QTest::addColumn<QByteArray>("attendu");
    const auto mot = [](int n) {
        return "=?UTF-8?B?" + QString(n, u'é').toUtf8().toBase64() + "?=";
    };
    ligne_donnees("objet long, coupe en mots", entete_texte("Subject", QString(50, u'é')),
                  "Subject: " + mot(19) + "\r\n " + mot(19) + "\r\n " + mot(12) + "\r\n");
    ligne_donnees("adresse a saut de ligne", entete_adresse("To", u"a\nb@c.fr"_s),
                  QByteArray("To: a b@c.fr\r\n"));
    ligne_donnees("qp", quoted_printable("a=b c \r\nd\xc3\xa9\r\n"),
                  QByteArray("a=3Db c=20\r\nd=C3=A9\r\n"));
    ligne_donnees("qp ligne longue", quoted_printable(QByteArray(80, 'a')),
                  QByteArray(75, 'a') + "=\r\n" + QByteArray(5, 'a'));
    ligne_donnees("qp ligne longue d'accents", quoted_printable(QString(14, u'é').toUtf8()),
                  QByteArray("=C3=A9").repeated(12) + "=C3=\r\n=A9=C3=A9");
    ligne_donnees("base64 en lignes", base64_en_lignes(QByteArray(60, 'x')),
                  QByteArray(60, 'x').toBase64().insert(76, "\r\n") + "\r\n");
    ligne_donnees("nom a guillemet", parametre_nom_fichier("name", u"a\"b.LOG"_s),
                  QByteArray("name*=UTF-8''a%22b.LOG"));
    ligne_donnees("decalage negatif",
                  date_rfc5322(QDateTime(QDate(2024, 8, 31), QTime(23, 59, 59), Qt::OffsetFromUTC,
                                         -(3 * 3600 + 1800))),
                  QByteArray("Sat, 31 Aug 2024 23:59:59 -0330"));
}

void TestMessageCR::encodages() {
    QFETCH(QByteArray, obtenu);
    QFETCH(QByteArray, attendu);
    QCOMPARE(obtenu, attendu);
}

void TestMessageCR::verification_data() {
    QTest::addColumn<QString>("serveur");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("de");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("utilisateur");
    QTest::addColumn<QString>("refus");
    const auto ligne = [](const char* nom, const QString& serveur, const QString& port,
                          const QString& refus, const QString& de = station,
                          const QString& a = comite, const QString& utilisateur = {}) {
        ligne_donnees(nom, serveur, port, de, a, utilisateur, refus);
    };
    const QString port_refuse =
        u"Le port du serveur SMTP doit être un nombre décimal entre 1 et 65535 (« %1 »)."_s;
    const QString serveur_refuse = u"Le nom du serveur SMTP « %1 » est incorrect."_s;
    const QString adresse_refusee =
        u"L'adresse %1 « %2 » n'est pas une adresse e-mail utilisable : l'envoi est refusé."_s;
    const QString s = u"smtp.free.fr"_s;
    ligne("acceptable", s, u" 587 "_s, QString());
    ligne("IPv6 entre crochets", u"[::1]"_s, u"25"_s, QString());
    ligne("nom accentue", u"smtp.éte.fr"_s, u"25"_s, QString());
    ligne("port en lettres", s, u"25a"_s, port_refuse.arg(u"25a"_s));
    ligne("port vide", s, QString(), port_refuse.arg(QString()));
    ligne("port trop grand", s, u"65536"_s, port_refuse.arg(u"65536"_s));
    ligne("port signe", s, u"+25"_s, port_refuse.arg(u"+25"_s));
    ligne("serveur absent", u"  "_s, u"25"_s, u"Aucun serveur SMTP n'est indiqué."_s);
    ligne("serveur a chemin", u"smtp.free.fr/x"_s, u"25"_s,
          serveur_refuse.arg(u"smtp.free.fr/x"_s));
    ligne("serveur a identifiant", u"moi@smtp.free.fr"_s, u"25"_s,
          serveur_refuse.arg(u"moi@smtp.free.fr"_s));
    ligne("serveur a saut de ligne", u"smtp.free.fr\r\nRSET"_s, u"25"_s,
          serveur_refuse.arg(u"smtp.free.fr  RSET"_s));
    ligne("expediteur a saut de ligne", s, u"25"_s,
          adresse_refusee.arg(u"de l'expéditeur"_s, u"\"a RCPT TO:<x@y>\"@z.fr"_s), adresse_piegee);
    ligne("sans destinataire", s, u"25"_s, adresse_refusee.arg(u"du destinataire"_s, QString()),
          station, QString());
    ligne("utilisateur a saut de ligne", s, u"25"_s,
          u"Le nom d'utilisateur SMTP contient un caractère de contrôle : l'envoi est refusé."_s,
          station, comite, u"moi\r\nQUIT"_s);
}

void TestMessageCR::verification() {
    QFETCH(QString, serveur);
    QFETCH(QString, port);
    QFETCH(QString, de);
    QFETCH(QString, a);
    QFETCH(QString, utilisateur);
    QFETCH(QString, refus);
    MessageCR m;
    m.de = de;
    m.a = a;
    m.cc = de;
    ParametresSmtp p;
    p.serveur = serveur;
    p.port = port;
    p.utilisateur = utilisateur;
    p.mot_de_passe = u"x"_s;
    QCOMPARE(verifier_envoi(p, m), refus);
    if (!refus.isEmpty()) {
        QCOMPARE(envoyer_message(p, m).erreur, refus);
    }
}

void TestMessageCR::modes_data() {
    QTest::addColumn<SecuriteSmtp>("securite");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("authentification");
    QTest::addColumn<ModeConnexion>("mode");
    using S = SecuriteSmtp;
    using N = NiveauTls;
    ligne_donnees("auto 465", S::automatique, 465, false, ModeConnexion{true, N::exige});
    ligne_donnees("auto 25", S::automatique, 25, false, ModeConnexion{false, N::si_propose});
    ligne_donnees("auto 587 identifie", S::automatique, 587, true, ModeConnexion{false, N::exige});
    ligne_donnees("starttls 465", S::starttls, 465, false, ModeConnexion{false, N::exige});
    ligne_donnees("aucune 465 identifie", S::aucune, 465, true, ModeConnexion{false, N::jamais});
}

void TestMessageCR::modes() {
    QFETCH(SecuriteSmtp, securite);
    QFETCH(int, port);
    QFETCH(bool, authentification);
    QFETCH(ModeConnexion, mode);
    QVERIFY(mode_connexion(securite, port, authentification) == mode);
}

void TestMessageCR::reglages() {
    const QString chemin = dossier_.filePath(u"Challenge_VRK.ini"_s);
    ecrire_octets(chemin, "[My_EMAIL]\r\nAD=f5abc@free.fr\r\n");
    QCOMPARE(lire_reglages_smtp(FichierReglages(chemin)), ReglagesSmtp{});
    const ReglagesSmtp r{u"smtp.free.fr"_s, u"587"_s, SecuriteSmtp::starttls, u"Dupont, Jean"_s,
                         false};
    FichierReglages ini(chemin);
    ecrire_reglages_smtp(ini, r);
    ini.enregistrer();
    const FichierReglages relu(chemin);
    QCOMPARE(lire_reglages_smtp(relu), r);
    QCOMPARE(relu.texte(Cle::email), station);
    ecrire_octets(chemin, "[Envoi_SMTP]\r\nSecurite=chiffre\r\nVerifierCertificat=non\r\n");
    QCOMPARE(lire_reglages_smtp(FichierReglages(chemin)), ReglagesSmtp{});

    // SMTP.csv wins when it knows the domain; the stored choices follow only their server.
    QCOMPARE(reglages_proposes(r, QString(), QString()), r);
    ReglagesSmtp meme_serveur = r;
    meme_serveur.port = u"465"_s;
    QCOMPARE(reglages_proposes(r, u"smtp.free.fr"_s, u"465"_s), meme_serveur);
    QCOMPARE(reglages_proposes(r, u"smtp.orange.fr"_s, u"25"_s),
             (ReglagesSmtp{u"smtp.orange.fr"_s, u"25"_s, SecuriteSmtp::automatique, {}, true}));
    // What the settings file keeps: an empty server leaves the stored one, not the rest.
    ReglagesSmtp sans_serveur;
    sans_serveur.securite = SecuriteSmtp::aucune;
    QCOMPARE(reglages_a_garder(r, sans_serveur),
             (ReglagesSmtp{r.serveur, r.port, SecuriteSmtp::aucune, {}, true}));
    QCOMPARE(reglages_a_garder(r, meme_serveur), meme_serveur);
    // The committee's address is configuration too; its default must be one to send to.
    QVERIFY(adresse_email_envoyable(config_serveurs_defaut().email_comite));
}

QTEST_GUILESS_MAIN(TestMessageCR)
#include "tst_message_cr.moc"
