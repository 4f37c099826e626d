#include "app/demarrage.h"
#include "app/dossiers.h"
#include "app/station.h"
#include "base/fichier_texte.h"
#include "dialogues_scriptes.h"
#include "log/etat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace vorek;

namespace {

// Records what the window shows; its "Passer" is pressed after passer_apres progress calls.
struct AttenteComptee : FenetreAttente {
    void ouvrir(const QString& fichier) override {
        fichiers.append(fichier);
        ouverte = true;
    }
    bool avancer(qint64 recus, qint64 attendus) override {
        progression = {recus, attendus};
        return ++avancees < passer_apres;
    }
    void fermer() override { ouverte = false; }
    QStringList fichiers;
    bool ouverte = false;
    QPair<qint64, qint64> progression;
    int avancees = 0;
    int passer_apres = 1000;
};

// A fetch that reports progress until it is abandoned or done, and counts its calls.
struct FauxTelechargement {
    ResultatTelechargement operator()(const SuiviTelechargement& suivi) {
        ++*appels;
        for (qint64 recus = 0; recus <= 100; recus += 10) {
            if (!suivi(recus, 100)) {
                return {false, 200, QStringLiteral("Téléchargement abandonné"), {}};
            }
        }
        return resultat;
    }
    std::shared_ptr<int> appels = std::make_shared<int>(0);
    ResultatTelechargement resultat;
};

} // namespace

class TestDemarrage : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void dossiers_pres_du_programme();
    void dossiers_dans_les_donnees_utilisateur_data();
    void dossiers_dans_les_donnees_utilisateur();
    void base_absente_telechargee_sans_question();
    void base_presente_data();
    void base_presente();
    void attente_fermee_quoi_que_fasse_le_telechargement_data();
    void attente_fermee_quoi_que_fasse_le_telechargement();
    void liste_dxcc_pres_du_programme();
    void un_essai_par_fichier_et_passer_data();
    void un_essai_par_fichier_et_passer();
    void refus_dit_a_l_operateur();
    void liste_dxcc_absente_ou_refusee_dite();
    void version_et_legende();
    void serveur_smtp_data();
    void serveur_smtp();
    void smtp_absent_garde_l_adresse();
    void table_smtp_installee_data();
    void table_smtp_installee();
    void table_smtp_livree_data();
    void table_smtp_livree();
    void creer_fichier_nom_force();
    void creer_fichier_demande_avant_de_remplacer_data();
    void creer_fichier_demande_avant_de_remplacer();
    void ok_refuse_sans_indicatif_ni_fichier();

  private:
    QString programme() const { return dossier_->filePath(QStringLiteral("prog")); }
    LibellesBase preparer_base(AttenteComptee& attente, const ActionsDemarrage& actions) {
        TelechargementsDemarrage telechargements(*etat_, actions, attente, dialogues_);
        return preparer_base_membres(*etat_, dialogues_, telechargements);
    }
    std::unique_ptr<QTemporaryDir> dossier_;
    std::unique_ptr<Etat> etat_;
    DialoguesScriptes dialogues_;
};

void TestDemarrage::init() {
    dossier_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dossier_->isValid());
    QVERIFY(QDir().mkpath(programme()));
    etat_ = std::make_unique<Etat>();
    preparer_dossiers(*etat_, programme(), dossier_->filePath(QStringLiteral("donnees")));
    dialogues_ = DialoguesScriptes();
}

void TestDemarrage::dossiers_pres_du_programme() {
    QCOMPARE(etat_->rep_programme, programme() + QLatin1Char('/'));
    for (const QString& nom : {QStringLiteral("Fichiers_challenge"), QStringLiteral("Fichiers_BD"),
                               QStringLiteral("cfg")}) {
        QVERIFY2(QFileInfo(programme() + QLatin1Char('/') + nom).isDir(), qPrintable(nom));
    }
    QCOMPARE(etat_->rep_cfg, programme() + QStringLiteral("/cfg"));
    QVERIFY(!QFileInfo::exists(dossier_->filePath(QStringLiteral("donnees"))));
    // The writability probe leaves nothing behind.
    QCOMPARE(QDir(programme()).entryList(QDir::Files), QStringList());
}

void TestDemarrage::dossiers_dans_les_donnees_utilisateur_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("a_creer");
    QTest::addColumn<bool>("donnees");
    // A program folder under a plain file can never be written, even by root.
    QTest::newRow("non inscriptible") << "fichier/prog"
                                      << "" << true;
    // Installed: bin/ beside the shipped data, writable or not (root could write /usr/bin).
    QTest::newRow("installe") << "prefixe/bin"
                              << "prefixe/share/challenge-vorek" << true;
    QTest::newRow("portable") << "portable"
                              << "portable/data" << false;
}

void TestDemarrage::dossiers_dans_les_donnees_utilisateur() {
    QFETCH(QString, executable);
    QFETCH(QString, a_creer);
    QFETCH(bool, donnees);
    ecrire_lignes(dossier_->filePath(QStringLiteral("fichier")), {QStringLiteral("x")});
    const QString exe = dossier_->filePath(executable);
    QDir().mkpath(exe);
    if (!a_creer.isEmpty()) {
        QVERIFY(QDir().mkpath(dossier_->filePath(a_creer)));
    }
    const QString utilisateur = dossier_->filePath(QStringLiteral("donnees"));
    Etat etat;
    preparer_dossiers(etat, exe, utilisateur);
    const QString attendu = donnees ? utilisateur : exe;
    QCOMPARE(etat.rep_programme, attendu + QLatin1Char('/'));
    QCOMPARE(etat.rep_challenge, attendu + QStringLiteral("/Fichiers_challenge"));
    QCOMPARE(etat.rep_BD, attendu + QStringLiteral("/Fichiers_BD"));
    QCOMPARE(etat.rep_cfg, attendu + QStringLiteral("/cfg"));
    QVERIFY(QFileInfo(etat.rep_challenge).isDir());
    QVERIFY(QFileInfo(etat.rep_BD).isDir());
    QVERIFY(QFileInfo(etat.rep_cfg).isDir());
    QCOMPARE(QFileInfo::exists(exe + QStringLiteral("/cfg")), !donnees);
}

void TestDemarrage::base_absente_telechargee_sans_question() {
    AttenteComptee attente;
    ActionsDemarrage actions;
    int appels = 0;
    bool attente_pendant = false;
    actions.telecharger_base_membres = [&](const SuiviTelechargement&) {
        ++appels;
        attente_pendant = attente.ouverte;
        ecrire_lignes(etat_->rep_BD + QStringLiteral("/ZTC_mini_2021.csv"),
                      {QStringLiteral("F5ABC,1,A,")});
        return ResultatTelechargement{true, 200, {}, {}};
    };
    const LibellesBase l = preparer_base(attente, actions);
    QCOMPARE(appels, 1);
    QVERIFY(attente_pendant);
    QVERIFY(dialogues_.questions.isEmpty());
    QCOMPARE(attente.fichiers, QStringList{QStringLiteral("ZTC_mini_2021.csv")});
    QVERIFY(!attente.ouverte);
    QCOMPARE(l.Label_BD_ZTC, QStringLiteral("BD ZTC :\\ZTC_mini_2021.csv"));
    QCOMPARE(l.Label_date_BD, QStringLiteral("Date du fichier : ") +
                                  QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
}

void TestDemarrage::base_presente_data() {
    QTest::addColumn<bool>("oui");
    QTest::newRow("non") << false;
    QTest::newRow("oui") << true;
}

void TestDemarrage::base_presente() {
    QFETCH(bool, oui);
    const QString base = etat_->rep_BD + QStringLiteral("/ZTC_mini_2021.csv");
    ecrire_lignes(base, {QStringLiteral("F5ABC,1,A,")});
    QFile f(base);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime(QDate(2024, 2, 3), QTime(8, 0)),
                          QFileDevice::FileModificationTime));
    f.close();
    AttenteComptee attente;
    ActionsDemarrage actions;
    int appels = 0;
    actions.telecharger_base_membres = [&](const SuiviTelechargement&) {
        ++appels;
        return ResultatTelechargement{};
    };
    dialogues_.prevoir_reponse(oui ? Reponse::oui : Reponse::non);
    const LibellesBase l = preparer_base(attente, actions);
    QCOMPARE(dialogues_.questions,
             QStringList{QStringLiteral("Votre base de données des membres date du 03/02/2024\r\r"
                                        "Voulez-vous mettre à jour le fichier ?")});
    QCOMPARE(appels, oui ? 1 : 0);
    QCOMPARE(attente.fichiers.size(), oui ? 1 : 0);
    QVERIFY(!attente.ouverte);
    QCOMPARE(l.Label_BD_ZTC, QStringLiteral("BD Membres : \\ZTC_mini_2021.csv"));
    QCOMPARE(l.Label_date_BD, QStringLiteral("Date du fichier : 03/02/2024"));
}

void TestDemarrage::attente_fermee_quoi_que_fasse_le_telechargement_data() {
    QTest::addColumn<int>("issue");
    QTest::newRow("echec") << 0;
    QTest::newRow("exception") << 1;
}

void TestDemarrage::attente_fermee_quoi_que_fasse_le_telechargement() {
    QFETCH(int, issue);
    AttenteComptee attente;
    ActionsDemarrage actions;
    actions.telecharger_base_membres = [issue](const SuiviTelechargement&) {
        if (issue == 1) {
            throw std::runtime_error("coupure");
        }
        return ResultatTelechargement{};
    };
    const LibellesBase l = preparer_base(attente, actions);
    QCOMPARE(attente.fichiers.size(), 1);
    QVERIFY(!attente.ouverte);
    QCOMPARE(l.Label_date_BD, QStringLiteral("Date du fichier : fichier absent"));
}

void TestDemarrage::liste_dxcc_pres_du_programme() {
    ecrire_lignes(programme() + QStringLiteral("/dxcc.csv"),
                  {QStringLiteral("F,France,F,EU,227"), QStringLiteral("TM,France,F,EU,227"),
                   QStringLiteral("DL,Germany,DL,EU,230"), QStringLiteral("trop,court"),
                   QStringLiteral("FG,Guadeloupe,F,NA,79")});
    ActionsDemarrage actions;
    FauxTelechargement pays;
    actions.telecharger_fichier_pays = pays;
    AttenteComptee attente;
    TelechargementsDemarrage telechargements(*etat_, actions, attente, dialogues_);
    QCOMPARE(preparer_liste_dxcc(*etat_, dialogues_, telechargements),
             (QStringList{QStringLiteral("F"), QStringLiteral("DL"), QStringLiteral("F")}));
    QCOMPARE(*pays.appels, 0);
}

void TestDemarrage::un_essai_par_fichier_et_passer_data() {
    QTest::addColumn<int>("passer_apres");
    QTest::addColumn<int>("essais_pays");
    QTest::newRow("sans passer") << 1000 << 1;
    QTest::newRow("passer pendant la base") << 3 << 0;
}

void TestDemarrage::un_essai_par_fichier_et_passer() {
    QFETCH(int, passer_apres);
    QFETCH(int, essais_pays);
    FauxTelechargement base;
    FauxTelechargement pays;
    const ActionsDemarrage actions{base, pays, {}};
    AttenteComptee attente;
    attente.passer_apres = passer_apres;
    TelechargementsDemarrage telechargements(*etat_, actions, attente, dialogues_);
    for (int i = 0; i < 2; ++i) {
        telechargements.base_membres();
        telechargements.fichier_pays();
    }
    QCOMPARE(*base.appels, 1);
    QCOMPARE(*pays.appels, essais_pays);
    QCOMPARE(attente.fichiers.size(), 1 + essais_pays);
    QVERIFY(!attente.ouverte);
    QCOMPARE(attente.progression.second, qint64(100));
    // Skipped: the start-up goes on with the shipped country file.
    const QStringList entites = preparer_liste_dxcc(*etat_, dialogues_, telechargements);
    QVERIFY(entites.contains(QStringLiteral("F")));
    QCOMPARE(*pays.appels, essais_pays);
    QVERIFY(dialogues_.messages.isEmpty());
}

void TestDemarrage::refus_dit_a_l_operateur() {
    FauxTelechargement base;
    base.resultat.refus = QStringLiteral("Téléchargement refusé : la raison.");
    const ActionsDemarrage actions{base, {}, {}};
    AttenteComptee attente;
    TelechargementsDemarrage telechargements(*etat_, actions, attente, dialogues_);
    telechargements.base_membres();
    telechargements.fichier_pays();
    QCOMPARE(dialogues_.textes(),
             QStringList{QStringLiteral("Téléchargement refusé : la raison.")});
    QCOMPARE(dialogues_.messages.at(0).type, TypeMessage::avertissement);
    QVERIFY(!attente.ouverte);
}

void TestDemarrage::liste_dxcc_absente_ou_refusee_dite() {
    const QString absente = QStringLiteral(
        "Fichier DXCC.CSV absent : les pays et les continents des indicatifs ne seront pas "
        "reconnus.");
    const ActionsDemarrage actions;
    AttenteComptee attente;
    TelechargementsDemarrage telechargements(*etat_, actions, attente, dialogues_);
    // Beside the program only: the look-ups, which read cfg/, find nothing.
    ecrire_lignes(programme() + QStringLiteral("/DXCC.CSV"), {QStringLiteral("F,France,F,EU,227")});
    QCOMPARE(preparer_liste_dxcc(*etat_, dialogues_, telechargements),
             QStringList{QStringLiteral("F")});
    QCOMPARE(dialogues_.textes(), QStringList{absente});
    // A country file that is a web page: the list in cfg/ stays and is used.
    QVERIFY(QFile::remove(programme() + QStringLiteral("/DXCC.CSV")));
    ecrire_lignes(etat_->rep_cfg + QStringLiteral("/DXCC.CSV"),
                  {QStringLiteral("DL,Germany,DL,EU,230")});
    ecrire_lignes(etat_->rep_cfg + QStringLiteral("/cty_wt.dat"), {QStringLiteral("<html>")});
    dialogues_ = DialoguesScriptes();
    QCOMPARE(preparer_liste_dxcc(*etat_, dialogues_, telechargements),
             QStringList{QStringLiteral("DL")});
    QCOMPARE(dialogues_.textes(),
             QStringList{QStringLiteral("Le fichier des pays ") + etat_->rep_cfg +
                         QStringLiteral("/cty_wt.dat est refusé : aucune entité DXCC n'y a été "
                                        "trouvée.\rLa liste DXCC actuelle est conservée.")});
    QCOMPARE(lire_lignes(etat_->rep_cfg + QStringLiteral("/DXCC.CSV")),
             QStringList{QStringLiteral("DL,Germany,DL,EU,230")});
}

void TestDemarrage::version_et_legende() {
    QVERIFY(preparer_version(*etat_, QStringLiteral("7.5.0.0"), dialogues_));
    QCOMPARE(etat_->version_prog, QStringLiteral("V7.5.0.0 (12/2023)"));
    QCOMPARE(legende_station(*etat_), QStringLiteral("CHALLENGE d'été VOREK  V7.5.0.0 (12/2023)"));
    QVERIFY(dialogues_.messages.isEmpty());

    Etat sans_version;
    QVERIFY(!preparer_version(sans_version, QString(), dialogues_));
    QCOMPARE(sans_version.version_prog, QString());
    QCOMPARE(legende_station(sans_version), QStringLiteral("CHALLENGE d'été VOREK   (12/2023)"));
    QCOMPARE(dialogues_.textes(),
             QStringList{QStringLiteral("Les infos de version ne sont pas incluses dans "
                                        "l'exécutable")});
}

void TestDemarrage::serveur_smtp_data() {
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QString>("serveur"); // proposed; "-" when nothing is
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("utilisateur");
    QTest::addColumn<QString>("station_email");
    const auto ligne = [](const char* nom, const char* adresse, const char* serveur,
                          const char* port, const char* utilisateur, const char* email) {
        QTest::newRow(nom) << QString::fromUtf8(adresse) << QString::fromUtf8(serveur)
                           << QString::fromUtf8(port) << QString::fromUtf8(utilisateur)
                           << QString::fromUtf8(email);
    };
    // Stored: smtp.free.fr, 587, user "jean". SMTP.csv wins where it knows the domain; the
    // stored user name follows only its own server.
    ligne("premiere ligne qui convient", "f5abc@free.fr", "smtp.free.fr", "25", "jean",
          "f5abc@free.fr");
    ligne("port entoure de blancs", "x@orange.fr", "smtp.orange.fr", "465", "", "x@orange.fr");
    ligne("cle sensible a la casse", "x@Free.fr", "smtp.free.fr", "587", "jean", "x@Free.fr");
    ligne("la ligne de titre ne compte pas", "x@Domaine.fr", "smtp.free.fr", "587", "jean",
          "x@Domaine.fr");
    ligne("adresse refusee", "x@free", "-", "", "", "avant@free.fr");
}

void TestDemarrage::serveur_smtp() {
    QFETCH(QString, adresse);
    QFETCH(QString, serveur);
    QFETCH(QString, port);
    QFETCH(QString, utilisateur);
    QFETCH(QString, station_email);
    ecrire_lignes(chemin_smtp(*etat_), {QStringLiteral("Domaine;Serveur;Port"),
                                        QStringLiteral("orange;smtp.orange.fr;  465  "),
                                        QStringLiteral("free;smtp.free.fr;25"),
                                        QStringLiteral("free;smtp2.free.fr;587")});
    etat_->station.station_email = QStringLiteral("avant@free.fr");
    const ReglagesSmtp memorises{QStringLiteral("smtp.free.fr"), QStringLiteral("587"),
                                 SecuriteSmtp::starttls, QStringLiteral("jean"), true};
    const ResultatEmail r = email_station(*etat_, adresse, memorises);
    QCOMPARE(r.erreur, QString());
    QCOMPARE(r.propose, serveur != u"-");
    if (r.propose) {
        QCOMPARE(r.reglages.serveur, serveur);
        QCOMPARE(r.reglages.port, port);
        QCOMPARE(r.reglages.utilisateur, utilisateur);
    }
    QCOMPARE(etat_->station.station_email, station_email);
}

void TestDemarrage::smtp_absent_garde_l_adresse() {
    etat_->station.station_email = QStringLiteral("avant@free.fr");
    const ResultatEmail r = email_station(*etat_, QStringLiteral("f5abc@free.fr"), ReglagesSmtp{});
    // The operator learns which file and why.
    QVERIFY2(r.erreur.contains(QDir::toNativeSeparators(chemin_smtp(*etat_))) &&
                 r.erreur.contains(QStringLiteral("Fichier introuvable")),
             qPrintable(r.erreur));
    QVERIFY(!r.propose);
    QCOMPARE(etat_->station.station_email, QStringLiteral("avant@free.fr"));
}

void TestDemarrage::table_smtp_installee_data() {
    QTest::addColumn<QString>("livree"); // where the table is shipped, beside exe/
    QTest::addColumn<bool>("a_soi");     // cfg holds the operator's own table
    QTest::addColumn<bool>("copiee");
    QTest::newRow("arbre de construction") << "exe/data" << false << true;
    QTest::newRow("installée en lecture seule") << "share/challenge-vorek" << false << true;
    QTest::newRow("table de l'opérateur") << "exe/data" << true << false;
    QTest::newRow("rien de livré") << "" << false << false;
}

void TestDemarrage::table_smtp_installee() {
    QFETCH(QString, livree);
    QFETCH(bool, a_soi);
    QFETCH(bool, copiee);
    // Installed, the executable is in bin/ beside share/.
    const QString exe = dossier_->filePath(
        livree.startsWith(QStringLiteral("share")) ? QStringLiteral("bin") : QStringLiteral("exe"));
    QVERIFY(QDir().mkpath(exe));
    const QString source = dossier_->filePath(livree + QStringLiteral("/SMTP.csv"));
    if (!livree.isEmpty()) {
        QVERIFY(QDir().mkpath(dossier_->filePath(livree)));
        QVERIFY(QFile::copy(QStringLiteral(VOREK_DONNEES_TEST "/SMTP.csv"), source));
        QVERIFY(QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    }
    const QString cible = chemin_smtp(*etat_);
    const QStringList propre{QStringLiteral("Domaine;Serveur;Port"),
                             QStringLiteral("club;smtp.club.fr;2525")};
    if (a_soi) {
        ecrire_lignes(cible, propre);
    }
    installer_table_smtp(*etat_, exe);
    if (a_soi) {
        QCOMPARE(lire_lignes(cible), propre);
        return;
    }
    QCOMPARE(QFileInfo::exists(cible), copiee);
    if (copiee) {
        QCOMPARE(lire_lignes(cible), lire_lignes(source));
        QVERIFY(QFile::permissions(cible) & QFileDevice::WriteOwner);
    }
}

// The shipped table, as the station window reads it, for the usual providers.
void TestDemarrage::table_smtp_livree_data() {
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QString>("serveur");
    QTest::addColumn<QString>("port");
    const auto ligne = [](const char* a, const char* s, const char* p) {
        QTest::newRow(a) << QString::fromLatin1(a) << QString::fromLatin1(s)
                         << QString::fromLatin1(p);
    };
    ligne("f5xyz@orange.fr", "smtp.orange.fr", "465");
    ligne("f5xyz@wanadoo.fr", "smtp.orange.fr", "465");
    ligne("f5xyz@free.fr", "smtp.free.fr", "587");
    ligne("f5xyz@sfr.fr", "smtp.sfr.fr", "465");
    ligne("f5xyz@laposte.net", "smtp.laposte.net", "465");
    ligne("f5xyz@gmail.com", "smtp.gmail.com", "587");
    ligne("f5xyz@hotmail.fr", "smtp-mail.outlook.com", "587");
    ligne("f5xyz@outlook.fr", "smtp-mail.outlook.com", "587");
    ligne("f5xyz@yahoo.fr", "smtp.mail.yahoo.com", "465");
}

void TestDemarrage::table_smtp_livree() {
    QFETCH(QString, adresse);
    QFETCH(QString, serveur);
    QFETCH(QString, port);
    const QString table = QStringLiteral(VOREK_DONNEES_TEST "/SMTP.csv");
    const std::optional<ServeurSmtp> trouve = chercher_serveur_smtp(table, cle_smtp(adresse));
    QVERIFY(trouve);
    QCOMPARE(trouve->serveur, serveur);
    QCOMPARE(trouve->port, port);
    // Every line a key, a server and a port, each key once, in the program's own text format.
    QFile brut(table);
    QVERIFY(brut.open(QIODevice::ReadOnly));
    const QByteArray octets = brut.readAll();
    QCOMPARE(octets.count("\r\n"), octets.count('\n'));
    QStringList cles;
    for (const QString& ligne : lire_lignes(table).mid(1)) {
        const QStringList champs = ligne.split(QLatin1Char(';'));
        QCOMPARE(champs.size(), 3);
        QVERIFY2(!cles.contains(champs[0]), qPrintable(ligne));
        cles.append(champs[0]);
        QVERIFY2(champs[1].contains(QLatin1Char('.')), qPrintable(ligne));
        const int numero = champs[2].toInt();
        QVERIFY2(numero > 0 && numero < 65536, qPrintable(ligne));
    }
}

void TestDemarrage::creer_fichier_nom_force() {
    QCOMPARE(nom_fichier_a_creer(QStringLiteral("/ailleurs/essai.2024.txt")),
             QStringLiteral("essai.VRK"));
    QCOMPARE(nom_fichier_a_creer(QStringLiteral("C:\\Logs\\ETE")), QStringLiteral("ETE.VRK"));
    etat_->station.station_call = QStringLiteral("F5ABC");
    dialogues_.prevoir_fichier(dossier_->filePath(QStringLiteral("essai.2024.txt")));
    QVERIFY(creer_fichier(*etat_, dialogues_));
    const QString cree = etat_->rep_challenge + QStringLiteral("/essai.VRK");
    QCOMPARE(etat_->fichier_courant, cree);
    QCOMPARE(lire_lignes(cree).size(), 39);
    QCOMPARE(lire_lignes(cree).at(1), QStringLiteral("F5ABC"));
    QVERIFY(dialogues_.questions.isEmpty());
    QCOMPARE(dialogues_.demandes.at(0).filtre, QStringLiteral("Challenge VOREK|*.VRK"));
    QCOMPARE(dialogues_.demandes.at(0).dossier_initial, etat_->rep_challenge);
    QVERIFY(!QFileInfo::exists(dossier_->filePath(QStringLiteral("essai.2024.txt"))));
}

void TestDemarrage::creer_fichier_demande_avant_de_remplacer_data() {
    QTest::addColumn<int>("reponse");
    QTest::addColumn<bool>("remplace");
    QTest::newRow("non") << int(Reponse::non) << false;
    QTest::newRow("fermee") << int(Reponse::annuler) << false;
    QTest::newRow("oui") << int(Reponse::oui) << true;
}

void TestDemarrage::creer_fichier_demande_avant_de_remplacer() {
    QFETCH(int, reponse);
    QFETCH(bool, remplace);
    const QString existant = etat_->rep_challenge + QStringLiteral("/essai.VRK");
    const QStringList journal_complet{QStringLiteral("un journal complet")};
    ecrire_lignes(existant, journal_complet);
    etat_->fichier_courant = QStringLiteral("avant.VRK");
    dialogues_.prevoir_fichier(etat_->rep_challenge + QStringLiteral("/essai.2024.txt"));
    dialogues_.prevoir_reponse(Reponse(reponse));
    QCOMPARE(creer_fichier(*etat_, dialogues_), remplace);
    QCOMPARE(dialogues_.questions,
             QStringList{QStringLiteral("Le fichier essai.VRK existe déjà dans le dossier de "
                                        "travail.\rVoulez-vous le remplacer ?")});
    QCOMPARE(lire_lignes(existant) == journal_complet, !remplace);
    QCOMPARE(etat_->fichier_courant, remplace ? existant : QStringLiteral("avant.VRK"));

    // The dialog itself asked when the name it showed is the final one.
    DialoguesScriptes meme_nom;
    meme_nom.prevoir_fichier(existant);
    QVERIFY(creer_fichier(*etat_, meme_nom));
    QVERIFY(meme_nom.questions.isEmpty());

    // Where names differ by case alone, essai.vrk is a new file: the dialog asked nothing
    // about essai.VRK.
    const QString autre_casse = etat_->rep_challenge + QStringLiteral("/essai.vrk");
    if (!QFileInfo::exists(autre_casse)) {
        DialoguesScriptes casse;
        casse.prevoir_fichier(autre_casse);
        casse.prevoir_reponse(Reponse::non);
        QVERIFY(!creer_fichier(*etat_, casse));
        QCOMPARE(casse.questions.size(), 1);
    }
}

void TestDemarrage::ok_refuse_sans_indicatif_ni_fichier() {
    QVERIFY(!valider_station(*etat_, dialogues_, QString()));
    etat_->station.station_call = QStringLiteral("F5ABC");
    QVERIFY(!valider_station(*etat_, dialogues_, QString()));
    etat_->fichier_courant = QStringLiteral("absent.VRK");
    QVERIFY(!valider_station(*etat_, dialogues_, QString()));
    QCOMPARE(dialogues_.textes(),
             (QStringList{QStringLiteral(" ---------  Indicatif absent -----------"),
                          QStringLiteral(" Il faut créer un fichier de travail"),
                          QStringLiteral(" Il faut créer un fichier de travail")}));
    ecrire_lignes(etat_->rep_challenge + QStringLiteral("/absent.VRK"), {QString()});
    etat_->station.nom_saisi = QStringLiteral("Jean");
    QVERIFY(valider_station(*etat_, dialogues_, QStringLiteral("f5abc@free.fr")));
    QCOMPARE(etat_->station.station_email, QStringLiteral("f5abc@free.fr"));
    QCOMPARE(lire_lignes(etat_->rep_challenge + QStringLiteral("/absent.VRK")).at(2),
             QStringLiteral("Jean"));
}

QTEST_GUILESS_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
