#include "lecture_cabrillo.h"
#include "textes_stats.h"
#include "verification_parties.h"

#include "base/dates.h"
#include "base/erreur.h"
#include "base/textes_partages.h"
#include "log/cellules_qso.h"
#include "log/etat.h"
#include "log/fiche_station.h"
#include "refdata/referentiel.h"
#include "reports/cabrillo.h"
#include "rules/memoire_score.h"
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
    // The line is the one its row gives.
    bool redonnee = false;
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
    // A long log may give the same finding thousands of times: its texts are held once.
    void constater(int ligne, const char* code, const QString& texte) {
        constats_.append(
            {ligne, textes_.partage(QString::fromLatin1(code)), textes_.partage(texte)});
    }

    QString ligne_attendue(int ligne) const {
        const Station& station = source_.etat.station;
        return ligne_qso_cabrillo(CellulesQSO::de_la_ligne(table_, ligne), station.station_call,
                                  station.station_nr_club);
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
    void verifier_contre_la_ligne(LigneQso& qso) {
        if (qso.ligne == 0) {
            return;
        }
        const QString attendue = ligne_attendue(qso.ligne);
        qso.redonnee = attendue == qso.texte;
        const LectureQso lecture = qso.redonnee ? LectureQso{} : lire_ligne_qso(attendue);
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

    // The lines met are known by a hash of their text; a line its row gives is not kept,
    // as the row gives it again when a later line has the same hash.
    void verifier_double(const LigneQso& qso) {
        const size_t cle = qHash(qso.texte, size_t(0));
        const auto vue = vues_.constFind(cle);
        if (vue == vues_.cend()) {
            vues_.insert(cle, {qso.ligne, qso.redonnee ? -1 : int(gardees_.size())});
            if (!qso.redonnee) {
                gardees_.append(qso.texte);
            }
            return;
        }
        const QString premiere = vue->texte < 0 ? ligne_attendue(vue->ligne) : gardees_[vue->texte];
        if (premiere == qso.texte) {
            constater(qso.ligne, codes_constat::double_qso, textes_stats::double_qso(vue->ligne));
            return;
        }
        // Another line had the same hash.
        const auto autre = autres_.constFind(qso.texte);
        if (autre != autres_.cend()) {
            constater(qso.ligne, codes_constat::double_qso, textes_stats::double_qso(*autre));
        } else {
            autres_.insert(qso.texte, qso.ligne);
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

    struct Vue {
        int ligne;
        // Its place among the texts kept, -1 when its row gives it.
        int texte;
    };

    const SourceVerification& source_;
    const TableJournal& table_;
    QList<Constat>& constats_;
    TextesPartages textes_;
    QHash<size_t, Vue> vues_;
    QStringList gardees_;
    QHash<QString, int> autres_;
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

// The lines read back as the rows of a log of their own, in the report's order, a line that
// does not read being a row without a call. The rules look only upwards: each row is judged
// as soon as it is given, and only its date stays (an earlier date that does not read is
// read again by the row below that meets it), as the place of the text in the few dates a
// report holds.
class LignesRelues : public LignesScore {
  public:
    int nb_lignes() const override { return int(dates_.size()) + 1; }
    CellulesQSO cellules(int ligne) const override {
        Q_ASSERT(ligne == int(dates_.size()));
        return derniere_;
    }
    QString date(int ligne) const override { return textes_dates_[dates_[size_t(ligne) - 1]]; }

    void ajouter(const std::optional<QsoRelu>& q) {
        const QString rst = QStringLiteral("599");
        derniere_ = CellulesQSO::du_texte(
            q ? QStringList{date_journal(q->date), heure_journal(q->heure), q->indicatif,
                            q->bande.value_or(QString()), rst, rst, q->numero, QString(), QString(),
                            QString()}
              : QStringList{QString(), QString(), QString(), QString(), QString(), QString(),
                            QString(), QStringLiteral("0"), QString(), QString()});
        auto place = places_dates_.constFind(derniere_.date);
        if (place == places_dates_.cend()) {
            place = places_dates_.insert(derniere_.date, int(textes_dates_.size()));
            textes_dates_.append(derniere_.date);
        }
        dates_.push_back(*place);
    }

  private:
    std::vector<int> dates_;
    QStringList textes_dates_;
    QHash<QString, int> places_dates_;
    CellulesQSO derniere_;
};

// What counts was not lost in the layout: the lines, read back and rescored by the rules,
// give each QSO its points and the window's score.
class VerificationScore {
  public:
    explicit VerificationScore(const SourceVerification& source)
        : source_(source), operation_(source.referentiel),
          memoire_(relues_, source.referentiel, conditions(source)) {}

    void ajouter(const LigneQso& qso) {
        relues_.ajouter(qso.relu);
        if (erreur_) {
            return;
        }
        const int ligne = relues_.nb_lignes() - 1;
        try {
            memoire_.juger_jusqu_a(ligne + 1);
        } catch (const Erreur& e) {
            erreur_ = e.message();
            return;
        }
        const int relus = memoire_.verdict(ligne).points;
        const int journal =
            qso.ligne > 0 ? source_.etat.table.cellule(col_points, qso.ligne).toInt() : 0;
        if (qso.relu && qso.ligne > 0 && relus != journal) {
            differents_.push_back({qso.ligne, relus, journal});
        }
    }

    // The findings of the points come after those of every line.
    void terminer(QList<Constat>& constats) {
        if (erreur_) {
            ajouter_constat(constats, 0, codes_constat::score_different,
                            textes_stats::score_illisible(*erreur_));
            return;
        }
        for (const Difference& d : differents_) {
            ajouter_constat(constats, d.ligne, codes_constat::points_differents,
                            textes_stats::points_differents(d.relus, d.journal));
        }
        const int total = memoire_.total_avant(relues_.nb_lignes());
        if (total != source_.etat.score_total) {
            ajouter_constat(constats, 0, codes_constat::score_different,
                            textes_stats::score_different(total, source_.etat.score_total));
        }
    }

  private:
    struct Difference {
        int ligne;
        int relus;
        int journal;
    };

    // As a rescoring of the lines' own log: no entry band, ten columns.
    static ConditionsScore conditions(const SourceVerification& source) {
        const Etat& etat = source.etat;
        ConditionsScore c;
        c.continent_station = etat.station.station_continent;
        c.debut_concours = etat.debut_concours;
        c.fin_concours = etat.fin_concours;
        c.nb_colonnes = nb_colonnes_journal;
        c.base_absente = !source.referentiel.membres.presente();
        return c;
    }

    const SourceVerification& source_;
    const OperationReferentiel operation_;
    LignesRelues relues_;
    MemoireScore memoire_;
    std::optional<QString> erreur_;
    std::vector<Difference> differents_;
};

} // namespace

struct VerificationLignesQso::Donnees {
    Donnees(const SourceVerification& source, QList<Constat>& c)
        : constats(c), place_du_nombre(c.size()), verification(source, c), score(source) {
        const TableJournal& table = source.etat.table;
        for (int ligne = 1; ligne < table.nb_lignes(); ++ligne) {
            if (!table.cellule(col_indicatif, ligne).isEmpty()) {
                rangs.push_back(ligne);
            }
        }
    }

    QList<Constat>& constats;
    // The count is told before the lines, known once they are all read.
    const qsizetype place_du_nombre;
    std::vector<int> rangs;
    size_t lues = 0;
    VerificationQso verification;
    VerificationScore score;
};

VerificationLignesQso::VerificationLignesQso(const SourceVerification& source,
                                             QList<Constat>& constats)
    : d_(std::make_unique<Donnees>(source, constats)) {}

VerificationLignesQso::~VerificationLignesQso() = default;

void VerificationLignesQso::verifier(const QString& ligne) {
    LigneQso qso{ligne, d_->lues < d_->rangs.size() ? d_->rangs[d_->lues] : 0, std::nullopt};
    ++d_->lues;
    d_->verification.verifier(qso);
    d_->score.ajouter(qso);
}

void VerificationLignesQso::terminer() {
    if (d_->lues != d_->rangs.size()) {
        d_->constats.insert(d_->place_du_nombre,
                            {0, QString::fromLatin1(codes_constat::nombre_qso),
                             textes_stats::nombre_qso(qsizetype(d_->lues), int(d_->rangs.size()))});
    }
    d_->score.terminer(d_->constats);
}

} // namespace vorek
