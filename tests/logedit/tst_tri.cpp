#include "poste_essai.h"

#include "log/fichier_challenge.h"
#include "logedit/tri.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vorek;

namespace {

void journal(DossierEssai& d, const QStringList& indicatifs, const QStringList& numeros = {}) {
    for (int i = 0; i < indicatifs.size(); ++i) {
        d.ajouter({QStringLiteral("10/07/2025"),
                   QStringLiteral("10:%1").arg(i, 2, 10, QLatin1Char('0')), indicatifs[i], "20m",
                   "599", "599", numeros.value(i), "", "", QString::number(i)});
    }
}

// The exchange sort of the rows read literally: (call, first position) pairs.
QList<std::pair<QString, int>> tri_litteral(const QStringList& indicatifs) {
    QList<std::pair<QString, int>> t;
    for (int i = 0; i < indicatifs.size(); ++i) {
        t.append({indicatifs[i], i});
    }
    for (int i = 0; i < t.size(); ++i) {
        for (int j = i + 1; j < t.size(); ++j) {
            if (t[j].first < t[i].first) {
                t.swapItemsAt(i, j);
            }
        }
    }
    return t;
}

} // namespace

class TstTri : public QObject {
    Q_OBJECT

  private slots:
    void tri_par_indicatif_data();
    void tri_par_indicatif();
    void tri_comme_l_echange_litteral();
    void instantane_meme_sans_qso();
    void retour_a_l_ordre_des_dates();
    void retour_garde_les_qso_ajoutes();
    void retour_rend_l_ordre_des_egaux();
    void extraction_data();
    void extraction();
    void extraction_garde_la_correction();
};

void TstTri::tri_par_indicatif_data() {
    QTest::addColumn<QStringList>("avant");
    QTest::addColumn<QStringList>("apres");
    // The notes column holds the original position.
    QTest::newRow("egaux non stables")
        << QStringList{"X", "X", "A"} << QStringList{"2:A", "1:X", "0:X"};
    QTest::newRow("vides d'abord")
        << QStringList{"F5ABC", "", "DL1AA"} << QStringList{"1:", "2:DL1AA", "0:F5ABC"};
    QTest::newRow("majuscules avant minuscules")
        << QStringList{"f5a", "Z9Z", "F5A"} << QStringList{"2:F5A", "1:Z9Z", "0:f5a"};
    QTest::newRow("prefixe plus court")
        << QStringList{"F5ABC/P", "F5ABC"} << QStringList{"1:F5ABC", "0:F5ABC/P"};
}

void TstTri::tri_par_indicatif() {
    QFETCH(QStringList, avant);
    QFETCH(QStringList, apres);
    DossierEssai d;
    journal(d, avant);
    trier_par_indicatif(d.etat);
    QStringList obtenu;
    for (int r = 1; r <= avant.size(); ++r) {
        obtenu.append(d.etat.table.cellule(col_notes, r) + QLatin1Char(':') +
                      d.etat.table.cellule(col_indicatif, r));
    }
    QCOMPARE(obtenu, apres);
    QCOMPARE(d.etat.table.ligne(avant.size() + 1), QStringList(10));
}

void TstTri::tri_comme_l_echange_litteral() {
    QRandomGenerator g(7);
    for (int essai = 0; essai < 300; ++essai) {
        DossierEssai d;
        QStringList indicatifs;
        const int n = int(g.bounded(0, 40));
        for (int i = 0; i < n; ++i) {
            indicatifs.append(QStringList{"A", "B", "C", "", "a", "AB", "B/P"}[int(g.bounded(7))]);
        }
        journal(d, indicatifs);
        trier_par_indicatif(d.etat);
        // The notes column holds each row's first position: equal calls must come out in
        // the literal sort's order too.
        QStringList attendu;
        for (const auto& [indicatif, position] : tri_litteral(indicatifs)) {
            attendu.append(indicatif + QLatin1Char(':') + QString::number(position));
        }
        QStringList obtenu;
        for (int r = 1; r <= n; ++r) {
            obtenu.append(d.etat.table.cellule(col_indicatif, r) + QLatin1Char(':') +
                          d.etat.table.cellule(col_notes, r));
        }
        QCOMPARE(obtenu, attendu);
    }
}

void TstTri::instantane_meme_sans_qso() {
    DossierEssai d;
    trier_par_indicatif(d.etat);
    const ContenuChallenge contenu =
        lire_challenge(d.etat.rep_challenge + QLatin1Char('/') + nom_instantane_tri());
    QCOMPARE(contenu.lignes, 2);
    QCOMPARE(d.etat.table.nb_lignes(), 2);
}

void TstTri::retour_a_l_ordre_des_dates() {
    DossierEssai d;
    journal(d, {"K1ZZ", "F5ABC", "DL1AA", "F5ABC"});
    d.etat.table.fixer_largeur(3, 77);
    const QStringList avant = lignes_challenge(d.etat);
    trier_par_indicatif(d.etat);
    QCOMPARE(lire_challenge(d.etat.rep_challenge + QStringLiteral("/temp.txt")).cellules.size(), 6);
    QVERIFY(lignes_challenge(d.etat) != avant);
    trier_par_date(d.etat);
    QCOMPARE(lignes_challenge(d.etat), avant);
}

void TstTri::retour_garde_les_qso_ajoutes() {
    PosteEssai p;
    journal(p.d, {"K1ZZ", "F5ABC", "DL1AA"});
    p.d.ajouter({"09/07/2025", "23:00", "A1", "", "", "", "", "", "", "x"});
    p.d.ajouter({"09/07/2025", "23:00", "B1", "", "", "", "", "", "", "y"});
    p.d.ajouter({"", "", "", "", "", "", "", "", "", "vide"});
    trier_par_indicatif(p.d.etat);
    p.entree.passer_temps_differe();
    p.entree.DateTimePicker_date = QDate(2025, 7, 10);
    p.entree.DateTimePicker_time = QTime(10, 1, 30);
    p.saisir(QStringLiteral("JA1AA"));
    p.entree.BitBtn_validerClick();
    trier_par_date(p.d.etat);
    QCOMPARE(p.d.colonne(col_indicatif),
             (QStringList{"A1", "B1", "K1ZZ", "F5ABC", "JA1AA", "DL1AA", "", ""}));
    QCOMPARE(p.d.etat.ligne_suivante, 8);
}

// Random logs in date order with many QSOs at the same minute (the same call twice among
// them): sorted by call once or twice, then by date, they come back row for row, points
// and remarks included; QSOs logged in between go after the equal moments they join.
void TstTri::retour_rend_l_ordre_des_egaux() {
    QRandomGenerator g(11);
    const QStringList indicatifs{"K1ZZ", "F5ABC", "DL1AA", "A1", "F5ABC", "ZZ9", "B2"};
    for (int essai = 0; essai < 200; ++essai) {
        DossierEssai d;
        const int n = int(g.bounded(2, 30));
        int minute = 0;
        for (int i = 0; i < n; ++i) {
            minute += int(g.bounded(0, 2));
            d.ajouter({QStringLiteral("10/07/2025"),
                       QStringLiteral("10:%1").arg(minute, 2, 10, QLatin1Char('0')),
                       indicatifs[int(g.bounded(indicatifs.size()))], "20m", "599", "599",
                       QString::number(i), QString::number(g.bounded(3)), "", QString::number(i)});
        }
        const QStringList avant = lignes_challenge(d.etat);
        const int tris = int(g.bounded(1, 3));
        for (int t = 0; t < tris; ++t) {
            trier_par_indicatif(d.etat);
        }
        const bool ajout = g.bounded(2) == 1;
        if (ajout) {
            d.ajouter({"10/07/2025", "10:00", "AAA", "20m", "599", "599", "", "", "", "ajout"});
        }
        trier_par_date(d.etat);
        QVERIFY(d.etat.ordre_avant_tri.isEmpty());
        if (!ajout) {
            QCOMPARE(lignes_challenge(d.etat), avant);
            continue;
        }
        QStringList notes = d.colonne(col_notes);
        const qsizetype place = notes.indexOf(QStringLiteral("ajout"));
        // After every QSO of its minute logged before it.
        QVERIFY(d.etat.table.cellule(col_heure, int(place) + 2) != QStringLiteral("10:00"));
        notes.removeAt(place);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(notes[i], QString::number(i));
        }
    }
}

void TstTri::extraction_data() {
    QTest::addColumn<QStringList>("numeros");
    QTest::addColumn<QStringList>("restants");
    QTest::newRow("deux non membres")
        << QStringList{"1", "NM", "", "NM", "4"} << QStringList{"0", "2", "4", ""};
    QTest::newRow("tous non membres") << QStringList{"NM", "NM"} << QStringList{""};
    QTest::newRow("journal vide") << QStringList{} << QStringList{""};
}

void TstTri::extraction() {
    QFETCH(QStringList, numeros);
    QFETCH(QStringList, restants);
    DossierEssai d;
    QStringList indicatifs;
    for (int i = 0; i < numeros.size(); ++i) {
        indicatifs.append(QStringLiteral("F5A%1").arg(i));
    }
    journal(d, indicatifs, numeros);
    QCOMPARE(extraire_membres(d.etat), restants.size() - 1);
    QCOMPARE(d.colonne(col_notes), restants);
    QCOMPARE(d.etat.ligne_suivante, int(restants.size()));
    const QStringList une_fois = lignes_challenge(d.etat);
    extraire_membres(d.etat);
    QCOMPARE(lignes_challenge(d.etat), une_fois);
}

// A correction under way follows its QSO, and ends when the QSO is extracted away.
void TstTri::extraction_garde_la_correction() {
    DossierEssai d;
    journal(d, {"A1", "B1", "C1"}, {"NM", "1", "2"});
    d.etat.fichier_modifie = true;
    d.etat.ligne_editee = 3;
    extraire_membres(d.etat);
    QVERIFY(d.etat.fichier_modifie);
    QCOMPARE(d.etat.ligne_editee, 2);
    QCOMPARE(d.etat.table.cellule(col_indicatif, 2), QStringLiteral("C1"));
    d.etat.table.fixer_cellule(col_ztc, 2, QStringLiteral("NM"));
    extraire_membres(d.etat);
    QVERIFY(!d.etat.fichier_modifie);
}

QTEST_GUILESS_MAIN(TstTri)
#include "tst_tri.moc"
