#include "lecture_cabrillo.h"
#include "textes_stats.h"
#include "verification_parties.h"

#include "base/dates.h"
#include "base/erreur.h"
#include "base/textes_partages.h"
#include "log/cellules_qso.h"
#include "log/etat.h"
#include "log/fiche_station.h"
#include "reports/cabrillo.h"
#include "rules/points.h"
#include "rules/score.h"
#include "rules/textes_regles.h"

#include <QHash>

#include <optional>
#include <vector>

namespace vorek {

namespace {

// One "QSO:" line and the row it was written from (0 when the log has no row for it).
struct LigneQso {
    const QString& texte;
    int ligne;
    std::optional<QsoRelu> relu;
};

// The fields of a QSO line compared one by one with those its row gives; the call has a
// check of its own (a call cut to the field's width is told as such).
struct ChampCompare {
    int champ;
    const char* code;
    QString (*texte)(const QsoRelu&);
};

const ChampCompare champs_compares[] = {
    {champ_date, codes_constat::date_differente,
     [](const QsoRelu& q) { return q.date.toString(Qt::ISODate); }},
    {champ_heure, codes_constat::heure_differente,
     [](const QsoRelu& q) { return q.heure.toString(QStringLiteral("HHmm")); }},
    {champ_indicatif_station, codes_constat::indicatif_station_different,
     [](const QsoRelu& q) { return q.indicatif_station; }},
    {champ_numero_station, codes_constat::numero_station_different,
     [](const QsoRelu& q) { return q.numero_station; }},
    {champ_numero, codes_constat::numero_different, [](const QsoRelu& q) { return q.numero; }},
};

class VerificationQso {
  public:
    VerificationQso(const SourceVerification& source, QList<Constat>& constats)
        : source_(source), table_(source.etat.table), constats_(constats) {}

    void verifier(LigneQso& qso) {
        const LectureQso lecture = lire_ligne_qso(qso.texte);
        qso.relu = lecture.qso;
        bool hors_periode = false;
        if (!qso.relu) {
            constater(qso.ligne, codes_constat::ligne_illisible,
                      textes_stats::ligne_illisible(textes_stats::champ_qso(lecture.champ),
                                                    lecture.premier, lecture.dernier));
        } else {
            verifier_frequence(qso);
            verifier_champs_coupes(qso);
            verifier_contre_la_ligne(qso);
            hors_periode = verifier_periode(qso);
            verifier_double(qso);
        }
        verifier_points(qso.ligne, hors_periode);
    }

  private:
    void constater(int ligne, const char* code, const QString& texte) {
        ajouter_constat(constats_, ligne, code, texte);
    }

    QString cellule(int col, int ligne) const {
        return ligne > 0 ? table_.cellule(col, ligne) : QString();
    }

    void verifier_frequence(const LigneQso& qso) {
        if (qso.relu->frequence.isEmpty()) {
            constater(qso.ligne, codes_constat::frequence_absente,
                      textes_stats::frequence_absente(cellule(col_bande, qso.ligne)));
        } else if (!qso.relu->bande) {
            constater(qso.ligne, codes_constat::frequence_inconnue,
                      textes_stats::frequence_inconnue(qso.relu->frequence));
        }
    }

    void verifier_champs_coupes(const LigneQso& qso) {
        if (qso.ligne == 0) {
            return;
        }
        // Blanks around a call are no part of it; the report cannot hold them.
        const QString indicatif = cellule(col_indicatif, qso.ligne).trimmed();
        const QString& lu = qso.relu->indicatif;
        if (lu != indicatif) {
            const bool coupe = indicatif.size() > largeurs_qso_cabrillo[champ_indicatif] &&
                               indicatif.startsWith(lu);
            constater(qso.ligne,
                      coupe ? codes_constat::indicatif_coupe : codes_constat::indicatif_different,
                      coupe ? textes_stats::indicatif_coupe(indicatif, lu)
                            : textes_stats::indicatif_different(lu, indicatif));
        }
        // The marks of a typed number are no loss; a longer number is.
        const QString numero = numero_de_la_ligne(cellule(col_ztc, qso.ligne));
        if (numero.size() > largeurs_qso_cabrillo[champ_numero] && qso.relu->numero != numero &&
            numero.startsWith(qso.relu->numero)) {
            constater(qso.ligne, codes_constat::numero_coupe,
                      textes_stats::numero_coupe(numero, qso.relu->numero));
        }
    }

    // The line against the one its row gives now: a report edited, or written from another
    // log, must not pass for this one. A row that gives no readable line is told by the
    // other checks.
    void verifier_contre_la_ligne(const LigneQso& qso) {
        if (qso.ligne == 0) {
            return;
        }
        const Station& station = source_.etat.station;
        const QString attendue = ligne_qso_cabrillo(CellulesQSO::de_la_ligne(table_, qso.ligne),
                                                    station.station_call, station.station_nr_club);
        const LectureQso lecture = attendue == qso.texte ? LectureQso{} : lire_ligne_qso(attendue);
        if (!lecture.qso) {
            return;
        }
        const QsoRelu& lu = *qso.relu;
        const QsoRelu& journal = *lecture.qso;
        for (const ChampCompare& c : champs_compares) {
            if (c.texte(lu) != c.texte(journal)) {
                constater(qso.ligne, c.code,
                          textes_stats::champ_different(textes_stats::champ_qso(c.champ),
                                                        c.texte(lu), c.texte(journal)));
            }
        }
        // A missing or unknown frequency has been told already.
        if (lu.bande && journal.bande && lu.frequence != journal.frequence) {
            constater(qso.ligne, codes_constat::frequence_differente,
                      textes_stats::champ_different(textes_stats::champ_qso(champ_frequence),
                                                    lu.frequence, journal.frequence));
        }
    }

    bool verifier_periode(const LigneQso& qso) {
        const double moment = vers_jours(qso.relu->date, qso.relu->heure);
        const Etat& etat = source_.etat;
        if (moment > etat.debut_concours && moment < etat.fin_concours) {
            return false;
        }
        constater(qso.ligne, codes_constat::hors_periode,
                  textes_stats::hors_periode(texte_date_heure(moment)));
        return true;
    }

    void verifier_double(const LigneQso& qso) {
        const auto premiere = deja_vues_.constFind(qso.texte);
        if (premiere != deja_vues_.constEnd()) {
            constater(qso.ligne, codes_constat::double_qso, textes_stats::double_qso(*premiere));
        } else {
            deja_vues_.insert(qso.texte, qso.ligne);
        }
    }

    // A QSO outside the period has said so already, unless the rules gave another reason
    // first.
    void verifier_points(int ligne, bool hors_periode) {
        if (ligne == 0 || cellule(col_points, ligne) != QStringLiteral("0")) {
            return;
        }
        const QString notes = cellule(col_notes, ligne);
        QString raison = notes.mid(note_operateur(notes).size()).trimmed();
        if (hors_periode && raison.startsWith(textes::remarque_hors_date().trimmed())) {
            return;
        }
        if (raison.isEmpty()) {
            const QString bande = cellule(col_bande, ligne);
            raison = points_bande(bande, true) == 0 ? textes_stats::bande_hors_bareme(bande)
                                                    : textes_stats::sans_raison();
        }
        constater(ligne, codes_constat::zero_point, textes_stats::zero_point(raison));
    }

    const SourceVerification& source_;
    const TableJournal& table_;
    QList<Constat>& constats_;
    QHash<QString, int> deja_vues_;
};

// The log's own texts, "dd/mm/yyyy" and "hh:nn", written by hand for the same reason as the
// report's dates are read so.
QString deux_chiffres(int n) {
    return QString(QLatin1Char(char('0' + n / 10))) + QLatin1Char(char('0' + n % 10));
}

QString date_journal(const QDate& date) {
    return deux_chiffres(date.day()) + QLatin1Char('/') + deux_chiffres(date.month()) +
           QLatin1Char('/') + QString::number(date.year());
}

QString heure_journal(const QTime& heure) {
    return deux_chiffres(heure.hour()) + QLatin1Char(':') + deux_chiffres(heure.minute());
}

// The lines read back as rows of a log of their own, in the report's order, written as each
// line is checked; a line that does not read is a row without a call. Dates, times and bands
// repeat: each text is held once.
class LogRelu {
  public:
    LogRelu(const Etat& etat, qsizetype lignes) {
        relu.station = etat.station;
        relu.debut_concours = etat.debut_concours;
        relu.fin_concours = etat.fin_concours;
        relu.table.fixer_nb_lignes(int(lignes) + 2);
    }

    void ecrire(int k, const std::optional<QsoRelu>& q) {
        const QString rst = QStringLiteral("599");
        relu.table.fixer_ligne(
            k + 1, q ? QStringList{textes_.partage(date_journal(q->date)),
                                   textes_.partage(heure_journal(q->heure)), q->indicatif,
                                   textes_.partage(q->bande.value_or(QString())), rst, rst,
                                   q->numero, QString(), QString(), QString()}
                     : QStringList{QString(), QString(), QString(), QString(), QString(), QString(),
                                   QString(), QStringLiteral("0"), QString(), QString()});
    }

    Etat relu;

  private:
    TextesPartages textes_;
};

// A QSO line as the score check needs it once read: its row, and whether it read.
struct LigneLue {
    int ligne;
    bool lue;
};

// What counts was not lost in the layout: the lines, read back and rescored by the rules,
// give each QSO its points and the window's score.
void verifier_score(const std::vector<LigneLue>& qsos, LogRelu& log_relu,
                    const SourceVerification& source, QList<Constat>& constats) {
    const Etat& etat = source.etat;
    Etat& relu = log_relu.relu;
    try {
        calculer_score(relu, source.referentiel, QString(), source.annee_courante);
    } catch (const Erreur& e) {
        ajouter_constat(constats, 0, codes_constat::score_different,
                        textes_stats::score_illisible(e.message()));
        return;
    }
    for (size_t k = 0; k < qsos.size(); ++k) {
        const int ligne = qsos[k].ligne;
        const int journal = ligne > 0 ? etat.table.cellule(col_points, ligne).toInt() : 0;
        const int relus = relu.table.cellule(col_points, int(k) + 1).toInt();
        if (qsos[k].lue && ligne > 0 && relus != journal) {
            ajouter_constat(constats, ligne, codes_constat::points_differents,
                            textes_stats::points_differents(relus, journal));
        }
    }
    if (relu.score_total != etat.score_total) {
        ajouter_constat(constats, 0, codes_constat::score_different,
                        textes_stats::score_different(relu.score_total, etat.score_total));
    }
}

} // namespace

void verifier_lignes_qso(const QStringList& lignes, const SourceVerification& source,
                         QList<Constat>& constats) {
    const TableJournal& table = source.etat.table;
    QList<int> rangs;
    for (int ligne = 1; ligne < table.nb_lignes(); ++ligne) {
        if (!table.cellule(col_indicatif, ligne).isEmpty()) {
            rangs.append(ligne);
        }
    }
    if (lignes.size() != rangs.size()) {
        ajouter_constat(constats, 0, codes_constat::nombre_qso,
                        textes_stats::nombre_qso(lignes.size(), int(rangs.size())));
    }
    // Each line's reading goes into the log read back at once: only its row and whether it
    // read are kept beside it.
    std::vector<LigneLue> qsos;
    qsos.reserve(size_t(lignes.size()));
    LogRelu relu(source.etat, lignes.size());
    VerificationQso verification(source, constats);
    for (qsizetype k = 0; k < lignes.size(); ++k) {
        LigneQso qso{lignes[k], int(rangs.value(k, 0)), std::nullopt};
        verification.verifier(qso);
        relu.ecrire(int(k), qso.relu);
        qsos.push_back({qso.ligne, qso.relu.has_value()});
    }
    verifier_score(qsos, relu, source, constats);
}

} // namespace vorek
