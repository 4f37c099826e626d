#include "ligne_donnees.h"
#include "poste_essai.h"

#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "logedit/edition_grille.h"

#include <QDir>
#include <QTest>

using namespace vorek;

namespace {

void journal(DossierEssai& d, int n) {
    const QStringList indicatifs{"F5ABC", "DL1AA", "K1ZZ", "JA1AA"};
    for (int i = 0; i < n; ++i) {
        d.ajouter({QStringLiteral("1%1/07/2025").arg(i), "10:0" + QString::number(i),
                   indicatifs[i % 4], "20m", "599", "579", "", "", "Nom", "n"});
    }
}

} // namespace

class TstEditionGrille : public QObject {
    Q_OBJECT

  private slots:
    void transfert_puis_correction();
    void correction_rend_le_mode_de_temps_data();
    void correction_rend_le_mode_de_temps();
    void transfert_bande_inconnue();
    void transfert_ligne_sans_date_data();
    void transfert_ligne_sans_date();
    void insertion_en_tete();
    void effacement_data();
    void effacement();
    void effacement_sur_la_ligne_libre();
    void effacement_pendant_une_correction_non_sauvee_data();
    void effacement_pendant_une_correction_non_sauvee();
    void sortie_de_la_grille();
    void ligne_inseree_abandonnee_non_comptee();
    void saisie_de_cellule_data();
    void saisie_de_cellule();
    void disque_suit_chaque_changement();
    void dessin_data();
    void dessin();
};

void TstEditionGrille::transfert_puis_correction() {
    PosteEssai p;
    journal(p.d, 3);
    p.d.etat.table.fixer_cellule(col_notes, 2, QStringLiteral("n Déjà QSO sur cette bande"));
    p.entree.choisir_bande(0);
    QVERIFY(transferer_ligne(p.entree, 2));
    // The operator's note comes back, the scoring's remark does not.
    QCOMPARE(p.entree.Edit_Notes, QStringLiteral("n"));
    // The band grid marks the band taken back, not the one chosen before.
    QVERIFY(p.entree.cellule_HF_marquee(5, 1));
    QVERIFY(!p.entree.cellule_HF_marquee(0, 1));
    QVERIFY(p.d.etat.fichier_modifie);
    QCOMPARE(p.d.etat.ligne_editee, 2);
    QVERIFY(!p.d.etat.temps_reel);
    QCOMPARE(p.entree.Edit_call, QStringLiteral("DL1AA"));
    QCOMPARE(p.entree.DateTimePicker_date, QDate(2025, 7, 11));
    QCOMPARE(p.entree.DateTimePicker_time, QTime(10, 1));
    QCOMPARE(p.entree.Edit_RSTR, QStringLiteral("579"));
    QCOMPARE(p.entree.Edit_NrZTC, QString());
    QCOMPARE(p.entree.Edit_nomZTC, QStringLiteral("Nom"));
    QCOMPARE(p.entree.bande_selectionnee(), QStringLiteral("20m"));
    QCOMPARE(p.entree.bande_courante, QStringLiteral("20m"));
    // The row is untouched until the commit, which overwrites it in place.
    QCOMPARE(p.d.etat.table.cellule(col_ztc, 2), QString());
    p.entree.Edit_Notes = QStringLiteral("corrige");
    p.entree.touche(Champ::Edit_Notes, Touche::retour);
    QCOMPARE(p.d.colonne(col_indicatif), (QStringList{"F5ABC", "DL1AA", "K1ZZ", ""}));
    QCOMPARE(p.d.etat.table.cellule(col_points, 2), QStringLiteral("4"));
    QCOMPARE(p.lignes_sauvees().value(1).value(col_notes), QStringLiteral("corrige"));
    QCOMPARE(p.d.etat.ligne_suivante, 4);
}

void TstEditionGrille::transfert_bande_inconnue() {
    PosteEssai p;
    journal(p.d, 1);
    p.d.etat.table.fixer_cellule(col_bande, 1, QStringLiteral("???"));
    p.entree.touche(Champ::ComboBox_band, Touche::espace);
    p.entree.choisir_bande(0);
    QVERIFY(transferer_ligne(p.entree, 1));
    QCOMPARE(p.entree.index_bande, -1);
    QCOMPARE(p.entree.bande_courante, QStringLiteral("160m"));
    QVERIFY(!p.entree.cellule_HF_marquee(0, 1));
}

void TstEditionGrille::correction_rend_le_mode_de_temps_data() {
    QTest::addColumn<bool>("differe");
    QTest::addColumn<bool>("abandon");
    QTest::addColumn<int>("transferts");
    ligne_donnees("temps reel, corrigee", false, false, 1);
    ligne_donnees("temps reel, abandonnee", false, true, 1);
    ligne_donnees("temps reel, deux lignes reprises", false, false, 2);
    ligne_donnees("temps differe, corrigee", true, false, 1);
    ligne_donnees("temps differe, deux lignes reprises", true, false, 2);
}

// After a correction the next QSO takes the date and time it would have had without it:
// the clock's in real time, the ones typed in deferred time.
void TstEditionGrille::correction_rend_le_mode_de_temps() {
    QFETCH(bool, differe);
    QFETCH(bool, abandon);
    QFETCH(int, transferts);
    PosteEssai p;
    journal(p.d, 2);
    QDate date(2025, 7, 10);
    QTime heure(10, 0);
    if (differe) {
        p.entree.passer_temps_differe();
        date = QDate(2025, 7, 20);
        heure = QTime(21, 7);
        p.entree.DateTimePicker_date = date;
        p.entree.DateTimePicker_time = heure;
    }
    for (int t = 0; t < transferts; ++t) {
        QVERIFY(transferer_ligne(p.entree, 2 - t));
        QVERIFY(!p.d.etat.temps_reel);
    }
    if (abandon) {
        p.entree.BitBtn_efface_saisieClick();
    } else {
        p.entree.Edit_RSTS = QStringLiteral("579");
        p.entree.BitBtn_validerClick();
        QCOMPARE(p.d.etat.table.cellule(col_rst_env, 3 - transferts), QStringLiteral("579"));
    }
    QCOMPARE(p.d.etat.temps_reel, !differe);
    p.horloge.avancer_secondes(60);
    p.entree.Timer1Timer();
    p.saisir(QStringLiteral("K1ZZ"));
    p.entree.BitBtn_validerClick();
    QCOMPARE(p.d.etat.table.ligne(3).mid(0, 3),
             (QStringList{date.toString(QStringLiteral("dd/MM/yyyy")),
                          heure.addSecs(differe ? 0 : 60).toString(QStringLiteral("hh:mm")),
                          QStringLiteral("K1ZZ")}));
}

void TstEditionGrille::transfert_ligne_sans_date_data() {
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("heure");
    ligne_donnees("ligne libre", 3, "", "");
    ligne_donnees("date illisible", 1, "??", "10:00");
    ligne_donnees("heure illisible", 1, "10/07/2025", "");
    ligne_donnees("hors du journal", 7, "", "");
}

void TstEditionGrille::transfert_ligne_sans_date() {
    QFETCH(int, ligne);
    QFETCH(QString, date);
    QFETCH(QString, heure);
    PosteEssai p;
    journal(p.d, 2);
    if (ligne == 1) {
        p.d.etat.table.fixer_cellule(col_date, 1, date);
        p.d.etat.table.fixer_cellule(col_heure, 1, heure);
    }
    QVERIFY(!transferer_ligne(p.entree, ligne));
    QVERIFY(!p.d.etat.fichier_modifie);
    QVERIFY(p.d.etat.temps_reel);
    QVERIFY(p.entree.Edit_call.isEmpty());
}

void TstEditionGrille::insertion_en_tete() {
    PosteEssai p;
    journal(p.d, 3);
    p.entree.focus = Champ::aucun;
    inserer_ligne(p.entree, 1);
    QCOMPARE(p.d.colonne(col_indicatif), (QStringList{"", "F5ABC", "DL1AA", "K1ZZ", ""}));
    QCOMPARE(p.d.etat.ligne_suivante, 5);
    QCOMPARE(p.d.etat.ligne_editee, 1);
    QVERIFY(p.d.etat.fichier_modifie);
    QCOMPARE(p.entree.focus, Champ::Edit_call);
    p.saisir(QStringLiteral("JA1AA"));
    p.entree.DateTimePicker_date = QDate(2025, 7, 9);
    p.entree.BitBtn_validerClick();
    QCOMPARE(p.d.colonne(col_indicatif), (QStringList{"JA1AA", "F5ABC", "DL1AA", "K1ZZ", ""}));
}

void TstEditionGrille::effacement_data() {
    QTest::addColumn<int>("qso");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("indicatifs");
    QTest::addColumn<QString>("compte");
    QTest::addColumn<QString>("qso_nomme");
    ligne_donnees("seul QSO", 1, 1, true, QStringList{""}, "0", "F5ABC le 10/07/2025 à 10:00");
    ligne_donnees("milieu", 3, 2, true, QStringList{"F5ABC", "K1ZZ", ""}, "2",
                  "DL1AA le 11/07/2025 à 10:01");
    ligne_donnees("annuler", 3, 2, false, QStringList{"F5ABC", "DL1AA", "K1ZZ", ""}, "3",
                  "DL1AA le 11/07/2025 à 10:01");
}

void TstEditionGrille::effacement() {
    QFETCH(int, qso);
    QFETCH(int, ligne);
    QFETCH(bool, ok);
    QFETCH(QStringList, indicatifs);
    QFETCH(QString, compte);
    QFETCH(QString, qso_nomme);
    PosteEssai p;
    journal(p.d, qso);
    p.dialogues.prevoir_reponse(ok ? Reponse::oui : Reponse::annuler);
    const ResultatEffacement r = effacer_ligne(p.entree, ligne);
    // The operator sees which QSO goes before saying yes.
    QCOMPARE(
        p.dialogues.questions,
        QStringList{QStringLiteral("Voulez-vous réellement supprimer ce QSO ?\r\r") + qso_nomme});
    QCOMPARE(r.supprimee, ok);
    QCOMPARE(r.ligne_courante, ligne);
    QCOMPARE(p.d.colonne(col_indicatif), indicatifs);
    QCOMPARE(p.d.etat.ligne_suivante, indicatifs.size());
    // OK or Cancel, the log is scored, labelled and saved.
    QCOMPARE(r.libelles.Label_nbrQSO, compte);
    QCOMPARE(r.libelles.Label_score, texte_score(p.d.etat.score_total));
    QVERIFY(r.libelles.titre->endsWith(QStringLiteral(" (") + compte + QStringLiteral(" QSO)")));
    QCOMPARE(p.lignes_sauvees().size(), indicatifs.size());
    QVERIFY(!p.d.etat.table.cellule(col_points, 1).isEmpty() || qso == 1);
}

void TstEditionGrille::effacement_sur_la_ligne_libre() {
    PosteEssai p;
    effacer_ligne(p.entree, 1);
    journal(p.d, 2);
    effacer_ligne(p.entree, 3);
    QVERIFY(p.dialogues.questions.isEmpty());
    QCOMPARE(p.d.etat.table.nb_lignes(), 4);
}

void TstEditionGrille::effacement_pendant_une_correction_non_sauvee_data() {
    QTest::addColumn<int>("effacee");
    QTest::addColumn<bool>("correction");
    QTest::addColumn<int>("editee");
    ligne_donnees("au-dessus", 1, true, 1);
    ligne_donnees("en dessous", 3, true, 2);
    ligne_donnees("la ligne corrigee", 2, false, 2);
}

// A save that fails leaves the correction pending: it must still name the QSO it was
// taken from, or end with it, never fall on a neighbour.
void TstEditionGrille::effacement_pendant_une_correction_non_sauvee() {
    QFETCH(int, effacee);
    QFETCH(bool, correction);
    QFETCH(int, editee);
    PosteEssai p;
    journal(p.d, 4);
    QVERIFY(transferer_ligne(p.entree, 2));
    const QString fichier = chemin_dans_challenge(p.d.etat, p.d.etat.fichier_courant);
    // A folder where the log should be: the save fails.
    QVERIFY(QDir().mkdir(fichier));
    p.dialogues.prevoir_reponse(Reponse::oui);
    QVERIFY(effacer_ligne(p.entree, effacee).supprimee);
    QCOMPARE(p.dialogues.textes().size(), 1);
    QCOMPARE(p.d.etat.fichier_modifie, correction);
    if (correction) {
        QCOMPARE(p.d.etat.ligne_editee, editee);
        QCOMPARE(p.d.etat.table.cellule(col_indicatif, editee), QStringLiteral("DL1AA"));
    }
}

void TstEditionGrille::sortie_de_la_grille() {
    PosteEssai p;
    journal(p.d, 2);
    p.d.etat.table.fixer_cellule(col_indicatif, 2, QStringLiteral("F5ABC"));
    const Libelles l = quitter_grille(p.entree);
    QCOMPARE(p.d.colonne(col_points).mid(0, 2), (QStringList{"4", "0"}));
    QCOMPARE(l.Label_score, QStringLiteral("4 points"));
    QCOMPARE(l.Label_nbrQSO, QStringLiteral("2"));
    QVERIFY(!l.titre);
    QVERIFY(!QFile::exists(p.d.etat.rep_challenge + QStringLiteral("/ESSAI.VRK")));
}

// An empty row inserted and left is no QSO: every count and the title say so.
void TstEditionGrille::ligne_inseree_abandonnee_non_comptee() {
    PosteEssai p;
    journal(p.d, 3);
    inserer_ligne(p.entree, 2);
    p.entree.BitBtn_efface_saisieClick();
    QCOMPARE(p.d.etat.ligne_suivante, 5);
    QCOMPARE(quitter_grille(p.entree).Label_nbrQSO, QStringLiteral("3"));
    const Libelles calcul = p.entree.BitBtn_calculClick();
    QCOMPARE(calcul.Label_nbrQSO, QStringLiteral("3"));
    QVERIFY(calcul.titre->endsWith(QStringLiteral(" (3 QSO)")));
    p.dialogues.prevoir_reponse(Reponse::annuler);
    const ResultatEffacement r = effacer_ligne(p.entree, 1);
    QCOMPARE(r.libelles.Label_nbrQSO, QStringLiteral("3"));
    QVERIFY(r.libelles.titre->endsWith(QStringLiteral(" (3 QSO)")));
}

void TstEditionGrille::saisie_de_cellule_data() {
    QTest::addColumn<int>("ligne");
    QTest::addColumn<int>("colonne");
    QTest::addColumn<QString>("texte");
    // Call, member number, name and notes of the row afterwards.
    QTest::addColumn<QStringList>("cellules");
    QTest::addColumn<bool>("refus");
    const QString note = QStringLiteral("n");
    ligne_donnees("autre membre", 1, int(col_indicatif), " k1zz ",
                  QStringList{"K1ZZ", "789", "Bob Smith", note}, false);
    ligne_donnees("non membre", 1, int(col_indicatif), "F4ZZZ",
                  QStringList{"F4ZZZ", "NM", "", note + " NM car non à jour"}, false);
    ligne_donnees("blanc dans l'indicatif", 1, int(col_indicatif), "F5NTZ 579",
                  QStringList{"F5ABC", "", "Nom", note}, true);
    ligne_donnees("note", 2, int(col_notes), "bonjour",
                  QStringList{"DL1AA", "456", "Nom", "bonjour"}, false);
    ligne_donnees("ligne libre", 3, int(col_date), "12/07/2025", QStringList{"", "", "", ""},
                  false);
}

// A cell typed in the grid is on disk at once, with what the rescoring made of it; a call
// with a blank is refused and nothing is written.
void TstEditionGrille::saisie_de_cellule() {
    QFETCH(int, ligne);
    QFETCH(int, colonne);
    QFETCH(QString, texte);
    QFETCH(QStringList, cellules);
    QFETCH(bool, refus);
    PosteEssai p;
    journal(p.d, 2);
    const Libelles libelles = saisir_cellule(p.entree, colonne, ligne, texte);
    const TableJournal& table = p.d.etat.table;
    QCOMPARE((QStringList{table.cellule(col_indicatif, ligne), table.cellule(col_ztc, ligne),
                          table.cellule(col_nom, ligne), table.cellule(col_notes, ligne)}),
             cellules);
    QCOMPARE(p.dialogues.textes().size(), refus ? 1 : 0);
    if (refus) {
        QVERIFY(p.dialogues.textes().value(0).contains(QString::number(ligne)));
        QVERIFY(!libelles.titre);
        QVERIFY(!QFile::exists(chemin_dans_challenge(p.d.etat, p.d.etat.fichier_courant)));
        return;
    }
    QCOMPARE(p.lignes_sauvees(), p.lignes_table());
    QCOMPARE(libelles.Label_nbrQSO, QStringLiteral("2"));
    // The free row, once typed into, is the log's: the next QSO goes below it.
    p.saisir(QStringLiteral("ZZ9ZZ"));
    p.entree.BitBtn_validerClick();
    QCOMPARE(p.d.colonne(col_indicatif).mid(ligne == 3 ? 3 : 2), (QStringList{"ZZ9ZZ", ""}));
}

// Whatever changes the log from the grid (a cell, an insertion, a deletion, a sort) leaves
// the file equal to the table, and a correction under way waiting for its commit.
void TstEditionGrille::disque_suit_chaque_changement() {
    PosteEssai p;
    journal(p.d, 4);
    QVERIFY(transferer_ligne(p.entree, 2));
    const auto verifier = [&](const char* etape) {
        QVERIFY2(p.lignes_sauvees() == p.lignes_table(), etape);
        QVERIFY(p.d.etat.fichier_modifie);
        QCOMPARE(p.d.etat.table.cellule(col_indicatif, p.d.etat.ligne_editee),
                 QStringLiteral("DL1AA"));
    };
    saisir_cellule(p.entree, col_notes, 3, QStringLiteral("note"));
    verifier("cellule");
    inserer_ligne(p.entree, 4);
    p.entree.BitBtn_efface_saisieClick();
    QVERIFY(transferer_ligne(p.entree, 2));
    verifier("insertion");
    p.dialogues.prevoir_reponse(Reponse::oui);
    effacer_ligne(p.entree, 1);
    verifier("effacement");
    trier_par_indicatif_et_sauver(p.entree);
    verifier("tri par indicatif");
    trier_par_date_et_sauver(p.entree);
    verifier("tri par date");
    p.entree.Edit_RSTS = QStringLiteral("559");
    p.entree.BitBtn_validerClick();
    QCOMPARE(p.lignes_sauvees().value(0).value(col_indicatif), QStringLiteral("DL1AA"));
    QCOMPARE(p.lignes_sauvees().value(0).value(col_rst_env), QStringLiteral("559"));
    QCOMPARE(compter_QSO(p.d.etat.table), 3);
}

void TstEditionGrille::dessin_data() {
    QTest::addColumn<int>("colonne");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<bool>("selectionnee");
    QTest::addColumn<bool>("aqua");
    QTest::addColumn<int>("rouge");
    QTest::addColumn<int>("vert");
    ligne_donnees("entete indicatif", 2, 0, false, false, 0, 0);
    ligne_donnees("entete points", 7, 0, false, false, 0, 0);
    ligne_donnees("ligne impaire", 0, 1, false, false, 0, 0);
    ligne_donnees("ligne paire", 0, 2, false, true, 0, 0);
    ligne_donnees("paire choisie", 0, 4, true, false, 0, 0);
    ligne_donnees("indicatif", 2, 3, false, false, 255, 0);
    ligne_donnees("points", 7, 2, false, true, 0, 128);
}

void TstEditionGrille::dessin() {
    QFETCH(int, colonne);
    QFETCH(int, ligne);
    QFETCH(bool, selectionnee);
    QFETCH(bool, aqua);
    QFETCH(int, rouge);
    QFETCH(int, vert);
    const StyleCellule style = style_cellule(colonne, ligne, selectionnee);
    QCOMPARE(style.fond_aqua, aqua);
    QCOMPARE(style.texte, (Rvb{rouge, vert, 0}));
    QVERIFY(style.gras);
}

QTEST_GUILESS_MAIN(TstEditionGrille)
#include "tst_edition_grille.moc"
