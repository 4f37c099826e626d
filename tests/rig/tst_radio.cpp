#include "pairs_radio.h"
#include "rig/hamlib_commun.h"
#include "rig/liaison_radio.h"
#include "rig/manipulateur_radio.h"
#include "rig/modeles_radio.h"
#include "rig/suivi_radio.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using namespace vorek;
using namespace std::chrono_literals;

namespace {

const IntervallesRadio rapides{50ms, 100ms, 200ms};

// The operator reads French: no text of Hamlib's error table reaches a message.
void verifier_sans_texte_de_hamlib(const QString& message) {
    QVERIFY(!message.isEmpty());
    for (int code = 1; code < 100; ++code) {
        const QString texte = texte_hamlib(-code);
        QVERIFY2(texte.isEmpty() || !message.contains(texte), qPrintable(message));
    }
}

} // namespace

class TestRadio : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY2(!liaison_.ouvrir({1, {}, 0}), "rig factice de Hamlib"); }
    void bandes_aux_bords_data();
    void bandes_aux_bords();
    void modeles_de_hamlib();
    void ouvertures_impossibles_data();
    void ouvertures_impossibles();
    void suivi_par_rigctld();
    void frequence_illisible_data();
    void frequence_illisible();
    void arret_sans_attendre_la_radio();
    void manipulateur_de_la_radio();

  private:
    LiaisonRadio liaison_;
};

void TestRadio::bandes_aux_bords_data() {
    QTest::addColumn<qint64>("hz");
    QTest::addColumn<QString>("bande");
    // Region 1 allocations, edges included; nothing in between belongs to a band.
    const struct {
        const char* bande;
        qint64 bas;
        qint64 haut;
    } plages[] = {
        {"160m", 1'810'000, 2'000'000},     {"80m", 3'500'000, 3'800'000},
        {"60m", 5'351'500, 5'366'500},      {"40m", 7'000'000, 7'200'000},
        {"30m", 10'100'000, 10'150'000},    {"20m", 14'000'000, 14'350'000},
        {"17m", 18'068'000, 18'168'000},    {"15m", 21'000'000, 21'450'000},
        {"12m", 24'890'000, 24'990'000},    {"10m", 28'000'000, 29'700'000},
        {"6m", 50'000'000, 52'000'000},     {"2m", 144'000'000, 146'000'000},
        {"70cm", 430'000'000, 440'000'000}, {"23cm", 1'240'000'000, 1'300'000'000},
    };
    for (const auto& p : plages) {
        const QString b = QString::fromLatin1(p.bande);
        QTest::addRow("%s bas", p.bande) << p.bas << b;
        QTest::addRow("%s haut", p.bande) << p.haut << b;
        QTest::addRow("%s sous", p.bande) << p.bas - 1 << QString();
        QTest::addRow("%s dessus", p.bande) << p.haut + 1 << QString();
    }
    QTest::newRow("rapport 160m") << qint64(1'800'000) << QString();
    QTest::newRow("rapport 70cm") << qint64(420'000'000) << QString();
}

void TestRadio::bandes_aux_bords() {
    QFETCH(qint64, hz);
    QFETCH(QString, bande);
    QCOMPARE(liaison_.regler_frequence(hz), std::nullopt);
    EtatRadio etat;
    QCOMPARE(liaison_.lire(etat), std::nullopt);
    QCOMPARE(etat.frequence_hz, hz);
    QCOMPARE(etat.bande.value_or(QString()), bande);
    QCOMPARE(etat.mode, QStringLiteral("FM")); // the dummy rig's own mode
    QVERIFY(!etat.en_cw());
}

void TestRadio::modeles_de_hamlib() {
    const QList<ModeleRadio> modeles = modeles_radio();
    QVERIFY(modeles.size() > 100);
    for (qsizetype i = 1; i < modeles.size(); ++i) {
        QVERIFY(QString::compare(modeles[i - 1].fabricant, modeles[i].fabricant,
                                 Qt::CaseInsensitive) <= 0);
    }
    const QList<ModeleRadio> reseau = filtrer_modeles(modeles, QStringLiteral(" net  RIGCTL "));
    QVERIFY(!reseau.isEmpty());
    for (const ModeleRadio& m : reseau) {
        QVERIFY(libelle_modele(m).contains(QStringLiteral("rigctl"), Qt::CaseInsensitive));
    }
    const auto deux = std::find_if(reseau.begin(), reseau.end(),
                                   [](const ModeleRadio& m) { return m.numero == 2; });
    QVERIFY(deux != reseau.end());
    QCOMPARE(libelle_modele(*deux), QStringLiteral("Hamlib NET rigctl (2)"));
    QVERIFY(deux->reseau);
    QCOMPARE(filtrer_modeles(modeles, QString()).size(), modeles.size());
    QVERIFY(filtrer_modeles(modeles, QStringLiteral("dummy zzzz")).isEmpty());
}

void TestRadio::ouvertures_impossibles_data() {
    QTest::addColumn<int>("modele");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("message");
    const QString ferme = QStringLiteral("127.0.0.1:%1").arg(port_libre());
    QTest::newRow("pas de radio") << 0 << QString() << QStringLiteral("Pas de radio");
    QTest::newRow("modele inconnu")
        << 987654 << QString() << QStringLiteral("Modèle de radio inconnu de Hamlib : 987654");
    QTest::newRow("rigctld absent")
        << 2 << ferme
        << QStringLiteral("Impossible d'ouvrir la radio Hamlib NET rigctl (2) sur %1 : port "
                          "absent ou injoignable")
               .arg(ferme);
    QTest::newRow("port serie absent")
        << 1035 << QStringLiteral("/dev/pas-de-radio")
        << QStringLiteral("Impossible d'ouvrir la radio Yaesu FT-991 (1035) sur "
                          "/dev/pas-de-radio : port absent ou injoignable");
}

void TestRadio::ouvertures_impossibles() {
    QFETCH(int, modele);
    QFETCH(QString, port);
    QFETCH(QString, message);
    LiaisonRadio liaison;
    QCOMPARE(liaison.ouvrir({modele, port, 9600}), std::optional<QString>(message));
    QVERIFY(!liaison.ouverte());
    EtatRadio etat;
    QVERIFY(liaison.lire(etat).has_value());
}

void TestRadio::suivi_par_rigctld() {
    Rigctld rigctld(port_libre());
    QVERIFY(rigctld.lancer());
    SuiviRadio radio;
    QSignalSpy bandes(&radio, &SuiviRadio::bande_changee);
    QSignalSpy connexions(&radio, &SuiviRadio::connexion_changee);
    radio.demarrer({2, rigctld.adresse(), 0}, rapides);
    QTRY_VERIFY(radio.connectee());
    QTRY_COMPARE(bandes.size(), 1);
    QCOMPARE(bandes.takeFirst().first().toString(), QStringLiteral("2m"));

    QCOMPARE(rigctld.commande("F 7010000"), QByteArray("RPRT 0"));
    QCOMPARE(rigctld.commande("M CW 500"), QByteArray("RPRT 0"));
    QTRY_COMPARE(radio.etat().frequence_hz, qint64(7'010'000));
    QTRY_VERIFY(radio.etat().en_cw());
    QCOMPARE(bandes.takeFirst().first().toString(), QStringLiteral("40m"));

    // Out of every band: the frequency shows, the band stays as it was.
    QCOMPARE(rigctld.commande("F 7300000"), QByteArray("RPRT 0"));
    QTRY_COMPARE(radio.etat().frequence_hz, qint64(7'300'000));
    QCOMPARE(radio.etat().bande, std::nullopt);
    QCOMPARE(rigctld.commande("F 7020000"), QByteArray("RPRT 0"));
    QTRY_COMPARE(bandes.size(), 1);
    QCOMPARE(bandes.takeFirst().first().toString(), QStringLiteral("40m"));

    rigctld.tuer();
    QTRY_VERIFY(!radio.connectee());
    QCOMPARE(texte_radio(radio.connectee(), radio.etat()), QStringLiteral("Radio non connectée"));
    verifier_sans_texte_de_hamlib(connexions.last().at(1).toString());

    // The same rig back: the link returns and the band is given again.
    QVERIFY(rigctld.lancer());
    QTRY_VERIFY(radio.connectee());
    QTRY_COMPARE(bandes.size(), 1);
    QCOMPARE(bandes.takeFirst().first().toString(), QStringLiteral("2m"));
    QCOMPARE(connexions.last().at(1).toString(), QString());
    QCOMPARE(texte_radio(true, radio.etat()), QStringLiteral("145 000,00 kHz FM"));
}

void TestRadio::frequence_illisible_data() {
    QTest::addColumn<QByteArray>("frequence");
    for (const char* faux : {"-14025000", "nan", "inf", "1e30", "500000000001"}) {
        QTest::newRow(faux) << QByteArray(faux);
    }
}

// A rig that gives a frequency no radio has is "not connected", for the window as for the
// band, until it gives a real one.
void TestRadio::frequence_illisible() {
    QFETCH(QByteArray, frequence);
    RigctldMenteur menteur;
    QVERIFY(menteur.lancer());
    menteur.mentir(frequence);
    SuiviRadio radio;
    QSignalSpy connexions(&radio, &SuiviRadio::connexion_changee);
    QSignalSpy etats(&radio, &SuiviRadio::etat_change);
    radio.demarrer({2, menteur.adresse(), 0}, rapides);
    QTRY_VERIFY(!connexions.isEmpty());
    QTest::qWait(300); // a few attempts more
    QCOMPARE(connexions.size(), 1);
    QCOMPARE(connexions[0][0].toBool(), false);
    QVERIFY2(connexions[0][1].toString().contains(QStringLiteral("fréquence illisible")),
             qPrintable(connexions[0][1].toString()));
    QVERIFY(etats.isEmpty());
    QCOMPARE(texte_radio(radio.connectee(), radio.etat()), QStringLiteral("Radio non connectée"));

    menteur.mentir({});
    QTRY_VERIFY(radio.connectee());
    QTRY_COMPARE(radio.etat().frequence_hz, qint64(145'000'000));
}

void TestRadio::arret_sans_attendre_la_radio() {
    // A peer that takes the connection and never answers: Hamlib waits for it for seconds.
    QTcpServer muet;
    QVERIFY(muet.listen(QHostAddress::LocalHost, 0));
    SuiviRadio radio;
    radio.demarrer({2, QStringLiteral("127.0.0.1:%1").arg(muet.serverPort()), 0}, rapides);
    QTest::qWait(100);
    QElapsedTimer duree;
    duree.start();
    radio.arreter();
    QVERIFY2(duree.elapsed() < 2000, qPrintable(QString::number(duree.elapsed())));
    QVERIFY(!radio.actif());
    QVERIFY(!radio.connectee());
}

void TestRadio::manipulateur_de_la_radio() {
    Rigctld rigctld(port_libre());
    QVERIFY(rigctld.lancer());
    SuiviRadio radio;
    ManipulateurRadio manipulateur(radio, 24);
    QSignalSpy erreurs(&manipulateur, &Manipulateur::erreur);
    manipulateur.envoyer(QStringLiteral("cq"));
    QCOMPARE(erreurs.size(), 1); // no rig followed yet
    QCOMPARE(manipulateur.texte_en_cours(), QString());
    QCOMPARE(manipulateur.etat(), EtatManipulateur::non_verifie);

    radio.demarrer({2, rigctld.adresse(), 0}, rapides);
    QTRY_COMPARE(manipulateur.etat(), EtatManipulateur::verifie);
    QTRY_COMPARE(rigctld.commande("l KEYSPD"), QByteArray("24"));
    manipulateur.accelerer();
    QTRY_COMPARE(rigctld.commande("l KEYSPD"), QByteArray("26"));
    manipulateur.envoyer(QStringLiteral("cq test"));
    QCOMPARE(manipulateur.texte_en_cours(), QStringLiteral("CQ TEST"));
    // The dummy rig keys but cannot stop: the operator is told why.
    manipulateur.arreter();
    QTRY_COMPARE(erreurs.size(), 2);
    QCOMPARE(erreurs.last().first().toString(),
             QStringLiteral("Arrêt CW impossible : fonction non disponible sur ce modèle"));
    QCOMPARE(manipulateur.texte_en_cours(), QString());
    rigctld.tuer();
    QTRY_COMPARE(manipulateur.etat(), EtatManipulateur::non_verifie);
}

QTEST_GUILESS_MAIN(TestRadio)
#include "tst_radio.moc"
