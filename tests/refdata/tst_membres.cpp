#include "base/fichier_texte.h"
#include "ligne_donnees.h"
#include "octets_fichier.h"
#include "refdata/membres.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;

class TestMembres : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dossier_;
    QString base() const { return dossier_.filePath(QStringLiteral("ZTC_mini_2021.csv")); }

  private slots:
    void recherche_data();
    void recherche();
    void base_absente_donne_NM();
    void fichier_qui_n_est_pas_une_base_data();
    void fichier_qui_n_est_pas_une_base();
    void appel_vide_donne_vide();
    void base_remplacee_prise_en_compte();
    void fragments_suivent_le_fichier();
    void fragments_egaux_au_balayage();
};

void TestMembres::recherche_data() {
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("nom");
    const QStringList simple{QStringLiteral("CALL,NR,NOM,X"), QStringLiteral("F6XYZ,12,Paul,1"),
                             QStringLiteral("F5ABC,1234,Jean Dupont,2")};
    ligne_donnees("trouve", simple, "F5ABC", "1234", "Jean Dupont");
    ligne_donnees("/P", simple, "F5ABC/P", "1234", "Jean Dupont");
    ligne_donnees("/QRP", simple, "F5ABC/QRP", "1234", "Jean Dupont");
    ligne_donnees("/N", simple, "F5ABC/N", "1234", "Jean Dupont");
    ligne_donnees("prefixe et /P", simple, "EA8/F5ABC/P", "1234", "Jean Dupont");
    ligne_donnees("minuscules tapees", simple, "f5abc", "1234", "Jean Dupont");
    ligne_donnees("blancs autour", simple, " F5ABC ", "1234", "Jean Dupont");
    ligne_donnees("absent", simple, "F1AAA", "NM", "");
    ligne_donnees("minuscules dans le fichier", QStringList{QStringLiteral("f5abc,1,Jean,2")},
                  "F5ABC", "NM", "");
    ligne_donnees("plus apres", QStringList{QStringLiteral("F5ABC+ ,7,Jean,2")}, "F5ABC", "7",
                  "Jean");
    ligne_donnees("plus avant", QStringList{QStringLiteral("+F5ABC,7,Jean,2")}, "F5ABC", "7",
                  "Jean");
    ligne_donnees("point-virgule des la 1re ligne",
                  QStringList{QStringLiteral("F6XYZ;12;Paul;1"), QStringLiteral("F5ABC;8;Jean;2")},
                  "F5ABC", "8", "Jean");
    ligne_donnees("virgule puis point-virgule pour la suite",
                  QStringList{QStringLiteral("F6XYZ,12,Paul,1"), QStringLiteral("F1AAA;3;Luc;1"),
                              QStringLiteral("F5ABC,8,Jean,2")},
                  "F5ABC", "NM", "");
    ligne_donnees("apres le basculement",
                  QStringList{QStringLiteral("F6XYZ,12,Paul,1"), QStringLiteral("F1AAA;3;Luc;1"),
                              QStringLiteral("F5ABC;8;Jean;2")},
                  "F5ABC", "8", "Jean");
    ligne_donnees("trois champs", QStringList{QStringLiteral("F5ABC,8,Jean")}, "F5ABC", "8", "");
    ligne_donnees("deux champs", QStringList{QStringLiteral("F5ABC,8")}, "F5ABC", "", "");
    ligne_donnees("coupes 4 et 40",
                  QStringList{QStringLiteral("F5ABC, 123456 ,") + QString(45, QLatin1Char('n')) +
                              QStringLiteral("Z,x")},
                  "F5ABC", "1234", QString(40, QLatin1Char('n')));
    ligne_donnees(
        "premiere ligne gagne",
        QStringList{QStringLiteral("F5ABC,1,Premier,x"), QStringLiteral("F5ABC,2,Second,x")},
        "F5ABC", "1", "Premier");
    ligne_donnees("accents CP1252", QStringList{QStringLiteral("F5ABC,9,Hélène Müller,x")}, "F5ABC",
                  "9", QStringLiteral("Hélène Müller"));
}

void TestMembres::recherche() {
    QFETCH(QStringList, lignes);
    QFETCH(QString, indicatif);
    QFETCH(QString, numero);
    QFETCH(QString, nom);
    ecrire_lignes(base(), lignes);
    const BaseMembres membres(base());
    const ResultatMembre r = membres.chercher_membre(indicatif);
    QCOMPARE(r.membre_numero, numero);
    QCOMPARE(r.membre_nom, nom);
    QVERIFY(r.base_trouvee);
}

void TestMembres::base_absente_donne_NM() {
    ecrire_lignes(base(), {QStringLiteral("F5ABC,1234,Jean,2")});
    const BaseMembres membres(base());
    QCOMPARE(membres.chercher_membre(QStringLiteral("F5ABC")).membre_numero,
             QStringLiteral("1234"));
    QVERIFY(QFile::remove(base()));
    // Never the previous call's member.
    const ResultatMembre r = membres.chercher_membre(QStringLiteral("F5ABC"));
    QCOMPARE(r.membre_numero, QStringLiteral("NM"));
    QVERIFY(r.membre_nom.isEmpty());
    QVERIFY(!r.base_trouvee);
}

void TestMembres::fichier_qui_n_est_pas_une_base_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<bool>("valide");
    const QString membres = QStringLiteral("F5ABC,1234,Jean,2\r\nF6XYZ;12;Paul;1\r\n");
    QByteArray utf16("\xff\xfe");
    utf16.append(reinterpret_cast<const char*>(membres.utf16()), membres.size() * 2);
    ligne_donnees("page HTML",
                  QByteArray("<!DOCTYPE html>\r\n<html><head><style>p { color: red; }</style>\r\n"
                             "</head><body><p>F5ABC, 1234</p></body></html>\r\n"),
                  false);
    ligne_donnees("vide", QByteArray(), false);
    ligne_donnees("lignes blanches", QByteArray("\r\n  \r\n\t\r\n"), false);
    ligne_donnees("titre seul", QByteArray("CALL,NR,NOM,X\r\n"), false);
    ligne_donnees("UTF-16", utf16, false);
    ligne_donnees("moitie de lignes etrangeres",
                  QByteArray("CALL,NR\r\nF5ABC,1,a,b\r\nx\r\nF6XYZ,2,c,d\r\ny\r\n"), false);
    ligne_donnees("une ligne seule", QByteArray("F5ABC , 1234,Jean"), true);
    ligne_donnees("titre puis membres", QByteArray("Indicatif;Numéro\r\nF5ABC;1234;Jean;x\r\n"),
                  true);
    ligne_donnees("quelques lignes etrangeres",
                  QByteArray("F5ABC+,1234,Jean,2\r\n# fin\r\nF6XYZ,12,Paul,1\r\n"), true);
}

void TestMembres::fichier_qui_n_est_pas_une_base() {
    QFETCH(QByteArray, octets);
    QFETCH(bool, valide);
    ecrire_octets(base(), octets);
    const BaseMembres membres(base());
    const ResultatMembre r = membres.chercher_membre(QStringLiteral("F5ABC"));
    QCOMPARE(r.base_trouvee, valide);
    QCOMPARE(r.membre_numero, valide ? QStringLiteral("1234") : QStringLiteral("NM"));
    QCOMPARE(refus_base_membres(lire_lignes(base())).isEmpty(), valide);
}

void TestMembres::appel_vide_donne_vide() {
    ecrire_lignes(base(), {QStringLiteral(",55,Sans indicatif,2")});
    const BaseMembres membres(base());
    QCOMPARE(membres.chercher_membre(QStringLiteral("F5ABC")).membre_numero, QStringLiteral("NM"));
    const ResultatMembre r = membres.chercher_membre(QString());
    QVERIFY(r.membre_numero.isEmpty());
    QVERIFY(r.membre_nom.isEmpty());
}

void TestMembres::base_remplacee_prise_en_compte() {
    ecrire_lignes(base(), {QStringLiteral("F5ABC,1111,Jean,2")});
    const BaseMembres membres(base());
    QCOMPARE(membres.chercher_membre(QStringLiteral("F5ABC")).membre_numero,
             QStringLiteral("1111"));
    ecrire_lignes(base(), {QStringLiteral("F5ABC,2222,Jean,2")});
    QCOMPARE(membres.chercher_membre(QStringLiteral("F5ABC")).membre_numero,
             QStringLiteral("2222"));
    // The name on disk may differ in case from the one the program asks for.
    QVERIFY(QFile::rename(base(), dossier_.filePath(QStringLiteral("ztc_MINI_2021.CSV"))));
    QCOMPARE(membres.chercher_membre(QStringLiteral("F5ABC")).membre_numero,
             QStringLiteral("2222"));
}

namespace {

QStringList textes(const QList<MembreTrouve>& membres) {
    QStringList t;
    for (const MembreTrouve& m : membres) {
        t.append(m.indicatif + QLatin1Char('=') + m.membre_numero);
    }
    return t;
}

} // namespace

void TestMembres::fragments_suivent_le_fichier() {
    // The copy of another case that an earlier test left would stand for the database.
    QFile::remove(dossier_.filePath(QStringLiteral("ztc_MINI_2021.CSV")));
    ecrire_lignes(base(), {QStringLiteral("F5ABC,1,Jean,x")});
    const BaseMembres membres(base());
    QCOMPARE(textes(membres.chercher_fragment(u"5A", 30).membres), QStringList{"F5ABC=1"});
    ecrire_lignes(base(), {QStringLiteral("F5ABC,2,Jean,x"), QStringLiteral("G5AAA,3,Bob,x")});
    QCOMPARE(textes(membres.chercher_fragment(u"5A", 30).membres),
             (QStringList{"F5ABC=2", "G5AAA=3"}));
    QVERIFY(QFile::remove(base()));
    const ResultatFragment absente = membres.chercher_fragment(u"5A", 30);
    QVERIFY(!absente.base_trouvee && absente.membres.isEmpty());
}

// Random databases and fragments: the index gives what filtering every call and sorting
// the matches gives, up to the limit.
void TestMembres::fragments_egaux_au_balayage() {
    QRandomGenerator g(2025);
    const QString signes = QStringLiteral("AF5B1Z/");
    const auto texte = [&](int n) {
        QString t;
        for (int i = 0; i < n; ++i) {
            t += signes[int(g.bounded(signes.size()))];
        }
        return t;
    };
    for (int essai = 0; essai < 40; ++essai) {
        QList<MembreTrouve> membres;
        for (int i = 0; i < 300; ++i) {
            membres.append({texte(int(g.bounded(2, 8))), QString::number(i)});
        }
        const IndexFragments index(membres);
        for (int question = 0; question < 200; ++question) {
            const QString fragment = texte(int(g.bounded(0, 5)));
            const qsizetype max = g.bounded(1, 40);
            QList<MembreTrouve> debut;
            QList<MembreTrouve> ailleurs;
            for (const MembreTrouve& m : membres) {
                if (fragment.size() >= 2 && m.indicatif.contains(fragment)) {
                    (m.indicatif.startsWith(fragment) ? debut : ailleurs).append(m);
                }
            }
            const auto ordre = [](const MembreTrouve& a, const MembreTrouve& b) {
                return a.indicatif < b.indicatif;
            };
            std::stable_sort(debut.begin(), debut.end(), ordre);
            std::stable_sort(ailleurs.begin(), ailleurs.end(), ordre);
            QCOMPARE(textes(index.chercher(fragment, max)), textes((debut + ailleurs).mid(0, max)));
        }
    }
}

QTEST_GUILESS_MAIN(TestMembres)
#include "tst_membres.moc"
