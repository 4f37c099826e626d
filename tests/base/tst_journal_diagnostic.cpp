#include "base/journal_diagnostic.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;

class TestJournalDiagnostic : public QObject {
    Q_OBJECT

  private slots:
    void rotation();
};

// Well past three files of the real size: never more than three files, none over the size,
// the messages in order from the oldest file kept to the current one, each on one line; the
// program's categories speak only while a journal is set up.
void TestJournalDiagnostic::rotation() {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("journal/diagnostic.log"));
    QVERIFY(!journal_radio().isInfoEnabled());
    const QString remplissage(900, QLatin1Char('x'));
    constexpr int nb_messages = 4500;
    QStringList fichiers;
    {
        const JournalDiagnostic journal(chemin);
        QVERIFY(journal_radio().isDebugEnabled());
        for (int i = 0; i < nb_messages; ++i) {
            qCInfo(journal_sauvegarde).noquote()
                << QStringLiteral("n%1\nsuite").arg(i) << remplissage;
        }
        for (int rang = JournalDiagnostic::nb_fichiers - 1; rang >= 0; --rang) {
            fichiers.append(journal.chemin_rang(rang));
        }
        QVERIFY(!QFile::exists(journal.chemin_rang(JournalDiagnostic::nb_fichiers)));
    }
    QVERIFY(!journal_radio().isInfoEnabled());
    QCOMPARE(fichiers.last(), chemin);
    int suivant = -1;
    for (const QString& fichier : fichiers) {
        QFile f(fichier);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(fichier));
        QVERIFY(f.size() <= JournalDiagnostic::taille_max_defaut);
        // A file is left for the next one only once it is full.
        QVERIFY(fichier == chemin || f.size() > JournalDiagnostic::taille_max_defaut * 9 / 10);
        for (const QByteArray& ligne : f.readAll().split('\n')) {
            if (ligne.isEmpty()) {
                continue;
            }
            QVERIFY2(ligne.contains(" info vorek.sauvegarde n"), ligne.left(80).constData());
            const int numero = QString::fromUtf8(ligne)
                                   .section(QStringLiteral(" n"), 1)
                                   .section(QLatin1Char(' '), 0, 0)
                                   .toInt();
            QVERIFY(suivant < 0 || numero == suivant);
            suivant = numero + 1;
        }
    }
    QCOMPARE(suivant, nb_messages);
}

QTEST_GUILESS_MAIN(TestJournalDiagnostic)
#include "tst_journal_diagnostic.moc"
