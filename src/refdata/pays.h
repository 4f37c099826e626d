#pragma once

#include "refdata/suivi_fichier.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace vorek {

struct ResultatPays {
    QString dxcc_prefixe;
    QString dxcc_continent;
    // False when the DXCC list file does not exist; both texts are then empty.
    bool liste_trouvee = true;
};

// Look-ups in the DXCC list (cfg/DXCC.CSV). Served from an index that is rebuilt only when
// the file's size or modification time changes; it answers exactly what a scan of the file
// from the top would answer (first equal key wins).
class DonneesPays {
  public:
    explicit DonneesPays(QString chemin_liste_dxcc);
    ~DonneesPays();
    DonneesPays(const DonneesPays&) = delete;
    DonneesPays& operator=(const DonneesPays&) = delete;

    const QString& chemin() const;
    // Exact, case-sensitive comparison of the key with the text before each line's first
    // comma. Empty texts when nothing matches or the file is missing (then liste_trouvee is
    // false).
    ResultatPays chercher_dxcc(const QString& cle) const;
    // The call's entity through its four candidates. An empty call gives an empty result.
    ResultatPays trouver_pays(const QString& indicatif) const;
    // Changes whenever the file read changes.
    quint64 version() const;
    // The file read, as found on disk: what tells it from another version of it.
    SignatureFichier signature() const;

  private:
    friend class OperationPays;
    struct Index;
    std::unique_ptr<Index> index_;
};

// The DXCC list looked at once for an operation, as OperationMembres does.
class OperationPays {
  public:
    explicit OperationPays(const DonneesPays& pays);
    ~OperationPays();
    OperationPays(const OperationPays&) = delete;
    OperationPays& operator=(const OperationPays&) = delete;

  private:
    const DonneesPays& pays_;
};

// The prefixes trouver_pays tries, in order: four of them, none for an empty call.
QStringList candidats_pays(const QString& indicatif);

QString indicatif_de_base(const QString& indicatif);
QString indicatif_de_base_points(const QString& indicatif);

} // namespace vorek
