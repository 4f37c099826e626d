// The operator's habits: the last session reopened, Escape, Alt+D and Alt+H, F1, the
// "Mises à jour" item, and Qt's own texts in French.

#include "banc_programme.h"
#include "base/fichier_texte.h"
#include "base/journal_diagnostic.h"
#include "log/fichier_challenge.h"
#include "log/table_journal.h"
#include "ui/fenetre_aide.h"
#include "ui/francais.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

using namespace vorek;

namespace {

const QStringList membres{QStringLiteral("F5ABC,123,Jean DUPONT,Paris"),
                          QStringLiteral("F6XYZ,456,Marie MARTIN,Lyon")};

} // namespace

class TestHabitudes : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void reprise_de_la_derniere_seance_data();
    void reprise_de_la_derniere_seance();
    void echap_vide_la_saisie();
    void date_et_heure_au_clavier();
    void aide_dans_le_programme();
    void mise_a_jour_des_references_data();
    void mise_a_jour_des_references();
    void qt_en_francais();

  private:
    const ControlesPrincipale* m() const { return banc_->controles_principale(); }
    QString fichier() const { return banc_->travail(QStringLiteral("ete.VRK")); }
    void saisir(const QString& indicatif);
    std::unique_ptr<BancProgramme> banc_;
};

void TestHabitudes::init() {
    banc_ = std::make_unique<BancProgramme>();
    QVERIFY(banc_->valide());
    banc_->horloge.regler(QDateTime(QDate(2025, 7, 14), QTime(10, 0)));
    banc_->serveur_absent();
    banc_->ecrire_references({QStringLiteral("F,France,F,EU,227")}, membres);
    banc_->demarrer_sans_mise_a_jour();
    banc_->creer_challenge(QStringLiteral("F5ABC"), fichier());
    QVERIFY(QTest::qWaitForWindowActive(m()->fenetre));
    banc_->dialogues = DialoguesScriptes();
}

void TestHabitudes::saisir(const QString& indicatif) {
    m()->Edit_call->setFocus();
    QTest::keyClicks(m()->Edit_call, indicatif);
    QTest::keyClick(m()->Edit_call, Qt::Key_Return);
}

void TestHabitudes::reprise_de_la_derniere_seance_data() {
    QTest::addColumn<bool>("fichier_efface");
    QTest::newRow("fichier là") << false;
    QTest::newRow("fichier effacé depuis") << true;
}

void TestHabitudes::reprise_de_la_derniere_seance() {
    QFETCH(bool, fichier_efface);
    m()->ComboBox_band->setCurrentIndex(5);
    saisir(QStringLiteral("F6XYZ"));
    m()->BitBtn_bye->click();
    QVERIFY(banc_->programme->termine());
    if (fichier_efface) {
        QVERIFY(QFile::remove(fichier()));
    }

    banc_->redemarrer();
    TForm_Infos* f = banc_->infos();
    // The band comes back either way; the station window waits for the operator's OK.
    QCOMPARE(m()->ComboBox_band->currentText(), QStringLiteral("20m"));
    QVERIFY(f->isVisible());
    QVERIFY(!m()->fenetre->isVisible());
    QVERIFY(banc_->dialogues.messages.isEmpty());
    if (fichier_efface) {
        QCOMPARE(banc_->etat->fichier_courant, QString());
        QCOMPARE(f->Label_nomfichier->text(), QStringLiteral("Fichier à créer ou à charger"));
        return;
    }
    QCOMPARE(banc_->etat->fichier_courant, fichier());
    QCOMPARE(f->Label_nomfichier->text(), QStringLiteral("ete.VRK"));
    QCOMPARE(f->Edit_call->text(), QStringLiteral("F5ABC"));
    QCOMPARE(banc_->etat->table.cellule(col_indicatif, 1), QStringLiteral("F6XYZ"));
    // Another file is still the operator's choice.
    QVERIFY(f->BitBtn_charger->isEnabled());
    f->BitBtn_OK->click();
    QVERIFY(m()->fenetre->isVisible());
    QVERIFY(m()->fenetre->windowTitle().endsWith(QStringLiteral("ete.VRK (1 QSO)")));
}

void TestHabitudes::echap_vide_la_saisie() {
    saisir(QStringLiteral("F6XYZ"));
    // A row taken back for correction, then abandoned with Escape, as with "Effacer".
    m()->Grille->setCurrentIndex(banc_->etat->table.index(0, col_indicatif));
    emit m()->Grille->doubleClicked(m()->Grille->currentIndex());
    QVERIFY(banc_->etat->fichier_modifie);
    QCOMPARE(m()->Edit_call->text(), QStringLiteral("F6XYZ"));
    QTest::keyClicks(m()->Edit_Notes, QStringLiteral("note"));
    QTest::keyClick(m()->Edit_Notes, Qt::Key_Escape);
    for (const QLineEdit* champ : {m()->Edit_call, m()->Edit_RSTS, m()->Edit_RSTR, m()->Edit_Notes,
                                   m()->Edit_NrZTC, m()->Edit_nomZTC}) {
        QVERIFY2(champ->text().isEmpty(), qPrintable(champ->objectName()));
    }
    QVERIFY(!banc_->etat->fichier_modifie);
    QCOMPARE(banc_->etat->table.cellule(col_indicatif, 1), QStringLiteral("F6XYZ"));
    QVERIFY(m()->BitBtn_efface_saisie->toolTip() != m()->BitBtn_effacer->toolTip());
}

void TestHabitudes::date_et_heure_au_clavier() {
    // In real time the keys reach the pickers, which say why they cannot change.
    QTest::keyClick(m()->fenetre, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), m()->DateTimePicker_date);
    QCOMPARE(
        banc_->dialogues.textes(),
        QStringList{QStringLiteral(" Pour modifier la date, vous devez passer en temps différé")});

    m()->SpeedButton_temps_differe->click();
    QTest::keyClick(m()->fenetre, Qt::Key_D, Qt::AltModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("03082025"));
    QTest::keyClick(m()->fenetre, Qt::Key_H, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), m()->DateTimePicker_time);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2145"));
    QCOMPARE(m()->DateTimePicker_date->date(), QDate(2025, 8, 3));
    QCOMPARE(m()->DateTimePicker_time->time(), QTime(21, 45));
    saisir(QStringLiteral("F6XYZ"));
    QCOMPARE(banc_->etat->table.cellule(col_date, 1), QStringLiteral("03/08/2025"));
    QCOMPARE(banc_->etat->table.cellule(col_heure, 1), QStringLiteral("21:45"));
    QCOMPARE(banc_->dialogues.messages.size(), 1);
}

void TestHabitudes::aide_dans_le_programme() {
    QTest::keyClick(m()->fenetre, Qt::Key_F1);
    auto* aide = m()->fenetre->findChild<FenetreAide*>();
    QVERIFY(aide);
    QVERIFY(aide->isVisible());
    QVERIFY(banc_->dialogues.messages.isEmpty());
    // Every button of the two bars is explained, in the words of its own hint.
    const QString texte = FenetreAide::texte_aide();
    for (const QWidget* barre :
         {static_cast<QWidget*>(m()->Panel9), static_cast<QWidget*>(m()->Panel3)}) {
        for (const QAbstractButton* bouton : barre->findChildren<QAbstractButton*>()) {
            const QString hint = bouton->toolTip().isEmpty()
                                     ? bouton->text().remove(QLatin1Char('&'))
                                     : bouton->toolTip().trimmed();
            QVERIFY2(texte.contains(hint),
                     qPrintable(bouton->objectName() + QLatin1Char(' ') + hint));
        }
    }
    for (const char* touche : {"Échap", "Alt+D", "Alt+H", "Espace", "Entrée", "F1"}) {
        QVERIFY2(texte.contains(QString::fromUtf8(touche)), touche);
    }
    // Where to find the diagnostic log when asking for help.
    QVERIFY(texte.contains(chemin_journal_diagnostic().toHtmlEscaped()));
    QTest::keyClick(aide, Qt::Key_Escape);
    QVERIFY(!aide->isVisible());
}

void TestHabitudes::mise_a_jour_des_references_data() {
    QTest::addColumn<bool>("serveur_present");
    QTest::newRow("serveur") << true;
    QTest::newRow("serveur absent") << false;
}

void TestHabitudes::mise_a_jour_des_references() {
    QFETCH(bool, serveur_present);
    QTemporaryDir site;
    QVERIFY(QDir().mkpath(site.filePath(QStringLiteral("Concours"))));
    QVERIFY(QDir().mkpath(site.filePath(QStringLiteral("cty"))));
    const QStringList nouveaux =
        membres + QStringList{QStringLiteral("F8ZZZ,789,Paul DURAND,Nice")};
    ecrire_lignes(site.filePath(QStringLiteral("Concours/ZTC_mini_2021.csv")), nouveaux);
    QVERIFY(QFile::copy(QStringLiteral(VOREK_DONNEES_TEST "/cty_wt_mod.dat"),
                        site.filePath(QStringLiteral("cty/cty_wt.dat"))));
    ServeurHttp serveur(site.path());
    QVERIFY(!serveur.adresse().isEmpty());
    if (serveur_present) {
        banc_->fixer_serveur(serveur.adresse());
    }
    const QString base = banc_->chemin(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv"));
    const QString pays = banc_->chemin(QStringLiteral("cfg/cty_wt.dat"));
    const bool pays_avant = QFile::exists(pays);
    const int ouvertures = banc_->attente.ouvertures();
    const qsizetype dxcc_avant = banc_->etat->liste_dxcc.size();
    const int pfx_avant = m()->ComboBox_PFX->count();

    m()->Fichiersreference1->trigger();

    QCOMPARE(banc_->attente.ouvertures(), ouvertures + 2);
    QVERIFY(!banc_->attente.fenetre());
    QCOMPARE(banc_->dialogues.messages.size(), 1);
    const QStringList lignes = banc_->dialogues.messages[0].texte.split(QLatin1Char('\r'));
    if (serveur_present) {
        QCOMPARE(lire_lignes(base), nouveaux);
        QVERIFY(QFile::exists(pays));
        QCOMPARE(lire_lignes(banc_->chemin(QStringLiteral("cfg/DXCC.CSV"))).size() > 300, true);
        // The station window's and the entry's lists follow at once.
        QCOMPARE(banc_->infos()->ComboBox_DXCC->count(), banc_->etat->liste_dxcc.size());
        QVERIFY(banc_->etat->liste_dxcc.size() > dxcc_avant);
        QVERIFY(m()->ComboBox_PFX->count() > pfx_avant);
        QCOMPARE(lignes,
                 (QStringList{QStringLiteral("Base de données des membres : mise à jour, "
                                             "fichier du ") +
                                  QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")),
                              QStringLiteral("Fichier des pays : mis à jour")}));
    } else {
        QCOMPARE(lire_lignes(base), membres);
        QCOMPARE(QFile::exists(pays), pays_avant);
        QCOMPARE(lignes.size(), 2);
        for (const QString& ligne : lignes) {
            QVERIFY2(ligne.endsWith(QStringLiteral("le fichier en place est conservé")),
                     qPrintable(ligne));
        }
    }
    QVERIFY(banc_->infos()->Label_date_BD->text().startsWith(QStringLiteral("Date du fichier : ")));
}

void TestHabitudes::qt_en_francais() {
    QVERIFY(traduire_qt_en_francais(*QCoreApplication::instance()));
    QDialogButtonBox boutons(QDialogButtonBox::Yes | QDialogButtonBox::No |
                             QDialogButtonBox::Cancel);
    QCOMPARE(boutons.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Oui"));
    QCOMPARE(boutons.button(QDialogButtonBox::No)->text(), QStringLiteral("&Non"));
    QCOMPARE(boutons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));

    // The file dialog writes sizes and dates the French way whatever the system's locale,
    // and shows its columns whole.
    QTemporaryDir dossier;
    QFile fichier(dossier.filePath(QStringLiteral("ete.VRK")));
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(QByteArray(830, 'x'));
    fichier.close();
    QFileDialog dialogue(nullptr, QString(), dossier.path());
    franciser_dialogue(dialogue);
    QVERIFY(dialogue.testOption(QFileDialog::DontUseNativeDialog));
    dialogue.show();
    auto* vue = dialogue.findChild<QTreeView*>(QStringLiteral("treeView"));
    QVERIFY(vue);
    QTRY_COMPARE(vue->model()->rowCount(vue->rootIndex()), 1);
    const QModelIndex nom = vue->model()->index(0, 0, vue->rootIndex());
    QCOMPARE(nom.siblingAtColumn(1).data().toString(), QStringLiteral("830 octets"));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d$"))
                 .match(nom.siblingAtColumn(3).data().toString())
                 .hasMatch(),
             qPrintable(nom.siblingAtColumn(3).data().toString()));
    QHeaderView* entetes = vue->header();
    QTRY_VERIFY(entetes->length() <= vue->viewport()->width());
    for (int col = 0; col < 4; ++col) {
        const QString titre = vue->model()->headerData(col, Qt::Horizontal).toString();
        QVERIFY2(entetes->sectionSize(col) > entetes->fontMetrics().horizontalAdvance(titre),
                 qPrintable(titre));
    }
    dialogue.reject();
}

QTEST_MAIN(TestHabitudes)
#include "tst_habitudes.moc"
