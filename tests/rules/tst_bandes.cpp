#include "dossier_essai.h"

#include "adif_import/lecture_adif.h"
#include "correction/lecture_compte_rendu.h"
#include "log/cellules_qso.h"
#include "refdata/referentiel.h"
#include "reports/adif_sortie.h"
#include "reports/cabrillo.h"
#include "rules/bandes.h"
#include "rules/points.h"
#include "stats/lecture_cabrillo.h"

#include <QSet>
#include <QtTest>

#include <cmath>

using namespace vorek;

// The band records are the only place a band is described: these properties hold for any
// record added, so that a new band is one line of the table and every reader follows.
class TstBandes : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        d_.ecrire_dxcc();
        d_.ecrire_membres();
    }
    void table_coherente();
    void chaque_bande_relue_par_chaque_lecteur();
    void bandes_hors_liste_relues_par_l_import();

  private:
    DossierEssai d_;
    Referentiel referentiel_{d_.etat.rep_cfg, d_.etat.rep_BD};
};

namespace {

QList<const Bande*> toutes() {
    QList<const Bande*> liste;
    for (const std::span<const Bande> s : {table_bandes(), bandes_hors_liste()}) {
        for (const Bande& b : s) {
            liste.append(&b);
        }
    }
    return liste;
}

bool disjointes(double debut_a, double fin_a, double debut_b, double fin_b) {
    return fin_a <= debut_b || fin_b <= debut_a;
}

// The whole MHz an ADIF FREQ value reads as.
int mhz(const char* valeur) {
    return int(std::floor(QByteArray(valeur).toDouble()));
}

QStringList cellules(const Bande& b) {
    return {QStringLiteral("15/07/2025"),  QStringLiteral("10:15"),
            QStringLiteral("F5ABC"),       QString::fromLatin1(b.texte),
            QStringLiteral("599"),         QStringLiteral("599"),
            QStringLiteral("123"),         QStringLiteral("4"),
            QStringLiteral("Jean Dupont"), QString()};
}

} // namespace

void TstBandes::table_coherente() {
    const QList<const Bande*> liste = toutes();
    QSet<QString> textes;
    for (const Bande* b : liste) {
        textes.insert(QString::fromLatin1(b->texte));
        // A record the entry never offers is there to score or to be named by the import.
        QVERIFY2(b->points_meme_continent > 0 || b->adif_fin_mhz > b->adif_debut_mhz, b->texte);
        QCOMPARE(points_bande(QString::fromLatin1(b->texte), true), b->points_meme_continent);
        QCOMPARE(points_bande(QString::fromLatin1(b->texte), false), b->points_autre_continent);
        for (const Bande* autre : liste) {
            if (autre != b) {
                QVERIFY2(disjointes(b->adif_debut_mhz, b->adif_fin_mhz, autre->adif_debut_mhz,
                                    autre->adif_fin_mhz),
                         b->texte);
            }
        }
    }
    QCOMPARE(textes.size(), liste.size());
    for (const char* etranger : {"SAT", "20M", " 20m", "", "???"}) {
        QCOMPARE(points_bande(QString::fromLatin1(etranger), false), 0);
    }

    QSet<QString> frequences;
    const std::span<const Bande> table = table_bandes();
    for (const Bande& b : table) {
        QVERIFY(b.points_meme_continent > 0 && b.points_autre_continent > 0);
        QVERIFY(*b.etiquette != '\0' && *b.frequence_rapport != '\0');
        frequences.insert(QString::fromLatin1(b.frequence_rapport));
        for (const Bande& autre : table) {
            if (&autre != &b && b.debut_hz <= b.fin_hz && autre.debut_hz <= autre.fin_hz) {
                QVERIFY2(b.fin_hz < autre.debut_hz || autre.fin_hz < b.debut_hz, b.texte);
            }
        }
        if (b.designation_mhz != 0) {
            QVERIFY(b.designation_mhz * 1000000LL >= b.debut_hz);
            QVERIFY(b.designation_mhz * 1000000LL <= b.fin_hz);
        }
        for (const char* frequence : {b.frequence_adif_rapport, b.frequence_adif_export}) {
            if (frequence != nullptr) {
                QVERIFY2(mhz(frequence) >= b.adif_debut_mhz && mhz(frequence) < b.adif_fin_mhz,
                         b.texte);
            }
        }
    }
    QCOMPARE(frequences.size(), qsizetype(table.size()));
    QCOMPARE(bandes().size(), qsizetype(table.size()));
    const QStringList etiquettes = etiquettes_grille_bandes();
    QCOMPARE(QSet<QString>(etiquettes.cbegin(), etiquettes.cend()).size(), qsizetype(table.size()));
}

void TstBandes::chaque_bande_relue_par_chaque_lecteur() {
    Dictionnaire dictionnaire;
    LecteurComptesRendus comptes_rendus(dictionnaire);
    d_.etat.station.station_call = QStringLiteral("F1AAA");
    const ResultatMembre membre = referentiel_.membres.chercher_membre(QStringLiteral("F5ABC"));
    const std::span<const Bande> table = table_bandes();
    for (size_t i = 0; i < table.size(); ++i) {
        const Bande& b = table[i];
        const QString texte = QString::fromLatin1(b.texte);
        const CellulesQSO qso = CellulesQSO::du_texte(cellules(b));

        const LectureQso cabrillo =
            lire_ligne_qso(ligne_qso_cabrillo(qso, QStringLiteral("F1AAA"), QStringLiteral("42")));
        QVERIFY(cabrillo.qso);
        QCOMPARE(cabrillo.qso->bande, std::optional<QString>(texte));
        QCOMPARE(comptes_rendus.bande(b.frequence_rapport), int(i));
        if (b.designation_mhz != 0) {
            QCOMPARE(comptes_rendus.bande(std::to_string(b.designation_mhz)), int(i));
        }

        if (b.debut_hz <= b.fin_hz) {
            for (const qint64 hz : {b.debut_hz, (b.debut_hz + b.fin_hz) / 2, b.fin_hz}) {
                QCOMPARE(bande_de_frequence(hz), std::optional<QString>(texte));
            }
            QVERIFY(bande_de_frequence(b.debut_hz - 1) != std::optional<QString>(texte));
        }

        for (const QString& adif : {ligne_adif_rapport(qso, d_.etat.station, membre),
                                    ligne_export_adif(qso, d_.etat, membre)}) {
            const LectureAdif relue = lire_adif({adif}, referentiel_.membres);
            QCOMPARE(relue.qso.size(), 1);
            QCOMPARE(relue.qso.cellule(col_bande, 0), texte);
        }
    }
}

void TstBandes::bandes_hors_liste_relues_par_l_import() {
    for (const Bande* b : toutes()) {
        QStringList adif{QStringLiteral("<CALL:5>F5ABC<QSO_DATE:8>20250715<TIME_ON:4>1015"
                                        "<MODE:2>CW<BAND:%1>%2<EOR>")
                             .arg(qstrlen(b->texte))
                             .arg(nom_adif_bande(QString::fromLatin1(b->texte)))};
        if (b->adif_fin_mhz > b->adif_debut_mhz) {
            const QString valeur = QString::number(b->adif_debut_mhz, 'f', 3);
            adif.append(QStringLiteral("<CALL:5>F5ABC<QSO_DATE:8>20250715<TIME_ON:4>1015"
                                       "<MODE:2>CW<FREQ:%1>%2<EOR>")
                            .arg(valeur.size())
                            .arg(valeur));
        }
        const LectureAdif relue = lire_adif(adif, referentiel_.membres);
        QCOMPARE(relue.qso.size(), adif.size());
        for (const QStringList& qso : relue.qso.en_listes()) {
            QCOMPARE(qso[col_bande], QString::fromLatin1(b->texte));
        }
    }
}

QTEST_GUILESS_MAIN(TstBandes)
#include "tst_bandes.moc"
