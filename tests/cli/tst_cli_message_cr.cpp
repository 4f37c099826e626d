#include "journal_rempli.h"
#include "ligne_donnees.h"
#include "octets_fichier.h"
#include "outil_cli.h"
#include "serveurs_smtp.h"

#include "log/etat.h"
#include "log/fichier_challenge.h"

#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;
using namespace Qt::Literals::StringLiterals;

// The report e-mail from the command line, against real SMTP servers.
class TestCliMessageCR : public QObject {
    Q_OBJECT

    ServeursSmtp serveurs_;
    QTemporaryDir racine_;
    QString journal_;

    SortieCli lancer(const QStringList& commande, const QByteArray& entree = {},
                     const QString& fichier_entree = {}) const {
        return lancer_vorek(QStringList{u"--racine"_s, racine_.path()} + commande, entree,
                            fichier_entree);
    }
    QStringList envoi(const QString& serveur) const {
        return {u"envoyer-cr"_s, journal_,    u"--smtp"_s,
                u"127.0.0.1"_s,  u"--port"_s, QString::number(serveurs_.port(serveur))};
    }

  private slots:
    void initTestCase();
    void init() { QVERIFY(serveurs_.vider()); }
    void message_imprime_egal_message_livre();
    void refus_data();
    void refus();
};

void TestCliMessageCR::initTestCase() {
    QString erreur;
    QVERIFY2(serveurs_.demarrer(erreur), qPrintable(erreur));
    Etat etat;
    etat.fixer_rep_programme(racine_.path());
    QDir().mkpath(etat.rep_challenge);
    etat.station.station_call = u"F5ABC"_s;
    remplir_journal(etat, {{u"10/07/2025"_s, u"10:01"_s, u"F6XYZ"_s, u"40m"_s, u"599"_s, u"599"_s,
                            QString(), QString(), QString(), QString()}});
    sauver_fichier(etat, u"ete.VRK"_s);
    journal_ = etat.rep_challenge + u"/ete.VRK"_s;
    ecrire_octets(racine_.filePath(u"cfg/Challenge_VRK.ini"_s),
                  "[My_EMAIL]\r\nAD=f5abc@free.fr\r\n");
}

void TestCliMessageCR::message_imprime_egal_message_livre() {
    const QStringList moment{u"--moment"_s, u"2025-07-14T10:00:00+02:00"_s};
    const SortieCli imprime = lancer(QStringList{u"message-cr"_s, journal_} + moment);
    QCOMPARE(imprime.code, 0);
    const QString rapport = racine_.filePath(u"Fichiers_challenge/ete.LOG"_s);
    QVERIFY(QFile::remove(rapport));

    const SortieCli envoye = lancer(envoi(u"simple"_s) + moment);
    QVERIFY2(envoye.code == 0, qPrintable(envoye.erreurs));
    QCOMPARE(envoye.sortie, u"250 2.0.0 Message accepte pour livraison\n"_s);
    // The report's findings are told, and do not stop the send.
    QVERIFY2(envoye.erreurs.contains(u"NOM_VIDE"_s) && envoye.erreurs.contains(u"Ligne 1 — "_s),
             qPrintable(envoye.erreurs));
    QCOMPARE(lire_octets(serveurs_.trace(u"simple"_s, ".eml")), imprime.octets);

    // The sender of the settings file, the committee, and the report written again.
    const QJsonObject recu = serveurs_.recu(u"simple"_s);
    QCOMPARE(recu[u"mail_from"].toString(), u"f5abc@free.fr"_s);
    QCOMPARE(recu[u"rcpt_tos"].toArray(),
             QJsonArray({u"correction@club.invalid"_s, u"f5abc@free.fr"_s}));
    const QJsonArray joints = recu[u"joints"].toArray();
    QCOMPARE(joints.size(), 1);
    QCOMPARE(joints[0][u"nom"].toString(), u"ete.LOG"_s);
    QCOMPARE(QByteArray::fromBase64(joints[0][u"octets"].toString().toLatin1()),
             lire_octets(rapport));
    QVERIFY(lire_octets(rapport).contains("QSO:"));
}

void TestCliMessageCR::refus_data() {
    QTest::addColumn<QStringList>("commande"); // after the log, "*" for the plain server
    QTest::addColumn<QByteArray>("entree");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("erreur"); // a part of stderr
    QTest::addColumn<QStringList>("commandes");
    const QStringList envoi{u"MAIL"_s, u"RCPT"_s, u"RCPT"_s, u"DATA"_s, u"QUIT"_s};
    const QStringList tls{u"EHLO"_s, u"STARTTLS"_s, u"EHLO"_s, u"AUTH PLAIN"_s};
    ligne_donnees("mot de passe lu sur l'entree standard",
                  QStringList{u"starttls"_s, u"--utilisateur"_s, u"f5abc"_s},
                  QByteArray("s3cret\n"), 0, QString(), tls + envoi);
    ligne_donnees("mot de passe faux", QStringList{u"starttls"_s, u"--utilisateur"_s, u"f5abc"_s},
                  QByteArray("faux\n"), 1, u"535 5.7.8"_s, tls);
    ligne_donnees("mot de passe absent", QStringList{u"starttls"_s, u"--utilisateur"_s, u"f5abc"_s},
                  QByteArray(), 2, u"Mot de passe absent"_s, QStringList());
    ligne_donnees("destinataire refuse par le serveur",
                  QStringList{u"simple"_s, u"--destinataire"_s, u"cr@refuse.example"_s},
                  QByteArray(), 1, u"550 5.1.1 <cr@refuse.example>"_s,
                  QStringList{u"EHLO"_s, u"MAIL"_s, u"RCPT"_s});
    ligne_donnees("port non decimal", QStringList{u"simple"_s, u"--port"_s, u"25a"_s}, QByteArray(),
                  1, u"doit être un nombre décimal"_s, QStringList());
    // A standard input that never ends gives no password, and no memory runs out.
    ligne_donnees("mot de passe sur une entree sans fin",
                  QStringList{u"starttls"_s, u"--utilisateur"_s, u"f5abc"_s},
                  QByteArray("/dev/zero"), 2, u"Mot de passe illisible"_s, QStringList());
    ligne_donnees("serveur bloque apres DATA", QStringList{u"bloque"_s}, QByteArray(), 1,
                  u"ne répond pas (délai dépassé)"_s,
                  QStringList{u"EHLO"_s, u"MAIL"_s, u"RCPT"_s, u"RCPT"_s, u"DATA"_s});
    ligne_donnees("refus semant des sequences d'echappement",
                  QStringList{u"echappements"_s, u"--destinataire"_s, u"cr@refuse.example"_s},
                  QByteArray(), 1, u"<cr@refuse.example> destinataire inconnu ici"_s,
                  QStringList{u"EHLO"_s, u"MAIL"_s, u"RCPT"_s});
    ligne_donnees("accord semant des sequences d'echappement", QStringList{u"echappements"_s},
                  QByteArray(), 0, QString(), QStringList{u"EHLO"_s} + envoi);
    ligne_donnees("expediteur a saut de ligne",
                  QStringList{u"simple"_s, u"--de"_s, u"\"a\nRCPT TO:<x@y.fr>\"@z.fr"_s},
                  QByteArray(), 1, u"n'est pas une adresse e-mail utilisable"_s, QStringList());
}

void TestCliMessageCR::refus() {
    QFETCH(QStringList, commande);
    QFETCH(QByteArray, entree);
    QFETCH(int, code);
    QFETCH(QString, erreur);
    QFETCH(QStringList, commandes);
    const QString serveur = commande.takeFirst();
    const bool identifie = commande.contains(u"--utilisateur"_s);
    QStringList arguments = envoi(serveur) + QStringList{u"--ac"_s, serveurs_.certificat()};
    if (!commande.isEmpty() && commande.first() == u"--port") {
        arguments[5] = commande.takeLast();
        commande.clear();
    }
    // The tool's bounds, short here: a server that stops answering must not hold it long.
    qputenv("VOREK_DELAIS_SMTP", "5000,3000,1000");
    const bool sans_fin = entree == "/dev/zero";
    const SortieCli sortie = lancer(arguments + commande, sans_fin ? QByteArray() : entree,
                                    sans_fin ? u"/dev/zero"_s : QString());
    qunsetenv("VOREK_DELAIS_SMTP");
    QCOMPARE(sortie.code, code);
    QVERIFY2(sortie.erreurs.contains(erreur), qPrintable(sortie.erreurs));
    // Nothing the server says may drive the terminal.
    for (const QString& texte : {sortie.sortie, sortie.erreurs}) {
        QVERIFY2(std::none_of(texte.begin(), texte.end(),
                              [](QChar c) { return c.unicode() < 32 && c != u'\n'; }),
                 qPrintable(texte));
    }
    QStringList vus = serveurs_.commandes(serveur);
    if (code != 0 && !vus.isEmpty() && vus.last() == u"QUIT") {
        vus.removeLast();
    }
    QCOMPARE(vus, commandes);
    QCOMPARE(serveurs_.recu(serveur)[u"authentifie"].toString(),
             code == 0 && identifie ? u"f5abc"_s : QString());
}

QTEST_GUILESS_MAIN(TestCliMessageCR)
#include "tst_cli_message_cr.moc"
