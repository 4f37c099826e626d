#pragma once

#include "refdata/fragments.h"
#include "refdata/suivi_fichier.h"

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

// The members whose call holds a fragment, for the partial check.
struct ResultatFragment {
    QList<MembreTrouve> membres;
    // False when the member database is missing, as for chercher_membre; the list is empty.
    bool base_trouvee = true;
};

// The key a call is looked up by: upper case, reduced to its base call, trimmed.
QString cle_membre(const QString& indicatif);

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
    // The same for a call already reduced to its key (cle_membre of a call that is not
    // empty): a caller that keeps the key looks the call up again without reducing it.
    ResultatMembre chercher_cle(const QString& cle) const;
    // IndexFragments::chercher over the database's calls (indicatif_listable); the fragment
    // is compared as given.
    ResultatFragment chercher_fragment(QStringView fragment, qsizetype max) const;
    // False when the file is missing or is no member list.
    bool presente() const;
    // Changes whenever the file read changes: what was built from earlier answers is stale.
    quint64 version() const;
    // The file read, as found on disk: what tells it from another version of it.
    SignatureFichier signature() const;

  private:
    friend class OperationMembres;
    struct Index;
    std::unique_ptr<Index> index_;
};

// While one lives, the member database file is looked at on disk once, at the first
// look-up, and every later look-up trusts that answer: an operation (a report, a rescoring)
// asks the file system once, and a file replaced on disk is used from the next operation on.
class OperationMembres {
  public:
    explicit OperationMembres(const BaseMembres& base);
    ~OperationMembres();
    OperationMembres(const OperationMembres&) = delete;
    OperationMembres& operator=(const OperationMembres&) = delete;

  private:
    const BaseMembres& base_;
};

} // namespace vorek
