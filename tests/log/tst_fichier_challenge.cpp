#include "dialogues_scriptes.h"

#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "disque_plein.h"
#include "journal_rempli.h"
#include "ligne_donnees.h"
#include "log/cellules_qso.h"
#include "log/commandes_fichier.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "octets_fichier.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;

class TestFichierChallenge : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void nouveau_journal_octet_pour_octet();
    void aller_retour_avec_qso();
    void onze_colonnes();
    void fichiers_abimes_data();
    void fichiers_abimes();
    void lignes_vides_en_fin_tolerees();
    void champs_station_coupes_data();
    void champs_station_coupes();
    void sauvegarde_echouee_garde_tout();
    void ecrit_seulement_ce_qui_se_relit_data();
    void ecrit_seulement_ce_qui_se_relit();
    void saut_de_ligne_dans_une_cellule();
    void ordre_du_chargement();
    void question_de_sauvegarde_data();
    void question_de_sauvegarde();
    void enregistrer_sous_nom_data();
    void enregistrer_sous_nom();
    void ouvrir_journal();
    void qso_aller_retour_data();
    void qso_aller_retour();

  private:
    void preparer(Etat& etat) const;
    QString chemin(const QString& nom) const { return dossier_->filePath(nom); }

    std::unique_ptr<QTemporaryDir> dossier_;
};

namespace {

void remplir_qso(Etat& etat, int n) {
    QList<QStringList> lignes;
    for (int r = 1; r <= n; ++r) {
        lignes.append({QStringLiteral("0%1/07/2025").arg(r % 9 + 1),
                       QStringLiteral("10:%1").arg(r % 60, 2, 10, QLatin1Char('0')),
                       QStringLiteral("F%1ABC").arg(r), QStringLiteral("40m"),
                       QStringLiteral("599"), QStringLiteral("579"), QStringLiteral("12%1").arg(r),
                       QStringLiteral("4"), QStringLiteral("  Jean-Loïc "), QString()});
    }
    remplir_journal(etat, lignes);
}

} // namespace

void TestFichierChallenge::init() {
    dossier_ = std::make_unique<QTemporaryDir>();
    QDir(dossier_->path()).mkdir(QStringLiteral("Fichiers_challenge"));
}

void TestFichierChallenge::preparer(Etat& etat) const {
    etat.fixer_rep_programme(dossier_->path());
    etat.station.station_call = QStringLiteral("F6ABC");
    etat.station.nom_saisi = QStringLiteral("Sébastien");
    etat.station.station_adresse1 = QStringLiteral("3 rue des Ondes");
    etat.station.station_adresse2 = QStringLiteral("29200 Brest");
    etat.station.station_nr_club = QStringLiteral("1234");
    etat.station.station_DXCC = QStringLiteral("F");
}

void TestFichierChallenge::nouveau_journal_octet_pour_octet() {
    Etat etat;
    preparer(etat);
    etat.fichier_modifie = true;
    sauver_fichier(etat, QStringLiteral("ETE.VRK"));
    QVERIFY(!etat.fichier_modifie);
    QByteArray attendu(" (12/2023)\r\nF6ABC\r\nS\xe9"
                       "bastien\r\n3 rue des Ondes\r\n29200 Brest\r\n"
                       "1234\r\nF\r\n10\r\n2\r\n");
    // The grid's design widths, whoever writes a new log.
    attendu += "131\r\n64\r\n96\r\n64\r\n75\r\n64\r\n64\r\n35\r\n231\r\n221\r\n";
    attendu += "      DATE\r\n  Heure\r\n  INDICATIF\r\n BANDE\r\nRST env\r\nRST Re\xe7u\r\n"
               "n\xb0 ZTC\r\n Pts\r\n       Nom\r\n                    NOTES\r\n";
    attendu += QByteArray("\r\n").repeated(10);
    const QByteArray ecrit = lire_octets(chemin(QStringLiteral("Fichiers_challenge/ETE.VRK")));
    QCOMPARE(ecrit, attendu);
    QCOMPARE(ecrit.count("\r\n"), 39);

    Etat relu;
    preparer(relu);
    relu.station.station_call.clear();
    relu.ligne_suivante = 7;
    charger_fichier(relu, QStringLiteral("ETE.VRK"));
    QCOMPARE(relu.station.station_nom(), QStringLiteral("Sébastien"));
    QCOMPARE(relu.station.station_call, QStringLiteral("F6ABC"));
    QCOMPARE(relu.table.nb_lignes(), 2);
    QCOMPARE(relu.ligne_suivante, 1);
    QCOMPARE(relu.table.ligne(0), etat.table.ligne(0));
}

void TestFichierChallenge::aller_retour_avec_qso() {
    Etat etat;
    preparer(etat);
    remplir_qso(etat, 25);
    etat.table.fixer_largeur(9, 212);
    const QString fichier = chemin(QStringLiteral("Fichiers_challenge/ETE.VRK"));
    sauver_fichier(etat, fichier);
    QCOMPARE(lire_lignes(fichier).size(), 9 + 10 + 27 * 10);

    Etat relu;
    preparer(relu);
    relu.fichier_courant = fichier;
    relu.version_prog = QStringLiteral("V7.5.0.0 (12/2023)");
    relu.fichier_modifie = true;
    charger_fichier(relu, fichier);
    QVERIFY(!relu.fichier_modifie);
    QCOMPARE(relu.table.nb_lignes(), 27);
    QCOMPARE(relu.ligne_suivante, 26);
    QCOMPARE(compter_QSO(relu.table), 25);
    QCOMPARE(relu.table.largeur(9), 212);
    for (int r = 0; r < 27; ++r) {
        QCOMPARE(relu.table.ligne(r), etat.table.ligne(r));
    }
    QCOMPARE(relu.table.cellule(col_nom, 3), QStringLiteral("  Jean-Loïc "));
    QVERIFY(titre_principal(relu).endsWith(QStringLiteral(":ETE.VRK (25 QSO)")));
}

void TestFichierChallenge::onze_colonnes() {
    Etat etat;
    preparer(etat);
    etat.table.fixer_nb_colonnes(11);
    etat.table.fixer_cellule(10, 0, QStringLiteral("EXTRA"));
    etat.table.fixer_cellule(10, 1, QStringLiteral("x"));
    sauver_fichier(etat, QStringLiteral("onze.VRK"));
    Etat relu;
    preparer(relu);
    charger_fichier(relu, QStringLiteral("onze.VRK"));
    QCOMPARE(relu.table.nb_colonnes(), 11);
    QCOMPARE(relu.table.cellule(10, 1), QStringLiteral("x"));
    sauver_fichier(relu, QStringLiteral("onze2.VRK"));
    const QStringList lignes = lire_lignes(chemin(QStringLiteral("Fichiers_challenge/onze2.VRK")));
    QCOMPARE(lignes[7], QStringLiteral("11"));
    QCOMPARE(lignes.size(), 9 + 11 + 2 * 11);
}

void TestFichierChallenge::fichiers_abimes_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("message");
    const QByteArray entete(" (12/2023)\r\nF6ABC\r\nNom\r\nA1\r\nA2\r\n12\r\nF\r\n");
    const QByteArray largeurs = QByteArray("64\r\n").repeated(10);
    const QString fin = QStringLiteral("Lecture au-delà de la fin de fichier");
    const QString saisie = QStringLiteral("Saisie numérique incorrecte");
    QTest::newRow("vide") << QByteArray() << fin;
    QTest::newRow("coupe dans l'en-tete") << entete << fin;
    QTest::newRow("coupe dans les cellules")
        << entete + "10\r\n3\r\n" + largeurs + QByteArray("x\r\n").repeated(25) << fin;
    QTest::newRow("colonnes en lettres") << entete + "dix\r\n2\r\n" + largeurs << saisie;
    QTest::newRow("largeur en lettres")
        << entete + "10\r\n2\r\n" + QByteArray("64\r\nlarge\r\n") + largeurs << saisie;
    QTest::newRow("lignes negatives") << entete + "10\r\n-5\r\n" + largeurs << saisie;
    QTest::newRow("une seule ligne") << entete + "10\r\n1\r\n" + largeurs << saisie;
    QTest::newRow("trop de colonnes") << entete + "1001\r\n2\r\n" << saisie;
    QTest::newRow("trop de lignes") << entete + "10\r\n1000001\r\n" << saisie;
    QTest::newRow("produit enorme") << entete + "1000\r\n1000000\r\n" << fin;
    QTest::newRow("binaire") << QByteArray("\x00\xff\x01\r\n", 5).repeated(40) << saisie;
    QTest::newRow("NUL dans le nombre de colonnes")
        << entete + QByteArray("1\x000\r\n2\r\n", 7) + largeurs << saisie;
    QTest::newRow("signe plus") << entete + "+10\r\n2\r\n" + largeurs << saisie;
    // Counts smaller than the data: the QSOs past them would be dropped, or every cell
    // shifted, and the next save would make it final.
    const QByteArray cellules = QByteArray("x\r\n").repeated(40);
    const QString trop = QStringLiteral("Fichier challenge incohérent : il contient plus de "
                                        "lignes que ses nombres de colonnes et de lignes n'en "
                                        "annoncent");
    QTest::newRow("moins de lignes que de QSO")
        << entete + "10\r\n3\r\n" + largeurs + cellules << trop;
    QTest::newRow("neuf colonnes pour dix") << entete + "9\r\n4\r\n" + largeurs + cellules << trop;
    QTest::newRow("une ligne pleine apres des vides")
        << entete + "10\r\n4\r\n" + largeurs + cellules + "\r\n\r\nF5ABC\r\n"
        << trop;
}

void TestFichierChallenge::fichiers_abimes() {
    QFETCH(QByteArray, octets);
    QFETCH(QString, message);
    Etat etat;
    preparer(etat);
    remplir_qso(etat, 3);
    const QStringList avant = lignes_challenge(etat);
    const QString fichier = chemin(QStringLiteral("abime.VRK"));
    ecrire_octets(fichier, octets);
    try {
        charger_fichier(etat, fichier);
        QFAIL("loaded");
    } catch (const Erreur& e) {
        QCOMPARE(e.message(), message);
    }
    QCOMPARE(lignes_challenge(etat), avant);
    QCOMPARE(etat.ligne_suivante, 4);
}

void TestFichierChallenge::lignes_vides_en_fin_tolerees() {
    Etat etat;
    preparer(etat);
    remplir_qso(etat, 3);
    sauver_fichier(etat, QStringLiteral("ETE.VRK"));
    const QString fichier = chemin(QStringLiteral("Fichiers_challenge/ETE.VRK"));
    ecrire_octets(fichier, lire_octets(fichier) + "\r\n\n\r\n");
    Etat relu;
    preparer(relu);
    charger_fichier(relu, fichier);
    QCOMPARE(lignes_challenge(relu), lignes_challenge(etat));
}

void TestFichierChallenge::champs_station_coupes_data() {
    QTest::addColumn<int>("ligne");
    QTest::addColumn<int>("longueur");
    ligne_donnees("indicatif", 1, longueur_max_indicatif);
    ligne_donnees("nom", 2, longueur_max_nom);
    ligne_donnees("adresse", 3, longueur_max_adresse);
    ligne_donnees("ville", 4, longueur_max_adresse);
    ligne_donnees("numero du club", 5, longueur_max_nr_club);
    ligne_donnees("DXCC", 6, longueur_max_DXCC);
}

// A station field no operator could have typed (100 kB) would be repeated in every QSO
// record of the reports: it is cut to what the station window takes.
void TestFichierChallenge::champs_station_coupes() {
    QFETCH(int, ligne);
    QFETCH(int, longueur);
    Etat etat;
    preparer(etat);
    remplir_qso(etat, 2);
    QStringList lignes = lignes_challenge(etat);
    lignes[ligne] = QString(100000, QLatin1Char('A'));
    const QString fichier = chemin(QStringLiteral("long.VRK"));
    ecrire_lignes(fichier, lignes);
    Etat relu;
    charger_fichier(relu, fichier);
    QCOMPARE(lignes_challenge(relu).value(ligne), QString(longueur, QLatin1Char('A')));
    lignes[ligne] = QString(longueur, QLatin1Char('A'));
    QCOMPARE(lignes_challenge(relu), lignes);
}

void TestFichierChallenge::sauvegarde_echouee_garde_tout() {
    Etat etat;
    preparer(etat);
    remplir_qso(etat, 2);
    sauver_fichier(etat, QStringLiteral("ETE.VRK"));
    const QString fichier = chemin(QStringLiteral("Fichiers_challenge/ETE.VRK"));
    const QByteArray avant = lire_octets(fichier);
    remplir_qso(etat, 30);
    etat.fichier_modifie = true;
    {
        const DisquePlein disque(avant.size());
        QVERIFY_THROWS_EXCEPTION(Erreur, sauver_fichier(etat, QStringLiteral("ETE.VRK")));
    }
    QVERIFY(etat.fichier_modifie);
    QCOMPARE(lire_octets(fichier), avant);
    sauver_fichier(etat, QStringLiteral("ETE.VRK"));
    QCOMPARE(lire_octets(fichier + QStringLiteral(".bak")), avant);
}

void TestFichierChallenge::ecrit_seulement_ce_qui_se_relit_data() {
    QTest::addColumn<int>("qso");
    QTest::addColumn<int>("longueur_note");
    QTest::addColumn<bool>("ecrit");
    const int plafond = qso_max_challenge(nb_colonnes_journal);
    // The reader's line cap, as a count of QSOs: above it the writer used to write anyway.
    QVERIFY(plafond > 400000);
    ligne_donnees("au plafond des lignes", plafond, 0, true);
    ligne_donnees("une ligne de trop", plafond + 1, 0, false);
    ligne_donnees("trop d'octets", 2, int(taille_max_fichier_texte), false);
}

// Whatever the writer writes loads back; what would not load is refused before a byte is
// written, the log on disk left as it was.
void TestFichierChallenge::ecrit_seulement_ce_qui_se_relit() {
    QFETCH(int, qso);
    QFETCH(int, longueur_note);
    QFETCH(bool, ecrit);
    Etat etat;
    preparer(etat);
    remplir_qso(etat, 1);
    sauver_fichier(etat, QStringLiteral("ETE.VRK"));
    const QString fichier = chemin(QStringLiteral("Fichiers_challenge/ETE.VRK"));
    const QByteArray avant = lire_octets(fichier);
    etat.table.fixer_nb_lignes(qso + 2);
    etat.table.fixer_cellule(col_indicatif, qso, QStringLiteral("F5ZZZ"));
    etat.table.fixer_cellule(col_notes, qso, QString(longueur_note, QLatin1Char('n')));
    try {
        sauver_fichier(etat, QStringLiteral("ETE.VRK"));
        QVERIFY(ecrit);
    } catch (const Erreur& e) {
        QVERIFY(!ecrit);
        QVERIFY(e.message().contains(QString::number(qso)));
        QCOMPARE(lire_octets(fichier), avant);
        QVERIFY(!QFile::exists(fichier + QStringLiteral(".bak")));
        // Older builds wrote such logs: reading back one that announces too many QSOs says
        // the log is too large, not that the file is none of the program's.
        ecrire_lignes_sur(fichier, lignes_challenge(etat));
        try {
            lire_challenge(fichier);
            QFAIL("a log past the reader's caps loaded");
        } catch (const Erreur& lu) {
            const bool trop_de_qso = longueur_note == 0;
            QCOMPARE(lu.message() != message_fichier_trop_gros(), trop_de_qso);
            QVERIFY(!trop_de_qso || lu.message().contains(QString::number(qso)));
        }
        return;
    }
    const ContenuChallenge relu = lire_challenge(fichier);
    QCOMPARE(relu.lignes, qso + 2);
    QCOMPARE(relu.cellules.ligne(qso).value(col_indicatif), QStringLiteral("F5ZZZ"));
}

// The format has no room for a line break: one pasted into a cell must not shift every
// line after it.
void TestFichierChallenge::saut_de_ligne_dans_une_cellule() {
    Etat etat;
    preparer(etat);
    remplir_qso(etat, 2);
    etat.table.fixer_cellule(col_notes, 1, QStringLiteral("ligne\r\nsuite\nfin"));
    sauver_fichier(etat, QStringLiteral("ETE.VRK"));
    const ContenuChallenge relu =
        lire_challenge(chemin(QStringLiteral("Fichiers_challenge/ETE.VRK")));
    QCOMPARE(relu.cellules.ligne(1).value(col_notes), QStringLiteral("ligne  suite fin"));
    QCOMPARE(relu.cellules.ligne(2), etat.table.ligne(2));
}

void TestFichierChallenge::ordre_du_chargement() {
    Etat etat;
    preparer(etat);
    sauver_fichier(etat, QStringLiteral("ETE.VRK"));
    Etat relu;
    relu.fixer_rep_programme(dossier_->path());
    QStringList ordre;
    ActionsChargement actions;
    // The call's handling may fill the name from the member database; the file wins.
    QObject::connect(&relu.annonces, &Annonces::indicatif_charge, [&](const QString& indicatif) {
        ordre << QStringLiteral("indicatif ") + indicatif;
        relu.station.nom_saisi = QStringLiteral("nom de la base");
    });
    // The windows show the file once everything, rescoring included, is done.
    QStringList ordre_a_l_annonce;
    QObject::connect(&relu.annonces, &Annonces::journal_charge, [&] { ordre_a_l_annonce = ordre; });
    actions.continent_de = [&](const QString& indicatif) {
        ordre << QStringLiteral("continent ") + indicatif;
        return QStringLiteral("EU");
    };
    actions.apres_chargement = [&] {
        ordre << QStringLiteral("apres %1").arg(relu.ligne_suivante);
    };
    charger_fichier(relu, QStringLiteral("ETE.VRK"), actions);
    QCOMPARE(ordre, (QStringList{QStringLiteral("indicatif F6ABC"),
                                 QStringLiteral("continent F6ABC"), QStringLiteral("apres 1")}));
    QCOMPARE(ordre_a_l_annonce, ordre);
    QCOMPARE(relu.station.station_nom(), QStringLiteral("Sébastien"));
    QCOMPARE(relu.station.nom_saisi, QStringLiteral("Sébastien"));
    QCOMPARE(relu.station.station_nr_club, QStringLiteral("1234"));
    QCOMPARE(relu.station.station_continent, QStringLiteral("EU"));
}

void TestFichierChallenge::question_de_sauvegarde_data() {
    QTest::addColumn<bool>("modifie");
    QTest::addColumn<int>("reponse");
    QTest::addColumn<bool>("echec_ecriture");
    QTest::addColumn<bool>("abandon");
    QTest::addColumn<int>("questions");
    QTest::newRow("rien a enregistrer") << false << int(Reponse::annuler) << false << true << 0;
    QTest::newRow("oui") << true << int(Reponse::oui) << false << true << 1;
    QTest::newRow("oui mais echec") << true << int(Reponse::oui) << true << false << 1;
    QTest::newRow("non") << true << int(Reponse::non) << false << true << 1;
    QTest::newRow("annuler") << true << int(Reponse::annuler) << false << false << 1;
}

void TestFichierChallenge::question_de_sauvegarde() {
    QFETCH(bool, modifie);
    QFETCH(int, reponse);
    QFETCH(bool, echec_ecriture);
    QFETCH(bool, abandon);
    QFETCH(int, questions);
    Etat etat;
    preparer(etat);
    etat.fichier_courant = QStringLiteral("ETE.VRK");
    etat.fichier_modifie = modifie;
    if (echec_ecriture) {
        // A folder where the file should go: no save can replace it.
        QDir().mkdir(chemin(QStringLiteral("Fichiers_challenge/ETE.VRK")));
    }
    DialoguesScriptes dialogues;
    dialogues.prevoir_reponse(Reponse(reponse));
    QCOMPARE(demander_sauvegarde(etat, dialogues), abandon);
    QCOMPARE(dialogues.questions.size(), qsizetype(questions));
    if (questions > 0) {
        QCOMPARE(dialogues.questions[0],
                 QStringLiteral("Le fichier a été modifié. Voulez-vous l'enregistrer ?"));
    }
    const bool ecrit = QFileInfo(chemin(QStringLiteral("Fichiers_challenge/ETE.VRK"))).isFile();
    QCOMPARE(ecrit, Reponse(reponse) == Reponse::oui && !echec_ecriture && modifie);
    QCOMPARE(dialogues.messages.size(), qsizetype(echec_ecriture ? 1 : 0));
}

void TestFichierChallenge::enregistrer_sous_nom_data() {
    QTest::addColumn<QString>("choisi");
    QTest::addColumn<bool>("ecrit");
    QTest::newRow("autre dossier") << QStringLiteral("Logs/ETE.VRK") << true;
    QTest::newRow("dossier de travail") << QStringLiteral("Fichiers_challenge/ETE.VRK") << true;
    QTest::newRow("disquette") << QStringLiteral("A:/ETE.VRK") << true;
    QTest::newRow("dossier absent") << QStringLiteral("absent/ETE.VRK") << false;
}

// The log moves to the chosen file: every later save goes there, and nowhere else.
void TestFichierChallenge::enregistrer_sous_nom() {
    QFETCH(QString, choisi);
    QFETCH(bool, ecrit);
    Etat etat;
    preparer(etat);
    etat.fichier_courant = QStringLiteral("ancien.VRK");
    const QString complet = chemin(choisi);
    if (ecrit) {
        QDir().mkpath(QFileInfo(complet).path());
    }
    DialoguesScriptes dialogues;
    dialogues.prevoir_fichier(complet);
    QCOMPARE(vorek::enregistrer_sous(etat, dialogues), ecrit);
    QCOMPARE(dialogues.demandes[0].filtre, QStringLiteral("Challenge VOREK |*.VRK"));
    if (!ecrit) {
        QCOMPARE(etat.fichier_courant, QStringLiteral("ancien.VRK"));
        QCOMPARE(dialogues.messages.size(), 1);
        return;
    }
    QCOMPARE(etat.fichier_courant, QFileInfo(complet).absoluteFilePath());
    remplir_qso(etat, 3);
    QVERIFY(vorek::enregistrer(etat, dialogues));
    QCOMPARE(lire_challenge(complet).lignes, 5);
    QDirIterator fichiers(dossier_->path(), {QStringLiteral("*.VRK")}, QDir::Files,
                          QDirIterator::Subdirectories);
    QStringList ecrits;
    while (fichiers.hasNext()) {
        ecrits.append(QFileInfo(fichiers.next()).absoluteFilePath());
    }
    QCOMPARE(ecrits, QStringList{etat.fichier_courant});
    // Cancelled dialog: nothing happens.
    QVERIFY(!vorek::enregistrer_sous(etat, dialogues));
    QCOMPARE(etat.fichier_courant, QFileInfo(complet).absoluteFilePath());
}

void TestFichierChallenge::ouvrir_journal() {
    Etat etat;
    preparer(etat);
    remplir_qso(etat, 4);
    sauver_fichier(etat, QStringLiteral("bon.VRK"));
    const QString mauvais = chemin(QStringLiteral("mauvais.VRK"));
    ecrire_octets(mauvais, "pas un journal\r\n");

    Etat courant;
    preparer(courant);
    courant.fichier_courant = QStringLiteral("courant.VRK");
    courant.fichier_modifie = true;
    DialoguesScriptes dialogues;
    dialogues.prevoir_reponse(Reponse::annuler);
    QVERIFY(!vorek::ouvrir(courant, dialogues, {}));
    QVERIFY(dialogues.demandes.isEmpty());

    dialogues.prevoir_reponse(Reponse::non);
    dialogues.prevoir_fichier(mauvais);
    QVERIFY(!vorek::ouvrir(courant, dialogues, {}));
    QCOMPARE(dialogues.textes(),
             QStringList{QStringLiteral("Lecture au-delà de la fin de fichier")});
    QCOMPARE(courant.fichier_courant, QStringLiteral("courant.VRK"));
    QCOMPARE(dialogues.demandes[0].filtre, QStringLiteral("Challenge VOREK  |*.VRK"));

    courant.fichier_modifie = false;
    const QString bon = chemin(QStringLiteral("Fichiers_challenge/bon.VRK"));
    dialogues.prevoir_fichier(bon);
    QVERIFY(vorek::ouvrir(courant, dialogues, {}));
    QCOMPARE(courant.fichier_courant, bon);
    QCOMPARE(compter_QSO(courant.table), 4);
    QCOMPARE(dialogues.questions.size(), 2);
}

void TestFichierChallenge::qso_aller_retour_data() {
    QTest::addColumn<QStringList>("cellules");
    const QString remarque = QStringLiteral(" >>>>>>>  Déjà QSO le même jour !  <<<<<<<<");
    ligne_donnees("vide", QStringList(10));
    ligne_donnees("blancs gardes", QStringList{" 01/07/2025", "10:05 ", "  f5abc ", " 40m", "5 9",
                                               "599 ", " 12", " 4", "  Jean-Loïc ", "   "});
    ligne_donnees("textes sans regle",
                  QStringList{"31/02/2025", "25:61", "F5ABC/P/MM", "1,2m", "59", "5999", "*12*",
                              "-3", "Œdipe € ß", "note" + remarque});
    ligne_donnees("remarque seule sans blanc",
                  QStringList{"01/07/2025", "10:05", "F5ABC", "sat", "599", "599", "NM", "0", "",
                              remarque.trimmed()});
    ligne_donnees("huit colonnes",
                  QStringList{"01/07/2025", "10:05", "F5ABC", "20m", "599", "599", "12", "4"});
    ligne_donnees("une colonne", QStringList{"F5ABC"});
    ligne_donnees("douze colonnes", QStringList{"01/07/2025", "10:05", "F5ABC", "20m", "599", "599",
                                                "12", "4", "Jean", "", " onze ", "douze"});
}

// A row read into the record and written back is the row it was, and a file whose every row
// went through the record is the same file, byte for byte.
void TestFichierChallenge::qso_aller_retour() {
    QFETCH(QStringList, cellules);
    const CellulesQSO qso = CellulesQSO::du_texte(cellules);
    QCOMPARE(qso.en_texte(), cellules);
    QCOMPARE(qso.indicatif, cellules.value(col_indicatif));
    QCOMPARE(qso.notes, cellules.value(col_notes));
    QCOMPARE(qso.suite, cellules.mid(nb_colonnes_journal));

    Etat etat;
    preparer(etat);
    etat.table.fixer_nb_colonnes(int(cellules.size()));
    remplir_journal(etat, {cellules, QStringList(cellules.size(), QStringLiteral("x"))});
    sauver_fichier(etat, QStringLiteral("A.VRK"));
    Etat relu;
    preparer(relu);
    charger_fichier(relu, QStringLiteral("A.VRK"));
    for (int ligne = 0; ligne < relu.table.nb_lignes(); ++ligne) {
        CellulesQSO::de_la_ligne(relu.table, ligne).ecrire(relu.table, ligne);
    }
    sauver_fichier(relu, QStringLiteral("B.VRK"));
    QCOMPARE(lire_octets(chemin(QStringLiteral("Fichiers_challenge/B.VRK"))),
             lire_octets(chemin(QStringLiteral("Fichiers_challenge/A.VRK"))));
    QCOMPARE(relu.table.ligne(1), cellules);
}

QTEST_GUILESS_MAIN(TestFichierChallenge)
#include "tst_fichier_challenge.moc"
