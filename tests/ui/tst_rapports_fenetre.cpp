#include "banc_programme.h"
#include "base/fichier_texte.h"
#include "journal_rempli.h"
#include "log/fichier_challenge.h"
#include "reports/commandes_rapports.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace vorek;

// The report command and the exports, from the main window's buttons and menus.
class TestRapportsFenetre : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { banc_.reset(); }
    void compte_rendu_complet();
    void compte_rendu_interrompu();
    void exports();
    void station_editee_dans_chaque_ecrit();

  private:
    const ControlesPrincipale* m() const { return banc_->controles_principale(); }
    QString travail(const QString& nom) const { return banc_->travail(nom); }
    std::unique_ptr<BancProgramme> banc_;
};

void TestRapportsFenetre::init() {
    banc_ = std::make_unique<BancProgramme>();
    QVERIFY(banc_->valide());
    banc_->serveur_absent();
    banc_->ecrire(QStringLiteral("cfg/DXCC.CSV"), {QStringLiteral("F,France,F,EU,227")});
    banc_->ecrire(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv"),
                  {QStringLiteral("F5ABC,123,Jean DUPONT,Paris"),
                   QStringLiteral("F6XYZ,456,Anne MARTIN,Brest")});
    banc_->demarrer_sans_mise_a_jour();

    Etat journal;
    journal.fixer_rep_programme(banc_->prog());
    journal.station.station_call = QStringLiteral("F5ABC");
    remplir_journal(
        journal, {{QStringLiteral("02/07/2025"), QStringLiteral("10:00"), QStringLiteral("F6XYZ"),
                   QStringLiteral("40m"), QStringLiteral("599"), QStringLiteral("599")},
                  {QStringLiteral("03/07/2025"), QStringLiteral("11:30"), QStringLiteral("F6XYZ"),
                   QStringLiteral("20m"), QStringLiteral("599"), QStringLiteral("579")}});
    sauver_fichier(journal, QStringLiteral("ete.VRK"));

    banc_->charger_challenge(travail(QStringLiteral("ete.VRK")));
    QVERIFY(m()->fenetre->isVisible());
}

void TestRapportsFenetre::compte_rendu_complet() {
    m()->EcrireLog->click();
    QCOMPARE(banc_->dialogues.messages.size(), 1);
    QCOMPARE(banc_->dialogues.messages[0].type, TypeMessage::simple);
    const QString texte = banc_->dialogues.messages[0].texte;
    QVERIFY(texte.startsWith(message_ecrire_log()));
    for (const char* nom : {"ete.LOG", "ete.TXT", "ete.ADI"}) {
        QVERIFY2(QFile::exists(travail(QString::fromLatin1(nom))), nom);
        QVERIFY2(texte.contains(QLatin1Char('\r') + travail(QString::fromLatin1(nom))), nom);
    }
    QFile cabrillo(travail(QStringLiteral("ete.LOG")));
    QVERIFY(cabrillo.open(QIODevice::ReadOnly));
    const QByteArray contenu = cabrillo.readAll();
    QVERIFY(contenu.startsWith("START-OF-LOG: 3.0\r\n"));
    QCOMPARE(contenu.count("QSO: "), 2);
    // The text report rescored the log, and the label shows it.
    QCOMPARE(m()->Label_score->text(),
             QString::number(banc_->etat->score_total) + QStringLiteral(" points"));
    QVERIFY(banc_->etat->score_total > 0);
}

void TestRapportsFenetre::compte_rendu_interrompu() {
    // A folder where the text report should go: the Cabrillo report is written, then the
    // command stops with the runtime's text and the ADIF report is not written.
    QVERIFY(QDir().mkdir(travail(QStringLiteral("ete.TXT"))));
    m()->EcrireLog->click();
    QCOMPARE(banc_->dialogues.textes(), QStringList{QStringLiteral("Accès au fichier refusé")});
    QCOMPARE(banc_->dialogues.messages[0].type, TypeMessage::erreur);
    QVERIFY(QFile::exists(travail(QStringLiteral("ete.LOG"))));
    QVERIFY(!QFile::exists(travail(QStringLiteral("ete.ADI"))));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestRapportsFenetre::exports() {
    // Cancelled dialog: nothing written, nothing said.
    m()->BitBtn_export_ADIF->click();
    QCOMPARE(banc_->dialogues.demandes.size(), 1);
    QVERIFY(banc_->dialogues.messages.isEmpty());

    banc_->dialogues.prevoir_fichier(QStringLiteral("/ailleurs/journal.adi"));
    m()->ExportADIF1->trigger();
    QVERIFY(QFile::exists(travail(QStringLiteral("journal.adi"))));
    QCOMPARE(banc_->dialogues.textes(), QStringList{QStringLiteral("Export ADIF écrit :\r") +
                                                    travail(QStringLiteral("journal.adi"))});

    m()->ExportTXT1->trigger();
    QVERIFY(QFile::exists(travail(QStringLiteral("ete.ASC"))));
    QCOMPARE(banc_->dialogues.messages.size(), 2);
    QVERIFY(banc_->dialogues.messages[1].texte.startsWith(QStringLiteral("Fichier ASCII  ")));
    QVERIFY(banc_->dialogues.messages[1].texte.endsWith(travail(QStringLiteral("ete.ASC"))));
}

// What the station window holds when the files are written is what every file says, the
// name trimmed except where the reports print it as typed.
void TestRapportsFenetre::station_editee_dans_chaque_ecrit() {
    m()->BitBtn_retour->click();
    TForm_Infos* f = banc_->infos();
    f->Edit_nom->setText(QStringLiteral("Paul LEROY "));
    f->Edit_adresse1->setText(QStringLiteral("8 quai Ouest"));
    f->Edit_adresse2->setText(QStringLiteral("29200 BREST"));
    f->BitBtn_OK->click();
    m()->EcrireLog->click();
    banc_->dialogues.prevoir_fichier(QStringLiteral("journal.adi"));
    m()->ExportADIF1->trigger();
    const auto lignes = [this](const char* nom) {
        return lire_lignes(travail(QString::fromLatin1(nom)));
    };
    QCOMPARE(lignes("ete.VRK").mid(1, 4),
             (QStringList{"F5ABC", "Paul LEROY", "8 quai Ouest", "29200 BREST"}));
    for (const char* nom : {"ete.LOG", "journal.adi"}) {
        const QStringList l = lignes(nom);
        QVERIFY2(l.contains(QStringLiteral("CALLSIGN: F5ABC")), nom);
        QVERIFY2(l.contains(QStringLiteral("NAME: Paul LEROY")), nom);
        QVERIFY2(l.contains(QStringLiteral("ADDRESS: 8 quai Ouest")), nom);
        QVERIFY2(l.contains(QStringLiteral("ADDRESS: 29200 BREST")), nom);
    }
    const QString marge(18, QLatin1Char(' '));
    const QStringList texte = lignes("ete.TXT");
    QCOMPARE(texte.mid(texte.indexOf(marge + "F5ABC    Paul LEROY "), 3),
             (QStringList{marge + "F5ABC    Paul LEROY ", marge + "8 quai Ouest",
                          marge + "29200 BREST"}));
    const QString station = QStringLiteral("<MY_NAME:11>Paul LEROY  <MY_STREET:12>8 quai Ouest "
                                           "<MY_CITY:11>29200 BREST <OPERATOR:5>F5ABC ");
    const QStringList enregistrements = lignes("ete.ADI").filter(QStringLiteral("<EOR>"));
    QCOMPARE(enregistrements.size(), 2);
    for (const QString& enregistrement : enregistrements) {
        QVERIFY2(enregistrement.startsWith(station), qPrintable(enregistrement));
    }
}

QTEST_MAIN(TestRapportsFenetre)
#include "tst_rapports_fenetre.moc"
