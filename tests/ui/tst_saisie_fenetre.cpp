#include "banc_programme.h"
#include "ligne_donnees.h"
#include "log/fichier_challenge.h"
#include "ui/panneau_saisie.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace vorek;

// The main window's entry panel and log grid, driven with keys and clicks as an operator
// would, on a fixed clock during the contest (14/07/2025 10:00 local, 09:00 UTC).
class TestSaisieFenetre : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { banc_.reset(); }
    void qso_tape_au_clavier();
    void commit_refuse_garde_les_champs_data();
    void commit_refuse_garde_les_champs();
    void correction_par_double_clic();
    void double_clic_sur_la_ligne_libre();
    void insertion_en_ligne_1();
    void effacement_data();
    void effacement();
    void clic_dans_la_grille_des_bandes();
    void qso_en_temps_differe();
    void temps_reel_en_utc_data();
    void temps_reel_en_utc();
    void messages_des_selecteurs_data();
    void messages_des_selecteurs();
    void numero_tape_marque();
    void sortie_de_la_grille_recalcule();
    void espace_dans_l_indicatif_retour_dans_la_grille();
    void tris_et_extraction();
    void tri_sans_instantane_possible();
    void dessin_de_la_grille();

  private:
    const ControlesPrincipale* m() const { return banc_->controles_principale(); }
    Etat& etat() const { return *banc_->etat; }
    QString fichier() const { return banc_->travail(QStringLiteral("ete.VRK")); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    // A call typed into the call field, then Return.
    void saisir(const QString& indicatif);
    void double_clic(int ligne, int colonne);
    // The calls of the file on disk, in row order.
    QStringList indicatifs_sur_disque() const;
    QStringList indicatifs_table() const;
    std::unique_ptr<BancProgramme> banc_;
};

void TestSaisieFenetre::init() {
    banc_ = std::make_unique<BancProgramme>();
    QVERIFY(banc_->valide());
    banc_->horloge.regler(QDateTime(QDate(2025, 7, 14), QTime(10, 0)));
    banc_->serveur_absent();
    banc_->ecrire_references({QStringLiteral("F,France,F,EU,227")},
                             {QStringLiteral("F5ABC,123,Jean DUPONT,Paris"),
                              QStringLiteral("F6XYZ,456,Marie MARTIN,Lyon"),
                              QStringLiteral("F8ZZZ,789,Paul DURAND,Nice")});
    banc_->demarrer_sans_mise_a_jour();
    banc_->creer_challenge(QStringLiteral("F5ABC"), fichier());
    QVERIFY(m()->fenetre->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(m()->fenetre));
    QCOMPARE(focus(), m()->Edit_call);
    banc_->dialogues = DialoguesScriptes();
}

void TestSaisieFenetre::saisir(const QString& indicatif) {
    m()->Edit_call->setFocus();
    QTest::keyClicks(m()->Edit_call, indicatif);
    QTest::keyClick(m()->Edit_call, Qt::Key_Return);
}

void TestSaisieFenetre::double_clic(int ligne, int colonne) {
    QTableView* grille = m()->Grille;
    const QModelIndex index = etat().table.index(ligne - 1, colonne);
    const QPoint point = grille->visualRect(index).center();
    QTest::mouseClick(grille->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(grille->viewport(), Qt::LeftButton, {}, point);
}

QStringList TestSaisieFenetre::indicatifs_sur_disque() const {
    QStringList indicatifs;
    const ContenuChallenge contenu = lire_challenge(fichier());
    for (int r = 1; r < contenu.cellules.size(); ++r) {
        indicatifs.append(contenu.cellules.ligne(r).value(col_indicatif));
    }
    return indicatifs;
}

QStringList TestSaisieFenetre::indicatifs_table() const {
    QStringList indicatifs;
    for (int r = 1; r < etat().table.nb_lignes(); ++r) {
        indicatifs.append(etat().table.cellule(col_indicatif, r));
    }
    return indicatifs;
}

void TestSaisieFenetre::qso_tape_au_clavier() {
    QTest::keyClicks(m()->Edit_call, QStringLiteral("f6x"));
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("F6X"));
    QVERIFY(m()->Edit_RSTS->text().isEmpty());
    QTest::keyClicks(m()->Edit_call, QStringLiteral("yz"));
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("F6XYZ"));
    QCOMPARE(m()->Edit_NrZTC->text(), QStringLiteral("456"));
    QCOMPARE(m()->Edit_nomZTC->text(), QStringLiteral("Marie MARTIN"));
    QCOMPARE(m()->ComboBox_PFX->currentText(), QStringLiteral("F"));
    // Tab into a report puts the caret after its text, nothing selected.
    QTest::keyClick(focus(), Qt::Key_Tab);
    QCOMPARE(focus(), m()->Edit_RSTS);
    QCOMPARE(m()->Edit_RSTS->cursorPosition(), 3);
    QVERIFY(!m()->Edit_RSTS->hasSelectedText());

    // From the band, Space moves on to both reports and the notes.
    m()->ComboBox_band->setFocus();
    m()->Edit_RSTS->clear();
    QTest::keyClick(focus(), Qt::Key_Space);
    QCOMPARE(focus(), m()->Edit_RSTS);
    QCOMPARE(m()->Edit_RSTS->text(), QStringLiteral("599"));
    QCOMPARE(m()->Edit_RSTS->cursorPosition(), 3);
    QVERIFY(!m()->Edit_RSTS->hasSelectedText());
    QTest::keyClick(focus(), Qt::Key_Space);
    QCOMPARE(focus(), m()->Edit_RSTR);
    QTest::keyClick(focus(), Qt::Key_Space);
    QCOMPARE(focus(), m()->Edit_Notes);
    QCOMPARE(m()->Edit_RSTS->text(), QStringLiteral("599"));
    QCOMPARE(m()->Edit_RSTR->text(), QStringLiteral("599"));
    QTest::keyClicks(focus(), QStringLiteral("tres bon signal"));
    QCOMPARE(m()->Edit_Notes->text(), QStringLiteral("tres bon signal"));
    QTest::keyClick(focus(), Qt::Key_Return);

    QVERIFY(banc_->dialogues.messages.isEmpty());
    const QStringList attendu{QStringLiteral("14/07/2025"),   QStringLiteral("09:00"),
                              QStringLiteral("F6XYZ"),        QStringLiteral("160m"),
                              QStringLiteral("599"),          QStringLiteral("599"),
                              QStringLiteral("456"),          QStringLiteral("3"),
                              QStringLiteral("Marie MARTIN"), QStringLiteral("tres bon signal")};
    QCOMPARE(etat().table.ligne(1), attendu);
    QCOMPARE(etat().ligne_suivante, 2);
    QCOMPARE(etat().table.nb_lignes(), 3);
    // The file holds the row as the grid shows it, points included.
    QCOMPARE(lire_challenge(fichier()).cellules.ligne(1), attendu);
    QCOMPARE(m()->Label_score->text(), QStringLiteral("3 points"));
    QCOMPARE(m()->Label_nbrQSO->text(), QStringLiteral("1"));
    QVERIFY(m()->fenetre->windowTitle().endsWith(QStringLiteral("ete.VRK (1 QSO)")));
    for (QLineEdit* champ : {m()->Edit_call, m()->Edit_RSTS, m()->Edit_RSTR, m()->Edit_Notes,
                             m()->Edit_NrZTC, m()->Edit_nomZTC}) {
        QVERIFY2(champ->text().isEmpty(), qPrintable(champ->objectName()));
    }
    QCOMPARE(m()->ComboBox_band->currentText(), QStringLiteral("160m"));
    QCOMPARE(m()->ComboBox_PFX->currentIndex(), -1);
    QCOMPARE(focus(), m()->Edit_call);

    // The next call shows the QSO just logged among the earlier ones.
    QTest::keyClicks(m()->Edit_call, QStringLiteral("F6XYZ"));
    QCOMPARE(m()->Grille_prec->rowCount(), 2);
    QCOMPARE(m()->Grille_prec->item(0, 1)->text(), QStringLiteral("14/07/2025"));
    QCOMPARE(m()->Grille_prec->item(0, 4)->text(), QStringLiteral("Marie MARTIN"));
    // "Effacer" empties the entry and the earlier QSOs' texts.
    m()->BitBtn_efface_saisie->click();
    QVERIFY(m()->Edit_call->text().isEmpty());
    QVERIFY(m()->Edit_NrZTC->text().isEmpty());
    QVERIFY(m()->Grille_prec->item(0, 0)->text().isEmpty());
}

void TestSaisieFenetre::commit_refuse_garde_les_champs_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("rsts");
    QTest::addColumn<QString>("rstr");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("champ");
    ligne_donnees("même jour", "F6XYZ", "599", "599", int(TypeMessage::avertissement),
                  " >>>>>>>  Déjà QSO le même jour !  <<<<<<<<", "Edit_call");
    ligne_donnees("report envoyé de deux caractères", "F5ABC", "59", "599",
                  int(TypeMessage::avertissement),
                  "  Le report envoyé ne correspond pas à un QSO CW   ", "Edit_RSTS");
    ligne_donnees("report reçu de deux caractères", "F5ABC", "599", "59",
                  int(TypeMessage::avertissement),
                  "  Le report reçu ne correspond pas à un QSO CW   ", "Edit_RSTR");
}

void TestSaisieFenetre::commit_refuse_garde_les_champs() {
    QFETCH(QString, indicatif);
    QFETCH(QString, rsts);
    QFETCH(QString, rstr);
    QFETCH(int, type);
    QFETCH(QString, message);
    QFETCH(QString, champ);
    saisir(QStringLiteral("F6XYZ"));
    QCOMPARE(etat().ligne_suivante, 2);

    QTest::keyClicks(m()->Edit_call, indicatif);
    m()->Edit_RSTS->setText(rsts);
    m()->Edit_RSTR->setText(rstr);
    m()->Edit_Notes->setText(QStringLiteral("note"));
    m()->Edit_call->setFocus();
    QTest::keyClick(focus(), Qt::Key_Return);

    QCOMPARE(banc_->dialogues.messages.size(), 1);
    QCOMPARE(int(banc_->dialogues.messages[0].type), type);
    QCOMPARE(banc_->dialogues.messages[0].texte, message);
    QCOMPARE(focus()->objectName(), champ);
    QCOMPARE(m()->Edit_call->text(), indicatif);
    QCOMPARE(m()->Edit_RSTS->text(), rsts);
    QCOMPARE(m()->Edit_RSTR->text(), rstr);
    QCOMPARE(m()->Edit_Notes->text(), QStringLiteral("note"));
    QCOMPARE(etat().ligne_suivante, 2);
    QCOMPARE(indicatifs_sur_disque(), (QStringList{QStringLiteral("F6XYZ"), QString()}));
}

void TestSaisieFenetre::correction_par_double_clic() {
    saisir(QStringLiteral("F6XYZ"));
    m()->ComboBox_band->setCurrentText(QStringLiteral("40m"));
    saisir(QStringLiteral("F5ABC"));
    QCOMPARE(etat().ligne_suivante, 3);
    QVERIFY(m()->fenetre->entree().cellule_HF_marquee(3, 1));

    banc_->horloge.avancer_secondes(600);
    m()->panneau->Timer1Timer();
    double_clic(1, col_bande);
    QVERIFY(etat().fichier_modifie);
    QCOMPARE(etat().ligne_editee, 1);
    QCOMPARE(m()->Label_temps_reel->text(), QStringLiteral("Temps différé"));
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("F6XYZ"));
    QCOMPARE(m()->ComboBox_band->currentText(), QStringLiteral("160m"));
    // The band grid marks the band of the entry panel.
    QVERIFY(m()->fenetre->entree().cellule_HF_marquee(0, 1));
    QVERIFY(!m()->fenetre->entree().cellule_HF_marquee(3, 1));
    QCOMPARE(m()->Edit_NrZTC->text(), QStringLiteral("456"));
    QCOMPARE(focus(), m()->Edit_call);
    QCOMPARE(m()->Edit_call->cursorPosition(), 5);

    m()->Edit_RSTS->setFocus();
    m()->Edit_RSTS->clear();
    QTest::keyClicks(m()->Edit_RSTS, QStringLiteral("579"));
    QTest::keyClick(m()->Edit_RSTS, Qt::Key_Return);

    QVERIFY(banc_->dialogues.messages.isEmpty());
    QVERIFY(!etat().fichier_modifie);
    QCOMPARE(etat().ligne_suivante, 3);
    QCOMPARE(etat().table.cellule(col_rst_env, 1), QStringLiteral("579"));
    QCOMPARE(etat().table.cellule(col_indicatif, 1), QStringLiteral("F6XYZ"));
    QCOMPARE(etat().table.cellule(col_points, 1), QStringLiteral("3"));
    QCOMPARE(indicatifs_sur_disque(),
             (QStringList{QStringLiteral("F6XYZ"), QStringLiteral("F5ABC"), QString()}));
    QCOMPARE(lire_challenge(fichier()).cellules.ligne(1).value(col_rst_env), QStringLiteral("579"));

    // Real time again, as before the double-click: the next QSO is logged at the clock's
    // time, not at the corrected row's.
    QCOMPARE(m()->Label_temps_reel->text(), QStringLiteral("Temps réel"));
    saisir(QStringLiteral("F8ZZZ"));
    QCOMPARE(etat().table.ligne(3).mid(0, 3),
             (QStringList{QStringLiteral("14/07/2025"), QStringLiteral("09:10"),
                          QStringLiteral("F8ZZZ")}));
}

void TestSaisieFenetre::double_clic_sur_la_ligne_libre() {
    saisir(QStringLiteral("F6XYZ"));
    double_clic(2, col_indicatif);
    QVERIFY(!etat().fichier_modifie);
    QCOMPARE(m()->Label_temps_reel->text(), QStringLiteral("Temps réel"));
    QVERIFY(m()->Edit_call->text().isEmpty());
    // The next commit appends as usual.
    saisir(QStringLiteral("F5ABC"));
    QCOMPARE(indicatifs_table(),
             (QStringList{QStringLiteral("F6XYZ"), QStringLiteral("F5ABC"), QString()}));
}

void TestSaisieFenetre::insertion_en_ligne_1() {
    saisir(QStringLiteral("F6XYZ"));
    saisir(QStringLiteral("F5ABC"));
    m()->Grille->setCurrentIndex(etat().table.index(0, col_bande));
    m()->BitBtn_inserer->click();
    QCOMPARE(indicatifs_table(),
             (QStringList{QString(), QStringLiteral("F6XYZ"), QStringLiteral("F5ABC"), QString()}));
    QCOMPARE(etat().ligne_suivante, 4);
    QVERIFY(etat().fichier_modifie);
    QCOMPARE(etat().ligne_editee, 1);
    QCOMPARE(m()->Grille->currentIndex().row(), 0);
    QCOMPARE(focus(), m()->Edit_call);

    saisir(QStringLiteral("F8ZZZ"));
    QVERIFY(banc_->dialogues.messages.isEmpty());
    QCOMPARE(etat().ligne_suivante, 4);
    QCOMPARE(indicatifs_sur_disque(), (QStringList{QStringLiteral("F8ZZZ"), QStringLiteral("F6XYZ"),
                                                   QStringLiteral("F5ABC"), QString()}));
    QCOMPARE(m()->Label_nbrQSO->text(), QStringLiteral("3"));
}

void TestSaisieFenetre::effacement_data() {
    QTest::addColumn<bool>("ok");
    ligne_donnees("OK", true);
    ligne_donnees("Annuler", false);
}

void TestSaisieFenetre::effacement() {
    QFETCH(bool, ok);
    saisir(QStringLiteral("F6XYZ"));
    // A change in place, not saved yet: the deletion's save shows on disk.
    etat().table.fixer_cellule(col_nom, 1, QStringLiteral("changé"));
    m()->Grille->setCurrentIndex(etat().table.index(0, col_bande));
    banc_->dialogues.prevoir_reponse(ok ? Reponse::oui : Reponse::annuler);
    m()->BitBtn_effacer->click();

    QCOMPARE(banc_->dialogues.questions,
             QStringList{QStringLiteral("Voulez-vous réellement supprimer ce QSO ?\r\r"
                                        "F6XYZ le 14/07/2025 à 09:00")});
    const ContenuChallenge disque = lire_challenge(fichier());
    if (ok) {
        QCOMPARE(etat().table.nb_lignes(), 2);
        QCOMPARE(etat().ligne_suivante, 1);
        QCOMPARE(m()->Label_nbrQSO->text(), QStringLiteral("0"));
        QCOMPARE(m()->Label_score->text(), QStringLiteral("0 points"));
        QCOMPARE(disque.cellules.size(), 2);
        QVERIFY(disque.cellules.ligne(1).value(col_indicatif).isEmpty());
        QCOMPARE(m()->Grille->currentIndex().column(), int(col_indicatif));
    } else {
        QCOMPARE(etat().ligne_suivante, 2);
        QCOMPARE(m()->Label_nbrQSO->text(), QStringLiteral("1"));
        QCOMPARE(disque.cellules.ligne(1).value(col_indicatif), QStringLiteral("F6XYZ"));
        QCOMPARE(disque.cellules.ligne(1).value(col_nom), QStringLiteral("changé"));
    }
    QVERIFY(m()->fenetre->windowTitle().endsWith(QStringLiteral("(%1 QSO)").arg(ok ? 0 : 1)));

    // Nothing at all on the free row after the last QSO.
    banc_->dialogues = DialoguesScriptes();
    m()->Grille->setCurrentIndex(etat().table.index(etat().ligne_suivante - 1, 0));
    m()->BitBtn_effacer->click();
    QVERIFY(banc_->dialogues.questions.isEmpty());
}

void TestSaisieFenetre::clic_dans_la_grille_des_bandes() {
    QTableWidget* hf = m()->StringGrid_HF;
    const QModelIndex vingt = hf->model()->index(0, 5);
    const QPoint centre = hf->visualRect(vingt).center();
    QVERIFY(!m()->fenetre->entree().cellule_HF_marquee(5, 1));
    m()->Edit_RSTS->setFocus();
    QTest::mouseClick(hf->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(m()->ComboBox_band->currentText(), QStringLiteral("20m"));
    QCOMPARE(m()->ComboBox_band->currentIndex(), 5);
    QVERIFY(m()->fenetre->entree().cellule_HF_marquee(5, 1));
    QCOMPARE(focus(), m()->Edit_call);
    QCOMPARE(hf->viewport()->grab().toImage().pixelColor(centre), QColor(255, 0, 0));
    QCOMPARE(hf->viewport()->grab().toImage().pixelColor(
                 hf->visualRect(hf->model()->index(0, 4)).center()) == QColor(255, 0, 0),
             false);

    // The combo moves the mark; a text that is no band leaves none.
    m()->ComboBox_band->setCurrentIndex(3);
    QVERIFY(m()->fenetre->entree().cellule_HF_marquee(3, 1));
    QVERIFY(!m()->fenetre->entree().cellule_HF_marquee(5, 1));
    m()->ComboBox_band->setFocus();
    m()->ComboBox_band->lineEdit()->selectAll();
    QTest::keyClicks(m()->ComboBox_band->lineEdit(), QStringLiteral("17m"));
    QCOMPARE(m()->ComboBox_band->currentText(), QStringLiteral("17m"));
    QVERIFY(m()->fenetre->entree().cellule_HF_marquee(6, 1));
    m()->ComboBox_band->setEditText(QStringLiteral("3cm"));
    QVERIFY(!m()->fenetre->entree().cellule_HF_marquee(6, 1));
    saisir(QStringLiteral("F6XYZ"));
    QCOMPARE(etat().table.cellule(col_bande, 1), QString());
    QCOMPARE(etat().table.cellule(col_points, 1), QStringLiteral("0"));
}

void TestSaisieFenetre::qso_en_temps_differe() {
    QVERIFY(m()->Timer1->isActive());
    QCOMPARE(m()->Timer1->interval(), 1000);
    banc_->horloge.avancer_secondes(125);
    m()->panneau->Timer1Timer();
    QCOMPARE(m()->DateTimePicker_time->time().toString(QStringLiteral("HH:mm")),
             QStringLiteral("09:02"));

    m()->SpeedButton_temps_differe->click();
    QCOMPARE(m()->Label_temps_reel->text(), QStringLiteral("Temps différé"));
    QCOMPARE(m()->Label_temps_reel->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    m()->DateTimePicker_date->setFocus(Qt::TabFocusReason);
    m()->DateTimePicker_date->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(m()->DateTimePicker_date, QStringLiteral("20082025"));
    m()->DateTimePicker_time->setFocus(Qt::TabFocusReason);
    m()->DateTimePicker_time->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClicks(m()->DateTimePicker_time, QStringLiteral("2359"));
    QVERIFY(banc_->dialogues.messages.isEmpty());
    // The clock no longer moves the time.
    banc_->horloge.avancer_secondes(60);
    m()->panneau->Timer1Timer();
    saisir(QStringLiteral("F6XYZ"));
    QCOMPARE(etat().table.cellule(col_date, 1), QStringLiteral("20/08/2025"));
    QCOMPARE(etat().table.cellule(col_heure, 1), QStringLiteral("23:59"));
    QCOMPARE(lire_challenge(fichier()).cellules.ligne(1).value(col_heure), QStringLiteral("23:59"));

    m()->SpeedButton_temps_reel->click();
    QCOMPARE(m()->Label_temps_reel->text(), QStringLiteral("Temps réel"));
    QCOMPARE(m()->Label_temps_reel->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(m()->DateTimePicker_date->date(), QDate(2025, 7, 14));
}

void TestSaisieFenetre::temps_reel_en_utc_data() {
    QTest::addColumn<QTime>("locale");
    QTest::addColumn<bool>("bouton");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("heure");
    ligne_donnees("01:30 locales, temps reel repris", QTime(0, 30), true, "14/07/2025", "23:30");
    ligne_donnees("minuit UTC passe en temps reel", QTime(1, 30), false, "15/07/2025", "00:30");
}

// The day after at 00:30 local time it is still 14/07 in UTC; at 01:30 it is 15/07.
void TestSaisieFenetre::temps_reel_en_utc() {
    QFETCH(QTime, locale);
    QFETCH(bool, bouton);
    QFETCH(QString, date);
    QFETCH(QString, heure);
    banc_->horloge.regler(QDateTime(QDate(2025, 7, 15), locale));
    if (bouton) {
        m()->SpeedButton_temps_reel->click();
    }
    m()->panneau->Timer1Timer();
    QCOMPARE(m()->DateTimePicker_date->date().toString(QStringLiteral("dd/MM/yyyy")), date);
    saisir(QStringLiteral("F6XYZ"));
    QCOMPARE(etat().table.ligne(1).mid(0, 2), (QStringList{date, heure}));
}

void TestSaisieFenetre::messages_des_selecteurs_data() {
    QTest::addColumn<bool>("differe");
    QTest::addColumn<bool>("heure");
    QTest::addColumn<QString>("message");
    ligne_donnees("date en temps réel", false, false,
                  " Pour modifier la date, vous devez passer en temps différé");
    ligne_donnees("heure en temps réel", false, true,
                  " Pour modifier l'heure, vous devez passer en temps différé");
    ligne_donnees("date en temps différé", true, false, "");
    ligne_donnees("heure en temps différé", true, true, "");
}

void TestSaisieFenetre::messages_des_selecteurs() {
    QFETCH(bool, differe);
    QFETCH(bool, heure);
    QFETCH(QString, message);
    if (differe) {
        m()->SpeedButton_temps_differe->click();
    }
    QWidget* selecteur = heure ? static_cast<QWidget*>(m()->DateTimePicker_time)
                               : static_cast<QWidget*>(m()->DateTimePicker_date);
    selecteur->setFocus(Qt::TabFocusReason);
    QCOMPARE(focus(), selecteur);
    if (message.isEmpty()) {
        QVERIFY(banc_->dialogues.messages.isEmpty());
        return;
    }
    QCOMPARE(banc_->dialogues.messages.size(), 1);
    QCOMPARE(int(banc_->dialogues.messages[0].type), int(TypeMessage::simple));
    QCOMPARE(banc_->dialogues.messages[0].texte, message);
}

void TestSaisieFenetre::numero_tape_marque() {
    QTest::keyClicks(m()->Edit_call, QStringLiteral("F6XYZ"));
    m()->Edit_NrZTC->setFocus();
    m()->Edit_nomZTC->setFocus();
    QCOMPARE(m()->Edit_NrZTC->text(), QStringLiteral("456"));
    m()->Edit_NrZTC->setFocus();
    m()->Edit_NrZTC->setText(QStringLiteral("457"));
    m()->Edit_nomZTC->setFocus();
    QCOMPARE(m()->Edit_NrZTC->text(), QStringLiteral("457*"));
    QCOMPARE(m()->Edit_nomZTC->cursorPosition(), m()->Edit_nomZTC->text().size());
}

void TestSaisieFenetre::sortie_de_la_grille_recalcule() {
    saisir(QStringLiteral("F6XYZ"));
    QCOMPARE(m()->Label_score->text(), QStringLiteral("3 points"));
    m()->Grille->setFocus();
    etat().table.fixer_cellule(col_bande, 1, QStringLiteral("sat"));
    QCOMPARE(m()->Label_score->text(), QStringLiteral("3 points"));
    m()->Edit_RSTS->setFocus();
    QCOMPARE(m()->Label_score->text(), QStringLiteral("10 points"));
    QCOMPARE(etat().table.cellule(col_points, 1), QStringLiteral("10"));
    // Elsewhere, "Calcul" does it.
    etat().table.fixer_cellule(col_bande, 1, QStringLiteral("20m"));
    m()->BitBtn_calcul->click();
    QCOMPARE(m()->Label_score->text(), QStringLiteral("4 points"));
    QCOMPARE(m()->Label_nbrQSO->text(), QStringLiteral("1"));
    QVERIFY(banc_->dialogues.messages.isEmpty());
}

// Space ends the call as it ends a report; Return that ends a cell typed in the grid ends
// that edit only, which is on disk at once.
void TestSaisieFenetre::espace_dans_l_indicatif_retour_dans_la_grille() {
    m()->Edit_call->setFocus();
    QTest::keyClicks(m()->Edit_call, QStringLiteral("f6xyz "));
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("F6XYZ"));
    QCOMPARE(focus(), m()->Edit_RSTS);
    QTest::keyClick(focus(), Qt::Key_Return);
    QCOMPARE(indicatifs_table(), (QStringList{QStringLiteral("F6XYZ"), QString()}));

    m()->Grille->setFocus();
    m()->Grille->setCurrentIndex(etat().table.index_cellule(col_notes, 1));
    QTest::keyClick(m()->Grille, Qt::Key_B);
    QTest::keyClicks(focus(), QStringLiteral("onjour"));
    QTest::keyClick(focus(), Qt::Key_Return);
    QTRY_COMPARE(etat().table.cellule(col_notes, 1), QStringLiteral("bonjour"));
    QVERIFY(banc_->dialogues.messages.isEmpty());
    QCOMPARE(etat().ligne_suivante, 2);
    QCOMPARE(lire_challenge(fichier()).cellules.ligne(1).value(col_notes),
             QStringLiteral("bonjour"));
}

void TestSaisieFenetre::tris_et_extraction() {
    for (const char* indicatif : {"F6XYZ", "DL1AA", "F5ABC"}) {
        banc_->horloge.avancer_secondes(60);
        m()->panneau->Timer1Timer();
        saisir(QString::fromLatin1(indicatif));
    }
    QCOMPARE(etat().table.cellule(col_ztc, 2), QStringLiteral("NM"));

    m()->SpeedButton_tri_CALL->click();
    QCOMPARE(indicatifs_table(), (QStringList{QStringLiteral("DL1AA"), QStringLiteral("F5ABC"),
                                              QStringLiteral("F6XYZ"), QString()}));
    const QString instantane = banc_->travail(QStringLiteral("temp.txt"));
    QCOMPARE(lire_challenge(instantane).cellules.ligne(1).value(col_indicatif),
             QStringLiteral("F6XYZ"));

    // A QSO logged after the sort by call stays when the date order comes back.
    banc_->horloge.avancer_secondes(60);
    m()->panneau->Timer1Timer();
    saisir(QStringLiteral("F8ZZZ"));
    m()->SpeedButton_tri_DATE->click();
    QCOMPARE(indicatifs_table(),
             (QStringList{QStringLiteral("F6XYZ"), QStringLiteral("DL1AA"), QStringLiteral("F5ABC"),
                          QStringLiteral("F8ZZZ"), QString()}));
    QCOMPARE(m()->Label_nbrQSO->text(), QStringLiteral("4"));

    m()->SpeedButton_tri_ZTC->click();
    QCOMPARE(indicatifs_table(), (QStringList{QStringLiteral("F6XYZ"), QStringLiteral("F5ABC"),
                                              QStringLiteral("F8ZZZ"), QString()}));
    QCOMPARE(etat().ligne_suivante, 4);
    QCOMPARE(m()->Label_nbrQSO->text(), QStringLiteral("3"));
    QVERIFY(m()->Timer1->isActive());
    QVERIFY(banc_->dialogues.messages.isEmpty());
}

void TestSaisieFenetre::tri_sans_instantane_possible() {
    saisir(QStringLiteral("F6XYZ"));
    saisir(QStringLiteral("F5ABC"));
    QVERIFY(QDir().mkpath(banc_->travail(QStringLiteral("temp.txt"))));
    m()->SpeedButton_tri_CALL->click();
    QCOMPARE(banc_->dialogues.messages.size(), 1);
    QCOMPARE(int(banc_->dialogues.messages[0].type), int(TypeMessage::erreur));
    QCOMPARE(indicatifs_table(),
             (QStringList{QStringLiteral("F6XYZ"), QStringLiteral("F5ABC"), QString()}));
}

namespace {

bool contient_couleur(const QImage& image, const QRect& zone, const QColor& couleur) {
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        for (int x = zone.left(); x <= zone.right(); ++x) {
            if (image.pixelColor(x, y) == couleur) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

void TestSaisieFenetre::dessin_de_la_grille() {
    saisir(QStringLiteral("F6XYZ"));
    saisir(QStringLiteral("F5ABC"));
    saisir(QStringLiteral("F8ZZZ"));
    QTableView* grille = m()->Grille;
    grille->setCurrentIndex(etat().table.index(1, col_nom));
    const QImage image = grille->viewport()->grab().toImage();
    const auto zone = [&](int ligne, int colonne) {
        return grille->visualRect(etat().table.index(ligne - 1, colonne));
    };
    const auto coin = [&](int ligne, int colonne) {
        return image.pixelColor(zone(ligne, colonne).topLeft() + QPoint(1, 1));
    };
    const QColor aqua(0, 255, 255);
    QCOMPARE(coin(2, col_date), aqua);
    QVERIFY(coin(2, col_nom) != aqua);
    QVERIFY(coin(1, col_date) != aqua);
    QVERIFY(coin(3, col_date) != aqua);
    QVERIFY(contient_couleur(image, zone(1, col_indicatif), QColor(255, 0, 0)));
    QVERIFY(contient_couleur(image, zone(3, col_points), QColor(0, 128, 0)));
    QVERIFY(!contient_couleur(image, zone(1, col_nom), QColor(255, 0, 0)));
}

QTEST_MAIN(TestSaisieFenetre)
#include "tst_saisie_fenetre.moc"
