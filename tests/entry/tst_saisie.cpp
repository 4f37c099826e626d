#include "ligne_donnees.h"
#include "poste_essai.h"

#include "log/etat.h"
#include "rules/bandes.h"

#include <QTest>

using namespace vorek;

class TstSaisie : public QObject {
    Q_OBJECT

  private slots:
    void recherche_a_partir_du_quatrieme_caractere();
    void qso_precedents_exacts();
    void indicatif_vide_vide_le_membre();
    void espace_data();
    void espace();
    void retour_enregistre();
    void grille_des_bandes();
    void bande_hors_liste();
    void temps_reel_et_differe();
    void horloge_utc_data();
    void horloge_utc();
    void messages_des_selecteurs();
    void numero_tape_marque_data();
    void numero_tape_marque();
    void effacer();
};

void TstSaisie::recherche_a_partir_du_quatrieme_caractere() {
    PosteEssai p;
    p.entree.Edit_RSTS = QStringLiteral("57");
    p.entree.Edit_callChange(QStringLiteral("f5a"));
    QCOMPARE(p.entree.Edit_call, QStringLiteral("F5A"));
    QCOMPARE(p.entree.Edit_RSTS, QStringLiteral("57"));
    QVERIFY(p.entree.Edit_NrZTC.isEmpty());
    p.entree.Edit_callChange(QStringLiteral("F5AB"));
    QCOMPARE(p.entree.Edit_NrZTC, QStringLiteral("NM"));
    QCOMPARE(p.entree.Edit_nomZTC, QString());
    QCOMPARE(p.entree.prefixe_affiche(), QStringLiteral("F"));
    p.entree.Edit_RSTS = QStringLiteral("57");
    p.entree.Edit_callChange(QStringLiteral("F5ABC"));
    QCOMPARE(p.entree.Edit_RSTS, QStringLiteral("599"));
    QCOMPARE(p.entree.Edit_RSTR, QStringLiteral("599"));
    QCOMPARE(p.entree.Edit_NrZTC, QStringLiteral("123"));
    QCOMPARE(p.entree.Edit_nomZTC, QStringLiteral("Jean Dupont"));
    // Unresolved: the empty item; member with no number: "NM" shown.
    p.entree.Edit_callChange(QStringLiteral("ZZ9ZZ"));
    QCOMPARE(p.entree.index_PFX, 3);
    p.entree.Edit_callChange(QStringLiteral("F6XYZ"));
    QCOMPARE(p.entree.Edit_NrZTC, QStringLiteral("NM"));
    QCOMPARE(p.entree.Edit_nomZTC, QStringLiteral("Sans Numero"));
}

void TstSaisie::qso_precedents_exacts() {
    PosteEssai p;
    p.d.ajouter({"08/07/2025", "09:00", "F5ABC", "20m", "", "", "", "", "Jean", ""});
    p.d.ajouter({"08/07/2025", "09:10", "F5ABC/P", "40m", "", "", "", "", "Jean", ""});
    p.d.ajouter({"09/07/2025", "09:20", "F5ABC", "sat", "", "", "", "", "J.", ""});
    p.entree.Edit_callChange(QStringLiteral("F5ABC"));
    const QList<QStringList> attendu{{"F5ABC", "08/07/2025", "09:00", "20m", "Jean"},
                                     {"F5ABC", "09/07/2025", "09:20", "sat", "J."},
                                     {"", "", "", "", ""}};
    QCOMPARE(p.entree.Grille_prec, attendu);
}

void TstSaisie::indicatif_vide_vide_le_membre() {
    PosteEssai p;
    p.entree.Edit_callChange(QStringLiteral("F5ABC"));
    p.entree.Edit_callChange(QString());
    p.entree.Edit_callExit();
    QCOMPARE(p.entree.Edit_NrZTC, QString());
    QCOMPARE(p.entree.Edit_nomZTC, QString());
    QCOMPARE(p.entree.index_PFX, -1);
}

void TstSaisie::espace_data() {
    QTest::addColumn<int>("champ");
    QTest::addColumn<bool>("utilisee");
    QTest::addColumn<int>("focus");
    QTest::addColumn<QString>("rsts");
    QTest::addColumn<QString>("rstr");
    ligne_donnees("bande", int(Champ::ComboBox_band), true, int(Champ::Edit_RSTS), "599", "");
    ligne_donnees("report envoye", int(Champ::Edit_RSTS), true, int(Champ::Edit_RSTR), "", "599");
    ligne_donnees("report recu", int(Champ::Edit_RSTR), true, int(Champ::Edit_Notes), "", "");
    // A call never holds a blank: Space ends it, as the reports do.
    ligne_donnees("indicatif", int(Champ::Edit_call), true, int(Champ::Edit_RSTS), "599", "");
    for (const Champ c : {Champ::Edit_Notes, Champ::Edit_NrZTC, Champ::Edit_nomZTC}) {
        QTest::addRow("texte %d", int(c)) << int(c) << false << int(c) << ""
                                          << "";
    }
}

void TstSaisie::espace() {
    QFETCH(int, champ);
    QFETCH(bool, utilisee);
    QFETCH(int, focus);
    QFETCH(QString, rsts);
    QFETCH(QString, rstr);
    PosteEssai p;
    p.entree.focus = Champ(champ);
    p.entree.choisir_bande(7);
    QCOMPARE(p.entree.touche(Champ(champ), Touche::espace), utilisee);
    QCOMPARE(int(p.entree.focus), focus);
    QCOMPARE(p.entree.Edit_RSTS, rsts);
    QCOMPARE(p.entree.Edit_RSTR, rstr);
    QCOMPARE(p.entree.bande_courante,
             QString::fromUtf8(champ == int(Champ::ComboBox_band) ? "15m" : ""));
    QVERIFY(!p.entree.touche(Champ(champ), Touche::autre));
}

void TstSaisie::retour_enregistre() {
    PosteEssai p;
    p.saisir(QStringLiteral("DL1AA"));
    QVERIFY(p.entree.touche(Champ::Edit_Notes, Touche::retour));
    QCOMPARE(p.d.etat.table.cellule(col_indicatif, 1), QStringLiteral("DL1AA"));
    QCOMPARE(p.entree.libelles.Label_score, QStringLiteral("3 points"));
}

void TstSaisie::grille_des_bandes() {
    PosteEssai p;
    p.entree.focus = Champ::Edit_Notes;
    QVERIFY(!p.entree.cellule_HF_marquee(0, 1));
    p.entree.StringGrid_HFSelectCell(5, 1);
    QCOMPARE(p.entree.bande_selectionnee(), QStringLiteral("20m"));
    QCOMPARE(p.entree.texte_bande, QStringLiteral("20m"));
    QVERIFY(p.entree.cellule_HF_marquee(5, 1));
    QVERIFY(!p.entree.cellule_HF_marquee(5, 0));
    QVERIFY(!p.entree.cellule_HF_marquee(4, 1));
    QCOMPARE(p.entree.focus, Champ::Edit_call);
    p.entree.StringGrid_HFSelectCell(2, 0);
    QCOMPARE(p.entree.bande_selectionnee(), QStringLiteral("20m"));
    p.entree.ComboBox_bandChange(QStringLiteral("sat"));
    QVERIFY(p.entree.cellule_HF_marquee(14, 1));
    QCOMPARE(etiquettes_HF().last(), QStringLiteral("SAT"));
    // Every column of the grid chooses the band of its place in the band table.
    const QStringList textes = bandes();
    QCOMPARE(etiquettes_HF().size(), textes.size());
    for (int c = 0; c < int(textes.size()); ++c) {
        p.entree.StringGrid_HFSelectCell(c, 1);
        QCOMPARE(p.entree.bande_selectionnee(), textes[c]);
        QVERIFY(p.entree.cellule_HF_marquee(c, 1));
    }
}

void TstSaisie::bande_hors_liste() {
    PosteEssai p;
    p.saisir(QStringLiteral("DL1AA"));
    p.entree.ComboBox_bandChange(QStringLiteral("3cm"));
    QCOMPARE(p.entree.index_bande, -1);
    for (int c = 0; c < int(bandes().size()); ++c) {
        QVERIFY(!p.entree.cellule_HF_marquee(c, 1));
    }
    p.entree.BitBtn_validerClick();
    QCOMPARE(p.d.etat.table.cellule(col_bande, 1), QString());
    QCOMPARE(p.d.etat.table.cellule(col_points, 1), QStringLiteral("0"));
}

void TstSaisie::temps_reel_et_differe() {
    PosteEssai p;
    QVERIFY(p.d.etat.temps_reel);
    QCOMPARE(p.entree.Label_temps_reel, QStringLiteral("Temps réel"));
    QCOMPARE(p.entree.couleur_temps_reel, (Rvb{255, 0, 0}));
    p.entree.passer_temps_differe();
    QCOMPARE(p.entree.Label_temps_reel, QStringLiteral("Temps différé"));
    QCOMPARE(p.entree.couleur_temps_reel, (Rvb{0, 0, 255}));
    p.entree.DateTimePicker_date = QDate(2025, 8, 15);
    p.entree.DateTimePicker_time = QTime(21, 7);
    p.horloge.avancer_secondes(3600);
    p.entree.Timer1Timer();
    p.saisir(QStringLiteral("DL1AA"));
    p.entree.BitBtn_validerClick();
    QCOMPARE(p.d.etat.table.ligne(1).mid(0, 2), (QStringList{"15/08/2025", "21:07"}));
    p.entree.passer_temps_reel();
    QCOMPARE(p.entree.DateTimePicker_date, QDate(2025, 7, 10));
}

void TstSaisie::horloge_utc_data() {
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<int>("biais");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("heure");
    const QDate jour(2025, 7, 10);
    ligne_donnees("heures entieres", QDateTime(jour, QTime(12, 0, 5)), -120, jour, QTime(10, 0, 5));
    ligne_donnees("demi-heure", QDateTime(jour, QTime(10, 0)), -330, jour, QTime(4, 30));
    ligne_donnees("trois quarts", QDateTime(jour, QTime(10, 0)), -345, jour, QTime(4, 15));
    ligne_donnees("ouest", QDateTime(jour, QTime(20, 0)), 210, jour, QTime(23, 30));
    // Around midnight the local and the UTC day differ: the UTC one goes with the UTC time.
    ligne_donnees("01:30 locales", QDateTime(jour, QTime(1, 30)), -120, jour.addDays(-1),
                  QTime(23, 30));
    ligne_donnees("dernier soir", QDateTime(QDate(2025, 9, 1), QTime(1, 30)), -120,
                  QDate(2025, 8, 31), QTime(23, 30));
    ligne_donnees("ouest apres minuit UTC", QDateTime(jour, QTime(22, 30)), 210, jour.addDays(1),
                  QTime(2, 0));
}

// Every tick, entering real time and so the commit take date and time from one UTC instant.
void TstSaisie::horloge_utc() {
    QFETCH(QDateTime, local);
    QFETCH(int, biais);
    QFETCH(QDate, date);
    QFETCH(QTime, heure);
    PosteEssai p;
    // Started three hours earlier, on another UTC day for some rows: the tick moves the date.
    HorlogeFixe horloge(local.addSecs(-3 * 3600), biais);
    EntreeQSO entree(p.d.etat, p.referentiel, horloge, p.dialogues);
    horloge.regler(local);
    entree.Timer1Timer();
    QCOMPARE(entree.DateTimePicker_date, date);
    QCOMPARE(entree.DateTimePicker_time, heure);
    entree.passer_temps_differe();
    entree.DateTimePicker_date = QDate(2000, 1, 1);
    entree.DateTimePicker_time = QTime(1, 1);
    entree.passer_temps_reel();
    QCOMPARE(entree.DateTimePicker_date, date);
    QCOMPARE(entree.DateTimePicker_time, heure);
    entree.Edit_callChange(QStringLiteral("DL1AA"));
    entree.BitBtn_validerClick();
    QCOMPARE(p.d.etat.table.ligne(1).mid(0, 2),
             (QStringList{date.toString(QStringLiteral("dd/MM/yyyy")),
                          heure.toString(QStringLiteral("hh:mm"))}));
}

void TstSaisie::messages_des_selecteurs() {
    PosteEssai p;
    p.entree.DateTimePicker_dateEnter();
    p.entree.DateTimePicker_timeEnter();
    QCOMPARE(p.dialogues.textes(),
             (QStringList{" Pour modifier la date, vous devez passer en temps différé",
                          " Pour modifier l'heure, vous devez passer en temps différé"}));
    p.entree.passer_temps_differe();
    p.entree.DateTimePicker_dateEnter();
    p.entree.DateTimePicker_timeEnter();
    QCOMPARE(p.dialogues.messages.size(), 2);
}

void TstSaisie::numero_tape_marque_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("une_fois");
    QTest::addColumn<QString>("deux_fois");
    ligne_donnees("numero de la base", "F5ABC", "123", "123", "123");
    ligne_donnees("numero change", "F5ABC", "124", "124*", "124**");
    ligne_donnees("non membre laisse", "X1XX", "NM", "NM", "NM");
    ligne_donnees("non membre tape", "X1XX", "55", "55*", "55**");
    ligne_donnees("sans indicatif", "", "12", "12*", "12**");
}

void TstSaisie::numero_tape_marque() {
    QFETCH(QString, indicatif);
    QFETCH(QString, tape);
    QFETCH(QString, une_fois);
    QFETCH(QString, deux_fois);
    PosteEssai p;
    p.entree.Edit_callChange(indicatif);
    p.entree.Edit_NrZTC = tape;
    p.entree.Edit_NrZTCExit();
    QCOMPARE(p.entree.Edit_NrZTC, une_fois);
    p.entree.Edit_NrZTCExit();
    QCOMPARE(p.entree.Edit_NrZTC, deux_fois);
}

void TstSaisie::effacer() {
    PosteEssai p;
    p.d.ajouter({"08/07/2025", "09:00", "F5ABC", "20m", "", "", "", "", "Jean", ""});
    p.d.etat.fichier_modifie = true;
    p.entree.choisir_bande(3);
    p.saisir(QStringLiteral("F5ABC"), QStringLiteral("note"));
    p.entree.passer_temps_differe();
    p.entree.BitBtn_efface_saisieClick();
    QVERIFY(p.entree.Edit_call.isEmpty() && p.entree.Edit_RSTS.isEmpty() &&
            p.entree.Edit_RSTR.isEmpty() && p.entree.Edit_Notes.isEmpty() &&
            p.entree.Edit_NrZTC.isEmpty() && p.entree.Edit_nomZTC.isEmpty());
    QCOMPARE(p.entree.index_PFX, -1);
    QCOMPARE(p.entree.Grille_prec, (QList<QStringList>(2, QStringList(5))));
    QVERIFY(!p.d.etat.fichier_modifie);
    QVERIFY(!p.d.etat.temps_reel);
    QCOMPARE(p.entree.bande_selectionnee(), QStringLiteral("40m"));
    QCOMPARE(p.d.etat.table.cellule(col_indicatif, 1), QStringLiteral("F5ABC"));
}

QTEST_GUILESS_MAIN(TstSaisie)
#include "tst_saisie.moc"
