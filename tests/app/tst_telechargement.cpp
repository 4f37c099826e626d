#include "app/serveurs.h"
#include "app/telechargement.h"
#include "base/fichier_texte.h"
#include "ligne_donnees.h"
#include "octets_fichier.h"
#include "port_libre.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace vorek;

namespace {

// A real HTTP peer: serves the folder it is given, plus a few misbehaving paths. It prints
// its port once listening and logs every path asked for.
const char* const script_serveur = R"PY(
import http.server, socketserver, sys, time, os
racine = sys.argv[1]
class Gestion(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *a, **k):
        super().__init__(*a, directory=racine, **k)
    def log_message(self, *a):
        pass
    def do_GET(self):
        with open(os.path.join(racine, "requetes.log"), "a") as f:
            f.write(self.path + "\n")
        if self.path.startswith("/coupe"):
            self.send_response(200)
            self.send_header("Content-Length", "100000")
            self.end_headers()
            self.wfile.write(b"F5ABC,1,Jean,x\r\n" * 10)
            self.wfile.flush()
            self.close_connection = True
            return
        if self.path.startswith("/muet"):
            time.sleep(3600)
            return
        if self.path.startswith("/lent"):
            self.send_response(200)
            self.send_header("Content-Length", "40000")
            self.end_headers()
            for i in range(4):
                self.wfile.write(b"F5ABC,1234,Jean Dupont,x\r\n".ljust(10000, b" "))
                self.wfile.flush()
                time.sleep(0.3)
            return
        if self.path.startswith("/vide"):
            self.send_response(200)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        if self.path.startswith("/redirige"):
            self.send_response(302)
            self.send_header("Location", "/Concours/ZTC_mini_2021.csv")
            self.end_headers()
            return
        super().do_GET()
class Serveur(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
s = Serveur(("127.0.0.1", 0), Gestion)
print(s.server_address[1], flush=True)
s.serve_forever()
)PY";

const QByteArray base_du_site = "F5ABC,1234,Jean Dupont,x\r\nF6XYZ,12,Paul,y\r\n";
const QByteArray pays_du_site = "#\r\n#\r\n#\r\n#\r\n# ADIF 227\r\n"
                                "France: 14: 27: EU: 46.00: -2.00: -1.0: F:\r\n    F,TM;\r\n";

} // namespace

class TestTelechargement : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir site_;
    QTemporaryDir programme_;
    QProcess serveur_;
    QString adresse_;
    // A stall is given up after a second; the total bound stays far off, so that only the
    // stall limit can end a silent transfer.
    const DelaisTelechargement courts_{std::chrono::milliseconds(2000), std::chrono::seconds(1),
                                       std::chrono::seconds(600)};

    QString rep_BD() const { return programme_.filePath(QStringLiteral("Fichiers_BD")); }
    QString rep_cfg() const { return programme_.filePath(QStringLiteral("cfg")); }
    QString base() const { return rep_BD() + QStringLiteral("/ZTC_mini_2021.csv"); }
    QString site() const { return rep_BD() + QStringLiteral("/ZTC_mini_2021_site.csv"); }
    ConfigServeurs config(const QString& club, const QString& pays) const {
        return {club, pays, QStringLiteral("x@club.invalid")};
    }
    QStringList requetes() const {
        return depuis_cp1252(lire_octets(site_.filePath(QStringLiteral("requetes.log"))))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // A port where nothing listens: the connection is refused.
    static QString port_ferme() { return QStringLiteral("http://127.0.0.1:%1").arg(port_libre()); }

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void base_membres_remplacee();
    void echecs_laissent_l_ancienne_base_data();
    void echecs_laissent_l_ancienne_base();
    void serveur_muet_ne_bloque_pas();
    void progression_et_abandon();
    void fichier_pays_seulement_s_il_manque();
    void fichier_pays_coupe_ne_reste_pas();
    void configuration_data();
    void configuration();
};

void TestTelechargement::initTestCase() {
    const QString script = site_.filePath(QStringLiteral("serveur.py"));
    ecrire_octets(script, script_serveur);
    ecrire_octets(site_.filePath(QStringLiteral("Concours/ZTC_mini_2021.csv")), base_du_site);
    ecrire_octets(site_.filePath(QStringLiteral("cty/cty_wt.dat")), pays_du_site);
    ecrire_octets(site_.filePath(QStringLiteral("portail/cty/cty_wt.dat")),
                  "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title>Portail</title>\r\n"
                  "<style>p { color: red; margin: 0; }</style>\r\n</head>\r\n"
                  "<body><p>Connexion requise&nbsp;: https://portail.example/</p></body>\r\n"
                  "</html>\r\n");
    ecrire_octets(site_.filePath(QStringLiteral("portail/Concours/ZTC_mini_2021.csv")),
                  lire_octets(site_.filePath(QStringLiteral("portail/cty/cty_wt.dat"))));
    const QString membres = QString::fromLatin1(base_du_site);
    QByteArray utf16("\xff\xfe");
    utf16.append(reinterpret_cast<const char*>(membres.utf16()), membres.size() * 2);
    ecrire_octets(site_.filePath(QStringLiteral("utf16/Concours/ZTC_mini_2021.csv")), utf16);
    ecrire_octets(site_.filePath(QStringLiteral("titre/Concours/ZTC_mini_2021.csv")),
                  "Indicatif;Numero;Nom\r\n\r\n");
    ecrire_octets(site_.filePath(QStringLiteral("long/cty/cty_wt.dat")),
                  QByteArray("#\r\n#\r\n#\r\n#\r\n# ADIF 227\r\nFrance: 14: 27: EU: 46.00: -2.00: "
                             "-1.0: F:\r\n    F,") +
                      QByteArray(65, 'T') + ";\r\n");
    serveur_.start(QStringLiteral("/usr/bin/python3"), {script, site_.path()});
    QVERIFY(serveur_.waitForStarted());
    QVERIFY(serveur_.waitForReadyRead(10000));
    const int port = serveur_.readLine().trimmed().toInt();
    QVERIFY(port > 0);
    adresse_ = QStringLiteral("http://127.0.0.1:%1").arg(port);
}

void TestTelechargement::cleanupTestCase() {
    serveur_.kill();
    serveur_.waitForFinished();
}

void TestTelechargement::init() {
    QDir(rep_BD()).removeRecursively();
    QDir(rep_cfg()).removeRecursively();
    QVERIFY(QDir().mkpath(rep_BD()));
    QVERIFY(QDir().mkpath(rep_cfg()));
    QFile::remove(site_.filePath(QStringLiteral("requetes.log")));
}

void TestTelechargement::base_membres_remplacee() {
    ecrire_octets(base(), "ANCIEN,1,x,y\r\n");
    QVERIFY(telecharger_base_membres(rep_BD(), config(adresse_, port_ferme()), courts_).reussi);
    QCOMPARE(lire_octets(base()), base_du_site);
    QVERIFY(!QFile::exists(site()));
    QCOMPARE(requetes(), QStringList{QStringLiteral("/Concours/ZTC_mini_2021.csv")});
    // The same file again still replaces it.
    QVERIFY(telecharger_base_membres(rep_BD(), config(adresse_, port_ferme()), courts_).reussi);
    QCOMPARE(lire_octets(base()), base_du_site);
}

void TestTelechargement::echecs_laissent_l_ancienne_base_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<QString>("raison");
    ligne_donnees("404", "/absent", false, QString());
    ligne_donnees("connexion refusee", "", true, QString());
    ligne_donnees("transfert coupe", "/coupe", false, "est incomplet");
    ligne_donnees("reponse vide", "/vide", false, "est vide");
    ligne_donnees("page HTML", "/portail", false, "n'est pas une base de données des membres");
    ligne_donnees("UTF-16", "/utf16", false, "n'est pas une base de données des membres");
    ligne_donnees("titre seul", "/titre", false, "ne contient aucun membre");
}

void TestTelechargement::echecs_laissent_l_ancienne_base() {
    QFETCH(QString, chemin);
    QFETCH(bool, refuse);
    QFETCH(QString, raison);
    const QString refus =
        raison.isEmpty() ? QString()
                         : QStringLiteral("Téléchargement refusé : le fichier ZTC_mini_2021.csv "
                                          "reçu du serveur ") +
                               raison + QStringLiteral(".\rIl n'a pas été enregistré.");
    const QByteArray ancienne = "ANCIEN,1,x,y\r\n";
    ecrire_octets(base(), ancienne);
    const QString serveur = refuse ? port_ferme() : adresse_ + chemin;
    const ResultatTelechargement r =
        telecharger_base_membres(rep_BD(), config(serveur, serveur), courts_);
    QVERIFY(!r.reussi);
    QVERIFY(!r.erreur.isEmpty());
    QCOMPARE(r.refus, refus);
    QCOMPARE(lire_octets(base()), ancienne);
    QVERIFY(!QFile::exists(site()));
    // A first start without any database stays without one.
    QVERIFY(QFile::remove(base()));
    QVERIFY(!telecharger_base_membres(rep_BD(), config(serveur, serveur), courts_).reussi);
    QVERIFY(!QFile::exists(base()));
    QVERIFY(!QFile::exists(site()));
}

void TestTelechargement::serveur_muet_ne_bloque_pas() {
    ecrire_octets(base(), "ANCIEN,1,x,y\r\n");
    // The server holds the request for an hour: only the stall limit can end this.
    const ResultatTelechargement r =
        telecharger_base_membres(rep_BD(), config(adresse_ + QStringLiteral("/muet"), {}), courts_);
    QVERIFY(!r.reussi);
    // In our words; libcurl's own stay for the diagnostics.
    QVERIFY2(r.erreur.contains(QStringLiteral("délai dépassé")), qPrintable(r.erreur));
    QVERIFY2(r.detail_bibliotheque.contains(QStringLiteral("too slow")),
             qPrintable(r.detail_bibliotheque));
    QVERIFY(!r.erreur.contains(r.detail_bibliotheque));
    QVERIFY(r.refus.isEmpty());
    QCOMPARE(lire_octets(base()), QByteArray("ANCIEN,1,x,y\r\n"));
    QVERIFY(!QFile::exists(site()));
}

void TestTelechargement::progression_et_abandon() {
    QList<QPair<qint64, qint64>> etapes;
    const SuiviTelechargement noter = [&](qint64 recus, qint64 attendus) {
        etapes.append({recus, attendus});
        return true;
    };
    const QString lent = site();
    QVERIFY(telecharger(adresse_ + QStringLiteral("/lent"), lent, courts_, noter).reussi);
    QCOMPARE(lire_octets(lent).size(), 40000);
    QVERIFY(std::any_of(etapes.cbegin(), etapes.cend(), [](const auto& e) {
        return e.first > 0 && e.first < 40000 && e.second == 40000;
    }));
    for (qsizetype i = 1; i < etapes.size(); ++i) {
        QVERIFY(etapes.at(i).first >= etapes.at(i - 1).first);
    }
    // Abandoned from the follow-up: a silent server is left at once, the old file stays.
    ecrire_octets(base(), "ANCIEN,1,x,y\r\n");
    int appels = 0;
    const ResultatTelechargement r =
        telecharger_base_membres(rep_BD(), config(adresse_ + QStringLiteral("/muet"), {}), courts_,
                                 [&](qint64, qint64) { return ++appels < 3; });
    QCOMPARE(appels, 3);
    QVERIFY(!r.reussi);
    QCOMPARE(r.erreur, QStringLiteral("Téléchargement abandonné"));
    QVERIFY(r.refus.isEmpty());
    QCOMPARE(lire_octets(base()), QByteArray("ANCIEN,1,x,y\r\n"));
    QVERIFY(!QFile::exists(site()));
}

void TestTelechargement::fichier_pays_seulement_s_il_manque() {
    const QString pays = rep_cfg() + QStringLiteral("/cty_wt.dat");
    QVERIFY(telecharger_fichier_pays(rep_cfg(), config({}, adresse_), courts_).reussi);
    QCOMPARE(lire_octets(pays), pays_du_site);
    QVERIFY(!QFile::exists(pays + QStringLiteral(".part")));
    QCOMPARE(requetes(), QStringList{QStringLiteral("/cty/cty_wt.dat")});
    // Present: no network access at all.
    ecrire_octets(pays, "local\r\n");
    QVERIFY(!telecharger_fichier_pays(rep_cfg(), config({}, adresse_), courts_).reussi);
    QCOMPARE(lire_octets(pays), QByteArray("local\r\n"));
    QCOMPARE(requetes().size(), 1);
    // Followed through a redirection, as the public server may do.
    QVERIFY(telecharger(adresse_ + QStringLiteral("/redirige"), site(), courts_).reussi);
    QCOMPARE(lire_octets(site()), base_du_site);
}

void TestTelechargement::fichier_pays_coupe_ne_reste_pas() {
    const QString pays = rep_cfg() + QStringLiteral("/cty_wt.dat");
    const auto refus = [](const char* raison) {
        return QStringLiteral("Téléchargement refusé : le fichier cty_wt.dat reçu du serveur ") +
               QString::fromUtf8(raison) + QStringLiteral(".\rIl n'a pas été enregistré.");
    };
    const QList<QPair<QString, QString>> cas{
        {QStringLiteral("/coupe"), refus("est incomplet")},
        {QStringLiteral("/absent"), QString()},
        {QStringLiteral("/portail"),
         refus("n'est pas un fichier des pays (aucune entité DXCC n'y a été trouvée)")},
        {QStringLiteral("/long"), refus("n'est pas un fichier des pays (l'entité qui finit à la "
                                        "ligne 7 a un champ de plus de 64 caractères)")}};
    for (const auto& [chemin, attendu] : cas) {
        const ResultatTelechargement r =
            telecharger_fichier_pays(rep_cfg(), config({}, adresse_ + chemin), courts_);
        QVERIFY2(!r.reussi, qPrintable(chemin));
        QCOMPARE(r.refus, attendu);
        QVERIFY(!QFile::exists(pays));
        QVERIFY(!QFile::exists(pays + QStringLiteral(".part")));
    }
    // A folder that cannot take the file.
    const QString ailleurs = programme_.filePath(QStringLiteral("absent/ZTC_mini_2021_site.csv"));
    QCOMPARE(telecharger(url_base_membres(config(adresse_, {})), ailleurs, courts_).erreur,
             QStringLiteral("Fichier introuvable"));
    QVERIFY(!telecharger_base_membres(programme_.filePath(QStringLiteral("absent")),
                                      config(adresse_, {}), courts_)
                 .reussi);
}

void TestTelechargement::configuration_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("club");
    QTest::addColumn<QString>("pays");
    QTest::addColumn<QString>("email");
    const ConfigServeurs d = config_serveurs_defaut();
    ligne_donnees("sans fichier", QByteArray(), d.serveur_club, d.serveur_pays, d.email_comite);
    ligne_donnees("noms seuls",
                  QByteArray("[serveurs]\r\nclub=club.example.org\r\npays=cty.example.org/\r\n"),
                  "http://club.example.org", "https://cty.example.org", d.email_comite);
    ligne_donnees("adresses completes",
                  QByteArray("[serveurs]\nclub=http://127.0.0.1:8080/\npays=http://127.0.0.1:8081\n"
                             "[comite]\nemail=cr@example.org\n"),
                  "http://127.0.0.1:8080", "http://127.0.0.1:8081", "cr@example.org");
    ligne_donnees("valeurs vides", QByteArray("[serveurs]\nclub=\n[comite]\nemail=  \n"),
                  d.serveur_club, d.serveur_pays, d.email_comite);
}

void TestTelechargement::configuration() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, club);
    QFETCH(QString, pays);
    QFETCH(QString, email);
    if (!ini.isEmpty()) {
        ecrire_octets(rep_cfg() + QStringLiteral("/serveurs.ini"), ini);
    }
    const ConfigServeurs c = lire_config_serveurs(rep_cfg());
    QCOMPARE(c.serveur_club, club);
    QCOMPARE(c.serveur_pays, pays);
    QCOMPARE(c.email_comite, email);
    QCOMPARE(url_base_membres(c), club + QStringLiteral("/Concours/ZTC_mini_2021.csv"));
    QCOMPARE(url_fichier_pays(c), pays + QStringLiteral("/cty/cty_wt.dat"));
}

QTEST_GUILESS_MAIN(TestTelechargement)
#include "tst_telechargement.moc"
