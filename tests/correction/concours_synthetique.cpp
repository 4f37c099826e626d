#include "concours_synthetique.h"

#include "base/fichier_texte.h"
#include "log/cellules_qso.h"
#include "log/fiche_station.h"
#include "log/table_journal.h"
#include "reports/cabrillo.h"
#include "rules/bandes.h"

#include <QDate>
#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace vorek;

namespace essai_correction {

namespace {

constexpr qint64 minutes_par_jour = 24 * 60;
const char* const lettres = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const char* const signes = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// The edits between two texts, a swap of neighbours counting one.
int distance(const QString& a, const QString& b) {
    std::vector<std::vector<int>> d(size_t(a.size() + 1), std::vector<int>(size_t(b.size() + 1)));
    for (qsizetype i = 0; i <= a.size(); ++i) {
        for (qsizetype j = 0; j <= b.size(); ++j) {
            int& v = d[size_t(i)][size_t(j)];
            if (i == 0 || j == 0) {
                v = int(i + j);
                continue;
            }
            v = std::min({d[size_t(i - 1)][size_t(j)] + 1, d[size_t(i)][size_t(j - 1)] + 1,
                          d[size_t(i - 1)][size_t(j - 1)] + (a[i - 1] != b[j - 1])});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                v = std::min(v, d[size_t(i - 2)][size_t(j - 2)] + 1);
            }
        }
    }
    return d.back().back();
}

struct Ligne {
    qint64 minute = 0; // from 1 July 00:00
    int bande = 0;
    QString appel;
    QString recu;
    Attendu attendu;
    bool supprimee = false;
};

struct Station {
    QString indicatif;
    QString numero;
    QString nom;
    int format = 0;
    std::vector<Ligne> lignes;
};

// A QSO logged on both sides: where each line is.
struct Paire {
    int a;
    size_t ligne_a;
    int b;
    size_t ligne_b;
};

class Generateur {
  public:
    Generateur(const OptionsConcours& options, ConcoursSynthetique& concours)
        : options_(options), concours_(concours), hasard_(options.graine) {
        for (const char* texte :
             {"160m", "80m", "40m", "30m", "20m", "17m", "15m", "12m", "10m", "6m", "2m", "70cm"}) {
            bandes_.push_back(indice(QString::fromLatin1(texte)));
        }
    }

    void generer() {
        for (int i = 0; i < options_.stations; ++i) {
            const QString appel = nouvel_indicatif();
            // Some operate portable: the others log them with or without the suffix.
            stations_.push_back({i % 5 == 4 ? appel + QStringLiteral("/P") : appel,
                                 numero(),
                                 QStringLiteral("Opérateur %1").arg(i),
                                 options_.autres_formats ? i % 3 : 0,
                                 {}});
        }
        for (const Station& s : stations_) {
            membre(s.indicatif, s.numero);
        }
        faire_paires();
        faire_absents_du_concours();
        injecter_erreurs();
        for (const Station& s : stations_) {
            ecrire(s);
        }
    }

  private:
    static int indice(const QString& bande) {
        const auto table = table_bandes();
        for (size_t i = 0; i < table.size(); ++i) {
            if (bande == QLatin1String(table[i].texte)) {
                return int(i);
            }
        }
        return -1;
    }

    int au_hasard(int n) { return int(hasard_.bounded(quint32(n))); }

    // Calls at least three edits from every other, so that one edit names one station.
    QString nouvel_indicatif() {
        static const QStringList prefixes{
            QStringLiteral("F"),  QStringLiteral("DL"), QStringLiteral("ON"), QStringLiteral("G"),
            QStringLiteral("EA"), QStringLiteral("OK"), QStringLiteral("SP"), QStringLiteral("PA")};
        for (;;) {
            QString appel =
                prefixes[au_hasard(int(prefixes.size()))] + QString::number(au_hasard(10));
            for (int n = 2 + au_hasard(2); n > 0; --n) {
                appel += QLatin1Char(lettres[au_hasard(26)]);
            }
            if (std::all_of(pris_.begin(), pris_.end(),
                            [&](const QString& p) { return distance(p, appel) >= 3; })) {
                pris_.append(appel);
                return appel;
            }
        }
    }

    QString numero() { return QString::number(1000 + numeros_++ * 7 % 9000); }

    void membre(const QString& appel, const QString& numero) {
        concours_.membres.append(appel + QLatin1Char(',') + numero + QStringLiteral(",Nom,x"));
    }

    // Inside the two months, away from their ends so that no clock error leaves them.
    qint64 moment() { return minutes_par_jour + au_hasard(60 * int(minutes_par_jour)); }

    QString appel_logue(const Station& s) {
        return s.indicatif.endsWith(QStringLiteral("/P")) && au_hasard(2) == 0
                   ? s.indicatif.chopped(2)
                   : s.indicatif;
    }

    // Each couple of stations at most once per band: no QSO of theirs can pair with another.
    void faire_paires() {
        for (int a = 0; a < int(stations_.size()); ++a) {
            for (int b = a + 1; b < int(stations_.size()); ++b) {
                for (const int bande : bandes_) {
                    if (hasard_.generateDouble() >= options_.densite) {
                        continue;
                    }
                    const qint64 t = moment();
                    Station& sa = stations_[size_t(a)];
                    Station& sb = stations_[size_t(b)];
                    sa.lignes.push_back({t, bande, appel_logue(sb), sb.numero, {}});
                    // Clocks a little apart, within the tolerance.
                    sb.lignes.push_back(
                        {t + au_hasard(5) - 2, bande, appel_logue(sa), sa.numero, {}});
                    paires_.push_back({a, sa.lignes.size() - 1, b, sb.lignes.size() - 1});
                }
            }
        }
    }

    // Members who sent no report (worked by several stations, or by one: unique) and
    // non-members.
    void faire_absents_du_concours() {
        for (int i = 0; i < std::max(4, options_.stations / 2); ++i) {
            const QString appel = nouvel_indicatif();
            const bool rare = i % 2 == 0;
            if (i % 4 != 3) {
                membre(appel, numero());
            }
            const Categorie categorie =
                i % 4 == 3 ? Categorie::non_membre : Categorie::non_verifiable;
            const int fois = rare ? 1 : 2 + au_hasard(3);
            for (int n = 0; n < fois; ++n) {
                Station& s = stations_[size_t((i + n) % stations_.size())];
                s.lignes.push_back(
                    {moment(),
                     bandes_[size_t(au_hasard(int(bandes_.size())))],
                     appel,
                     QStringLiteral("NM"),
                     {categorie, {}, rare && categorie == Categorie::non_verifiable}});
            }
        }
    }

    QString une_edition_de(const QString& appel) {
        for (;;) {
            QString x = appel;
            const qsizetype i = au_hasard(int(appel.size()));
            switch (au_hasard(4)) {
            case 0:
                x[i] = QLatin1Char(signes[au_hasard(36)]);
                break;
            case 1:
                x.insert(i, QLatin1Char(signes[au_hasard(36)]));
                break;
            case 2:
                x.remove(i, 1);
                break;
            default:
                if (i + 1 < x.size()) {
                    std::swap(x[i], x[i + 1]);
                }
            }
            if (x != appel && x.size() >= 3 && distance(x, appel) == 1) {
                return x;
            }
        }
    }

    void injecter_erreurs() {
        std::vector<Paire> melange = paires_;
        std::shuffle(melange.begin(), melange.end(), hasard_);
        const int tolerance = concours_.tolerance;
        for (size_t n = 0; n < melange.size() && int(n) < options_.erreurs; ++n) {
            const Paire& p = melange[n];
            Ligne& a = stations_[size_t(p.a)].lignes[p.ligne_a];
            Ligne& b = stations_[size_t(p.b)].lignes[p.ligne_b];
            const QString station_a = stations_[size_t(p.a)].indicatif;
            const QString station_b = stations_[size_t(p.b)].indicatif;
            switch (n % 4) {
            case 0:
                b.supprimee = true;
                a.attendu = {Categorie::absent, station_b};
                break;
            case 1:
                a.appel = une_edition_de(a.appel.section(QLatin1Char('/'), 0, 0));
                a.attendu = {Categorie::indicatif_errone, station_b};
                break;
            case 2:
                a.recu = QString::number(a.recu.toInt() + 1 + au_hasard(50));
                a.attendu = {Categorie::numero_errone, {}};
                break;
            default:
                a.minute =
                    b.minute + (au_hasard(2) == 0 ? 1 : -1) * (tolerance + 1 + au_hasard(30));
                a.attendu = {Categorie::absent, station_b};
                b.attendu = {Categorie::absent, station_a};
            }
            ++concours_.erreurs_injectees;
        }
    }

    QString frequence(const Ligne& l, int format) {
        const Bande& b = table_bandes()[size_t(l.bande)];
        const qint64 khz = b.debut_hz / 1000;
        if (format == 2 && khz >= 50000) {
            return QString::number(khz / 1000 == 430 ? 432 : khz / 1000);
        }
        return QString::number(
            khz + au_hasard(int(std::min<qint64>(30, (b.fin_hz - b.debut_hz) / 1000))));
    }

    QString ligne_qso(const Station& s, const Ligne& l, const QDateTime& quand) {
        const QString bande = QString::fromLatin1(table_bandes()[size_t(l.bande)].texte);
        if (s.format == 0) {
            CellulesQSO qso;
            qso.date = quand.toString(QStringLiteral("dd/MM/yyyy"));
            qso.heure = quand.toString(QStringLiteral("hh:mm"));
            qso.indicatif = l.appel;
            qso.bande = bande;
            qso.ztc = l.recu;
            return ligne_qso_cabrillo(qso, s.indicatif, s.numero);
        }
        const QStringList champs{frequence(l, s.format),
                                 QStringLiteral("CW"),
                                 quand.toString(QStringLiteral("yyyy-MM-dd")),
                                 quand.toString(QStringLiteral("hhmm")),
                                 s.indicatif,
                                 QStringLiteral("599"),
                                 s.numero,
                                 l.appel,
                                 QStringLiteral("599"),
                                 l.recu};
        return s.format == 1 ? QStringLiteral("QSO: ") + champs.join(QLatin1Char(' '))
                             : QStringLiteral("qso:\t") + champs.join(QStringLiteral(" \t  "));
    }

    QStringList entete(const Station& s) {
        if (s.format == 0) {
            vorek::Station station;
            station.station_call = s.indicatif;
            station.nom_saisi = s.nom;
            station.station_nr_club = s.numero;
            return entete_cabrillo(station);
        }
        if (s.format == 1) {
            return {QStringLiteral("START-OF-LOG: 3.0"), QStringLiteral("CONTEST: VOREK"),
                    QStringLiteral("CALLSIGN: ") + s.indicatif,
                    QStringLiteral("NAME: ") + s.nom + QStringLiteral(" Zoé")};
        }
        return {QStringLiteral("start-of-log: 3.0"), QStringLiteral("Callsign:   ") + s.indicatif,
                QStringLiteral("created-by: AUTRE 1.0"), QStringLiteral("name: ") + s.nom,
                // An ignored QSO of the Cabrillo format: never read as a QSO.
                QStringLiteral("X-QSO: 14000 CW 2025-07-02 1000 ") + s.indicatif +
                    QStringLiteral(" 599 1 ZZ9ZZ 599 1")};
    }

    void ecrire(const Station& s) {
        std::vector<Ligne> lignes = s.lignes;
        std::stable_sort(lignes.begin(), lignes.end(),
                         [](const Ligne& x, const Ligne& y) { return x.minute < y.minute; });
        QStringList texte = entete(s);
        const QString nom = QString(s.indicatif).replace(QLatin1Char('/'), QLatin1Char('_')) +
                            (s.format == 0   ? QStringLiteral(".LOG")
                             : s.format == 1 ? QStringLiteral(".log")
                                             : QStringLiteral(".cbr"));
        const QDateTime debut(QDate(concours_.annee, 7, 1), QTime(0, 0), Qt::UTC);
        for (const Ligne& l : lignes) {
            if (!l.supprimee) {
                texte.append(ligne_qso(s, l, debut.addSecs(l.minute * 60)));
                concours_.attendus.insert({nom, int(texte.size())}, l.attendu);
            }
        }
        texte.append(QStringLiteral("END-OF-LOG:"));
        const QString fins = s.format == 1 ? QStringLiteral("\n") : QStringLiteral("\r\n");
        const QString tout = texte.join(fins) + fins;
        concours_.fichiers.insert(nom, s.format == 1 ? tout.toUtf8() : vers_cp1252(tout));
    }

    const OptionsConcours& options_;
    ConcoursSynthetique& concours_;
    QRandomGenerator hasard_;
    std::vector<int> bandes_;
    QStringList pris_;
    std::vector<Station> stations_;
    std::vector<Paire> paires_;
    int numeros_ = 0;
};

} // namespace

ConcoursSynthetique generer_concours(const OptionsConcours& options) {
    ConcoursSynthetique concours;
    Generateur(options, concours).generer();
    return concours;
}

void ecrire_concours(const ConcoursSynthetique& concours, const QString& dossier,
                     const QString& chemin_membres) {
    QDir().mkpath(dossier);
    for (auto f = concours.fichiers.cbegin(); f != concours.fichiers.cend(); ++f) {
        QFile fichier(QDir(dossier).filePath(f.key()));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        QCOMPARE(fichier.write(f.value()), f.value().size());
    }
    ecrire_lignes(chemin_membres, concours.membres);
}

} // namespace essai_correction
