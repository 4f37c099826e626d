#include "dossier_essai.h"
#include "outil_cli.h"

#include "log/fichier_challenge.h"
#include "rules/textes_regles.h"

#include <QFile>
#include <QTest>

using namespace vorek;

class TstCliScore : public QObject {
    Q_OBJECT

  private slots:
    void score_ligne_par_ligne();
    void ecrire();
    void date_illisible();
    void base_absente();
};

namespace {

QString journal(DossierEssai& d) {
    d.ecrire_dxcc();
    d.ecrire_membres();
    d.ajouter({"10/07/2025", "10:00", "F5ABC", "20m", "599", "599", "", "", "", "a"});
    d.ajouter({"", "", "", "", "", "", "", "", "", ""});
    d.ajouter({"10/07/2025", "11:00", "F5ABC", "40m", "599", "599", "", "", "", "b"});
    d.ajouter({"11/07/2025", "11:00", "K1ZZ", "", "599", "599", "", "", "", ""});
    d.ajouter({"12/07/2024", "11:00", "X1XX", "20m", "599", "599", "", "", "", ""});
    sauver_fichier(d.etat, d.etat.fichier_courant);
    return chemin_dans_challenge(d.etat, d.etat.fichier_courant);
}

SortieCli score(const DossierEssai& d, const QString& fichier, const QStringList& options = {}) {
    return lancer_vorek(
        QStringList{"--racine", d.dossier.path(), "--aujourdhui", "01/03/2025", "score", fichier} +
        options);
}

} // namespace

void TstCliScore::score_ligne_par_ligne() {
    DossierEssai d;
    const QString fichier = journal(d);
    const SortieCli sortie = score(d, fichier);
    QCOMPARE(sortie.erreurs, QString());
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie,
             QStringLiteral("1\tF5ABC\t123\t4\ta\n"
                            "3\tF5ABC\t123\t0\tb >>>>>>>  Déjà QSO le même jour !  <<<<<<<<\n"
                            "4\tK1ZZ\t789\t0\t\n"
                            "5\tX1XX\tNM\t0\t NM car non à jour\n"
                            "total\t4\t4\n"));
    QCOMPARE(lire_challenge(fichier).cellules.ligne(1).value(col_points), QString());
}

void TstCliScore::ecrire() {
    DossierEssai d;
    const QString fichier = journal(d);
    QCOMPARE(score(d, fichier, {"--ecrire"}).code, 0);
    const ContenuChallenge contenu = lire_challenge(fichier);
    QCOMPARE(contenu.cellules.ligne(1).value(col_points), QStringLiteral("4"));
    QCOMPARE(contenu.cellules.ligne(5).value(col_notes), QStringLiteral(" NM car non à jour"));
    QCOMPARE(lancer_vorek({"--racine", d.dossier.path(), "score", "--ecrire"}).code, 2);
}

void TstCliScore::date_illisible() {
    DossierEssai d;
    journal(d);
    d.etat.table.fixer_cellule(col_date, 3, QStringLiteral("31/02/2025"));
    sauver_fichier(d.etat, d.etat.fichier_courant);
    const QString fichier = chemin_dans_challenge(d.etat, d.etat.fichier_courant);
    const SortieCli sortie = score(d, fichier, {"--ecrire"});
    QCOMPARE(sortie.code, 1);
    QCOMPARE(sortie.sortie, QString());
    QCOMPARE(sortie.erreurs,
             QStringLiteral("'31/02/2025 11:00' ne correspond pas à une date et une heure "
                            "correctes\n"));
    QCOMPARE(lire_challenge(fichier).cellules.ligne(1).value(col_points), QString());
}

// The rows go by the numbers the file holds, and the written file keeps them.
void TstCliScore::base_absente() {
    DossierEssai d;
    journal(d);
    d.etat.table.fixer_cellule(col_ztc, 1, QStringLiteral("123*"));
    sauver_fichier(d.etat, d.etat.fichier_courant);
    const QString fichier = chemin_dans_challenge(d.etat, d.etat.fichier_courant);
    QFile::remove(d.chemin_membres());
    const SortieCli sortie = score(d, fichier, {"--ecrire"});
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.erreurs, textes::base_membres_absente_score() + QLatin1Char('\n'));
    QVERIFY(sortie.sortie.startsWith(QStringLiteral("1\tF5ABC\t123*\t4\ta\n")));
    QVERIFY(sortie.sortie.endsWith(QStringLiteral("total\t4\t4\n")));
    const ContenuChallenge contenu = lire_challenge(fichier);
    QCOMPARE(contenu.cellules.ligne(1).value(col_ztc), QStringLiteral("123*"));
    QCOMPARE(contenu.cellules.ligne(5).value(col_ztc), QString());
}

QTEST_GUILESS_MAIN(TstCliScore)
#include "tst_cli_score.moc"
