#pragma once

#include <QString>

#include <optional>

namespace vorek {

// What tells one version of a file from another without reading it.
struct SignatureFichier {
    QString chemin; // the file found; empty when there is none
    qint64 taille = -1;
    qint64 modification_ns = 0;
    qint64 changement_ns = 0;
    quint64 inode = 0;
    bool operator==(const SignatureFichier&) const = default;
};

// The existing regular file whose name equals the last part of chemin without regard to
// case (the exact name first), or an empty text.
QString trouver_sans_casse(const QString& chemin);

// Follows one file through replacements on disk. The folder is listed again only when
// the exact name is missing and the folder itself changed.
class SuiviFichier {
  public:
    explicit SuiviFichier(QString chemin);
    const QString& chemin() const { return chemin_; }
    // While an operation is open, the file is looked at once: the answers that follow are
    // that first one.
    SignatureFichier signature();

    // Operations nest; the last one closed ends the shared answer.
    void ouvrir_operation() { ++operations_; }
    void fermer_operation();

  private:
    SignatureFichier regarder();

    QString chemin_;
    SignatureFichier dossier_;
    QString resolu_;
    bool dossier_lu_ = false;
    int operations_ = 0;
    std::optional<SignatureFichier> vue_;
};

} // namespace vorek
