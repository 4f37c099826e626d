#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace vorek {

struct ResultatMembre {
    QString membre_numero;
    QString membre_nom;
    // False when the member database file does not exist, or is not a member list (the
    // caller tells the operator once per operation); the number is then "NM" and the name
    // empty.
    bool base_trouvee = true;
};

// Why lines read from a file are not a member database, in French (completes "le fichier
// … "), or an empty text when they are one: past a header, most non-blank lines hold a
// call, a separator ("," or ";") and a number.
QString refus_base_membres(const QStringList& lignes);

// Look-ups in the member database (Fichiers_BD/ZTC_mini_2021.csv), indexed like the DXCC
// list: rebuilt when the file changes, equal to a top-down scan of the file.
class BaseMembres {
  public:
    explicit BaseMembres(QString chemin_base);
    ~BaseMembres();
    BaseMembres(const BaseMembres&) = delete;
    BaseMembres& operator=(const BaseMembres&) = delete;

    const QString& chemin() const;
    // An empty call gives an empty number and name.
    ResultatMembre chercher_membre(const QString& indicatif) const;

  private:
    struct Index;
    std::unique_ptr<Index> index_;
};

} // namespace vorek
