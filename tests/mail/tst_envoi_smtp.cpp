#include "base/journal_diagnostic.h"
#include "ligne_donnees.h"
#include "mail/envoi_arriere_plan.h"
#include "mail/envoi_smtp.h"
#include "mail/message_cr.h"
#include "mail/octets_message.h"
#include "octets_fichier.h"
#include "port_libre.h"
#include "serveurs_smtp.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(vorek::SecuriteSmtp)

namespace {

const QString station = u"f5abc@free.fr"_s;
const QString comite = u"correction@club.invalid"_s;
const QDateTime activation(QDate(2024, 7, 2), QTime(14, 5), Qt::OffsetFromUTC, 7200);
const QByteArray rapport =
    "START-OF-LOG: 3.0\r\nCALLSIGN: F5ABC\r\nNAME: Andr\xe9\r\nEND-OF-LOG:\r\n";

QByteArray tous_les_octets() {
    QByteArray octets;
    for (int i = 0; i < 256; ++i) {
        octets.append(char(i));
    }
    return octets;
}

// Every line ends with CR LF, none is longer than the standard's 998, header lines keep to
// 78 and the header block is 7-bit.
void verifier_lignes(const QByteArray& octets) {
    QVERIFY(octets.endsWith("\r\n"));
    const QByteArrayList lignes = octets.chopped(2).split('\n');
    const qsizetype fin_entetes = lignes.indexOf("\r");
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QByteArray ligne = i + 1 < lignes.size() ? lignes[i] : lignes[i] + '\r';
        QVERIFY2(ligne.endsWith('\r') && ligne.count('\r') == 1, ligne.constData());
        QVERIFY(ligne.size() <= (i < fin_entetes ? 79 : 999));
        QVERIFY(i > fin_entetes ||
                std::all_of(ligne.begin(), ligne.end(), [](char c) { return uchar(c) < 128; }));
    }
}

// The message with its date, Message-ID and boundary taken out.
QString sans_date(const QByteArray& octets) {
    QString texte = QString::fromLatin1(octets);
    const QString limite = QRegularExpression(u"boundary=\"([^\"]+)\""_s).match(texte).captured(1);
    if (!limite.isEmpty()) {
        texte.replace(limite, u"B"_s);
    }
    return texte.remove(QRegularExpression(u"(Date|Message-ID): [^\r]*"_s));
}

// The diagnostic log of an exchange holds what the server was sent (AUTH with its mechanism
// alone) and libcurl's own words, never the password nor any base64 that carries it.
void verifier_journal(const QByteArray& journal, const ParametresSmtp& p, const ResultatEnvoi& r,
                      const QStringList& commandes) {
    for (const QString& commande : commandes) {
        QVERIFY2(journal.contains("-> " + commande.toUtf8()), journal.constData());
    }
    QVERIFY(journal.contains(r.detail_bibliotheque.toUtf8()));
    if (p.mot_de_passe.isEmpty()) {
        return;
    }
    const QByteArray u = p.utilisateur.toUtf8();
    const QByteArray m = p.mot_de_passe.toUtf8();
    for (const QByteArray& secret :
         {m, m.toBase64(), QByteArray(1, '\0') + u + '\0' + m,
          (QByteArray(1, '\0') + u + '\0' + m).toBase64(), (u + '\0' + u + '\0' + m).toBase64()}) {
        QVERIFY2(!journal.contains(secret), secret.constData());
    }
}

} // namespace

class TestEnvoiSmtp : public QObject {
    Q_OBJECT

    ServeursSmtp serveurs_;
    QTemporaryDir travail_;

    ParametresSmtp parametres(const QString& serveur) const {
        ParametresSmtp p;
        p.serveur = u"127.0.0.1"_s;
        p.port = QString::number(serveur == u"ferme" ? port_libre() : serveurs_.port(serveur));
        p.delais = {std::chrono::milliseconds(2000), std::chrono::milliseconds(5000)};
        return p;
    }
    MessageCR message(const QString& call, const QString& fichier,
                      const QByteArray& contenu = rapport,
                      const QDateTime& moment = activation) const {
        if (!fichier.isEmpty()) {
            ecrire_octets(travail_.filePath(fichier), contenu);
        }
        Station fiche;
        fiche.station_call = call;
        fiche.station_email = station;
        return composer_message_cr(
            fiche, {comite, travail_.filePath(fichier.isEmpty() ? u"absent"_s : fichier), moment});
    }
    QString trace(const QString& serveur, const char* extension) const {
        return serveurs_.trace(serveur, extension);
    }
    QStringList commandes(const QString& serveur) const { return serveurs_.commandes(serveur); }
    QJsonObject recu(const QString& serveur) const { return serveurs_.recu(serveur); }

  private slots:
    void initTestCase();
    void init();
    void message_recu_data();
    void message_recu();
    void echanges_data();
    void echanges();
    void arriere_plan();
    void abandon();
};

void TestEnvoiSmtp::initTestCase() {
    QString erreur;
    QVERIFY2(serveurs_.demarrer(erreur), qPrintable(erreur));
}

void TestEnvoiSmtp::init() {
    QVERIFY(serveurs_.vider());
}

void TestEnvoiSmtp::message_recu_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("fichier"); // the report, none when empty
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("objet");
    const QString o = u"CHALLENGE_VOREK_F5ABC"_s;
    const QString f = u"F5ABC.LOG"_s;
    ligne_donnees("avec le rapport", u"F5ABC"_s, f, rapport, o);
    ligne_donnees("sans le rapport", u"F5ABC"_s, QString(), QByteArray(), o);
    ligne_donnees("indicatif porteur d'un en-tete", u"F5ABC\r\nBcc: pirate@evil.example"_s, f,
                  rapport, u"CHALLENGE_VOREK_F5ABC  Bcc: pirate@evil.example"_s);
    ligne_donnees("accents", u"F5ÉTÉ"_s, u"rapport d'été.LOG"_s, rapport,
                  u"CHALLENGE_VOREK_F5ÉTÉ"_s);
    ligne_donnees("indicatif tres long", QString(200, u'W'), f, rapport,
                  u"CHALLENGE_VOREK_"_s + QString(200, u'W'));
    ligne_donnees("debut de frontiere dans l'indicatif", u"F5=_VOREK_"_s, f, rapport,
                  u"CHALLENGE_VOREK_F5=_VOREK_"_s);
    ligne_donnees("rapport binaire", u"F5ABC"_s, f, tous_les_octets(), o);
    ligne_donnees("rapport vide", u"F5ABC"_s, f, QByteArray(), o);
}

void TestEnvoiSmtp::message_recu() {
    QFETCH(QString, call);
    QFETCH(QString, fichier);
    QFETCH(QByteArray, contenu);
    QFETCH(QString, objet);
    const MessageCR m = message(call, fichier, contenu);
    const QByteArray octets = octets_message(m);
    verifier_lignes(octets);
    // A second activation an hour later gives the same message but its date.
    const QByteArray ensuite =
        octets_message(message(call, fichier, contenu, activation.addSecs(3600)));
    QVERIFY(ensuite != octets);
    QCOMPARE(sans_date(ensuite), sans_date(octets));

    const ResultatEnvoi r = envoyer_message(parametres(u"simple"_s), m);
    QVERIFY2(r.reussi, qPrintable(r.erreur));
    QCOMPARE(r.reponse_serveur, u"250 2.0.0 Message accepte pour livraison"_s);
    QCOMPARE(lire_octets(trace(u"simple"_s, ".eml")), octets);
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
        QCOMPARE(QByteArray::fromBase64(joints[0][u"octets"].toString().toLatin1()), contenu);
    }
}

// How the server's certificate is checked.
enum Certificat { autorites_du_systeme, autorite_d_essai, non_verifie };

void TestEnvoiSmtp::echanges_data() {
    QTest::addColumn<QString>("serveur");
    QTest::addColumn<SecuriteSmtp>("securite");
    QTest::addColumn<QString>("identifiants"); // user:password
    QTest::addColumn<int>("certificat");
    QTest::addColumn<QString>("destinataire");
    QTest::addColumn<QString>("erreur"); // a part of it; empty when the send succeeds
    QTest::addColumn<QStringList>("commandes");
    using S = SecuriteSmtp;
    const auto ligne = [](const char* nom, const char* serveur, S securite,
                          const char* identifiants, Certificat certificat, const QString& erreur,
                          const QStringList& commandes, const QString& destinataire = comite) {
        ligne_donnees(nom, QString::fromUtf8(serveur), securite, QString::fromUtf8(identifiants),
                      int(certificat), destinataire, erreur, commandes);
    };
    const QStringList envoi{"MAIL", "RCPT", "RCPT", "DATA", "QUIT"};
    const QStringList tls{"EHLO", "STARTTLS", "EHLO"};
    const S a = S::automatique;
    ligne("EHLO refuse, HELO accepte", "sans_ehlo", a, "", autorites_du_systeme, QString(),
          QStringList{"EHLO", "HELO"} + envoi);
    ligne("destinataire refuse", "simple", a, "", autorites_du_systeme,
          u"550 5.1.1 <cr@refuse.example> destinataire inconnu ici"_s, {"EHLO", "MAIL", "RCPT"},
          u"cr@refuse.example"_s);
    ligne("connexion refusee", "ferme", a, "", autorites_du_systeme,
          u"Connexion impossible au serveur SMTP 127.0.0.1:"_s, {});
    ligne("serveur muet", "muet", a, "", autorites_du_systeme, u"ne répond pas (délai dépassé)"_s,
          {});
    ligne("STARTTLS et AUTH", "starttls", a, "f5abc:s3cret", autorite_d_essai, QString(),
          tls + QStringList{"AUTH PLAIN"} + envoi);
    ligne("AUTH LOGIN quand PLAIN manque", "login_seul", a, "f5abc:s3cret", autorite_d_essai,
          QString(), tls + QStringList{"AUTH LOGIN"} + envoi);
    ligne("certificat d'une autorite inconnue", "starttls", a, "f5abc:s3cret", autorites_du_systeme,
          u"Le certificat du serveur SMTP est refusé"_s, {"EHLO", "STARTTLS"});
    ligne("verification coupee", "starttls", a, "f5abc:s3cret", non_verifie, QString(),
          tls + QStringList{"AUTH PLAIN"} + envoi);
    ligne("mot de passe faux", "starttls", a, "f5abc:faux", autorite_d_essai,
          u"535 5.7.8 Authentication credentials invalid"_s, tls + QStringList{"AUTH PLAIN"});
    ligne("sans identification", "starttls", a, "", autorite_d_essai,
          u"530 5.7.0 Authentication required"_s, tls + QStringList{"MAIL"});
    ligne("en clair chez un serveur qui exige TLS", "starttls", S::aucune, "", autorite_d_essai,
          u"530 Must issue a STARTTLS command first"_s, {"EHLO"});
    ligne("TLS implicite", "implicite", S::tls_implicite, "f5abc:s3cret", autorite_d_essai,
          QString(), QStringList{"EHLO", "AUTH PLAIN"} + envoi);
    ligne("STARTTLS exige mais absent", "simple", S::starttls, "", autorites_du_systeme,
          u"ne propose pas de connexion chiffrée"_s, {"EHLO"});
    ligne("mot de passe jamais en clair", "simple", a, "f5abc:s3cret", autorites_du_systeme,
          u"ne propose pas de connexion chiffrée"_s, {"EHLO"});
    ligne("adresse a saut de ligne, refusee avant connexion", "simple", a, "", autorites_du_systeme,
          u"n'est pas une adresse e-mail utilisable"_s, {}, u"\"a\nRCPT TO:<x@y.fr>\"@z.fr"_s);
}

void TestEnvoiSmtp::echanges() {
    QFETCH(QString, serveur);
    QFETCH(SecuriteSmtp, securite);
    QFETCH(QString, identifiants);
    QFETCH(int, certificat);
    QFETCH(QString, destinataire);
    QFETCH(QString, erreur);
    QFETCH(QStringList, commandes);
    ParametresSmtp p = parametres(serveur);
    p.securite = securite;
    p.utilisateur = identifiants.section(u':', 0, 0);
    p.mot_de_passe = identifiants.section(u':', 1);
    p.verifier_certificat = certificat != non_verifie;
    p.fichier_ac = certificat == autorite_d_essai ? serveurs_.certificat() : QString();
    if (serveur == u"muet") {
        p.delais.total = std::chrono::milliseconds(700);
    }
    MessageCR m = message(u"F5ABC"_s, u"F5ABC.LOG"_s);
    m.a = destinataire; // also what the window could never let through
    const QString chemin_journal = travail_.filePath(u"diagnostic.log"_s);
    QFile::remove(chemin_journal);
    const ResultatEnvoi r = [&] {
        const JournalDiagnostic journal(chemin_journal);
        return envoyer_message(p, m);
    }();
    verifier_journal(lire_octets(chemin_journal), p, r, commandes);
    QVERIFY2(r.reussi == erreur.isEmpty(), qPrintable(r.erreur));
    QVERIFY2(r.erreur.contains(erreur), qPrintable(r.erreur));
    // libcurl's English is kept for the diagnostics, never shown: each failure here has
    // French words of our own.
    QVERIFY2(r.detail_bibliotheque.isEmpty() || !r.erreur.contains(r.detail_bibliotheque),
             qPrintable(r.erreur));
    const bool refus_avant_connexion = serveur == u"simple" && commandes.isEmpty();
    QCOMPARE(r.detail_bibliotheque.isEmpty(), r.reussi || refus_avant_connexion);
    // A failed exchange may end with or without QUIT: the server may have hung up.
    QStringList vus = this->commandes(serveur);
    if (!erreur.isEmpty() && !vus.isEmpty() && vus.last() == u"QUIT") {
        vus.removeLast();
    }
    QCOMPARE(vus, commandes);
    QCOMPARE(recu(serveur)[u"authentifie"].toString(),
             erreur.isEmpty() ? p.utilisateur : QString());
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
