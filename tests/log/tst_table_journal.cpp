#include "log/etat.h"
#include "log/table_journal.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace vorek;

class TestTableJournal : public QObject {
    Q_OBJECT

  private slots:
    void nouveau_journal();
    void lignes_inserees_et_supprimees();
    void vue_sans_ligne_entete();
    void lot_annonce_une_fois();
    void compter_et_titre_data();
    void compter_et_titre();
    void cellules_comme_des_listes();
};

void TestTableJournal::nouveau_journal() {
    Etat etat;
    QAbstractItemModelTester testeur(&etat.table,
                                     QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(etat.table.nb_lignes(), 2);
    QCOMPARE(etat.table.nb_colonnes(), 10);
    QCOMPARE(etat.ligne_suivante, 1);
    QCOMPARE(etat.table.cellule(col_date, 0), QStringLiteral("      DATE"));
    QCOMPARE(etat.table.cellule(col_notes, 0), QStringLiteral("                    NOTES"));
    QCOMPARE(etat.table.cellule(col_ztc, 0), QStringLiteral("n° ZTC"));
    QVERIFY(etat.table.ligne(1).join(QString()).isEmpty());
    QCOMPARE(etat.table.cellule(99, 99), QString());
    etat.version_prog = texte_version_prog(QStringLiteral("7.5.0.0"));
    etat.fichier_courant = QStringLiteral("/tmp/x/ETE.VRK");
    QVERIFY(titre_principal(etat).endsWith(QStringLiteral("ETE.VRK (0 QSO)")));
}

void TestTableJournal::lignes_inserees_et_supprimees() {
    TableJournal table;
    QAbstractItemModelTester testeur(&table,
                                     QAbstractItemModelTester::FailureReportingMode::QtTest);
    table.fixer_nb_lignes(5);
    for (int r = 1; r <= 3; ++r) {
        table.fixer_cellule(col_indicatif, r, QStringLiteral("F%1ABC").arg(r));
    }
    table.inserer_ligne(1);
    QCOMPARE(table.nb_lignes(), 6);
    QVERIFY(table.cellule(col_indicatif, 1).isEmpty());
    QCOMPARE(table.cellule(col_indicatif, 2), QStringLiteral("F1ABC"));
    table.supprimer_ligne(2);
    QCOMPARE(table.cellule(col_indicatif, 2), QStringLiteral("F2ABC"));
    QCOMPARE(table.nb_lignes(), 5);
    // The header and one row always remain.
    for (int i = 0; i < 10; ++i) {
        table.supprimer_ligne(1);
    }
    QCOMPARE(table.nb_lignes(), 2);
    QVERIFY(table.cellule(col_indicatif, 1).isEmpty());
    QCOMPARE(table.cellule(col_indicatif, 0), QStringLiteral("  INDICATIF"));
    table.supprimer_ligne(0);
    QCOMPARE(table.cellule(col_indicatif, 0), QStringLiteral("  INDICATIF"));
}

void TestTableJournal::vue_sans_ligne_entete() {
    TableJournal table;
    table.fixer_nb_lignes(3);
    table.fixer_cellule(col_indicatif, 1, QStringLiteral("F6XYZ"));
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.headerData(col_indicatif, Qt::Horizontal).toString(),
             QStringLiteral("  INDICATIF"));
    QCOMPARE(table.data(table.index(0, col_indicatif)).toString(), QStringLiteral("F6XYZ"));
    QSignalSpy change(&table, &TableJournal::dataChanged);
    QVERIFY(table.setData(table.index(1, col_nom), QStringLiteral("Marc")));
    QCOMPARE(table.cellule(col_nom, 2), QStringLiteral("Marc"));
    QCOMPARE(change.count(), 1);
}

void TestTableJournal::lot_annonce_une_fois() {
    TableJournal table;
    QAbstractItemModelTester testeur(&table,
                                     QAbstractItemModelTester::FailureReportingMode::QtTest);
    table.fixer_nb_lignes(100);
    QSignalSpy change(&table, &TableJournal::dataChanged);
    {
        const LotCellules lot(table);
        {
            const LotCellules imbrique(table);
            table.fixer_cellule(col_points, 40, QStringLiteral("4"));
        }
        QCOMPARE(change.count(), 0);
        table.fixer_cellule(col_notes, 7, QStringLiteral("x"));
        table.fixer_cellule(col_notes, 90, QStringLiteral("y"));
        table.fixer_nb_lignes(60);
    }
    QCOMPARE(change.count(), 1);
    QCOMPARE(change[0][0].toModelIndex(), table.index(6, 0));
    QCOMPARE(change[0][1].toModelIndex(), table.index(58, nb_colonnes_journal - 1));
    table.fixer_cellule(col_nom, 3, QStringLiteral("z"));
    QCOMPARE(change.count(), 2);
}

void TestTableJournal::compter_et_titre_data() {
    QTest::addColumn<QStringList>("indicatifs");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<int>("qso");
    QTest::addColumn<QString>("fin_titre");
    QTest::newRow("chemin complet") << QStringList{QStringLiteral("F5A"), QStringLiteral("F5B")}
                                    << QStringLiteral("/home/op/Logs/ETE.VRK") << 2
                                    << QStringLiteral(" : Fichier :ETE.VRK (2 QSO)");
    QTest::newRow("nom nu") << QStringList{QStringLiteral("F5A")} << QStringLiteral("ETE.VRK") << 1
                            << QStringLiteral(" : Fichier :ETE.VRK (1 QSO)");
    QTest::newRow("chemin windows")
        << QStringList{QStringLiteral("F5A")} << QStringLiteral("D:\\Logs\\ETE.VRK") << 1
        << QStringLiteral(" : Fichier :ETE.VRK (1 QSO)");
    // A row with cells but no call (an inserted row left empty) is not a QSO, for the
    // title either.
    QTest::newRow("ligne sans indicatif")
        << QStringList{QStringLiteral("F5A"), QString(), QStringLiteral("F5C")}
        << QStringLiteral("a.VRK") << 2 << QStringLiteral(" : Fichier :a.VRK (2 QSO)");
}

void TestTableJournal::compter_et_titre() {
    QFETCH(QStringList, indicatifs);
    QFETCH(QString, fichier);
    QFETCH(int, qso);
    QFETCH(QString, fin_titre);
    Etat etat;
    etat.version_prog = texte_version_prog(QStringLiteral("7.5.0.0"));
    etat.fichier_courant = fichier;
    etat.table.fixer_nb_lignes(int(indicatifs.size()) + 2);
    for (int i = 0; i < indicatifs.size(); ++i) {
        etat.table.fixer_cellule(col_date, i + 1, QStringLiteral("01/07/2025"));
        etat.table.fixer_cellule(col_indicatif, i + 1, indicatifs[i]);
    }
    etat.ligne_suivante = int(indicatifs.size()) + 1;
    QCOMPARE(compter_QSO(etat.table), qso);
    QCOMPARE(titre_principal(etat),
             QStringLiteral("CHALLENGE d'été VOREK  V7.5.0.0 (12/2023)") + fin_titre);
}

namespace {

// A row of the reference cut or filled to n cells.
QStringList a_la_largeur(QStringList ligne, int n) {
    ligne.resize(n);
    return ligne;
}

// The distinct texts other than the empty one.
qsizetype textes_distincts(const QList<QStringList>& lignes) {
    QSet<QString> textes;
    for (const QStringList& ligne : lignes) {
        for (const QString& texte : ligne) {
            if (!texte.isEmpty()) {
                textes.insert(texte);
            }
        }
    }
    return textes.size();
}

} // namespace

// Random edits of the compact cells and of plain lists of texts read the same (reorderings
// included), and a text no cell holds any more is let go.
void TestTableJournal::cellules_comme_des_listes() {
    QRandomGenerator alea(20261208);
    const QStringList mots{"", "F5ABC", "14/07/2025", "599", "20m", "é€ß", " F5ABC", "0"};
    const auto mot = [&] { return mots[alea.bounded(int(mots.size()))]; };
    int colonnes = 3;
    CellulesJournal cellules(colonnes);
    QList<QStringList> reference;
    for (int pas = 0; pas < 3000; ++pas) {
        const int n = int(reference.size());
        const int choix = int(alea.bounded(8));
        if (choix == 0 || n == 0) {
            QStringList ligne;
            for (int i = int(alea.bounded(colonnes + 2)); i > 0; --i) {
                ligne.append(mot());
            }
            cellules.ajouter(ligne);
            reference.append(a_la_largeur(ligne, colonnes));
        } else if (choix <= 2) {
            const int col = int(alea.bounded(colonnes));
            const int ligne = int(alea.bounded(n));
            const QString texte = mot();
            QCOMPARE(cellules.fixer(col, ligne, texte), reference[ligne][col] != texte);
            reference[ligne][col] = texte;
        } else if (choix == 3) {
            const int ligne = int(alea.bounded(n + 1));
            cellules.inserer_vides(ligne, 2);
            reference.insert(ligne, 2, QStringList(colonnes));
        } else if (choix == 4) {
            const int ligne = int(alea.bounded(n));
            cellules.supprimer(ligne);
            reference.removeAt(ligne);
        } else if (choix == 5) {
            const int lignes = int(alea.bounded(n + 3));
            cellules.redimensionner(lignes);
            reference.resize(lignes, QStringList(colonnes));
        } else if (choix == 6) {
            // Rows taken again in any order, some twice, some dropped, some new and empty.
            std::vector<int> anciennes;
            QList<QStringList> recomposees;
            for (int i = int(alea.bounded(n + 3)); i > 0; --i) {
                const int ancienne = int(alea.bounded(n + 1)) - 1;
                anciennes.push_back(ancienne);
                recomposees.append(ancienne < 0 ? QStringList(colonnes) : reference[ancienne]);
            }
            cellules.recomposer(anciennes);
            reference = recomposees;
        } else {
            colonnes = 1 + int(alea.bounded(4));
            cellules.changer_colonnes(colonnes);
            for (QStringList& ligne : reference) {
                ligne = a_la_largeur(ligne, colonnes);
            }
        }
        QCOMPARE(cellules.size(), reference.size());
        for (int ligne = 0; ligne < reference.size(); ++ligne) {
            QCOMPARE(cellules.ligne(ligne), reference[ligne]);
        }
        QCOMPARE(cellules.textes_tenus(), textes_distincts(reference));
    }
}

QTEST_GUILESS_MAIN(TestTableJournal)
#include "tst_table_journal.moc"
