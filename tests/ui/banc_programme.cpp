#include "banc_programme.h"

#include "app/demarrage.h"
#include "base/fichier_texte.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include <QtTest>

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>

BancProgramme::BancProgramme() : horloge(QDateTime(QDate(2025, 3, 15), QTime(10, 0)), -60) {
    QDir().mkpath(prog());
}

BancProgramme::~BancProgramme() = default;

QString BancProgramme::prog() const {
    return dossier_.filePath(QStringLiteral("prog"));
}

QString BancProgramme::chemin(const QString& relatif) const {
    return prog() + QLatin1Char('/') + relatif;
}

void BancProgramme::ecrire(const QString& relatif, const QStringList& lignes) const {
    QDir().mkpath(QFileInfo(chemin(relatif)).path());
    vorek::ecrire_lignes(chemin(relatif), lignes);
}

void BancProgramme::fixer_serveur(const QString& adresse) const {
    ecrire(QStringLiteral("cfg/serveurs.ini"),
           {QStringLiteral("[serveurs]"), QStringLiteral("club=") + adresse,
            QStringLiteral("pays=") + adresse});
}

void BancProgramme::serveur_absent() const {
    QTcpServer libre;
    libre.listen(QHostAddress::LocalHost);
    const quint16 port = libre.serverPort();
    libre.close();
    fixer_serveur(QStringLiteral("http://127.0.0.1:%1").arg(port));
}

void BancProgramme::ecrire_references(const QStringList& dxcc, const QStringList& membres) const {
    ecrire(QStringLiteral("DXCC.CSV"), dxcc);
    ecrire(QStringLiteral("cfg/DXCC.CSV"), dxcc);
    ecrire(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv"), membres);
}

void BancProgramme::creer_challenge(const QString& indicatif, const QString& fichier) {
    infos()->Edit_call->setText(indicatif);
    dialogues.prevoir_fichier(fichier);
    infos()->BitBtn_creer->click();
    infos()->BitBtn_OK->click();
}

void BancProgramme::charger_challenge(const QString& fichier) {
    dialogues.prevoir_fichier(fichier);
    infos()->BitBtn_charger->click();
    infos()->BitBtn_OK->click();
    dialogues = DialoguesScriptes();
}

void BancProgramme::demarrer_sans_mise_a_jour() {
    dialogues.prevoir_reponse(vorek::Reponse::non);
    demarrer();
    dialogues = DialoguesScriptes();
}

void BancProgramme::demarrer(const QString& version) {
    etat = std::make_unique<vorek::Etat>();
    vorek::OptionsProgramme options;
    options.dossier_programme = executable.isEmpty() ? prog() : executable;
    options.dossier_donnees = dossier_.filePath(QStringLiteral("donnees"));
    options.actions = actions_fournies ? actions : vorek::actions_demarrage(*etat);
    options.version = version;
    options.intervalles_radio = intervalles_radio;
    options.delais_cluster = delais_cluster;
    programme =
        std::make_unique<vorek::Programme>(*etat, dialogues, horloge, attente, std::move(options));
}

void BancProgramme::redemarrer() {
    programme.reset();
    dialogues = DialoguesScriptes();
    demarrer();
}

vorek::TForm_Infos* BancProgramme::infos() const {
    return programme->Form_Infos();
}

vorek::TForm_main* BancProgramme::principale() const {
    return programme->Form_main();
}

const ControlesPrincipale* BancProgramme::controles_principale() const {
    QObject* fenetre = principale();
    if (!controles_ || controles_de_ != fenetre) {
        controles_ = std::make_unique<ControlesPrincipale>(principale());
        controles_de_ = fenetre;
    }
    return controles_.get();
}

// A first start's station window, typed into key by key: the call, then the e-mail address,
// whose mail server the shipped table proposes.
void taper_sans_boite(BancProgramme& banc) {
    vorek::TForm_Infos* infos = banc.infos();
    QTest::keyClicks(infos->Edit_call, QStringLiteral("f5xyz"));
    QTest::keyClicks(infos->Edit_email, QStringLiteral("f5xyz@free.fr"));
    QCOMPARE(banc.dialogues.textes(), QStringList());
    QCOMPARE(infos->Edit_call->text(), QStringLiteral("F5XYZ"));
    QCOMPARE(infos->Edit_email->text(), QStringLiteral("f5xyz@free.fr"));
    QCOMPARE(infos->Edit_SMTP->text(), QStringLiteral("smtp.free.fr"));
    QCOMPARE(banc.etat->station.station_email, QStringLiteral("f5xyz@free.fr"));
}

namespace {

const char* const script_serveur = R"PY(
import functools, http.server, sys
gestion = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
serveur = http.server.HTTPServer(("127.0.0.1", 0), gestion)
print(serveur.server_address[1], flush=True)
serveur.serve_forever()
)PY";

} // namespace

ServeurHttp::ServeurHttp(const QString& dossier) {
    const QString script = script_.filePath(QStringLiteral("serveur.py"));
    QFile f(script);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(script_serveur);
        f.close();
    }
    processus_.setProcessChannelMode(QProcess::SeparateChannels);
    processus_.start(QStringLiteral("/usr/bin/python3"), {script, dossier});
    if (processus_.waitForStarted(10000) && processus_.waitForReadyRead(10000)) {
        const int port = processus_.readLine().trimmed().toInt();
        adresse_ = QStringLiteral("http://127.0.0.1:%1").arg(port);
    }
}

ServeurHttp::~ServeurHttp() {
    processus_.kill();
    processus_.waitForFinished(5000);
}
