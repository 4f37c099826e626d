#include "adif_import/comptes_import.h"
#include "adif_import/import_adif.h"
#include "adif_import/textes_import.h"
#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "dialogues_scriptes.h"
#include "dossier_essai.h"
#include "ligne_donnees.h"
#include "log/fichier_challenge.h"
#include "octets_fichier.h"
#include "refdata/referentiel.h"
#include "rules/textes_regles.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace vorek;

namespace {

// One record on one line; date yyyymmdd, time hhmm.
QString enr(const QString& indicatif, const char* date, const char* heure, const char* bande,
            const char* mode = "CW") {
    return QStringLiteral("<CALL:%1>%2<QSO_DATE:8>%3<TIME_ON:4>%4<BAND:%5>%6<MODE:%7>%8<EOR>")
        .arg(indicatif.size())
        .arg(indicatif, QLatin1String(date), QLatin1String(heure))
        .arg(qstrlen(bande))
        .arg(QLatin1String(bande))
        .arg(qstrlen(mode))
        .arg(QLatin1String(mode));
}

// A challenge file of n QSOs, as another log of the work folder.
QStringList journal_de(int n) {
    Etat autre;
    for (int i = 1; i <= n; ++i) {
        autre.table.fixer_nb_lignes(i + 2);
        autre.table.fixer_ligne(
            i, {QStringLiteral("01/07/2025"), QStringLiteral("10:00"), QStringLiteral("F5ABC")});
    }
    return lignes_challenge(autre);
}

QStringList qso(const char* date, const char* heure, const char* indicatif, const char* bande) {
    return {QLatin1String(date),  QLatin1String(heure),  QLatin1String(indicatif),
            QLatin1String(bande), QStringLiteral("599"), QStringLiteral("599")};
}

} // namespace

class TestImportAdif : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { d_.reset(); }
    void remplacement();
    void ajout_fusionne_par_date_et_double();
    void ajout_garde_tout_ce_qui_est_la();
    void refus_sans_rien_changer();
    void rien_n_est_perdu_data();
    void rien_n_est_perdu();
    void comptes_data();
    void comptes();

  private:
    QString ecrire_adif(const QStringList& lignes,
                        const QString& nom = QStringLiteral("autre")) const {
        const QString chemin =
            d_->etat.rep_challenge + QLatin1Char('/') + nom + QStringLiteral(".adi");
        ecrire_lignes(chemin, lignes);
        return chemin;
    }
    // Every question answered as planned (Yes when nothing is).
    ResultatImport importer(const QString& chemin, ModeImport mode,
                            const QList<Reponse>& reponses = {Reponse::oui, Reponse::oui}) {
        dialogues_ = DialoguesScriptes();
        dialogues_.reponses = reponses;
        const DemandeImport demande{chemin,   mode, QString(), QStringLiteral("2025"),
                                    moment(), false};
        return importer_adif(d_->etat, *referentiel_, demande, dialogues_);
    }
    static QDateTime moment() { return QDateTime(QDate(2025, 8, 10), QTime(14, 30, 15)); }
    QString vrk() const { return d_->etat.rep_challenge + QStringLiteral("/autre.VRK"); }
    QString courant() const { return d_->etat.rep_challenge + QStringLiteral("/ESSAI.VRK"); }
    QString copie_datee() const {
        return d_->etat.rep_challenge + QStringLiteral("/ESSAI.20250810-143015.VRK");
    }

    std::unique_ptr<DossierEssai> d_;
    std::unique_ptr<Referentiel> referentiel_;
    DialoguesScriptes dialogues_;
};

void TestImportAdif::init() {
    d_ = std::make_unique<DossierEssai>(2025);
    d_->ecrire_dxcc();
    d_->ecrire_membres();
    referentiel_ = std::make_unique<Referentiel>(d_->etat.rep_cfg, d_->etat.rep_BD);
}

void TestImportAdif::remplacement() {
    Etat& etat = d_->etat;
    d_->ajouter(qso("02/07/2025", "10:00", "K1ZZ", "20m"));
    etat.table.fixer_cellule(col_date, 0, QStringLiteral("entête changée"));
    etat.fichier_modifie = true;
    const QString chemin =
        ecrire_adif({QStringLiteral("Export <ADIF_VER:5>3.1.4 <EOH>"),
                     enr(QStringLiteral("F5ABC"), "20250715", "1015", "40M"),
                     enr(QStringLiteral("DL1AA"), "20250702", "0830", "20M"),
                     enr(QStringLiteral("K1ZZ"), "20250715", "0900", "20M", "SSB"),
                     enr(QStringLiteral("JA1AA"), "20250710", "2200", "15M"),
                     enr(QStringLiteral("DL1AA"), "2025", "0830", "20M")});
    const ResultatImport resultat = importer(chemin, ModeImport::remplacement);

    QCOMPARE(d_->colonne(col_indicatif),
             (QStringList{QStringLiteral("DL1AA"), QStringLiteral("JA1AA"), QStringLiteral("F5ABC"),
                          QString()}));
    QCOMPARE(d_->colonne(col_points), (QStringList{QStringLiteral("4"), QStringLiteral("3"),
                                                   QStringLiteral("2"), QString()}));
    QCOMPARE(etat.score_total, 9);
    QCOMPARE(etat.ligne_suivante, 4);
    QCOMPARE(etat.table.ligne(0), entetes_journal());
    QVERIFY(!etat.fichier_modifie);
    QCOMPARE(etat.fichier_courant, QStringLiteral("ESSAI.VRK"));
    QCOMPARE(titre_import(etat),
             QStringLiteral("CHALLENGE d'été VOREK   (12/2023) : Fichier ESSAI.VRK (3 QSO)"));
    // Saved beside the ADIF file, and reads back as the table stands.
    QCOMPARE(resultat.chemin_vrk, vrk());
    QCOMPARE(lire_lignes(vrk()), lignes_challenge(etat));
    // The rows went to the table; their count stays for the message.
    QCOMPARE(resultat.lecture.nb_pris, 3);

    DialoguesScriptes dialogues;
    signaler_import(resultat, dialogues);
    QCOMPARE(dialogues.messages.size(), 1);
    QCOMPARE(dialogues.messages[0].type, TypeMessage::information);
    const QString texte = dialogues.messages[0].texte;
    QVERIFY(texte.startsWith(texte_comptes_import(resultat.lecture, FormeComptes::libelles)));
    QVERIFY(texte.contains(QDir::toNativeSeparators(copie_datee())));
}

void TestImportAdif::ajout_fusionne_par_date_et_double() {
    d_->ajouter(qso("05/07/2025", "12:00", "K1ZZ", "20m"));
    d_->ajouter(qso("15/07/2025", "10:15", "DL1AA", "40m"));
    const QString chemin = ecrire_adif({enr(QStringLiteral("F5ABC"), "20250715", "1015", "40M"),
                                        enr(QStringLiteral("JA1AA"), "20250701", "0800", "15M")});
    importer(chemin, ModeImport::ajout);
    // Equal moments keep their order: the log's QSO before the imported one.
    QCOMPARE(d_->colonne(col_indicatif),
             (QStringList{QStringLiteral("JA1AA"), QStringLiteral("K1ZZ"), QStringLiteral("DL1AA"),
                          QStringLiteral("F5ABC"), QString()}));
    importer(chemin, ModeImport::ajout);
    QCOMPARE(d_->colonne(col_indicatif),
             (QStringList{QStringLiteral("JA1AA"), QStringLiteral("JA1AA"), QStringLiteral("K1ZZ"),
                          QStringLiteral("DL1AA"), QStringLiteral("F5ABC"), QStringLiteral("F5ABC"),
                          QString()}));
    QCOMPARE(d_->etat.ligne_suivante, 7);
    QCOMPARE(compter_QSO(d_->etat.table), 6);
    // The second copy is scored like any other QSO of the log.
    QCOMPARE(d_->etat.table.cellule(col_notes, 2), textes::remarque_meme_jour());
}

void TestImportAdif::ajout_garde_tout_ce_qui_est_la() {
    Etat& etat = d_->etat;
    // A last row that is a QSO, not the free row, and a date the rescoring cannot read.
    d_->ajouter(qso("le 3 juillet", "10:00", "K1ZZ", "20m"));
    d_->ajouter(qso("05/07/2025", "12:00", "DL1AA", "20m"));
    etat.table.fixer_nb_lignes(3);
    const ResultatImport resultat = importer(
        ecrire_adif({enr(QStringLiteral("F5ABC"), "20250715", "1015", "40M")}), ModeImport::ajout);
    QCOMPARE(d_->colonne(col_indicatif),
             (QStringList{QStringLiteral("DL1AA"), QStringLiteral("F5ABC"), QStringLiteral("K1ZZ"),
                          QString()}));
    QCOMPARE(etat.ligne_suivante, 4);
    QVERIFY(resultat.erreur_score.contains(QStringLiteral("le 3 juillet")));
    QVERIFY(QFile::exists(vrk()));
    DialoguesScriptes dialogues;
    signaler_import(resultat, dialogues);
    QCOMPARE(dialogues.textes().value(0), resultat.erreur_score);
    QCOMPARE(dialogues.messages[0].type, TypeMessage::erreur);
}

void TestImportAdif::refus_sans_rien_changer() {
    Etat& etat = d_->etat;
    d_->ajouter(qso("05/07/2025", "12:00", "DL1AA", "20m"));
    const QStringList avant = lignes_challenge(etat);
    const QString chemin = ecrire_adif({enr(QStringLiteral("F5ABC"), "20250715", "1015", "40M")});
    for (const ModeImport mode : {ModeImport::remplacement, ModeImport::ajout}) {
        QVERIFY_THROWS_EXCEPTION(Erreur, importer(chemin + QStringLiteral(".absent"), mode));
        QCOMPARE(lignes_challenge(etat), avant);
    }
    QFile::remove(d_->chemin_membres());
    for (const ModeImport mode : {ModeImport::remplacement, ModeImport::ajout}) {
        const ResultatImport resultat = importer(chemin, mode);
        QVERIFY(resultat.lecture.base_membres_absente && resultat.lecture.qso.size() == 0);
        DialoguesScriptes dialogues;
        signaler_import(resultat, dialogues);
        QCOMPARE(dialogues.textes(), QStringList{QString::fromUtf8(message_base_membres_absente)});
        QCOMPARE(lignes_challenge(etat), avant);
        QCOMPARE(etat.ligne_suivante, 2);
        QVERIFY(!QFile::exists(vrk()));
    }
}

void TestImportAdif::rien_n_est_perdu_data() {
    QTest::addColumn<QString>("nom_adif");
    QTest::addColumn<bool>("remplacement");
    QTest::addColumn<bool>("adif_sans_qso");
    QTest::addColumn<bool>("autre_journal_a_cote");
    QTest::addColumn<QString>("reponses");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("importe");
    QTest::addColumn<bool>("copie_ecrite");
    QTest::addColumn<bool>("copie_datee_attendue");
    const QString autre = QStringLiteral("autre");
    ligne_donnees("ajout, rien a cote", autre, false, false, false, QString(), 0, true, true,
                  false);
    ligne_donnees("ajout, autre journal a cote, Non", autre, false, false, true,
                  QStringLiteral("non"), 1, true, false, false);
    ligne_donnees("ajout, autre journal a cote, Oui", autre, false, false, true,
                  QStringLiteral("oui"), 1, true, true, false);
    ligne_donnees("ajout, autre journal a cote, Annuler", autre, false, false, true,
                  QStringLiteral("annuler"), 1, false, false, false);
    ligne_donnees("ajout dans le journal courant lui-meme", QStringLiteral("ESSAI"), false, false,
                  false, QString(), 0, true, true, false);
    ligne_donnees("remplacement refuse", autre, true, false, false, QStringLiteral("non"), 1, false,
                  false, false);
    ligne_donnees("remplacement, autre journal a cote garde", autre, true, false, true,
                  QStringLiteral("oui non"), 2, true, false, true);
    ligne_donnees("ajout d'un fichier sans QSO", autre, false, true, true, QString(), 0, false,
                  false, false);
    ligne_donnees("remplacement par un fichier sans QSO", autre, true, true, false, QString(), 0,
                  false, false, false);
}

// Whatever the answers, a log the operator has is never replaced unasked: not the current
// one, not another beside the ADIF file; and what the import does is on disk at once.
void TestImportAdif::rien_n_est_perdu() {
    QFETCH(QString, nom_adif);
    QFETCH(bool, remplacement);
    QFETCH(bool, adif_sans_qso);
    QFETCH(bool, autre_journal_a_cote);
    QFETCH(QString, reponses);
    QFETCH(int, questions);
    QFETCH(bool, importe);
    QFETCH(bool, copie_ecrite);
    QFETCH(bool, copie_datee_attendue);
    Etat& etat = d_->etat;
    d_->ajouter(qso("05/07/2025", "12:00", "K1ZZ", "20m"));
    d_->ajouter(qso("06/07/2025", "12:00", "DL1AA", "20m"));
    sauver_fichier(etat, etat.fichier_courant);
    sauver_fichier(etat, etat.fichier_courant);
    const QStringList avant = lignes_challenge(etat);
    const QByteArray bak_avant = lire_octets(chemin_sauvegarde(courant()));
    const QString copie =
        d_->etat.rep_challenge + QLatin1Char('/') + nom_adif + QStringLiteral(".VRK");
    QByteArray autre_avant = "<absent>";
    if (autre_journal_a_cote) {
        ecrire_lignes(copie, journal_de(18));
        autre_avant = lire_octets(copie);
    }
    const char* mode = adif_sans_qso ? "SSB" : "CW";
    const QString adif =
        ecrire_adif({enr(QStringLiteral("F5ABC"), "20250715", "1015", "40M", mode),
                     enr(QStringLiteral("JA1AA"), "20250701", "0800", "15M", mode)},
                    nom_adif);
    QList<Reponse> prevues;
    for (const QString& r : reponses.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        prevues.append(r == QStringLiteral("oui")   ? Reponse::oui
                       : r == QStringLiteral("non") ? Reponse::non
                                                    : Reponse::annuler);
    }
    const ResultatImport resultat =
        importer(adif, remplacement ? ModeImport::remplacement : ModeImport::ajout, prevues);

    QCOMPARE(dialogues_.questions.size(), questions);
    if (autre_journal_a_cote && questions > 0) {
        QVERIFY(dialogues_.questions.last().startsWith(
            textes_import::fichier_existant().arg(QDir::toNativeSeparators(copie)).arg(18)));
    }
    QCOMPARE(resultat.abandonne, !reponses.isEmpty() && !importe);
    QCOMPARE(lignes_challenge(etat) != avant, importe);
    // The current log on disk is the one on screen; untouched, its backup stays too.
    QCOMPARE(lire_lignes(courant()), lignes_challenge(etat));
    if (!importe) {
        QCOMPARE(lire_octets(chemin_sauvegarde(courant())), bak_avant);
    }
    if (copie_ecrite) {
        QCOMPARE(resultat.chemin_vrk, copie);
        QCOMPARE(lire_lignes(copie), lignes_challenge(etat));
    } else if (copie != courant()) {
        QVERIFY(resultat.chemin_vrk.isEmpty());
        QCOMPARE(lire_octets(copie), autre_avant);
        QCOMPARE(lire_octets(chemin_sauvegarde(copie)), QByteArray("<absent>"));
    }
    QCOMPARE(QFile::exists(copie_datee()), copie_datee_attendue);
    if (copie_datee_attendue) {
        QCOMPARE(lire_lignes(copie_datee()), avant);
    }
}

void TestImportAdif::comptes_data() {
    QTest::addColumn<QStringList>("lignes");
    const QString k1zz = enr(QStringLiteral("K1ZZ"), "20250715", "1015", "20M");
    ligne_donnees("vide", QStringList());
    ligne_donnees("un de chaque",
                  QStringList{k1zz, enr(QStringLiteral("K1ZZ"), "20250715", "1015", "20M", "SSB"),
                              enr(QStringLiteral("G4XXX"), "20250715", "1015", "20M"),
                              enr(QString(), "20250715", "1015", "20M"),
                              enr(QStringLiteral("K1ZZ"), "2025", "1015", "20M"),
                              QStringLiteral("<CALL:4>K1ZZ <MODE:2>CW")});
    ligne_donnees("SSB puis CW sans mode",
                  QStringList{enr(QStringLiteral("K1ZZ"), "20250715", "1015", "20M", "SSB"),
                              QStringLiteral("<CALL:4>K1ZZ<EOR>")});
    ligne_donnees("en-tete seul", QStringList{QStringLiteral("<ADIF_VER:5>3.1.4<EOH>")});
}

// The tool's lines and the window's message carry the same counts, line for line, and they
// add up: every record is taken or left out for exactly one reason.
void TestImportAdif::comptes() {
    QFETCH(QStringList, lignes);
    const LectureAdif lecture = lire_adif(lignes, referentiel_->membres);
    const QStringList cles =
        texte_comptes_import(lecture, FormeComptes::cles).split(QLatin1Char('\n'));
    const QStringList libelles =
        texte_comptes_import(lecture, FormeComptes::libelles).split(QLatin1Char('\n'));
    QCOMPARE(cles.size(), 7);
    QCOMPARE(libelles.size(), cles.size());
    QList<int> n;
    for (qsizetype i = 0; i < cles.size(); ++i) {
        n.append(cles[i].section(QLatin1Char('='), 1).toInt());
        QCOMPARE(libelles[i].section(QStringLiteral(" : "), 1).toInt(), n.last());
    }
    QCOMPARE(n[0], int(lecture.qso.size()));
    QCOMPARE(lecture.nb_pris, lecture.qso.size());
    QCOMPARE(n[1], n[2] + n[3] + n[4] + n[5] + n[6]);
    QCOMPARE(n[0] + n[1], int(lignes.count()) - int(lignes.filter(QStringLiteral("<EOH>")).size()));
}

QTEST_GUILESS_MAIN(TestImportAdif)
#include "tst_import_adif.moc"
