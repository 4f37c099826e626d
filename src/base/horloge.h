#pragma once

#include <QDateTime>

#include <optional>

namespace vorek {

// Where the program reads the time. Tests use a fixed clock.
class Horloge {
  public:
    virtual ~Horloge() = default;
    virtual QDateTime maintenant_local() const = 0;
    virtual QDateTime maintenant_utc() const = 0;
    // Minutes such that UTC = local time + bias; empty when the system cannot tell.
    virtual std::optional<int> biais_fuseau_minutes() const = 0;
};

class HorlogeSysteme : public Horloge {
  public:
    QDateTime maintenant_local() const override;
    QDateTime maintenant_utc() const override;
    std::optional<int> biais_fuseau_minutes() const override;
};

class HorlogeFixe : public Horloge {
  public:
    // local: the local date and time; biais_minutes as the system would report it.
    explicit HorlogeFixe(QDateTime local, int biais_minutes = 0);
    void regler(QDateTime local) { local_ = std::move(local); }
    void avancer_secondes(int secondes) { local_ = local_.addSecs(secondes); }
    QDateTime maintenant_local() const override { return local_; }
    QDateTime maintenant_utc() const override;
    std::optional<int> biais_fuseau_minutes() const override { return biais_; }

  private:
    QDateTime local_;
    int biais_;
};

// Whole hours to add to local time to get UTC: the bias in quarter hours, then in whole
// hours, both truncated toward zero (half hours are dropped). 0 when the bias is unknown.
int calculer_decalage_UTC(std::optional<int> biais_minutes);

} // namespace vorek
