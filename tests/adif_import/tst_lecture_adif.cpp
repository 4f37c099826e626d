#include "adif_import/lecture_adif.h"
#include "base/erreur.h"
#include "dossier_essai.h"
#include "ligne_donnees.h"
#include "log/table_journal.h"
#include "refdata/referentiel.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QTime>
#include <QtTest>

using namespace vorek;

namespace {

// A CW record of 15/07/2025 10:15 with the given call and further fields.
QString qso(const QString& indicatif, const QString& champs = QString()) {
    return QStringLiteral("<CALL:%1>%2<QSO_DATE:8>20250715<TIME_ON:4>1015<MODE:2>CW%3<EOR>")
        .arg(indicatif.size())
        .arg(indicatif, champs);
}

// "date|time|call|band|sent|received|number|name" per row taken, rows joined by " ; ". The
// name is the record's, or else the member database's (Jean Dupont for F5ABC).
QString lignes_prises(const LectureAdif& lecture) {
    QStringList lignes;
    for (const QStringList& c : lecture.qso.en_listes()) {
        lignes.append(QStringList{c[col_date], c[col_heure], c[col_indicatif], c[col_bande],
                                  c[col_rst_env], c[col_rst_recu], c[col_ztc], c[col_nom]}
                          .join(QLatin1Char('|')));
    }
    return lignes.join(QStringLiteral(" ; "));
}

// The rows of F5ABC's records of qso() that carry only a band.
QString avec_bandes(const char* bandes) {
    QStringList lignes;
    for (const QString& b : QString::fromUtf8(bandes).split(QLatin1Char(' '))) {
        lignes.append(QStringLiteral("15/07/2025|10:15|F5ABC|%1|||123|Jean Dupont").arg(b));
    }
    return lignes.join(QStringLiteral(" ; "));
}

QString raisons(const LectureAdif& lecture) {
    static const char* const noms[] = {"non_cw", "non_membre", "sans_indicatif", "date_heure",
                                       "inacheve"};
    QStringList textes;
    for (const EnregistrementEcarte& e : lecture.ecartes) {
        textes.append(QString::fromLatin1(noms[int(e.raison)]));
    }
    return textes.join(QLatin1Char(' '));
}

QString fichier_essai(const char* nom) {
    return QStringLiteral(VOREK_RACINE_PROJET "/tests/adif_import/fichiers/") +
           QString::fromLatin1(nom);
}

} // namespace

class TestLectureAdif : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        d_.ecrire_dxcc();
        d_.ecrire_membres();
    }
    void lecture_data();
    void lecture();
    void fichiers_d_autres_carnets_data();
    void fichiers_d_autres_carnets();
    void mutations_aleatoires();
    void entrees_demesurees();

  private:
    DossierEssai d_;
    Referentiel referentiel_{d_.etat.rep_cfg, d_.etat.rep_BD};
};

void TestLectureAdif::lecture_data() {
    QTest::addColumn<QString>("adif");
    QTest::addColumn<QString>("pris");
    QTest::addColumn<QString>("ecartes");
    const QString f5abc = QStringLiteral("15/07/2025|10:15|F5ABC||||123|Jean Dupont");
    const QString complet =
        QStringLiteral("<CALL:5>F5ABC<QSO_DATE:8>20250715<TIME_ON:6>101500<BAND:3>40M<MODE:2>CW"
                       "<RST_SENT:3>599<RST_RCVD:3>579<EOR>");
    const QString attendu_complet =
        QStringLiteral("15/07/2025|10:15|F5ABC|40m|599|579|123|Jean Dupont");
    ligne_donnees("une ligne", complet, attendu_complet, QString());
    ligne_donnees("un champ par ligne",
                  QString(complet).replace(QLatin1Char('<'), QStringLiteral("\n<")),
                  attendu_complet, QString());
    ligne_donnees("deux enregistrements sur une ligne: le second est ignore",
                  qso(QStringLiteral("F5ABC")) + qso(QStringLiteral("DL1AA")), f5abc, QString());
    ligne_donnees("valeur coupee en fin de ligne",
                  QStringLiteral("<NAME:11>Jean\nDupont") + qso(QStringLiteral("F5ABC")),
                  QStringLiteral("15/07/2025|10:15|F5ABC||||123|Jean"), QString());
    ligne_donnees("balises et mode en minuscules",
                  QStringLiteral("<call:5>F5ABC<qso_date:8>20250715<time_on:4>1015<mode:2>cw<eor>"),
                  f5abc, QString());
    ligne_donnees(
        "longueur precedee de blancs, longueur absente",
        qso(QStringLiteral("F5ABC")).replace(QStringLiteral("CALL:5"), QStringLiteral("CALL:  5")) +
            QStringLiteral("\n<CALL>F5ABC<QSO_DATE:8>20250715<TIME_ON:4>1015<EOR>"),
        f5abc, QStringLiteral("sans_indicatif"));
    QStringList freq;
    for (const char* f : {"14.025", "7,012", "29", " 3.5 ", "0.136", "70.2", "abc", "-14"}) {
        freq.append(qso(QStringLiteral("F5ABC"),
                        QStringLiteral("<FREQ:%1>%2").arg(qstrlen(f)).arg(QLatin1String(f))));
    }
    ligne_donnees("FREQ vers bande", freq.join(QLatin1Char('\n')),
                  avec_bandes("20m 40m 10m 80m ??? ??? ??? ???"), QString());
    QStringList bandes;
    for (const char* b : {"20M", "20m", "70CM", "SAT", "2190M"}) {
        bandes.append(qso(QStringLiteral("F5ABC"),
                          QStringLiteral("<BAND:%1>%2").arg(qstrlen(b)).arg(QLatin1String(b))));
    }
    ligne_donnees("BAND en minuscules", bandes.join(QLatin1Char('\n')),
                  avec_bandes("20m 20m 70cm sat 2190m"), QString());
    ligne_donnees("le dernier de BAND et FREQ decide",
                  qso(QStringLiteral("F5ABC"), QStringLiteral("<BAND:3>40M<FREQ:6>14.025")) +
                      QLatin1Char('\n') +
                      qso(QStringLiteral("F5ABC"), QStringLiteral("<FREQ:6>14.025<BAND:3>40M")),
                  avec_bandes("20m 40m"), QString());
    ligne_donnees("non-membre et SSB ne laissent rien",
                  qso(QStringLiteral("G4XXX"), QStringLiteral("<NAME:3>Bob<BAND:3>40M")) +
                      QStringLiteral("\n<CALL:5>DL1AA<RST_SENT:2>59<MODE:3>SSB<EOR>\n") +
                      QStringLiteral("<CALL:5>F5ABC<QSO_DATE:8>20250715<TIME_ON:4>1015"
                                     "<MODE:2>cw<EOR>"),
                  f5abc, QStringLiteral("non_membre non_cw"));
    ligne_donnees("le mode reste d'un enregistrement au suivant",
                  qso(QStringLiteral("DL1AA")) + QStringLiteral("\n<CALL:5>F5ABC<QSO_DATE:8>"
                                                                "20250715<TIME_ON:4>1015<EOR>"),
                  QStringLiteral("15/07/2025|10:15|DL1AA||||456|Hans Meier ; ") + f5abc, QString());
    ligne_donnees("sans aucun MODE", QStringLiteral("<CALL:5>F5ABC<QSO_DATE:8>20250715<EOR>"),
                  QString(), QStringLiteral("non_cw"));
    ligne_donnees("l'en-tete n'apporte rien au premier QSO",
                  QStringLiteral("Texte libre <CALL:5>DL1AA <MODE:2>CW <EOH> <CALL:5>K1ZZ\n"
                                 "<QSO_DATE:8>20250715<TIME_ON:4>1015<EOR>"),
                  QString(), QStringLiteral("sans_indicatif"));
    ligne_donnees("un < sans > termine la ligne",
                  qso(QStringLiteral("F5ABC"), QStringLiteral("<RST_SENT:3>599<BAND:3 40M"))
                      .replace(QStringLiteral("<EOR>"), QStringLiteral("\n<EOR>")),
                  QStringLiteral("15/07/2025|10:15|F5ABC||599||123|Jean Dupont"), QString());
    ligne_donnees(
        "CW sans indicatif, sans date, heure ou date impossibles",
        QStringLiteral("<MODE:2>CW<QSO_DATE:8>20250715<TIME_ON:4>1015<EOR>\n"
                       "<CALL:5>F5ABC<TIME_ON:4>1015<EOR>\n") +
            qso(QStringLiteral("F5ABC")).replace(QStringLiteral("1015"), QStringLiteral("2561")) +
            QLatin1Char('\n') +
            qso(QStringLiteral("F5ABC")).replace(QStringLiteral("0715"), QStringLiteral("0231")),
        QString(), QStringLiteral("sans_indicatif date_heure date_heure date_heure"));
    ligne_donnees("enregistrement inacheve en fin de fichier",
                  qso(QStringLiteral("F5ABC")).remove(QStringLiteral("<EOR>")), QString(),
                  QStringLiteral("inacheve"));
    ligne_donnees("portable, numero vide, nom rogne, fin d'enregistrement seule",
                  qso(QStringLiteral("F5ABC/P"), QStringLiteral("<NAME:6> Jean ")) +
                      QStringLiteral("\n<EOR><EOR>\n") + qso(QStringLiteral("F6XYZ")) +
                      QStringLiteral("\n<"),
                  QStringLiteral("15/07/2025|10:15|F5ABC/P||||123|Jean ; "
                                 "15/07/2025|10:15|F6XYZ|||||Sans Numero"),
                  QString());
}

void TestLectureAdif::lecture() {
    QFETCH(QString, adif);
    QFETCH(QString, pris);
    QFETCH(QString, ecartes);
    const LectureAdif lecture = lire_adif(adif.split(QLatin1Char('\n')), referentiel_.membres);
    QVERIFY(!lecture.base_membres_absente);
    QCOMPARE(lignes_prises(lecture), pris);
    QCOMPARE(raisons(lecture), ecartes);
    for (const QStringList& c : lecture.qso.en_listes()) {
        QCOMPARE(c.size(), nb_colonnes_journal);
        QVERIFY(c[col_points].isEmpty() && c[col_notes].isEmpty());
    }
}

void TestLectureAdif::fichiers_d_autres_carnets_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("pris");
    QTest::addColumn<QString>("ecartes");
    ligne_donnees("un QSO par ligne, heures a six chiffres, en-tete libre",
                  fichier_essai("un_qso_par_ligne.adi"),
                  QStringLiteral("15/07/2025|10:15|F5ABC|40m|599|579|123|Jean Dupont ; "
                                 "03/07/2025|22:30|K1ZZ|20m|599|559|789|Bob Smith ; "
                                 "01/08/2025|06:15|F5ABC/P|80m|579|599|123|Jean Dupont"),
                  QStringLiteral("non_cw non_membre"));
    ligne_donnees("un champ par ligne, balises minuscules, fins de ligne LF",
                  fichier_essai("un_champ_par_ligne.adi"),
                  QStringLiteral("10/07/2025|09:30|JA1AA|40m|599|599|900|Hélène ; "
                                 "11/07/2025|18:00|F8ZTC|70cm|599|589|1|Club VOREK"),
                  QString());
    ligne_donnees("indicateurs de type, champs d'application et definis",
                  fichier_essai("types_et_champs_application.adi"),
                  QStringLiteral("20/07/2025|14:30|DL1AA|15m|599|589|456|Hans Meier ; "
                                 "20/07/2025|14:35|F5ABC|15m|599|599|123|Jean Dupont ; "
                                 "21/07/2025|09:00|F6XYZ|80m|599|599||Sans Numero"),
                  QString());
}

void TestLectureAdif::fichiers_d_autres_carnets() {
    QFETCH(QString, fichier);
    QFETCH(QString, pris);
    QFETCH(QString, ecartes);
    const LectureAdif lecture = lire_fichier_adif(fichier, referentiel_.membres);
    QCOMPARE(lignes_prises(lecture), pris);
    QCOMPARE(raisons(lecture), ecartes);
}

// Random damage to real files: the reader ends, and whatever it takes is a whole CW QSO
// of a member with a date and a time that read.
void TestLectureAdif::mutations_aleatoires() {
    QStringList sources;
    for (const char* nom :
         {"un_qso_par_ligne.adi", "un_champ_par_ligne.adi", "types_et_champs_application.adi"}) {
        QFile f(fichier_essai(nom));
        QVERIFY(f.open(QIODevice::ReadOnly));
        sources.append(QString::fromLatin1(f.readAll()));
    }
    const QString alphabet = QStringLiteral("<>:0123456789 \n\r\tEORCALMDTQSBFa:.,/\xe9");
    QRandomGenerator hasard(20250715);
    int pris = 0;
    for (int essai = 0; essai < 4000; ++essai) {
        QString texte = sources[essai % sources.size()];
        const int mutations = 1 + int(hasard.bounded(8));
        for (int m = 0; m < mutations && !texte.isEmpty(); ++m) {
            const qsizetype i = hasard.bounded(int(texte.size()));
            switch (hasard.bounded(7)) {
            case 0:
            case 1:
                texte.insert(i, alphabet[hasard.bounded(int(alphabet.size()))]);
                break;
            case 2:
            case 3:
                texte.remove(i, 1 + hasard.bounded(5));
                break;
            case 4:
            case 5:
                texte.insert(i, texte.mid(hasard.bounded(int(texte.size())), 40));
                break;
            default:
                texte.truncate(i);
            }
        }
        const LectureAdif lecture = lire_adif(texte.split(QLatin1Char('\n')), referentiel_.membres);
        for (const QStringList& c : lecture.qso.en_listes()) {
            QVERIFY2(!c[col_indicatif].isEmpty() && c[col_ztc] != QStringLiteral("NM"),
                     qPrintable(texte));
            QVERIFY(QDate::fromString(c[col_date], QStringLiteral("dd/MM/yyyy")).isValid());
            QVERIFY(QTime::fromString(c[col_heure], QStringLiteral("hh:mm")).isValid());
        }
        pris += int(lecture.qso.size());
    }
    // Most damaged files keep some whole records: the checks above did look at rows.
    QVERIFY(pris > 3000);
}

void TestLectureAdif::entrees_demesurees() {
    const QString f5abc = qso(QStringLiteral("F5ABC"));
    const QStringList lignes{
        // Read once, not once per "<": the time limit of the test is its check.
        QString(4'000'000, QLatin1Char('<')),
        QStringLiteral("<") + QString(4'000'000, QLatin1Char('x')),
        QString(500'000, QLatin1Char('<')) + QString(500'000, QLatin1Char('>')),
        QStringLiteral("<CALL:99999999999999999999999999>F5ABC<EOR>"),
        QStringLiteral("<NAME:4294967297>Jean<CALL:18446744073709551617>x<EOR>"),
        QStringLiteral("<CALL:99999999>").repeated(300'000),
        f5abc.repeated(50'000),
    };
    const LectureAdif lecture = lire_adif(lignes, referentiel_.membres);
    QCOMPARE(lignes_prises(lecture), QStringLiteral("15/07/2025|10:15|F5ABC||||123|Jean Dupont"));
    // Random bytes through the file reader.
    QTemporaryFile brut;
    QVERIFY(brut.open());
    QRandomGenerator hasard(7);
    QByteArray octets(1 << 20, '\0');
    hasard.fillRange(reinterpret_cast<quint32*>(octets.data()), octets.size() / 4);
    brut.write(octets);
    brut.close();
    lire_fichier_adif(brut.fileName(), referentiel_.membres);
    QVERIFY_THROWS_EXCEPTION(
        Erreur, lire_fichier_adif(d_.etat.rep_challenge + QStringLiteral("/absent.adi"),
                                  referentiel_.membres));
}

QTEST_GUILESS_MAIN(TestLectureAdif)
#include "tst_lecture_adif.moc"
