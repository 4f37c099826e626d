#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace vorek {

class TableJournal;

// The log table's rows by call and by member, kept in step with the table through the
// model's signals: the entry's look-ups at each keystroke read these instead of the rows.
class IndexJournal : public QObject {
    Q_OBJECT

  public:
    explicit IndexJournal(const TableJournal& table, QObject* parent = nullptr);

    // The rows whose call cell equals indicatif exactly, in increasing order.
    const std::vector<int>& lignes_indicatif(const QString& indicatif) const;
    // The rows whose call is the member's call once reduced (cle_membre), in order.
    const std::vector<int>& lignes_membre(const QString& cle) const;
    // Row ligne's date as a day count, when it reads as one.
    std::optional<double> jour(int ligne) const;
    const QString& bande(int ligne) const;

    // True when both hold the same rows under the same keys: an index kept in step equals
    // one built afresh from the same table.
    bool operator==(const IndexJournal& autre) const;

  private:
    struct Ligne {
        QString indicatif;
        QString cle;
        QString bande;
        double jour = 0;
        bool jour_lisible = false;
        bool operator==(const Ligne&) const = default;
    };

    Ligne lire(int ligne) const;
    void reconstruire();
    void ajouter(int ligne);
    void retirer(int ligne);
    void lignes_changees(int premiere, int derniere);
    void lignes_inserees(int premiere, int derniere);
    void lignes_retirees(int premiere);

    const TableJournal& table_;
    // [r] describes log row r; [0] is the header and stays empty.
    std::vector<Ligne> lignes_;
    QHash<QString, std::vector<int>> par_indicatif_;
    QHash<QString, std::vector<int>> par_membre_;
};

} // namespace vorek
