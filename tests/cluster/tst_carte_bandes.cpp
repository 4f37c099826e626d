#include "poste_essai.h"
#include "qso_hasard.h"

#include "cluster/carte_bandes.h"
#include "log/etat.h"
#include "rules/bandes.h"

#include <QFile>
#include <QTest>

using namespace vorek;

class TstCarteBandes : public QObject {
    Q_OBJECT

  private slots:
    void points_egaux_a_l_apercu_saisi();
    void garde_remplace_estompe_oublie();
    void filtres_et_membres_jamais_contactes();
};

namespace {

const QStringList appels{"F5ABC", "F5ABC/P", "DL1AA", "K1ZZ",  "W1ZZ",  "JA1AA",
                         "F6XYZ", "F8ZTC",   "ZZ9ZZ", "ON4ZZ", "f5abc", "EA8/F5ABC/P"};

Spot spot(const QString& indicatif, qint64 hz, const QString& commentaire = QString()) {
    return Spot{QStringLiteral("F6ABC"), hz, indicatif, commentaire, QTime()};
}

// A frequency inside one of the contest bands that have a range.
qint64 frequence_au_hasard(QRandomGenerator& g) {
    const std::span<const Bande> table = table_bandes();
    const Bande& b = table[g.bounded(qsizetype(table.size()) - 1)];
    return b.debut_hz + g.bounded(b.fin_hz - b.debut_hz + 1);
}

// The preview of the entry with the spot's call typed and its band chosen, in deferred time
// at the clock's UTC instant: what vorek apercu prints.
ApercuQSO apercu_saisi(PosteEssai& p, const SpotCarte& s) {
    EntreeQSO& e = p.entree;
    // Clearing the fields ends a correction: the one under way is kept.
    const std::pair<bool, int> correction{p.d.etat.fichier_modifie, p.d.etat.ligne_editee};
    e.BitBtn_efface_saisieClick();
    std::tie(p.d.etat.fichier_modifie, p.d.etat.ligne_editee) = correction;
    e.Edit_callChange(s.spot.indicatif);
    e.Edit_callExit();
    e.choisir_bande(int(bandes().indexOf(s.bande)));
    e.passer_temps_differe();
    const QDateTime utc = p.horloge.maintenant_utc();
    e.DateTimePicker_date = utc.date();
    e.DateTimePicker_time = QTime(utc.time().hour(), utc.time().minute());
    return e.apercu_QSO();
}

} // namespace

// Random logs and spots, with and without the member database, some while a row is being
// corrected; QSOs logged after the spots came: every spot's points are the preview's.
void TstCarteBandes::points_egaux_a_l_apercu_saisi() {
    PosteEssai p;
    QsoHasard h(20250725);
    EntreeQSO carte_entree(p.d.etat, p.referentiel, p.horloge, p.dialogues);
    CarteBandes carte(carte_entree, p.horloge);
    QMap<QString, int> vus;
    for (int essai = 0; essai < 300; ++essai) {
        p.d.etat.table.vider();
        p.d.etat.ligne_suivante = 1;
        carte.vider();
        for (int i = int(h.g.bounded(0, 15)); i > 0; --i) {
            p.d.ajouter(h.ligne());
        }
        if (essai % 2 == 0) {
            p.d.ecrire_membres();
        } else {
            QFile::remove(p.d.chemin_membres());
        }
        p.horloge.regler(QDateTime(QDate(2025, 7 + int(h.g.bounded(2)), 1 + int(h.g.bounded(3))),
                                   QTime(int(h.g.bounded(24)), int(h.g.bounded(60)))));
        for (int i = 0; i < 8; ++i) {
            carte.ajouter(spot(h.choisir(appels), frequence_au_hasard(h.g)));
        }
        for (int i = int(h.g.bounded(0, 4)); i > 0; --i) {
            p.d.ajouter(h.ligne());
        }
        p.d.etat.fichier_modifie = h.g.bounded(5) == 0;
        p.d.etat.ligne_editee = int(h.g.bounded(1, p.d.etat.ligne_suivante + 1));
        for (const Bande& b : table_bandes()) {
            for (const SpotCarte& s : carte.spots_bande(QLatin1String(b.texte))) {
                const ApercuQSO attendu = apercu_saisi(p, s);
                QCOMPARE(s.apercu.raison, attendu.raison);
                QCOMPARE(s.apercu.points, attendu.points);
                QCOMPARE(s.apercu, attendu);
                QCOMPARE(s.membre_numero, p.entree.Edit_NrZTC);
                ++vus[s.apercu.points.isEmpty() ? QStringLiteral("arret")
                                                : s.apercu.raison.left(12) + s.apercu.points];
            }
        }
    }
    // Scores, refusals and stops are all met.
    qInfo() << vus;
    QVERIFY(vus.size() >= 8);
}

void TstCarteBandes::garde_remplace_estompe_oublie() {
    PosteEssai p;
    CarteBandes carte(p.entree, p.horloge);
    QVERIFY(!carte.ajouter(spot("F5ABC", 14'400'000))); // between two bands
    QVERIFY(!carte.ajouter(spot("F5ABC", 5'000'000)));
    QCOMPARE(carte.ajouter(spot("F5ABC", 14'025'000))->bande, QStringLiteral("20m"));
    carte.ajouter(spot("DL1AA", 14'010'000));
    carte.ajouter(spot("F5ABC", 7'010'000));
    p.horloge.avancer_secondes(60);
    // The same call on the same band moves; on another band it is another spot.
    carte.ajouter(spot("F5ABC", 14'030'000));
    QList<SpotCarte> vingt = carte.spots_bande(QStringLiteral("20m"));
    QCOMPARE(vingt.size(), 2);
    QCOMPARE(vingt[0].spot.indicatif, QStringLiteral("DL1AA"));
    QCOMPARE(vingt[1].spot.frequence_hz, 14'030'000);
    QCOMPARE(carte.age_minutes(vingt[0]), 1);
    QCOMPARE(carte.spots_bande(QStringLiteral("40m")).size(), 1);

    // Faded at the set duration, gone at half as long again.
    carte.fixer_filtre({false, false, 4});
    p.horloge.avancer_secondes(3 * 60);
    vingt = carte.spots_bande(QStringLiteral("20m"));
    QVERIFY(carte.estompe(vingt[0]));
    QVERIFY(!carte.estompe(vingt[1]));
    p.horloge.avancer_secondes(2 * 60);
    QCOMPARE(carte.spots_bande(QStringLiteral("20m")).size(), 1);
    QCOMPARE(carte.spots_bande(QStringLiteral("40m")).size(), 0);

    // At most 500: the oldest go first.
    carte.fixer_filtre({});
    for (int i = 0; i < 600; ++i) {
        carte.ajouter(spot(QStringLiteral("F%1AA").arg(i), 7'000'000 + i * 100));
    }
    QCOMPARE(carte.nombre(), CarteBandes::max_spots);
    const QList<SpotCarte> quarante = carte.spots_bande(QStringLiteral("40m"));
    QCOMPARE(quarante.first().spot.indicatif, QStringLiteral("F100AA"));
    QCOMPARE(carte.spots_bande(QStringLiteral("20m")).size(), 0);
}

// Both filters, the bold of a member never worked, and a commit that changes the points.
void TstCarteBandes::filtres_et_membres_jamais_contactes() {
    PosteEssai p;
    CarteBandes carte(p.entree, p.horloge);
    carte.fixer_filtre({true, true, 10});
    QVERIFY(!carte.ajouter(spot("F5ABC", 14'250'000, "SSB 59")));
    QVERIFY(!carte.ajouter(spot("ON4ZZ", 14'025'000, "CW 20 dB")));
    QVERIFY(!carte.ajouter(spot("F6XYZ", 14'025'000))); // listed without a number
    QVERIFY(carte.ajouter(spot("F5ABC", 14'251'000, "cw up")));
    const SpotCarte avant = *carte.ajouter(spot("DL1AA", 14'026'000, "25 WPM CQ"));
    QVERIFY(avant.jamais_contacte);
    QCOMPARE(avant.membre_numero, QStringLiteral("456"));
    QCOMPARE(avant.membre_nom, QStringLiteral("Hans Meier"));
    QVERIFY(avant.apercu.points.toInt() > 0);

    p.saisir(QStringLiteral("DL1AA"));
    p.entree.choisir_bande(int(bandes().indexOf(QStringLiteral("20m"))));
    QCOMPARE(int(p.entree.enregistrer_QSO()), int(IssueCommit::enregistre));
    const QList<SpotCarte> vingt = carte.spots_bande(QStringLiteral("20m"));
    QCOMPARE(vingt.size(), 2);
    QCOMPARE(vingt[0].spot.indicatif, QStringLiteral("DL1AA"));
    QVERIFY(!vingt[0].jamais_contacte);
    QCOMPARE(vingt[0].apercu.points, QStringLiteral("0"));
    QVERIFY(!vingt[0].apercu.raison.isEmpty());
    QVERIFY(vingt[1].jamais_contacte);
}

QTEST_GUILESS_MAIN(TstCarteBandes)
#include "tst_carte_bandes.moc"
