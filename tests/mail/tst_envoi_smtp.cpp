#include "ligne_donnees.h"
#include "mail/envoi_arriere_plan.h"
#include "mail/envoi_smtp.h"
#include "mail/message_cr.h"
#include "mail/octets_message.h"
#include "octets_fichier.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace vorek;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(vorek::SecuriteSmtp)

namespace {

const QString station = u"f5abc@free.fr"_s;
const QString comite = u"correction@club.invalid"_s;
const QDateTime activation(QDate(2024, 7, 2), QTime(14, 5), Qt::OffsetFromUTC, 7200);
const QByteArray rapport =
    "START-OF-LOG: 3.0\r\nCALLSIGN: F5ABC\r\nNAME: Andr\xe9\r\nEND-OF-LOG:\r\n";

// A port that was free a moment ago: nothing listens there, the connection is refused.
int port_ferme() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t longueur = sizeof adresse;
    ::bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&adresse), &longueur);
    ::close(s);
    return ntohs(adresse.sin_port);
}

} // namespace

class TestEnvoiSmtp : public QObject {
    Q_OBJECT

    QTemporaryDir serveurs_;
    QTemporaryDir travail_;
    QProcess python_;
    QJsonObject ports_;

    QString trace(const QString& serveur, const char* extension) const {
        return serveurs_.filePath(serveur + QLatin1String(extension));
    }
    ParametresSmtp parametres(const QString& serveur) const {
        ParametresSmtp p;
        p.serveur = u"127.0.0.1"_s;
        p.port = QString::number(serveur == u"ferme" ? port_ferme() : ports_[serveur].toInt());
        p.delais = {std::chrono::milliseconds(2000), std::chrono::milliseconds(5000)};
        return p;
    }
    MessageCR message(const QString& call, const QString& fichier) const {
        if (!fichier.isEmpty()) {
            ecrire_octets(travail_.filePath(fichier), rapport);
        }
        return composer_message_cr({station, call, comite,
                                    travail_.filePath(fichier.isEmpty() ? u"absent"_s : fichier),
                                    activation});
    }
    // The verbs the server received, AUTH with its mechanism.
    QStringList commandes(const QString& serveur) const {
        QStringList verbes;
        const QByteArray journal = lire_octets(trace(serveur, ".log"));
        for (const QByteArray& ligne :
             journal == "<absent>" ? QByteArrayList() : journal.split('\n')) {
            const QByteArrayList mots = ligne.split(' ');
            if (!ligne.isEmpty()) {
                verbes.append(QString::fromUtf8(mots[0] == "AUTH" ? ligne : mots[0]));
            }
        }
        return verbes;
    }
    QJsonObject recu(const QString& serveur) const {
        return QJsonDocument::fromJson(lire_octets(trace(serveur, ".json"))).object();
    }

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void message_recu_data();
    void message_recu();
    void echanges_data();
    void echanges();
    void arriere_plan();
    void abandon();
};

void TestEnvoiSmtp::initTestCase() {
    python_.start(
        u"/usr/bin/python3"_s,
        {QStringLiteral(VOREK_RACINE_PROJET "/tests/mail/serveur_smtp.py"), serveurs_.path()});
    QVERIFY(python_.waitForStarted());
    QVERIFY(python_.waitForReadyRead(10000));
    ports_ = QJsonDocument::fromJson(python_.readLine()).object();
    QVERIFY2(ports_.size() == 6, python_.readAllStandardError().constData());
}

void TestEnvoiSmtp::cleanupTestCase() {
    python_.kill();
    python_.waitForFinished();
}

void TestEnvoiSmtp::init() {
    for (const QString& f :
         QDir(serveurs_.path()).entryList({u"*.log"_s, u"*.eml"_s, u"*.json"_s})) {
        QVERIFY(QFile::remove(serveurs_.filePath(f)));
    }
}

void TestEnvoiSmtp::message_recu_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("objet");
    ligne_donnees("avec le rapport", u"F5ABC"_s, u"F5ABC.LOG"_s, u"CHALLENGE_VOREK_F5ABC"_s);
    ligne_donnees("sans le rapport", u"F5ABC"_s, QString(), u"CHALLENGE_VOREK_F5ABC"_s);
    ligne_donnees("indicatif porteur d'un en-tete", u"F5ABC\r\nBcc: pirate@evil.example"_s,
                  u"F5ABC.LOG"_s, u"CHALLENGE_VOREK_F5ABC  Bcc: pirate@evil.example"_s);
    ligne_donnees("accents", u"F5ÉTÉ"_s, u"rapport d'été.LOG"_s, u"CHALLENGE_VOREK_F5ÉTÉ"_s);
}

void TestEnvoiSmtp::message_recu() {
    QFETCH(QString, call);
    QFETCH(QString, fichier);
    QFETCH(QString, objet);
    const MessageCR m = message(call, fichier);
    const ResultatEnvoi r = envoyer_message(parametres(u"simple"_s), m);
    QVERIFY2(r.reussi, qPrintable(r.erreur));
    QCOMPARE(r.reponse_serveur, u"250 2.0.0 Message accepte pour livraison"_s);
    QCOMPARE(lire_octets(trace(u"simple"_s, ".eml")), octets_message(m));
    QCOMPARE(commandes(u"simple"_s), QStringList({"EHLO", "MAIL", "RCPT", "RCPT", "DATA", "QUIT"}));

    const QJsonObject lu = recu(u"simple"_s);
    QCOMPARE(lu[u"mail_from"].toString(), station);
    QCOMPARE(lu[u"rcpt_tos"].toArray(), QJsonArray({comite, station}));
    QCOMPARE(lu[u"defauts"].toArray(), QJsonArray());
    QStringList noms;
    QMap<QString, QString> valeurs;
    for (const QJsonValue& entete : lu[u"entetes"].toArray()) {
        noms.append(entete[0].toString());
        valeurs[entete[0].toString()] = entete[1].toString();
    }
    QCOMPARE(noms,
             QStringList({"From", "Reply-To", "To", "Cc", "Subject", "Date", "Message-ID",
                          "MIME-Version", "Content-Type"}) +
                 (fichier.isEmpty() ? QStringList{"Content-Transfer-Encoding"} : QStringList{}));
    QCOMPARE(QStringList({valeurs["From"], valeurs["Reply-To"], valeurs["To"], valeurs["Cc"]}),
             QStringList({station, station, comite, station}));
    QCOMPARE(valeurs["Subject"], objet);
    QCOMPARE(valeurs["Date"], u"Tue, 02 Jul 2024 14:05:00 +0200"_s);
    QCOMPARE(lu[u"corps"].toString(), m.corps.join(u'\n') + u'\n');
    const QJsonArray joints = lu[u"joints"].toArray();
    QCOMPARE(joints.size(), fichier.isEmpty() ? 0 : 1);
    if (!fichier.isEmpty()) {
        QCOMPARE(joints[0][u"nom"].toString(), fichier);
        QCOMPARE(joints[0][u"type"].toString(), u"text/plain"_s);
        QCOMPARE(QByteArray::fromBase64(joints[0][u"octets"].toString().toLatin1()), rapport);
    }
}

void TestEnvoiSmtp::echanges_data() {
    QTest::addColumn<QString>("serveur");
    QTest::addColumn<SecuriteSmtp>("securite");
    QTest::addColumn<QString>("utilisateur");
    QTest::addColumn<QString>("mot_de_passe");
    QTest::addColumn<bool>("autorite_connue");
    QTest::addColumn<bool>("verifier");
    QTest::addColumn<QString>("destinataire");
    QTest::addColumn<QString>("erreur"); // a part of it; empty when the send succeeds
    QTest::addColumn<QStringList>("commandes");
    using S = SecuriteSmtp;
    const QString u = u"f5abc"_s;
    const QString mdp = u"s3cret"_s;
    const QStringList envoi{"MAIL", "RCPT", "RCPT", "DATA", "QUIT"};
    const QStringList tls{"EHLO", "STARTTLS", "EHLO"};
    ligne_donnees("EHLO refuse, HELO accepte", u"sans_ehlo"_s, S::automatique, QString(), QString(),
                  false, true, comite, QString(), QStringList{"EHLO", "HELO"} + envoi);
    ligne_donnees("destinataire refuse", u"simple"_s, S::automatique, QString(), QString(), false,
                  true, u"cr@refuse.example"_s,
                  u"550 5.1.1 <cr@refuse.example> destinataire inconnu ici"_s,
                  QStringList{"EHLO", "MAIL", "RCPT"});
    ligne_donnees("connexion refusee", u"ferme"_s, S::automatique, QString(), QString(), false,
                  true, comite, u"Connexion impossible au serveur SMTP 127.0.0.1:"_s,
                  QStringList());
    ligne_donnees("serveur muet", u"muet"_s, S::automatique, QString(), QString(), false, true,
                  comite, u"ne répond pas (délai dépassé)"_s, QStringList());
    ligne_donnees("STARTTLS et AUTH", u"starttls"_s, S::automatique, u, mdp, true, true, comite,
                  QString(), tls + QStringList{"AUTH PLAIN"} + envoi);
    ligne_donnees("AUTH LOGIN quand PLAIN manque", u"login_seul"_s, S::automatique, u, mdp, true,
                  true, comite, QString(), tls + QStringList{"AUTH LOGIN"} + envoi);
    ligne_donnees("certificat d'une autorite inconnue", u"starttls"_s, S::automatique, u, mdp,
                  false, true, comite, u"Le certificat du serveur SMTP est refusé"_s,
                  QStringList{"EHLO", "STARTTLS"});
    ligne_donnees("verification coupee", u"starttls"_s, S::automatique, u, mdp, false, false,
                  comite, QString(), tls + QStringList{"AUTH PLAIN"} + envoi);
    ligne_donnees("mot de passe faux", u"starttls"_s, S::automatique, u, u"faux"_s, true, true,
                  comite, u"535 5.7.8 Authentication credentials invalid"_s,
                  tls + QStringList{"AUTH PLAIN"});
    ligne_donnees("sans identification", u"starttls"_s, S::automatique, QString(), QString(), true,
                  true, comite, u"530 5.7.0 Authentication required"_s, tls + QStringList{"MAIL"});
    ligne_donnees("en clair chez un serveur qui exige TLS", u"starttls"_s, S::aucune, QString(),
                  QString(), true, true, comite, u"530 Must issue a STARTTLS command first"_s,
                  QStringList{"EHLO"});
    ligne_donnees("TLS implicite", u"implicite"_s, S::tls_implicite, u, mdp, true, true, comite,
                  QString(), QStringList{"EHLO", "AUTH PLAIN"} + envoi);
    ligne_donnees("STARTTLS exige mais absent", u"simple"_s, S::starttls, QString(), QString(),
                  false, true, comite, u"ne propose pas de connexion chiffrée"_s,
                  QStringList{"EHLO"});
    ligne_donnees("mot de passe jamais en clair", u"simple"_s, S::automatique, u, mdp, false, true,
                  comite, u"ne propose pas de connexion chiffrée"_s, QStringList{"EHLO"});
    ligne_donnees("adresse a saut de ligne, refusee avant connexion", u"simple"_s, S::automatique,
                  QString(), QString(), false, true, u"\"a\nRCPT TO:<x@y.fr>\"@z.fr"_s,
                  u"n'est pas une adresse e-mail utilisable"_s, QStringList());
}

void TestEnvoiSmtp::echanges() {
    QFETCH(QString, serveur);
    QFETCH(SecuriteSmtp, securite);
    QFETCH(QString, utilisateur);
    QFETCH(QString, mot_de_passe);
    QFETCH(bool, autorite_connue);
    QFETCH(bool, verifier);
    QFETCH(QString, destinataire);
    QFETCH(QString, erreur);
    QFETCH(QStringList, commandes);
    ParametresSmtp p = parametres(serveur);
    p.securite = securite;
    p.utilisateur = utilisateur;
    p.mot_de_passe = mot_de_passe;
    p.verifier_certificat = verifier;
    p.fichier_ac = autorite_connue ? serveurs_.filePath(u"cert.pem"_s) : QString();
    if (serveur == u"muet") {
        p.delais.total = std::chrono::milliseconds(700);
    }
    MessageCR m = message(u"F5ABC"_s, u"F5ABC.LOG"_s);
    m.a = destinataire; // also what the window could never let through
    const ResultatEnvoi r = envoyer_message(p, m);
    QVERIFY2(r.reussi == erreur.isEmpty(), qPrintable(r.erreur));
    QVERIFY2(r.erreur.contains(erreur), qPrintable(r.erreur));
    // A failed exchange may end with or without QUIT: the server may have hung up.
    QStringList vus = this->commandes(serveur);
    if (!erreur.isEmpty() && !vus.isEmpty() && vus.last() == u"QUIT") {
        vus.removeLast();
    }
    QCOMPARE(vus, commandes);
    QCOMPARE(recu(serveur)[u"authentifie"].toString(), erreur.isEmpty() ? utilisateur : QString());
}

void TestEnvoiSmtp::arriere_plan() {
    EnvoiArrierePlan envoi;
    QSignalSpy avance(&envoi, &EnvoiArrierePlan::progression);
    QSignalSpy fin(&envoi, &EnvoiArrierePlan::termine);
    const MessageCR m = message(u"F5ABC"_s, u"F5ABC.LOG"_s);
    QVERIFY(envoi.demarrer(parametres(u"simple"_s), m));
    QVERIFY(envoi.en_cours());
    QVERIFY(!envoi.demarrer(parametres(u"simple"_s), m));
    QVERIFY(fin.wait(10000));
    QVERIFY(!envoi.en_cours());
    const ResultatEnvoi r = fin.first().first().value<ResultatEnvoi>();
    QVERIFY2(r.reussi, qPrintable(r.erreur));
    QVERIFY(!avance.isEmpty());
    const qint64 taille = octets_message(m).size();
    QCOMPARE(avance.last(), QVariantList({taille, taille}));
    QCOMPARE(commandes(u"simple"_s).count(u"DATA"_s), 1);
}

void TestEnvoiSmtp::abandon() {
    EnvoiArrierePlan envoi;
    QSignalSpy fin(&envoi, &EnvoiArrierePlan::termine);
    ParametresSmtp p = parametres(u"muet"_s);
    p.delais.total = std::chrono::milliseconds(60000);
    QVERIFY(envoi.demarrer(p, message(u"F5ABC"_s, QString())));
    envoi.abandonner();
    QVERIFY(fin.wait(10000));
    QCOMPARE(fin.first().first().value<ResultatEnvoi>().erreur, u"Envoi interrompu"_s);
}

QTEST_GUILESS_MAIN(TestEnvoiSmtp)
#include "tst_envoi_smtp.moc"
