#include "app/serveurs.h"
#include "ligne_donnees.h"
#include "mail/adresse_email.h"
#include "mail/encodage_mime.h"
#include "mail/envoi_smtp.h"
#include "mail/message_cr.h"
#include "mail/octets_message.h"
#include "mail/reglages_smtp.h"
#include "octets_fichier.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(vorek::SecuriteSmtp)
Q_DECLARE_METATYPE(vorek::ModeConnexion)
Q_DECLARE_METATYPE(vorek::ReglagesSmtp)

namespace {

const QString station = QStringLiteral("f5abc@free.fr");
const QString comite = QStringLiteral("correction@club.invalid");
const QString adresse_piegee = QStringLiteral("\"a\nRCPT TO:<x@y>\"@z.fr");
const QDateTime activation(QDate(2024, 7, 2), QTime(14, 5), Qt::OffsetFromUTC, 7200);

QByteArray tous_les_octets() {
    QByteArray octets;
    for (int i = 0; i < 256; ++i) {
        octets.append(char(i));
    }
    return octets;
}

// The header block's field names, continuation lines left out.
QStringList champs_entete(const QByteArray& octets) {
    QStringList noms;
    for (const QByteArray& ligne : octets.left(octets.indexOf("\r\n\r\n")).split('\n')) {
        if (!ligne.startsWith(' ')) {
            noms.append(QString::fromLatin1(ligne.left(ligne.indexOf(':'))));
        }
    }
    return noms;
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

} // namespace

class TestMessageCR : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;

    ChampsMessageCR champs(const QString& call, const QString& joint,
                           const QString& destinataire = comite) const {
        return {station, call, destinataire, dossier_.filePath(joint), activation};
    }

  private slots:
    void composition_data();
    void composition();
    void destinataire_data();
    void destinataire();
    void octets_du_message_data();
    void octets_du_message();
    void encodages_data();
    void encodages();
    void verification_data();
    void verification();
    void modes_data();
    void modes();
    void reglages_relus();
    void reglages_proposes_data();
    void reglages_proposes();
    void adresse_du_comite_par_defaut();
};

void TestMessageCR::composition_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("destinataire");
    QTest::addColumn<bool>("rapport_ecrit");
    QTest::addColumn<QString>("objet");
    QTest::addColumn<QString>("a");
    ligne_donnees("ordinaire", u"F5ABC"_s, comite, true, u"CHALLENGE_VOREK_F5ABC"_s, comite);
    ligne_donnees("rapport absent", u"F5ABC"_s, comite, false, u"CHALLENGE_VOREK_F5ABC"_s, comite);
    ligne_donnees("comite sans domaine", u"F5ABC"_s, u"correction@club"_s, true,
                  u"CHALLENGE_VOREK_F5ABC"_s, QString());
    ligne_donnees("comite a saut de ligne", u"F5ABC"_s, adresse_piegee, true,
                  u"CHALLENGE_VOREK_F5ABC"_s, QString());
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
    const MessageCR m = composer_message_cr(champs(call, u"F5ABC.LOG"_s, destinataire));
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
}

void TestMessageCR::destinataire_data() {
    QTest::addColumn<QString>("tape");
    QTest::addColumn<bool>("pris");
    ligne_donnees("adresse valide", u"autre@club.fr"_s, true);
    ligne_donnees("domaine d'une etiquette", u"autre@club"_s, false);
    ligne_donnees("texte vide", QString(), false);
    ligne_donnees("guillemets et saut de ligne", adresse_piegee, false);
    ligne_donnees("retour chariot echappe", u"\"a\\\r\"@z.fr"_s, false);
}

void TestMessageCR::destinataire() {
    QFETCH(QString, tape);
    QFETCH(bool, pris);
    MessageCR m = composer_message_cr(champs(u"F5ABC"_s, u"absent.LOG"_s));
    QCOMPARE(changer_destinataire(m, tape), pris);
    QCOMPARE(m.a, pris ? tape : comite);
}

void TestMessageCR::octets_du_message_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QByteArray>("contenu");
    const QByteArray rapport = "START-OF-LOG: 3.0\r\nCALLSIGN: F5ABC\r\nEND-OF-LOG:\r\n";
    ligne_donnees("ordinaire", u"F5ABC"_s, u"F5ABC.LOG"_s, rapport);
    ligne_donnees("sans piece jointe", u"F5ABC"_s, QString(), QByteArray());
    ligne_donnees("sauts de ligne dans l'indicatif", u"F5ABC\r\nBcc: x@y.fr\nX: y"_s,
                  u"F5ABC.LOG"_s, rapport);
    ligne_donnees("accents", u"F5ÉTÉ"_s, u"rapport d'été.LOG"_s, rapport);
    ligne_donnees("indicatif tres long", QString(200, u'W'), u"F5ABC.LOG"_s, rapport);
    ligne_donnees("debut de frontiere dans l'indicatif", u"F5=_VOREK_"_s, u"F5ABC.LOG"_s, rapport);
    ligne_donnees("fichier binaire", u"F5ABC"_s, u"F5ABC.LOG"_s, tous_les_octets());
    ligne_donnees("fichier vide", u"F5ABC"_s, u"F5ABC.LOG"_s, QByteArray());
}

void TestMessageCR::octets_du_message() {
    QFETCH(QString, call);
    QFETCH(QString, fichier);
    QFETCH(QByteArray, contenu);
    if (!fichier.isEmpty()) {
        ecrire_octets(dossier_.filePath(fichier), contenu);
    }
    const MessageCR m = composer_message_cr(champs(call, fichier.isEmpty() ? u"x"_s : fichier));
    const QByteArray octets = octets_message(m);
    QCOMPARE(octets_message(m), octets);
    verifier_lignes(octets);
    QStringList attendus{"From", "Reply-To",   "To",           "Cc",          "Subject",
                         "Date", "Message-ID", "MIME-Version", "Content-Type"};
    if (fichier.isEmpty()) {
        attendus.append(u"Content-Transfer-Encoding"_s);
    }
    QCOMPARE(champs_entete(octets), attendus);
    const QRegularExpression frontiere(u"boundary=\"([^\"]+)\""_s);
    const QString limite = frontiere.match(QString::fromLatin1(octets)).captured(1);
    QCOMPARE(limite.isEmpty(), fichier.isEmpty());
    QCOMPARE(octets.count(("--" + limite + "\r\n").toLatin1()), fichier.isEmpty() ? 0 : 2);

    // A second activation an hour later: the same message but its date.
    ChampsMessageCR plus_tard = champs(call, fichier.isEmpty() ? u"x"_s : fichier);
    plus_tard.moment = activation.addSecs(3600);
    const QByteArray ensuite = octets_message(composer_message_cr(plus_tard));
    const auto sans_date = [&frontiere](const QByteArray& o) {
        QString texte = QString::fromLatin1(o);
        const QString propre = frontiere.match(texte).captured(1);
        if (!propre.isEmpty()) {
            texte.replace(propre, u"B"_s);
        }
        return texte.remove(QRegularExpression(u"(Date|Message-ID): [^\r]*"_s));
    };
    QVERIFY(ensuite != octets);
    QCOMPARE(sans_date(ensuite), sans_date(octets));
}

void TestMessageCR::encodages_data() {
    QTest::addColumn<QByteArray>("obtenu");
    QTest::addColumn<QByteArray>("attendu");
    ligne_donnees("objet ASCII", entete_texte("Subject", u"CHALLENGE_VOREK_F5ABC"_s),
                  QByteArray("Subject: CHALLENGE_VOREK_F5ABC\r\n"));
    ligne_donnees("objet accentue", entete_texte("Subject", u"été"_s),
                  QByteArray("Subject: =?UTF-8?B?w6l0w6k=?=\r\n"));
    ligne_donnees("objet long, coupe en mots", entete_texte("Subject", QString(50, u'é')),
                  "Subject: =?UTF-8?B?" + QString(19, u'é').toUtf8().toBase64() +
                      "?=\r\n =?UTF-8?B?" + QString(19, u'é').toUtf8().toBase64() +
                      "?=\r\n =?UTF-8?B?" + QString(12, u'é').toUtf8().toBase64() + "?=\r\n");
    ligne_donnees("objet a saut de ligne", entete_texte("Subject", u"a\r\nBcc: b"_s),
                  QByteArray("Subject: a  Bcc: b\r\n"));
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
    ligne_donnees("nom de fichier simple", parametre_nom_fichier("filename", u"F5ABC.LOG"_s),
                  QByteArray("filename=\"F5ABC.LOG\""));
    ligne_donnees("nom de fichier accentue", parametre_nom_fichier("filename", u"été.LOG"_s),
                  QByteArray("filename*=UTF-8''%C3%A9t%C3%A9.LOG"));
    ligne_donnees("nom a guillemet", parametre_nom_fichier("name", u"a\"b.LOG"_s),
                  QByteArray("name*=UTF-8''a%22b.LOG"));
    ligne_donnees("date d'ete", date_rfc5322(activation),
                  QByteArray("Tue, 02 Jul 2024 14:05:00 +0200"));
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
    const QString port_refuse =
        u"Le port du serveur SMTP doit être un nombre décimal entre 1 et 65535 (« %1 »)."_s;
    const QString serveur_refuse = u"Le nom du serveur SMTP « %1 » est incorrect."_s;
    const QString s = u"smtp.free.fr"_s;
    ligne_donnees("acceptable", s, u"587"_s, station, comite, QString(), QString());
    ligne_donnees("port entoure de blancs", s, u" 25 "_s, station, comite, QString(), QString());
    ligne_donnees("IPv6", u"::1"_s, u"25"_s, station, comite, QString(), QString());
    ligne_donnees("IPv6 entre crochets", u"[::1]"_s, u"25"_s, station, comite, QString(),
                  QString());
    ligne_donnees("nom accentue", u"smtp.éte.fr"_s, u"25"_s, station, comite, QString(), QString());
    ligne_donnees("port en lettres", s, u"25a"_s, station, comite, QString(),
                  port_refuse.arg(u"25a"_s));
    ligne_donnees("port vide", s, QString(), station, comite, QString(),
                  port_refuse.arg(QString()));
    ligne_donnees("port nul", s, u"0"_s, station, comite, QString(), port_refuse.arg(u"0"_s));
    ligne_donnees("port trop grand", s, u"65536"_s, station, comite, QString(),
                  port_refuse.arg(u"65536"_s));
    ligne_donnees("port signe", s, u"+25"_s, station, comite, QString(), port_refuse.arg(u"+25"_s));
    ligne_donnees("serveur absent", u"  "_s, u"25"_s, station, comite, QString(),
                  u"Aucun serveur SMTP n'est indiqué."_s);
    ligne_donnees("serveur a blanc", u"smtp free.fr"_s, u"25"_s, station, comite, QString(),
                  serveur_refuse.arg(u"smtp free.fr"_s));
    ligne_donnees("serveur a chemin", u"smtp.free.fr/x"_s, u"25"_s, station, comite, QString(),
                  serveur_refuse.arg(u"smtp.free.fr/x"_s));
    ligne_donnees("serveur a identifiant", u"moi@smtp.free.fr"_s, u"25"_s, station, comite,
                  QString(), serveur_refuse.arg(u"moi@smtp.free.fr"_s));
    ligne_donnees("serveur a saut de ligne", u"smtp.free.fr\r\nRSET"_s, u"25"_s, station, comite,
                  QString(), serveur_refuse.arg(u"smtp.free.fr  RSET"_s));
    ligne_donnees("expediteur a saut de ligne", s, u"25"_s, adresse_piegee, comite, QString(),
                  u"L'adresse de l'expéditeur « \"a RCPT TO:<x@y>\"@z.fr » n'est pas une "
                  "adresse e-mail utilisable : l'envoi est refusé."_s);
    ligne_donnees("expediteur vide", s, u"25"_s, QString(), comite, QString(),
                  u"L'adresse de l'expéditeur «  » n'est pas une adresse e-mail utilisable : "
                  "l'envoi est refusé."_s);
    ligne_donnees("sans destinataire", s, u"25"_s, station, QString(), QString(),
                  u"L'adresse du destinataire «  » n'est pas une adresse e-mail utilisable : "
                  "l'envoi est refusé."_s);
    ligne_donnees("utilisateur a saut de ligne", s, u"25"_s, station, comite, u"moi\r\nQUIT"_s,
                  u"Le nom d'utilisateur SMTP contient un caractère de contrôle : l'envoi est "
                  "refusé."_s);
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
    ligne_donnees("auto 587 avec mot de passe", S::automatique, 587, true,
                  ModeConnexion{false, N::exige});
    ligne_donnees("starttls 465", S::starttls, 465, false, ModeConnexion{false, N::exige});
    ligne_donnees("implicite 587", S::tls_implicite, 587, false, ModeConnexion{true, N::exige});
    ligne_donnees("aucune 465 avec mot de passe", S::aucune, 465, true,
                  ModeConnexion{false, N::jamais});
}

void TestMessageCR::modes() {
    QFETCH(SecuriteSmtp, securite);
    QFETCH(int, port);
    QFETCH(bool, authentification);
    QFETCH(ModeConnexion, mode);
    QVERIFY(mode_connexion(securite, port, authentification) == mode);
}

void TestMessageCR::reglages_relus() {
    const QString chemin = dossier_.filePath(u"Challenge_VRK.ini"_s);
    ecrire_octets(chemin, "[My_EMAIL]\r\nAD=f5abc@free.fr\r\n");
    QCOMPARE(lire_reglages_smtp(QSettings(chemin, QSettings::IniFormat)), ReglagesSmtp{});
    const ReglagesSmtp r{u"smtp.free.fr"_s, u"587"_s, SecuriteSmtp::starttls, u"Dupont, Jean"_s,
                         false};
    {
        QSettings ini(chemin, QSettings::IniFormat);
        ecrire_reglages_smtp(ini, r);
    }
    const QSettings relu(chemin, QSettings::IniFormat);
    QCOMPARE(lire_reglages_smtp(relu), r);
    QCOMPARE(relu.value(u"My_EMAIL/AD"_s).toString(), station);

    ecrire_octets(chemin, "[Envoi_SMTP]\r\nSecurite=chiffre\r\nVerifierCertificat=non\r\n");
    QCOMPARE(lire_reglages_smtp(QSettings(chemin, QSettings::IniFormat)), ReglagesSmtp{});
}

void TestMessageCR::reglages_proposes_data() {
    QTest::addColumn<QString>("serveur_table");
    QTest::addColumn<QString>("port_table");
    QTest::addColumn<ReglagesSmtp>("propose");
    const ReglagesSmtp memorises{u"smtp.free.fr"_s, u"587"_s, SecuriteSmtp::starttls, u"f5abc"_s,
                                 true};
    ReglagesSmtp meme_serveur = memorises;
    meme_serveur.port = u"465"_s;
    ReglagesSmtp autre;
    autre.serveur = u"smtp.orange.fr"_s;
    autre.port = u"25"_s;
    ligne_donnees("domaine inconnu de la table", QString(), QString(), memorises);
    ligne_donnees("la table connait le meme serveur", u"smtp.free.fr"_s, u"465"_s, meme_serveur);
    ligne_donnees("la table connait un autre serveur", u"smtp.orange.fr"_s, u"25"_s, autre);
}

void TestMessageCR::reglages_proposes() {
    QFETCH(QString, serveur_table);
    QFETCH(QString, port_table);
    QFETCH(ReglagesSmtp, propose);
    const ReglagesSmtp memorises{u"smtp.free.fr"_s, u"587"_s, SecuriteSmtp::starttls, u"f5abc"_s,
                                 true};
    QCOMPARE(vorek::reglages_proposes(memorises, serveur_table, port_table), propose);
}

void TestMessageCR::adresse_du_comite_par_defaut() {
    QVERIFY(adresse_email_envoyable(config_serveurs_defaut().email_comite));
}

QTEST_GUILESS_MAIN(TestMessageCR)
#include "tst_message_cr.moc"
