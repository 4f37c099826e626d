#pragma once

#include "spot.h"

#include "entry/apercu.h"

#include <QDateTime>
#include <QList>
#include <QObject>

#include <utility>
#include <vector>

namespace vorek {

class EntreeQSO;
class Horloge;

// A spot as the band map shows it: its band, when it came, the member it is, and what a QSO
// with it would score if committed now.
struct SpotCarte {
    Spot spot;
    QString bande;
    QDateTime recu; // UTC
    // As the entry fills the field: the member's number, or "NM".
    QString membre_numero;
    QString membre_nom;
    bool membre = false;
    // A member the log holds no QSO with yet.
    bool jamais_contacte = false;
    ApercuQSO apercu;
};

struct FiltreCarte {
    bool cw_seulement = false;
    bool membres_seulement = false;
    // A spot fades after this many minutes and goes at half as long again.
    int duree_minutes = 10;
};

// The spots of the band map: one per call and band (the latest), at most max_spots (the
// oldest go first), none outside every contest band. Their points are the entry's preview,
// computed again whenever the log changes; a window reads them at its own pace.
class CarteBandes : public QObject {
    Q_OBJECT

  public:
    static constexpr qsizetype max_spots = 500;

    CarteBandes(EntreeQSO& entree, const Horloge& horloge, QObject* parent = nullptr);

    void fixer_filtre(const FiltreCarte& filtre);
    const FiltreCarte& filtre() const { return filtre_; }

    // The spot as kept, or nothing when it is left out (outside every band, or the filters).
    std::optional<SpotCarte> ajouter(const Spot& spot);
    // The spots of one band by increasing frequency, points up to date, expired ones gone.
    QList<SpotCarte> spots_bande(const QString& bande);
    qsizetype nombre() const { return qsizetype(spots_.size()); }
    void vider();

    // Drops the spots past their time and computes the points again if the log changed or
    // the minute turned since the last computation.
    void mettre_a_jour();
    int age_minutes(const SpotCarte& spot) const;
    bool estompe(const SpotCarte& spot) const;
    // Changes with every change of what the map shows, so that a view repaints only then.
    quint64 version() const { return version_; }

  private:
    void evaluer(SpotCarte& spot, const QDateTime& maintenant) const;
    void recalculer();
    qint64 age_secondes(const SpotCarte& spot) const;
    std::pair<int, bool> ligne_commit() const;

    EntreeQSO& entree_;
    const Horloge& horloge_;
    FiltreCarte filtre_;
    // In the order they came, the oldest first.
    std::vector<SpotCarte> spots_;
    bool journal_change_ = false;
    // The row a commit would write, as of the last computation: a correction started or
    // left moves it without changing the table.
    std::pair<int, bool> ligne_calcul_{0, false};
    qint64 minute_calcul_ = 0;
    quint64 version_ = 0;
};

} // namespace vorek
