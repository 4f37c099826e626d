#include "ligne_donnees.h"

#include "cluster/decoupe_lignes.h"
#include "cluster/spot.h"

#include <QTest>

using namespace vorek;

// What the link makes of a stream: each line a spot (spotter|kHz|call|comment|time) or a
// line for the console, dropped lines leaving nothing.
class TstLectureSpots : public QObject {
    Q_OBJECT

  private slots:
    void flux_data();
    void flux();
};

namespace {

QString decrire(const QList<QByteArray>& lignes) {
    QStringList vu;
    for (const QByteArray& ligne : lignes) {
        if (const std::optional<Spot> s = lire_spot(ligne)) {
            vu.append(QStringList{s->spotter, texte_khz(s->frequence_hz), s->indicatif,
                                  s->commentaire, s->heure.toString(QStringLiteral("HH:mm"))}
                          .join(QLatin1Char('|')));
        } else if (ligne_lisible(ligne)) {
            vu.append(QStringLiteral("> ") + QString::fromLatin1(ligne));
        }
    }
    return vu.join(QLatin1Char('\n'));
}

// The bytes of a literal, NULs included.
template <size_t N> QByteArray brut(const char (&texte)[N]) {
    return QByteArray(texte, N - 1);
}

} // namespace

void TstLectureSpots::flux_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("attendu");
    ligne_donnees("cluster",
                  QByteArray("DX de F6ABC:     14025.0  F5ABC        CW 23 dB 25 WPM CQ "
                             "            1012Z\r\n"),
                  QStringLiteral("F6ABC|14025.0|F5ABC|CW 23 dB 25 WPM CQ|10:12"));
    ligne_donnees("sans decimale ni heure, fin LF", QByteArray("DX de K3LR: 14030 k1zz up 2\n"),
                  QStringLiteral("K3LR|14030.0|K1ZZ|up 2|"));
    ligne_donnees("skimmer, locator apres l'heure",
                  QByteArray("DX de OH6BG-#:   21025.3  JA1AA  CW 9 dB 28 WPM CQ  1015Z JO01\r\n"),
                  QStringLiteral("OH6BG-#|21025.3|JA1AA|CW 9 dB 28 WPM CQ|10:15"));
    ligne_donnees("indicatif long, commentaire vide, tabulation",
                  QByteArray("DX de W3LPL-2-#:\t3525.12 EA8/F5ABC/P\t2359Z\x07\x07\r\n"),
                  QStringLiteral("W3LPL-2-#|3525.1|EA8/F5ABC/P||23:59"));
    ligne_donnees("deux lignes, CR NUL de telnet",
                  brut("Bonjour\r\0\r\nDX de F6ABC: 7012.5 DL1AA 1200Z\r\n"),
                  QStringLiteral("> Bonjour\nF6ABC|7012.5|DL1AA||12:00"));
    ligne_donnees("heure impossible gardee au commentaire",
                  QByteArray("DX de F6ABC: 7012.5 DL1AA 2460Z\r\n"),
                  QStringLiteral("F6ABC|7012.5|DL1AA|2460Z|"));
    ligne_donnees("autres lignes en console",
                  QByteArray("WWV de W0MU <18>:   SFI=134\r\nlogin: F5XYZ\r\n\r\n"),
                  QStringLiteral("> WWV de W0MU <18>:   SFI=134\n> login: F5XYZ\n> "));
    ligne_donnees("pas de spotteur, frequence ou indicatif illisibles",
                  QByteArray("DX de : 14025.0 F5ABC\r\nDX de F6 AB: 14025.0 F5ABC\r\n"
                             "DX de F6ABC: 14,025 F5ABC\r\nDX de F6ABC: 0 F5ABC\r\n"
                             "DX de F6ABC: 14025.0 F5-ABC\r\nDX de F6ABC: 14025.0 FABC\r\n"
                             "DX de F6ABC 14025.0 F5ABC\r\n"),
                  QStringLiteral("> DX de : 14025.0 F5ABC\n> DX de F6 AB: 14025.0 F5ABC\n"
                                 "> DX de F6ABC: 14,025 F5ABC\n> DX de F6ABC: 0 F5ABC\n"
                                 "> DX de F6ABC: 14025.0 F5-ABC\n> DX de F6ABC: 14025.0 FABC\n"
                                 "> DX de F6ABC 14025.0 F5ABC"));
    ligne_donnees("octet NUL ou non ASCII: ligne perdue",
                  brut("DX de F6ABC: 14025.0 F5ABC \0\r\nDX de F6ABC: 7010 F5ABC \xe9t\xe9\r\n"
                       "suite\r\n"),
                  QStringLiteral("> suite"));
    ligne_donnees("commandes telnet ignorees, meme au milieu d'une ligne",
                  QByteArray("\xff\xfd\x18\xff\xfb\x01"
                             "DX de F6\xff\xf1"
                             "ABC: 14025.0 F5ABC\xff\xfa\x18\x01\xff\xf0 1012Z\r\n"),
                  QStringLiteral("F6ABC|14025.0|F5ABC||10:12"));
    ligne_donnees("IAC IAC: l'octet 255, ligne perdue",
                  QByteArray("DX de F6ABC: 14025.0 F5ABC \xff\xff\r\nfin\r\n"),
                  QStringLiteral("> fin"));
    ligne_donnees("ligne de 1 Mo perdue, la suivante lue",
                  QByteArray(1 << 20, 'A') + "\r\nDX de F6ABC: 14025.0 F5ABC\r\n",
                  QStringLiteral("F6ABC|14025.0|F5ABC||"));
    ligne_donnees("1024 octets gardes, 1025 perdus",
                  QByteArray(1024, 'B') + "\r\n" + QByteArray(1025, 'C') + "\r\n",
                  QStringLiteral("> ") + QString(1024, QLatin1Char('B')));
    ligne_donnees("ligne sans fin: attend", QByteArray("DX de F6ABC: 14025.0 F5ABC"), QString());
}

// Fed whole or one byte at a time (telnet commands and lines cut across reads), the same.
void TstLectureSpots::flux() {
    QFETCH(QByteArray, octets);
    QFETCH(QString, attendu);
    DecoupeLignes entier;
    QCOMPARE(decrire(entier.ajouter(octets)), attendu);
    DecoupeLignes octet_par_octet;
    QList<QByteArray> lignes;
    for (const char c : octets) {
        lignes += octet_par_octet.ajouter(QByteArrayView(&c, 1));
    }
    QCOMPARE(decrire(lignes), attendu);
    QVERIFY(entier.en_cours().size() <= longueur_max_ligne);
}

QTEST_GUILESS_MAIN(TstLectureSpots)
#include "tst_lecture_spots.moc"
