#include "balayage_simple.h"
#include "octets_fichier.h"

#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "refdata/conversion_pays.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;

// Damaged and random reference files, as a disk, a server or an operator may leave them:
// the readers neither crash nor hang, a refused country file leaves the DXCC list as it
// was, and what the conversion writes stays proportional to what it reads.
class TestFichiersAbimes : public QObject {
    Q_OBJECT

  private:
    QRandomGenerator hasard_{20240711};
    const QByteArray pays_reel_ = lire_octets(QStringLiteral(VOREK_DONNEES_TEST "/cty_wt_mod.dat"));

    QByteArray abimer(QByteArray octets);
    QByteArray au_hasard(qsizetype taille_max);

  private slots:
    void fichier_pays_abime();
    void base_membres_abimee();
};

QByteArray TestFichiersAbimes::abimer(QByteArray octets) {
    static const QByteArray remplissage("A,;: \n\r=(*", 11);
    for (int operation = 1 + hasard_.bounded(3); operation > 0; --operation) {
        const qsizetype position = hasard_.bounded(int(octets.size() + 1));
        switch (hasard_.bounded(6)) {
        case 0:
            octets.truncate(position);
            break;
        case 1:
            for (int i = hasard_.bounded(50); i > 0 && !octets.isEmpty(); --i) {
                octets[hasard_.bounded(int(octets.size()))] = char(hasard_.bounded(256));
            }
            break;
        case 2:
            octets.insert(position, QByteArray(hasard_.bounded(1, 20000),
                                               remplissage.at(hasard_.bounded(11))));
            break;
        case 3:
            octets.replace(';', ' ');
            break;
        case 4: {
            QByteArray utf16;
            for (const char c : octets) {
                utf16.append(c).append('\0');
            }
            octets = utf16;
            break;
        }
        default:
            octets.insert(
                position,
                octets.mid(position, hasard_.bounded(200)).repeated(hasard_.bounded(1, 300)));
        }
    }
    return octets;
}

QByteArray TestFichiersAbimes::au_hasard(qsizetype taille_max) {
    static const QByteArray alphabet("ADIF:;,=()[]*#<>/ \r\n\t\0\xe9\xff"
                                     "F5ABC1234EU",
                                     35);
    QByteArray octets;
    for (qsizetype i = hasard_.bounded(int(taille_max)); i > 0; --i) {
        octets += alphabet.at(hasard_.bounded(int(alphabet.size())));
    }
    return octets;
}

void TestFichiersAbimes::fichier_pays_abime() {
    QVERIFY(!pays_reel_.isEmpty());
    const QByteArray ancienne = "F,France,F,EU,227\r\n";
    for (int essai = 0; essai < 60; ++essai) {
        QTemporaryDir dossier;
        const QByteArray entree = essai % 3 == 2 ? au_hasard(8000) : abimer(pays_reel_);
        ecrire_octets(dossier.filePath(QStringLiteral("cty_wt.dat")), entree);
        const QString liste = dossier.filePath(QStringLiteral("DXCC.CSV"));
        ecrire_octets(liste, ancienne);
        const ResultatConversion r = convertir_fichier_pays(dossier.path(), {}, {});
        const QByteArray sortie = lire_octets(liste);
        if (!r.avertissement.isEmpty()) {
            QCOMPARE(sortie, ancienne);
            QCOMPARE(r.entites, QStringList{QStringLiteral("F")});
            continue;
        }
        // Each line is five fields of at most 64 characters, and each takes at least one
        // character of the input.
        QVERIFY2(sortie.size() <= 330 * entree.size(), qPrintable(QString::number(essai)));
        const QStringList lignes = lire_lignes(liste);
        for (const QString& ligne : lignes) {
            QCOMPARE(ligne.count(QLatin1Char(',')), 4);
        }
        const DonneesPays pays(liste);
        for (int i = 0; i < 10; ++i) {
            const QString cle =
                lignes.at(hasard_.bounded(int(lignes.size()))).section(QLatin1Char(','), 0, 0);
            QCOMPARE(pays.chercher_dxcc(cle).dxcc_prefixe,
                     balayage::chercher_dxcc(liste, cle).dxcc_prefixe);
        }
    }
}

void TestFichiersAbimes::base_membres_abimee() {
    QStringList membres;
    for (int i = 0; i < 300; ++i) {
        membres << QStringLiteral("F%1ABC,%2,Nom %1,x").arg(i).arg(1000 + i);
    }
    const QByteArray saine =
        (membres.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
    QTemporaryDir dossier;
    const QString base = dossier.filePath(QStringLiteral("ZTC_mini_2021.csv"));
    const BaseMembres index(base);
    for (int essai = 0; essai < 200; ++essai) {
        ecrire_octets(base, essai % 4 == 3 ? au_hasard(4000) : abimer(saine));
        const bool lisible = refus_base_membres(lire_lignes(base)).isEmpty();
        for (const char* appel : {"F1ABC", "F150ABC/P", "F299ABC", "CALL", "F5ABC"}) {
            const ResultatMembre r = index.chercher_membre(QString::fromLatin1(appel));
            const ResultatMembre attendu =
                balayage::chercher_membre(base, QString::fromLatin1(appel));
            QCOMPARE(r.base_trouvee, lisible);
            QCOMPARE(r.membre_numero, attendu.membre_numero);
            QCOMPARE(r.membre_nom, attendu.membre_nom);
            QVERIFY(r.membre_numero.size() <= 4 && r.membre_nom.size() <= 40);
        }
    }
}

QTEST_GUILESS_MAIN(TestFichiersAbimes)
#include "tst_fichiers_abimes.moc"
