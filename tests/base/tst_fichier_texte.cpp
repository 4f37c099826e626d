#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "disque_plein.h"
#include "ligne_donnees.h"
#include "octets_fichier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <sys/stat.h>
#include <unistd.h>

using namespace vorek;

class TestFichierTexte : public QObject {
    Q_OBJECT

  private slots:
    void cp1252_et_crlf();
    void lecture_lf_et_lignes_vides();
    void erreurs_data();
    void erreurs();
    void lecture_bornee_data();
    void lecture_bornee();
    void ecriture_atomique_garde_l_ancienne_version();
    void disque_plein_garde_l_ancien_fichier_data();
    void disque_plein_garde_l_ancien_fichier();
    void restes_de_tmp_sans_effet_data();
    void restes_de_tmp_sans_effet();
    void lien_symbolique_garde_data();
    void lien_symbolique_garde();
    void lien_d_un_autre_refuse_data();
    void lien_d_un_autre_refuse();
    void ecriture_atomique_garde_les_droits();
    void flux_comme_le_codec();
};

namespace {

QString message_de(const std::function<void()>& action) {
    try {
        action();
    } catch (const Erreur& e) {
        return e.message();
    }
    return QString();
}

void ecrire(bool journal, const QString& chemin, const QStringList& lignes) {
    if (journal) {
        ecrire_lignes_sur(chemin, lignes);
    } else {
        ecrire_lignes(chemin, lignes);
    }
}

} // namespace

void TestFichierTexte::cp1252_et_crlf() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("a.txt"));
    ecrire_lignes(chemin, {QStringLiteral("RST Reçu"), QStringLiteral("n° ZTC €"), QString()});
    QCOMPARE(lire_octets(chemin), QByteArray("RST Re\xe7u\r\nn\xb0 ZTC \x80\r\n\r\n"));
    QCOMPARE(lire_lignes(chemin),
             (QStringList{QStringLiteral("RST Reçu"), QStringLiteral("n° ZTC €"), QString()}));
}

void TestFichierTexte::lecture_lf_et_lignes_vides() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("b.txt"));
    ecrire_octets(chemin, QByteArray("a\nb\r\n\n  c \nsans fin"));
    QCOMPARE(lire_lignes(chemin),
             (QStringList{QStringLiteral("a"), QStringLiteral("b"), QString(),
                          QStringLiteral("  c "), QStringLiteral("sans fin")}));
    ecrire_octets(chemin, QByteArray());
    QVERIFY(lire_lignes(chemin).isEmpty());
}

void TestFichierTexte::erreurs_data() {
    QTest::addColumn<bool>("ecriture");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("message");
    QTest::newRow("fichier absent")
        << false << QStringLiteral("absent.txt") << QStringLiteral("Fichier introuvable");
    QTest::newRow("dossier absent")
        << true << QStringLiteral("pas_la/x.txt") << QStringLiteral("Fichier introuvable");
    QTest::newRow("dossier en lecture")
        << false << QStringLiteral("sous") << QStringLiteral("Accès au fichier refusé");
    QTest::newRow("dossier en ecriture")
        << true << QStringLiteral("sous") << QStringLiteral("Accès au fichier refusé");
}

void TestFichierTexte::erreurs() {
    QFETCH(bool, ecriture);
    QFETCH(QString, nom);
    QFETCH(QString, message);
    QTemporaryDir dossier;
    QDir(dossier.path()).mkdir(QStringLiteral("sous"));
    const QString chemin = dossier.filePath(nom);
    if (ecriture) {
        QCOMPARE(message_de([&] { ecrire_lignes(chemin, {QStringLiteral("x")}); }), message);
        QCOMPARE(message_de([&] { ecrire_lignes_sur(chemin, {QStringLiteral("x")}); }), message);
    } else {
        QCOMPARE(message_de([&] { lire_lignes(chemin); }), message);
    }
}

void TestFichierTexte::ecriture_atomique_garde_l_ancienne_version() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("ETE.VRK"));
    ecrire_lignes_sur(chemin, {QStringLiteral("v1")});
    QVERIFY(!QFile::exists(chemin_sauvegarde(chemin)));
    ecrire_lignes_sur(chemin, {QStringLiteral("v2")});
    QCOMPARE(lire_octets(chemin), QByteArray("v2\r\n"));
    QCOMPARE(lire_octets(chemin_sauvegarde(chemin)), QByteArray("v1\r\n"));
    ecrire_lignes_sur(chemin, {QStringLiteral("v3")});
    QCOMPARE(lire_octets(chemin_sauvegarde(chemin)), QByteArray("v2\r\n"));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files).size(), 2);
}

void TestFichierTexte::disque_plein_garde_l_ancien_fichier_data() {
    QTest::addColumn<bool>("journal");
    ligne_donnees("rapport", false);
    ligne_donnees("journal", true);
}

// A disk that fills up during the write: the previous version stays whole, and no half
// written file is left behind.
void TestFichierTexte::disque_plein_garde_l_ancien_fichier() {
    QFETCH(bool, journal);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("ETE.LOG"));
    ecrire(journal, chemin, {QStringLiteral("v1")});
    ecrire(journal, chemin, {QStringLiteral("journal complet")});
    const QStringList avant = QDir(dossier.path()).entryList(QDir::Files);
    const QStringList nouveau(2000, QStringLiteral("QSO: 7000 CW 2024-07-01 0005 F4XYZ"));
    {
        const DisquePlein disque(4096);
        QCOMPARE(message_de([&] { ecrire(journal, chemin, nouveau); }),
                 QStringLiteral("Disque plein"));
    }
    QCOMPARE(lire_octets(chemin), QByteArray("journal complet\r\n"));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), avant);
    if (journal) {
        QCOMPARE(lire_octets(chemin_sauvegarde(chemin)), QByteArray("v1\r\n"));
    }
}

void TestFichierTexte::restes_de_tmp_sans_effet_data() {
    QTest::addColumn<QString>("reste");
    ligne_donnees("dossier", QStringLiteral("dossier"));
    ligne_donnees("lien vers un autre fichier", QStringLiteral("lien"));
    ligne_donnees("fichier a moitie ecrit", QStringLiteral("fichier"));
}

// What an earlier program left under the old temporary name neither stops the save nor
// sends it elsewhere.
void TestFichierTexte::restes_de_tmp_sans_effet() {
    QFETCH(QString, reste);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("ETE.VRK"));
    const QString tmp = chemin + QStringLiteral(".tmp");
    const QString autre = dossier.filePath(QStringLiteral("autre.txt"));
    ecrire_octets(autre, "intact\r\n");
    ecrire_lignes_sur(chemin, {QStringLiteral("v1")});
    if (reste == QStringLiteral("dossier")) {
        QVERIFY(QDir().mkdir(tmp));
    } else if (reste == QStringLiteral("lien")) {
        QVERIFY(QFile::link(autre, tmp));
    } else {
        ecrire_octets(tmp, "v0 coup");
    }
    ecrire_lignes_sur(chemin, {QStringLiteral("v2")});
    QCOMPARE(lire_octets(chemin), QByteArray("v2\r\n"));
    QVERIFY(!QFileInfo(chemin).isSymLink());
    QCOMPARE(lire_octets(autre), QByteArray("intact\r\n"));
    QCOMPARE(lire_octets(chemin_sauvegarde(chemin)), QByteArray("v1\r\n"));
}

void TestFichierTexte::lien_symbolique_garde_data() {
    QTest::addColumn<bool>("journal");
    ligne_donnees("rapport", false);
    ligne_donnees("journal", true);
}

// A log kept elsewhere and reached through a link: the link stays, the file it names gets
// every save, and the backup lies beside that file.
void TestFichierTexte::lien_symbolique_garde() {
    QFETCH(bool, journal);
    QTemporaryDir dossier;
    QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("vrai")));
    const QString reel = dossier.filePath(QStringLiteral("vrai/ETE.VRK"));
    const QString lien = dossier.filePath(QStringLiteral("ETE.VRK"));
    ecrire_octets(reel, "v1\r\n");
    QVERIFY(QFile::link(QStringLiteral("vrai/ETE.VRK"), lien));
    ecrire(journal, lien, {QStringLiteral("v2")});
    QVERIFY(QFileInfo(lien).isSymLink());
    QCOMPARE(lire_octets(reel), QByteArray("v2\r\n"));
    QCOMPARE(lire_octets(chemin_sauvegarde(reel)),
             journal ? QByteArray("v1\r\n") : QByteArray("<absent>"));
    // Nothing else left in either folder: no temporary file, no lock.
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::System),
             QStringList{QStringLiteral("ETE.VRK")});
    QCOMPARE(QDir(dossier.filePath(QStringLiteral("vrai"))).entryList(QDir::Files).size(),
             journal ? 2 : 1);
}

void TestFichierTexte::lien_d_un_autre_refuse_data() {
    QTest::addColumn<bool>("journal");
    QTest::addColumn<bool>("lien_d_un_autre");
    QTest::addColumn<bool>("cible_d_un_autre");
    ligne_donnees("rapport, lien d'un autre", false, true, false);
    ligne_donnees("journal, lien d'un autre", true, true, false);
    ligne_donnees("journal, lien d'un autre vers rien", true, true, false);
    ligne_donnees("journal, lien vers le fichier d'un autre", true, false, true);
    ligne_donnees("rapport, lien vers le fichier d'un autre", false, false, true);
}

// A link someone else planted in the folder, or one that leads to someone else's file, is
// never followed: nothing is written anywhere, and the link stays as it was.
void TestFichierTexte::lien_d_un_autre_refuse() {
    QFETCH(bool, journal);
    QFETCH(bool, lien_d_un_autre);
    QFETCH(bool, cible_d_un_autre);
    if (::geteuid() != 0) {
        QSKIP("only root can give a file or a link to another user");
    }
    const uid_t autre = 65534;
    QTemporaryDir dossier;
    const QString reel = dossier.filePath(QStringLiteral("victime.txt"));
    const QString lien = dossier.filePath(QStringLiteral("ETE.VRK"));
    const bool vers_rien = QByteArray(QTest::currentDataTag()).endsWith("rien");
    if (!vers_rien) {
        ecrire_octets(reel, "intact\r\n");
    }
    QVERIFY(QFile::link(reel, lien));
    if (lien_d_un_autre) {
        QCOMPARE(::lchown(QFile::encodeName(lien).constData(), autre, autre), 0);
    }
    if (cible_d_un_autre) {
        QCOMPARE(::chown(QFile::encodeName(reel).constData(), autre, autre), 0);
    }
    QCOMPARE(message_de([&] { ecrire(journal, lien, {QStringLiteral("v2")}); }),
             message_lien_refuse(lien));
    QVERIFY(QFileInfo(lien).isSymLink());
    QCOMPARE(lire_octets(reel), vers_rien ? QByteArray("<absent>") : QByteArray("intact\r\n"));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::System).size(), vers_rien ? 1 : 2);
}

void TestFichierTexte::lecture_bornee_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("message");
    const QString trop = message_fichier_trop_gros();
    ligne_donnees("zeros sans fin", QStringLiteral("/dev/zero"), trop);
    ligne_donnees("fichier creux de plus de 64 Mo", QStringLiteral("creux"), trop);
    ligne_donnees("des millions de lignes vides", QStringLiteral("lignes"), trop);
    ligne_donnees("tube sans ecrivain", QStringLiteral("tube"), QString());
}

// Whatever path the operator gives, the read ends quickly and the memory stays bounded.
void TestFichierTexte::lecture_bornee() {
    QFETCH(QString, source);
    QFETCH(QString, message);
    QTemporaryDir dossier;
    QString chemin = source;
    if (source == QStringLiteral("creux")) {
        chemin = dossier.filePath(QStringLiteral("ETE.VRK"));
        QFile fichier(chemin);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        QVERIFY(fichier.resize(taille_max_fichier_texte + 1));
    } else if (source == QStringLiteral("lignes")) {
        chemin = dossier.filePath(QStringLiteral("ETE.VRK"));
        ecrire_octets(chemin, QByteArray(lignes_max_fichier_texte, '\n'));
    } else if (source == QStringLiteral("tube")) {
        chemin = dossier.filePath(QStringLiteral("tube"));
        QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
    }
    QCOMPARE(message_de([&] { lire_lignes(chemin); }), message);
}

void TestFichierTexte::ecriture_atomique_garde_les_droits() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("ETE.VRK"));
    ecrire_lignes_sur(chemin, {QStringLiteral("v1")});
    const auto droits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(chemin, droits));
    ecrire_lignes_sur(chemin, {QStringLiteral("v2")});
    QCOMPARE(QFile::permissions(chemin) & 0xF0FF, droits);
    // A file the operator may not write is refused (root may write anything).
    QVERIFY(QFile::setPermissions(chemin, QFileDevice::ReadOwner));
    if (::geteuid() != 0) {
        QCOMPARE(message_de([&] { ecrire_lignes_sur(chemin, {QStringLiteral("v3")}); }),
                 QStringLiteral("Accès au fichier refusé"));
        QCOMPARE(lire_octets(chemin), QByteArray("v2\r\n"));
    }
}

namespace {

// Characters CP1252 has, has not, invisible ones it leaves out, and halves of characters
// beyond the basic plane, paired or alone.
QString texte_au_hasard(QRandomGenerator& g) {
    static const QString morceaux[] = {
        QStringLiteral("F5ABC "), QStringLiteral("é"),           QStringLiteral("€Œ‘"),
        QStringLiteral("Ωµ中"),   QStringLiteral("\U0001F600"),  QString(QChar(0xD83D)),
        QString(QChar(0xDE00)),   QStringLiteral("\t\r"),        QString(QChar(0x81)),
        QString(QChar(0xFFFD)),   QStringLiteral("\u200B\uFEFF")};
    QString texte;
    for (int n = int(g.bounded(6)); n > 0; --n) {
        texte += morceaux[g.bounded(int(std::size(morceaux)))];
    }
    return texte;
}

} // namespace

// Written line by line, read line by line, counted without encoding: the same bytes and
// lines as the codec gives for the whole text.
void TestFichierTexte::flux_comme_le_codec() {
    QTextCodec* codec = QTextCodec::codecForName("windows-1252");
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("f.txt"));
    QRandomGenerator g(1252);
    for (int essai = 0; essai < 400; ++essai) {
        QStringList lignes;
        for (int n = int(g.bounded(5)); n > 0; --n) {
            lignes.append(texte_au_hasard(g));
            QCOMPARE(longueur_cp1252(lignes.last()), codec->fromUnicode(lignes.last()).size());
        }
        const QByteArray attendu =
            lignes.isEmpty()
                ? QByteArray()
                : codec->fromUnicode(lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        QCOMPARE(vers_cp1252(lignes.join(QStringLiteral("\r\n"))),
                 codec->fromUnicode(lignes.join(QStringLiteral("\r\n"))));
        // Every save is synced to disk: a few files are enough.
        if (essai % 8 == 0) {
            ecrire_flux(chemin, [&lignes](SortieLignes& sortie) {
                for (const QString& l : lignes) {
                    sortie.ligne(l);
                }
            });
            QCOMPARE(lire_octets(chemin), attendu);
            ecrire_lignes(chemin, lignes);
            QCOMPARE(lire_octets(chemin), attendu);
        }
        QByteArray octets;
        for (int n = int(g.bounded(40)); n > 0; --n) {
            octets += "ab\r\n\x81\xe9\x80\x8d\x00"[g.bounded(9)];
        }
        QCOMPARE(depuis_cp1252(octets), codec->toUnicode(octets));
        ecrire_octets(chemin, octets);
        QStringList lues;
        lire_flux(chemin, [&lues](const QString& l) { lues.append(l); });
        QCOMPARE(lues, lire_lignes(chemin));
    }
}

QTEST_GUILESS_MAIN(TestFichierTexte)
#include "tst_fichier_texte.moc"
