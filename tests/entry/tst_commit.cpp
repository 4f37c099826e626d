#include "ligne_donnees.h"
#include "poste_essai.h"

#include "entry/libelles.h"
#include "log/etat.h"
#include "rules/indicatif.h"
#include "rules/textes_regles.h"

#include <QFile>
#include <QTest>

using namespace vorek;

namespace {

const QString annee = QStringLiteral("2025");

} // namespace

class TstCommit : public QObject {
    Q_OBJECT

  private slots:
    void verifications_data();
    void verifications();
    void qso_ecrit_note_et_sauve();
    void disque_egal_ecran_data();
    void disque_egal_ecran();
    void temps_reel_heure_du_retour_data();
    void temps_reel_heure_du_retour();
    void correction_en_place();
    void ligne_corrigee_disparue_ajoute_data();
    void ligne_corrigee_disparue_ajoute();
    void indicatif_blanc();
    void date_illisible_au_dessus();
    void calcul();
    void date_illisible_arrete_le_calcul_data();
    void date_illisible_arrete_le_calcul();
    void base_membres_absente_une_seule_fois();
};

void TstCommit::verifications_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("rsts");
    QTest::addColumn<QString>("rstr");
    QTest::addColumn<int>("issue");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    const QDate jour(2025, 7, 10);
    const int ok = int(IssueCommit::enregistre);
    const int call = int(Champ::Edit_call);
    ligne_donnees("indicatif vide", "", jour, "599", "599", int(IssueCommit::saisie_vide),
                  "  Saisie insuffisante pour être enregistrée  ", call);
    ligne_donnees("meme jour", "F5ABC", jour, "599", "599", int(IssueCommit::meme_jour),
                  " >>>>>>>  Déjà QSO le même jour !  <<<<<<<<", int(Champ::aucun));
    ligne_donnees("portable le meme jour", "F5ABC/P", jour, "599", "599", ok, "", call);
    ligne_donnees("autre jour", "F5ABC", jour.addDays(1), "599", "599", ok, "", call);
    ligne_donnees("report envoye court", "DL1AA", jour, "59", "599",
                  int(IssueCommit::report_envoye),
                  "  Le report envoyé ne correspond pas à un QSO CW   ", int(Champ::Edit_RSTS));
    ligne_donnees("report recu long", "DL1AA", jour, "599", "5999", int(IssueCommit::report_recu),
                  "  Le report reçu ne correspond pas à un QSO CW   ", int(Champ::Edit_RSTR));
    ligne_donnees("blanc devant le report", "DL1AA", jour, " 59", "579", ok, "", call);
    ligne_donnees("blanc dans l'indicatif", "F5NTZ 579", jour, "599", "599",
                  int(IssueCommit::indicatif_avec_blanc),
                  refus_indicatif_avec_blanc(QStringLiteral("F5NTZ 579"), 0), call);
}

void TstCommit::verifications() {
    QFETCH(QString, indicatif);
    QFETCH(QDate, date);
    QFETCH(QString, rsts);
    QFETCH(QString, rstr);
    QFETCH(int, issue);
    QFETCH(QString, message);
    QFETCH(int, focus);
    PosteEssai p;
    p.d.ajouter({"10/07/2025", "09:00", "F5ABC", "20m", "599", "599", "123", "4", "", ""});
    p.entree.passer_temps_differe();
    p.entree.Edit_call = indicatif;
    p.entree.DateTimePicker_date = date;
    p.entree.Edit_RSTS = rsts;
    p.entree.Edit_RSTR = rstr;
    p.entree.focus = Champ::aucun;
    QCOMPARE(int(p.entree.enregistrer_QSO()), issue);
    QCOMPARE(p.dialogues.textes(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(int(p.entree.focus), focus);
    const bool ecrit = issue == int(IssueCommit::enregistre);
    QCOMPARE(p.d.etat.ligne_suivante, ecrit ? 3 : 2);
    // Saved after a commit and after the empty-call box, never after a refusal.
    const bool sauve = ecrit || issue == int(IssueCommit::saisie_vide);
    QCOMPARE(QFile::exists(p.d.etat.rep_challenge + QStringLiteral("/ESSAI.VRK")), sauve);
    if (ecrit) {
        QCOMPARE(p.d.etat.table.cellule(col_rst_env, 2), rsts.trimmed());
        QVERIFY(p.entree.Edit_call.isEmpty());
    } else if (issue != int(IssueCommit::saisie_vide)) {
        QCOMPARE(p.entree.Edit_call, indicatif);
        QCOMPARE(p.entree.Edit_RSTS, rsts);
    }
}

void TstCommit::qso_ecrit_note_et_sauve() {
    PosteEssai p;
    p.entree.choisir_bande(5);
    p.saisir(QStringLiteral("f5abc"), QStringLiteral(" bonjour "));
    const Libelles libelles = p.entree.BitBtn_validerClick();
    const QStringList attendue{"10/07/2025", "10:00", "F5ABC", "20m",         "599",
                               "599",        "123",   "4",     "Jean Dupont", "bonjour"};
    QCOMPARE(p.d.etat.table.ligne(1), attendue);
    QCOMPARE(p.lignes_sauvees().value(0).mid(0, 7), attendue.mid(0, 7));
    QCOMPARE(p.lignes_sauvees().value(0).value(9), QStringLiteral("bonjour"));
    QCOMPARE(p.d.etat.table.nb_lignes(), 3);
    QCOMPARE(p.d.etat.ligne_suivante, 2);
    QCOMPARE(libelles.Label_score, QStringLiteral("4 points"));
    QCOMPARE(libelles.Label_nbrQSO, QStringLiteral("1"));
    QVERIFY(libelles.titre->endsWith(QStringLiteral(":ESSAI.VRK (1 QSO)")));
    QVERIFY(p.entree.Edit_call.isEmpty() && p.entree.Edit_NrZTC.isEmpty() &&
            p.entree.Edit_Notes.isEmpty() && p.entree.index_PFX == -1);
    QCOMPARE(p.entree.bande_selectionnee(), QStringLiteral("20m"));
    QCOMPARE(p.entree.bande_courante, QStringLiteral("20m"));
    QCOMPARE(p.entree.Grille_prec.size(), 1);
}

void TstCommit::disque_egal_ecran_data() {
    QTest::addColumn<QString>("au_dessus");
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("remarque");
    ligne_donnees("membre", "", "F5ABC", "4", "");
    ligne_donnees("non membre", "", "F4ZZZ", "0", " NM car non à jour");
    ligne_donnees("meme membre, meme bande", "09/07/2025;09:00;F5ABC;20m", "F5ABC", "0",
                  " Déjà QSO sur cette bande");
    // The rescoring stops above the new row: the row is saved all the same.
    ligne_donnees("date illisible au-dessus", "9/7;09:00;DL1AA;20m", "F5ABC", "", "");
}

// The file holds what the grid shows once the commit is over, points and remarks
// included, from one save: no earlier version of it is left behind as a backup.
void TstCommit::disque_egal_ecran() {
    QFETCH(QString, au_dessus);
    QFETCH(QString, indicatif);
    QFETCH(QString, points);
    QFETCH(QString, remarque);
    PosteEssai p;
    if (!au_dessus.isEmpty()) {
        p.d.ajouter(DossierEssai::ligne_decrite(au_dessus));
    }
    p.entree.choisir_bande(5);
    p.saisir(indicatif);
    p.entree.BitBtn_validerClick();
    const int ligne = p.d.etat.ligne_suivante - 1;
    QCOMPARE(p.d.etat.table.cellule(col_indicatif, ligne), indicatif);
    QCOMPARE(p.d.etat.table.cellule(col_points, ligne), points);
    QCOMPARE(p.d.etat.table.cellule(col_notes, ligne), remarque);
    QCOMPARE(p.lignes_sauvees(), p.lignes_table());
    QVERIFY(!QFile::exists(p.d.etat.rep_challenge + QStringLiteral("/ESSAI.VRK.bak")));
}

void TstCommit::temps_reel_heure_du_retour_data() {
    QTest::addColumn<bool>("differe");
    QTest::addColumn<QString>("heure");
    // The clock was stopped 75 s ago (another window open): the pickers lag behind.
    ligne_donnees("temps reel", false, "10:01");
    ligne_donnees("temps differe", true, "09:59");
}

void TstCommit::temps_reel_heure_du_retour() {
    QFETCH(bool, differe);
    QFETCH(QString, heure);
    PosteEssai p;
    if (differe) {
        p.entree.passer_temps_differe();
    }
    p.entree.DateTimePicker_time = QTime(9, 59, 50);
    p.horloge.avancer_secondes(75);
    p.saisir(QStringLiteral("F5ABC"));
    QCOMPARE(p.entree.enregistrer_QSO(), IssueCommit::enregistre);
    QCOMPARE(p.lignes_sauvees().value(0).value(col_heure), heure);
}

void TstCommit::correction_en_place() {
    PosteEssai p;
    p.d.ajouter({"10/07/2025", "09:00", "F5ABC", "20m", "599", "599", "123", "4", "", ""});
    p.d.ajouter({"10/07/2025", "09:30", "DL1AA", "20m", "599", "599", "456", "4", "", ""});
    p.d.etat.fichier_modifie = true;
    p.d.etat.ligne_editee = 1;
    p.saisir(QStringLiteral("F5ABC"));
    p.entree.choisir_bande(3);
    QCOMPARE(p.entree.enregistrer_QSO(), IssueCommit::enregistre);
    QCOMPARE(p.d.etat.ligne_suivante, 3);
    QCOMPARE(p.d.etat.table.nb_lignes(), 4);
    QCOMPARE(p.d.colonne(col_bande), (QStringList{"40m", "20m", ""}));
    QVERIFY(!p.d.etat.fichier_modifie);
}

void TstCommit::ligne_corrigee_disparue_ajoute_data() {
    QTest::addColumn<int>("ligne_editee");
    ligne_donnees("ligne libre", 2);
    ligne_donnees("au-dela du journal", 9);
    ligne_donnees("zero", 0);
}

// A correction row that no longer names a QSO must not swallow the free row or vanish.
void TstCommit::ligne_corrigee_disparue_ajoute() {
    QFETCH(int, ligne_editee);
    PosteEssai p;
    p.d.ajouter({"10/07/2025", "09:00", "F5ABC", "20m", "599", "599", "123", "4", "", ""});
    p.d.etat.fichier_modifie = true;
    p.d.etat.ligne_editee = ligne_editee;
    p.saisir(QStringLiteral("DL1AA"));
    QCOMPARE(p.entree.enregistrer_QSO(), IssueCommit::enregistre);
    QCOMPARE(p.d.colonne(col_indicatif), (QStringList{"F5ABC", "DL1AA", ""}));
    QCOMPARE(p.d.etat.ligne_suivante, 3);
}

void TstCommit::indicatif_blanc() {
    PosteEssai p;
    p.entree.Edit_call = QStringLiteral("   ");
    p.entree.Edit_RSTS = p.entree.Edit_RSTR = QStringLiteral("599");
    const Libelles libelles = p.entree.BitBtn_validerClick();
    QCOMPARE(p.d.etat.ligne_suivante, 2);
    QCOMPARE(p.d.etat.table.cellule(col_indicatif, 1), QString());
    QCOMPARE(p.d.etat.table.cellule(col_points, 1), QString());
    QCOMPARE(libelles.Label_nbrQSO, QStringLiteral("0"));
}

void TstCommit::date_illisible_au_dessus() {
    PosteEssai p;
    p.d.ajouter({"xx", "09:00", "F5ABC", "20m", "599", "599", "123", "4", "", ""});
    p.saisir(QStringLiteral("F5ABC"));
    const Libelles libelles = p.entree.BitBtn_validerClick();
    QCOMPARE(p.dialogues.textes(), QStringList{"'xx' n'est pas une date correcte"});
    QCOMPARE(p.d.etat.ligne_suivante, 2);
    QCOMPARE(p.entree.Edit_call, QStringLiteral("F5ABC"));
    QVERIFY(!libelles.Label_score && !libelles.titre);
}

void TstCommit::calcul() {
    PosteEssai p;
    p.d.ajouter({"10/07/2025", "09:00", "F5ABC", "20m", "599", "599", "", "", "", ""});
    p.d.ajouter({"10/07/2025", "09:30", "K1ZZ", "20m", "599", "599", "", "", "", ""});
    QFile::remove(p.d.chemin_membres());
    // Without the database the rows go by their own, empty, numbers.
    const Libelles libelles = p.entree.BitBtn_calculClick();
    QCOMPARE(p.dialogues.textes(), QStringList{textes::base_membres_absente_score()});
    QCOMPARE(libelles.Label_score, QStringLiteral("0 points"));
    p.d.ecrire_membres();
    QCOMPARE(p.entree.BitBtn_calculClick().Label_score, QStringLiteral("7 points"));
}

void TstCommit::date_illisible_arrete_le_calcul_data() {
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<int>("total");
    ligne_donnees("date et heure de la ligne",
                  QStringList{"10/07/2025;10:00;F5ABC;20m", "32/07/2025;10:00;DL1AA;20m",
                              "10/07/2025;10:00;K1ZZ;20m"},
                  "'32/07/2025 10:00' ne correspond pas à une date et une heure correctes",
                  QStringList{"4", "", "7"}, 4);
    // The row above passed as date and time but its date cell alone does not read.
    ligne_donnees("date d'une ligne du meme indicatif",
                  QStringList{"10/07/2025 10:00;;F5ABC;20m", "11/07/2025;10:00;F5ABC;40m",
                              "10/07/2025;10:00;K1ZZ;20m"},
                  "'10/07/2025 10:00' n'est pas une date correcte", QStringList{"4", "", "7"}, 4);
    ligne_donnees("date d'une ligne plus haute du meme indicatif",
                  QStringList{"10/07/2025 10:00;;F5ABC;20m", "30/06/2025;10:00;F5ABC;40m",
                              "11/07/2025;10:00;F5ABC;40m"},
                  "'10/07/2025 10:00' n'est pas une date correcte", QStringList{"4", "0", "7"}, 4);
}

void TstCommit::date_illisible_arrete_le_calcul() {
    QFETCH(QStringList, lignes);
    QFETCH(QString, message);
    QFETCH(QStringList, points);
    QFETCH(int, total);
    DossierEssai d;
    d.ecrire_dxcc();
    d.ecrire_membres();
    for (const QString& l : lignes) {
        d.ajouter(DossierEssai::ligne_decrite(l));
    }
    d.etat.table.fixer_cellule(col_points, 3, QStringLiteral("7"));
    const Referentiel referentiel(d.etat.rep_cfg, d.etat.rep_BD);
    DialoguesScriptes dialogues;
    QVERIFY(!recalculer_score(d.etat, referentiel, dialogues, QString(), annee));
    QCOMPARE(dialogues.textes(), QStringList{message});
    QCOMPARE(d.colonne(col_points).mid(0, 3), points);
    QCOMPARE(d.etat.score_total, total);
}

void TstCommit::base_membres_absente_une_seule_fois() {
    DossierEssai d;
    d.ecrire_dxcc();
    for (int i = 0; i < 3; ++i) {
        d.ajouter(
            DossierEssai::ligne_decrite(QStringLiteral("1%1/07/2025;10:00;F5ABC;20m;12*3").arg(i)));
    }
    const Referentiel referentiel(d.etat.rep_cfg, d.etat.rep_BD);
    DialoguesScriptes dialogues;
    QVERIFY(recalculer_score(d.etat, referentiel, dialogues, QString(), annee));
    QCOMPARE(dialogues.textes(), QStringList{textes::base_membres_absente_score()});
    QCOMPARE(d.colonne(col_ztc).mid(0, 3), (QStringList{"12*3", "12*3", "12*3"}));
    QCOMPARE(d.etat.score_total, 4);
}

QTEST_GUILESS_MAIN(TstCommit)
#include "tst_commit.moc"
