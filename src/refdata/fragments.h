#pragma once

#include <QList>
#include <QString>

#include <unordered_map>
#include <vector>

namespace vorek {

// A member of the database as the partial check lists it.
struct MembreTrouve {
    QString indicatif;
    QString membre_numero;
    bool operator==(const MembreTrouve&) const = default;
};

// The calls of the member database that hold a fragment anywhere, found without a scan:
// each pair of consecutive characters lists the calls that hold it, so a fragment reads
// only the calls of its rarest pair.
class IndexFragments {
  public:
    IndexFragments() = default;
    // Calls are kept in alphabetical order whatever the order given.
    explicit IndexFragments(QList<MembreTrouve> membres);

    // At most max calls holding fragment exactly (case-sensitive): those that start with
    // it first, then the others, each group in alphabetical order. A fragment shorter than
    // two characters gives nothing.
    QList<MembreTrouve> chercher(QStringView fragment, qsizetype max) const;

  private:
    const std::vector<int>* plus_rare(QStringView fragment) const;

    QList<MembreTrouve> membres_;
    // Pair of characters -> ranks in membres_ of the calls that hold it, increasing.
    std::unordered_map<quint32, std::vector<int>> paires_;
};

// True for a call the partial check lists: capitals and digits, at least one of each (a
// header line or a call the look-up could never find is no member).
bool indicatif_listable(const QString& indicatif);

} // namespace vorek
