#include "balayage_simple.h"
#include "octets_fichier.h"

#include "base/fichier_texte.h"
#include "refdata/membres.h"
#include "refdata/pays.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;

// The indexed look-ups against the plain top-down scan, on random files and calls. The
// same look-up objects live through every rewrite, so the refresh is exercised too.
class TestIndexRefdata : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dossier_;
    QRandomGenerator hasard_{20260708};

    QString tirer(const QStringList& choix) { return choix.at(hasard_.bounded(int(choix.size()))); }

    QString separateur() {
        return hasard_.bounded(3) == 0 ? QStringLiteral(";") : QStringLiteral(",");
    }

    QString ligne_dxcc();
    QString ligne_membre();
    QString indicatif();

  private slots:
    void pays_egal_balayage();
    void membres_egal_balayage();
    void octets_quelconques();
    void une_operation_regarde_une_fois();
};

QString TestIndexRefdata::ligne_dxcc() {
    static const QStringList cles{"F",  "F5",  "F5A", "EA8", "EA", "E", "4X", "4",
                                  "9A", "KH6", "KH",  "K",   "f",  "",  " F", "AL2<10/20>"};
    static const QStringList champs{"France", "EU", "AF", "", "227", " OC ", "X;Y"};
    QString ligne = tirer(cles);
    const int virgules = hasard_.bounded(6);
    for (int i = 0; i < virgules; ++i) {
        ligne += QLatin1Char(',') + tirer(champs);
    }
    return ligne;
}

QString TestIndexRefdata::ligne_membre() {
    static const QStringList appels{"F5ABC", "F5ABC+", "+F5ABC", "F6XYZ", " F1AAA ", "f5abc",
                                    "EA8ZZ", "",       "9",      "SV",    "F+5ABC",  "CALL"};
    static const QStringList champs{"1234", "12345678", "NM", "", " Jean ", "Hélène", "x"};
    static const QStringList numeros{"1234", "12345678", " 12 "};
    QString ligne = tirer(appels);
    // Mostly member lines, so that most files are member lists (the others count as missing).
    const bool membre = hasard_.bounded(5) > 0;
    if (membre) {
        ligne += separateur() + tirer(numeros);
    }
    const int separateurs = hasard_.bounded(membre ? 4 : 5);
    for (int i = 0; i < separateurs; ++i) {
        QString champ = tirer(champs);
        if (hasard_.bounded(8) == 0) {
            champ += QString(hasard_.bounded(30, 60), QLatin1Char('n'));
        }
        ligne += separateur() + champ;
    }
    return ligne;
}

QString TestIndexRefdata::indicatif() {
    static const QStringList appels{"F5ABC", "F6XYZ", "F1AAA", "EA8ZZ", "KH6XY", "4X1AB", "9A",
                                    "F6",    "SV",    "ZZ9ZZ", "9",     "CALL",  "",      " "};
    static const QStringList formes{"%1", "%1/P", "%1/QRP", "%1/N", "EA8/%1", "%1/9", "DL/%1/M"};
    QString appel = tirer(formes).arg(tirer(appels));
    if (hasard_.bounded(5) == 0) {
        appel = appel.toLower();
    }
    return appel;
}

void TestIndexRefdata::pays_egal_balayage() {
    const QString chemin = dossier_.filePath(QStringLiteral("DXCC.CSV"));
    const DonneesPays pays(chemin);
    for (int tour = 0; tour < 300; ++tour) {
        if (tour % 17 == 16) {
            QFile::remove(chemin);
        } else {
            QStringList lignes;
            for (int i = hasard_.bounded(40); i > 0; --i) {
                lignes << ligne_dxcc();
            }
            ecrire_lignes(chemin, lignes);
        }
        for (int appel = 0; appel < 40; ++appel) {
            const QString s = indicatif();
            const ResultatPays attendu = balayage::trouver_pays(chemin, s);
            const ResultatPays obtenu = pays.trouver_pays(s);
            QCOMPARE(obtenu.dxcc_prefixe, attendu.dxcc_prefixe);
            QCOMPARE(obtenu.dxcc_continent, attendu.dxcc_continent);
            const QString cle = s.left(hasard_.bounded(4));
            QCOMPARE(pays.chercher_dxcc(cle).dxcc_continent,
                     balayage::chercher_dxcc(chemin, cle).dxcc_continent);
        }
    }
}

void TestIndexRefdata::membres_egal_balayage() {
    const QString chemin = dossier_.filePath(QStringLiteral("ZTC_mini_2021.csv"));
    const BaseMembres membres(chemin);
    for (int tour = 0; tour < 300; ++tour) {
        if (tour % 19 == 18) {
            QFile::remove(chemin);
        } else {
            QStringList lignes;
            for (int i = hasard_.bounded(30); i > 0; --i) {
                lignes << ligne_membre();
            }
            ecrire_lignes(chemin, lignes);
        }
        for (int appel = 0; appel < 40; ++appel) {
            const QString s = indicatif();
            const ResultatMembre attendu = balayage::chercher_membre(chemin, s);
            const ResultatMembre obtenu = membres.chercher_membre(s);
            QCOMPARE(obtenu.membre_numero, attendu.membre_numero);
            QCOMPARE(obtenu.membre_nom, attendu.membre_nom);
            QCOMPARE(obtenu.base_trouvee, attendu.base_trouvee);
        }
    }
}

// Garbage files (NUL bytes, lone CRs, bytes above 127, long lines): same answers, no crash.
void TestIndexRefdata::octets_quelconques() {
    const QString dxcc = dossier_.filePath(QStringLiteral("DXCC.CSV"));
    const QString base = dossier_.filePath(QStringLiteral("ZTC_mini_2021.csv"));
    const DonneesPays pays(dxcc);
    const BaseMembres membres(base);
    static const char brut[] = "F5ABC,;+/\r\n\0\xe9\x81 P";
    const QByteArray alphabet(brut, sizeof brut - 1);
    for (int tour = 0; tour < 100; ++tour) {
        QByteArray octets;
        for (int i = hasard_.bounded(3000); i > 0; --i) {
            octets += alphabet.at(hasard_.bounded(int(alphabet.size())));
        }
        ecrire_octets(dxcc, octets);
        ecrire_octets(base, octets);
        for (int appel = 0; appel < 20; ++appel) {
            const QString s = indicatif();
            QCOMPARE(pays.trouver_pays(s).dxcc_continent,
                     balayage::trouver_pays(dxcc, s).dxcc_continent);
            QCOMPARE(membres.chercher_membre(s).membre_nom,
                     balayage::chercher_membre(base, s).membre_nom);
        }
    }
}

// Within an operation (nested ones too) a file replaced on disk is not looked at again;
// after it, the next look-up uses the new file.
void TestIndexRefdata::une_operation_regarde_une_fois() {
    const QString dxcc = dossier_.filePath(QStringLiteral("DXCC.CSV"));
    const QString base = dossier_.filePath(QStringLiteral("ZTC_mini_2021.csv"));
    ecrire_lignes(dxcc, {QStringLiteral("F,France,F,EU,227")});
    ecrire_lignes(base, {QStringLiteral("F5ABC,1,Jean,x")});
    const DonneesPays pays(dxcc);
    const BaseMembres membres(base);
    const auto reponses = [&] {
        return pays.trouver_pays(QStringLiteral("F5ABC")).dxcc_continent +
               membres.chercher_membre(QStringLiteral("F5ABC")).membre_numero;
    };
    {
        const OperationPays operation_pays(pays);
        const OperationMembres operation_membres(membres);
        QCOMPARE(reponses(), QStringLiteral("EU1"));
        ecrire_lignes(dxcc, {QStringLiteral("F,France,F,AF,227")});
        QFile::remove(base);
        const OperationMembres imbriquee(membres);
        QCOMPARE(reponses(), QStringLiteral("EU1"));
    }
    QCOMPARE(reponses(), QStringLiteral("AFNM"));
    QVERIFY(!membres.presente());
}

QTEST_GUILESS_MAIN(TestIndexRefdata)
#include "tst_index_refdata.moc"
