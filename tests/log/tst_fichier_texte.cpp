#include "log/erreur.h"
#include "log/fichier_texte.h"
#include "octets_fichier.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace vorek;

class TestFichierTexte : public QObject {
    Q_OBJECT

  private slots:
    void cp1252_et_crlf();
    void lecture_lf_et_lignes_vides();
    void erreurs_data();
    void erreurs();
    void ecriture_atomique_garde_l_ancienne_version();
    void ecriture_atomique_echouee();
    void ecriture_atomique_garde_les_droits();
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

void TestFichierTexte::ecriture_atomique_echouee() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("ETE.VRK"));
    ecrire_lignes_sur(chemin, {QStringLiteral("journal complet")});
    // The temporary file cannot be created: the log on disk must stay whole.
    QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("ETE.VRK.tmp")));
    QVERIFY(!message_de([&] { ecrire_lignes_sur(chemin, {QStringLiteral("nouveau")}); }).isEmpty());
    QCOMPARE(lire_octets(chemin), QByteArray("journal complet\r\n"));
    // A full disk in the middle of the write: same.
    if (QFile::exists(QStringLiteral("/dev/full"))) {
        QDir(dossier.path()).rmdir(QStringLiteral("ETE.VRK.tmp"));
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), chemin + QStringLiteral(".tmp")));
        QCOMPARE(message_de([&] { ecrire_lignes_sur(chemin, {QStringLiteral("nouveau")}); }),
                 QStringLiteral("Disque plein"));
        QCOMPARE(lire_octets(chemin), QByteArray("journal complet\r\n"));
    }
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

QTEST_GUILESS_MAIN(TestFichierTexte)
#include "tst_fichier_texte.moc"
