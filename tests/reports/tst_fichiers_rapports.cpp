#include "journal_essai.h"
#include "ligne_donnees.h"

#include "dialogues_scriptes.h"

#include "reports/adif_sortie.h"
#include "reports/ascii.h"
#include "reports/cabrillo.h"
#include "reports/commandes_rapports.h"
#include "reports/rapport_texte.h"
#include "reports/redacteurs.h"

#include "base/erreur.h"
#include "refdata/referentiel.h"
#include "rules/textes_regles.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace vorek;

// The written files, byte for byte, and the commands around them.
class TestFichiersRapports : public QObject {
    Q_OBJECT

  private slots:
    void fichiers_attendus_data();
    void fichiers_attendus();
    void rapport_texte_attendu_data();
    void rapport_texte_attendu();
    void commande_rapport_complete();
    void echec_au_milieu_de_la_commande();
    void echec_du_cabrillo_arrete_tout();
    void date_illisible_arrete_le_rapport();
    void base_membres_absente();
    void export_adif_par_le_dialogue();
    void export_adif_annule();
    void export_ascii_annonce_son_nom();
    void export_ascii_refuse();
    void chaque_redacteur_ecrit_son_fichier();
};

namespace {

// The main window's export command, for one writer.
bool exporter(Etat& etat, const RedacteurRapport& redacteur, Dialogues& dialogues) {
    const Referentiel referentiel(etat.rep_cfg, etat.rep_BD);
    ContexteRapport contexte{etat, referentiel, JournalEssai::aujourdhui(), QString()};
    return commande_exporter(redacteur, contexte, dialogues);
}

} // namespace

void TestFichiersRapports::fichiers_attendus_data() {
    QTest::addColumn<bool>("petit");
    QTest::addColumn<QString>("ecrivain");
    QTest::addColumn<QString>("attendu");
    for (const bool petit : {true, false}) {
        const QString suffixe = petit ? QStringLiteral("petit") : QStringLiteral("vide");
        QTest::addRow("cabrillo %s", qPrintable(suffixe))
            << petit << "cabrillo" << QStringLiteral("cabrillo_%1.LOG").arg(suffixe);
        QTest::addRow("adif rapport %s", qPrintable(suffixe))
            << petit << "adif" << QStringLiteral("adif_rapport_%1.ADI").arg(suffixe);
        QTest::addRow("export adif %s", qPrintable(suffixe))
            << petit << "export" << QStringLiteral("export_%1.adi").arg(suffixe);
    }
    ligne_donnees("ascii petit", true, "ascii", "ascii_petit.ASC");
}

void TestFichiersRapports::fichiers_attendus() {
    QFETCH(bool, petit);
    QFETCH(QString, ecrivain);
    QFETCH(QString, attendu);
    JournalEssai essai;
    petit ? essai.remplir_petit() : essai.remplir_vide();
    essai.ecrire_membres();
    const Referentiel referentiel(essai.etat.rep_cfg, essai.etat.rep_BD);
    const QStringList avant = essai.etat.table.ligne(2);
    QString chemin;
    if (ecrivain == QStringLiteral("cabrillo")) {
        chemin = ecrire_cabrillo(essai.etat);
        QCOMPARE(essai.etat.fichier_joint, chemin);
    } else if (ecrivain == QStringLiteral("adif")) {
        chemin = ecrire_adif_rapport(essai.etat, referentiel.membres).chemin;
    } else if (ecrivain == QStringLiteral("export")) {
        chemin = exporter_adif(essai.etat, referentiel.membres, QStringLiteral("x.adi")).chemin;
    } else {
        chemin = exporter_ascii(essai.etat);
    }
    QCOMPARE(lire_octets(chemin), octets_attendus(attendu));
    QCOMPARE(essai.etat.table.ligne(2), avant);
}

void TestFichiersRapports::rapport_texte_attendu_data() {
    QTest::addColumn<bool>("petit");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<int>("total");
    ligne_donnees("petit", true, "rapport_petit.TXT", 96);
    ligne_donnees("vide", false, "rapport_vide.TXT", 0);
}

void TestFichiersRapports::rapport_texte_attendu() {
    QFETCH(bool, petit);
    QFETCH(QString, attendu);
    JournalEssai essai;
    petit ? essai.remplir_petit() : essai.remplir_vide();
    CompteursRapport compteurs;
    compteurs.num_page = 7;
    const QStringList lignes = lignes_rapport_texte(essai.etat, QStringLiteral("2024"), compteurs);
    const QStringList attendues = lignes_attendues(attendu);
    for (int i = 0; i < std::min(lignes.size(), attendues.size()); ++i) {
        QCOMPARE(lignes[i], attendues[i]);
    }
    QCOMPARE(lignes.size(), attendues.size());
    QTEST(compteurs.total_reporte, "total");
    QCOMPARE(compteurs.num_page, 1);
}

void TestFichiersRapports::commande_rapport_complete() {
    JournalEssai essai;
    essai.remplir_petit();
    essai.ecrire_membres();
    // Points and numbers as typed; the report rescores them from the member database.
    essai.etat.table.fixer_cellule(col_points, 1, QStringLiteral("99"));
    const Referentiel referentiel(essai.etat.rep_cfg, essai.etat.rep_BD);
    ContexteRapport contexte{essai.etat, referentiel, JournalEssai::aujourdhui(), QString()};
    DialoguesScriptes dialogues;
    QVERIFY(ecrire_log(contexte, dialogues));
    // The three files, full paths, the text report that the fixed sentence forgets included.
    QCOMPARE(dialogues.textes(),
             QStringList{message_ecrire_log() + QStringLiteral("\r\rFichiers écrits :\r") +
                         essai.chemin_travail(QStringLiteral("ete.LOG")) + QLatin1Char('\r') +
                         essai.chemin_travail(QStringLiteral("ete.TXT")) + QLatin1Char('\r') +
                         essai.chemin_travail(QStringLiteral("ete.ADI"))});
    QCOMPARE(message_ecrire_log(),
             QStringLiteral("Les fichiers Compte Rendu CABRILLO (*.LOG) et ADIF (*.ADI)\n\rsont "
                            "enregistrés sous le répertoire \"Fichier_Challenge\" "));
    QCOMPARE(lire_octets(essai.chemin_travail(QStringLiteral("ete.LOG"))),
             octets_attendus(QStringLiteral("cabrillo_petit.LOG")));
    QCOMPARE(lire_octets(essai.chemin_travail(QStringLiteral("ete.ADI"))),
             octets_attendus(QStringLiteral("adif_rapport_petit.ADI")));
    // Another continent everywhere (no DXCC list): 6+5+5+0+5+3+3+3+3+3+8+10+15+15+15+0+0.
    const QByteArray texte = lire_octets(essai.chemin_travail(QStringLiteral("ete.TXT")));
    QVERIFY(texte.contains("\r\n SCORE DECLARE :   17 QSO  ,  99  POINTS\r\n"));
    QVERIFY(texte.contains("03/07/202406:15 17m I2FFF       599  5991007    3 Franco"));
    QVERIFY(texte.contains("01/07/202400:05160m F5AAA       599  5991001    6 Albert"));
    QVERIFY(texte.contains(" n\xB0 NM   CHALLENGE d'ETE VOREK   2024      page: 1\r\n"));
    QCOMPARE(essai.etat.score_total, 99);
}

void TestFichiersRapports::echec_au_milieu_de_la_commande() {
    JournalEssai essai;
    essai.remplir_petit();
    essai.ecrire_membres();
    // Two groups of duplicates, so the recap has marks to take back.
    essai.etat.table.fixer_cellule(col_indicatif, 2, QStringLiteral("F5AAA"));
    essai.etat.table.fixer_cellule(col_indicatif, 7, QStringLiteral("F5AAA"));
    QList<QStringList> indicatifs;
    for (int ligne = 0; ligne < essai.etat.table.nb_lignes(); ++ligne) {
        indicatifs.append({essai.etat.table.cellule(col_indicatif, ligne)});
    }
    // A folder where the text report goes: it cannot be created.
    QVERIFY(QDir().mkpath(essai.chemin_travail(QStringLiteral("ete.TXT"))));
    const Referentiel referentiel(essai.etat.rep_cfg, essai.etat.rep_BD);
    ContexteRapport contexte{essai.etat, referentiel, JournalEssai::aujourdhui(), QString()};
    DialoguesScriptes dialogues;
    QVERIFY(!ecrire_log(contexte, dialogues));
    QCOMPARE(dialogues.messages.size(), 1);
    QCOMPARE(dialogues.messages[0].type, TypeMessage::erreur);
    QCOMPARE(dialogues.messages[0].texte, QStringLiteral("Accès au fichier refusé"));
    QVERIFY(
        lire_octets(essai.chemin_travail(QStringLiteral("ete.LOG"))).endsWith("END-OF-LOG:\r\n"));
    QVERIFY(!QFile::exists(essai.chemin_travail(QStringLiteral("ete.ADI"))));
    for (int ligne = 0; ligne < essai.etat.table.nb_lignes(); ++ligne) {
        QCOMPARE(essai.etat.table.cellule(col_indicatif, ligne), indicatifs[ligne][0]);
    }
    const CompteRendu compte_rendu = executer_ecrire_log(contexte);
    QCOMPARE(compte_rendu.chemins, QStringList{essai.chemin_travail(QStringLiteral("ete.LOG"))});
    QCOMPARE(compte_rendu.erreur, QStringLiteral("Accès au fichier refusé"));
}

void TestFichiersRapports::echec_du_cabrillo_arrete_tout() {
    JournalEssai essai;
    essai.remplir_petit();
    essai.etat.fichier_courant = essai.dossier.filePath(QStringLiteral("absent/ete.VRK"));
    const Referentiel referentiel(essai.etat.rep_cfg, essai.etat.rep_BD);
    ContexteRapport contexte{essai.etat, referentiel, JournalEssai::aujourdhui(), QString()};
    essai.etat.table.fixer_cellule(col_points, 1, QStringLiteral("77"));
    DialoguesScriptes dialogues;
    QVERIFY(!ecrire_log(contexte, dialogues));
    QCOMPARE(dialogues.textes(), QStringList{QStringLiteral("Fichier introuvable")});
    QCOMPARE(essai.etat.fichier_joint, essai.dossier.filePath(QStringLiteral("absent/ete.LOG")));
    // The text report did not start: no rescoring either.
    QCOMPARE(essai.etat.table.cellule(col_points, 1), QStringLiteral("77"));
}

void TestFichiersRapports::date_illisible_arrete_le_rapport() {
    JournalEssai essai;
    essai.remplir_petit();
    essai.ecrire_membres();
    essai.etat.table.fixer_cellule(col_date, 7, QStringLiteral("31/02/2024"));
    const Referentiel referentiel(essai.etat.rep_cfg, essai.etat.rep_BD);
    ContexteRapport contexte{essai.etat, referentiel, JournalEssai::aujourdhui(), QString()};
    DialoguesScriptes dialogues;
    QVERIFY(!ecrire_log(contexte, dialogues));
    QCOMPARE(dialogues.textes(),
             QStringList{QStringLiteral(
                 "'31/02/2024 05:00' ne correspond pas à une date et une heure correctes")});
    QVERIFY(QFile::exists(essai.chemin_travail(QStringLiteral("ete.LOG"))));
    QVERIFY(!QFile::exists(essai.chemin_travail(QStringLiteral("ete.TXT"))));
    QVERIFY(!QFile::exists(essai.chemin_travail(QStringLiteral("ete.ADI"))));
}

// Without the database the log's own numbers stay and count, in the rescoring of the
// text report as in the ADIF report.
void TestFichiersRapports::base_membres_absente() {
    JournalEssai essai;
    essai.remplir_petit();
    const Referentiel referentiel(essai.etat.rep_cfg, essai.etat.rep_BD);
    ContexteRapport contexte{essai.etat, referentiel, JournalEssai::aujourdhui(), QString()};
    DialoguesScriptes dialogues;
    QVERIFY(ecrire_log(contexte, dialogues));
    QCOMPARE(dialogues.textes().size(), 2);
    QCOMPARE(dialogues.textes().at(0), textes::base_membres_absente_score());
    QVERIFY(dialogues.textes().at(1).startsWith(message_ecrire_log()));
    QCOMPARE(essai.etat.table.cellule(col_ztc, 3), QStringLiteral("12*34*"));
    // As with the database, but I2FFF, without a number of its own, scores nothing.
    QCOMPARE(essai.etat.score_total, 99 - 3);
    const QByteArray adif = lire_octets(essai.chemin_travail(QStringLiteral("ete.ADI")));
    QVERIFY(adif.contains("<RST_RCVD:3>599 <APP_LOGGER32_USER_1:4>1001 <EOR>"));
    QVERIFY(adif.contains("<RST_RCVD:3>449 <APP_LOGGER32_USER_1:4>1234 <EOR>"));
    QVERIFY(adif.contains("<CALL:6>DL1DDD "));
    QCOMPARE(adif.count("APP_LOGGER32_USER_1"), 17 - 2);
}

void TestFichiersRapports::export_adif_par_le_dialogue() {
    JournalEssai essai;
    essai.remplir_petit();
    essai.ecrire_membres();
    DialoguesScriptes dialogues;
    dialogues.prevoir_fichier(essai.dossier.filePath(QStringLiteral("ailleurs/mon_export.adi")));
    QVERIFY(exporter(essai.etat, redacteur_export_adif(), dialogues));
    QCOMPARE(dialogues.demandes.size(), 1);
    QCOMPARE(dialogues.demandes[0].filtre, QStringLiteral("Fichier ADIF (*.adi)|*.adi"));
    QCOMPARE(dialogues.demandes[0].extension_defaut, QStringLiteral("adi"));
    QCOMPARE(dialogues.demandes[0].dossier_initial, QString());
    // The export goes to the work folder, not where the dialog was: the message says so.
    QCOMPARE(dialogues.textes(),
             QStringList{QStringLiteral("Export ADIF écrit :\r") +
                         essai.chemin_travail(QStringLiteral("mon_export.adi"))});
    QCOMPARE(lire_octets(essai.chemin_travail(QStringLiteral("mon_export.adi"))),
             octets_attendus(QStringLiteral("export_petit.adi")));
}

void TestFichiersRapports::export_adif_annule() {
    JournalEssai essai;
    essai.remplir_petit();
    DialoguesScriptes dialogues;
    QVERIFY(!exporter(essai.etat, redacteur_export_adif(), dialogues));
    QVERIFY(dialogues.messages.isEmpty());
    QCOMPARE(QDir(essai.etat.rep_challenge).entryList(QDir::Files), QStringList());
}

void TestFichiersRapports::export_ascii_annonce_son_nom() {
    JournalEssai essai;
    essai.remplir_vide();
    essai.etat.fichier_courant = essai.chemin_travail(QStringLiteral("ete.vrk"));
    DialoguesScriptes dialogues;
    QVERIFY(exporter(essai.etat, redacteur_listing_ascii(), dialogues));
    QCOMPARE(lire_octets(essai.chemin_travail(QStringLiteral("ete.ASC"))), QByteArray());
    QCOMPARE(dialogues.textes(),
             QStringList{QStringLiteral("Fichier ASCII  ") +
                         essai.chemin_travail(QStringLiteral("ETE")).toUpper() +
                         QStringLiteral(".ASC créé sur le répertoire courant\r\r"
                                        "Fichier écrit :\r") +
                         essai.chemin_travail(QStringLiteral("ete.ASC"))});
}

void TestFichiersRapports::export_ascii_refuse() {
    JournalEssai essai;
    essai.remplir_petit();
    QVERIFY(QDir().mkpath(essai.chemin_travail(QStringLiteral("ete.ASC"))));
    DialoguesScriptes dialogues;
    QVERIFY(!exporter(essai.etat, redacteur_listing_ascii(), dialogues));
    QCOMPARE(dialogues.textes(), QStringList{QStringLiteral("Accès au fichier refusé")});
}

// Every writer's file carries the extension it declares, and the report command writes the
// files of its writers in their order.
void TestFichiersRapports::chaque_redacteur_ecrit_son_fichier() {
    JournalEssai essai;
    essai.remplir_petit();
    essai.ecrire_membres();
    const Referentiel referentiel(essai.etat.rep_cfg, essai.etat.rep_BD);
    ContexteRapport contexte{essai.etat, referentiel, JournalEssai::aujourdhui(), QString()};
    QList<const RedacteurRapport*> redacteurs{&redacteur_export_adif(), &redacteur_listing_ascii()};
    QStringList chemins;
    for (const RedacteurRapport* r : redacteurs_compte_rendu()) {
        redacteurs.append(r);
    }
    for (const RedacteurRapport* r : redacteurs) {
        const QString chemin =
            r->ecrire(contexte, QStringLiteral("export") + r->extension()).chemin;
        QVERIFY2(chemin.endsWith(r->extension()), qPrintable(r->nom()));
        QVERIFY(QFile::exists(chemin));
        chemins.append(chemin);
    }
    QCOMPARE(executer_ecrire_log(contexte).chemins, chemins.mid(2));
}

QTEST_GUILESS_MAIN(TestFichiersRapports)
#include "tst_fichiers_rapports.moc"
