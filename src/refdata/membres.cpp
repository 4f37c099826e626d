#include "refdata/membres.h"

#include "log/fichier_texte.h"
#include "refdata/pays.h"
#include "refdata/suivi_fichier.h"
#include "refdata/texte.h"

#include <QHash>

namespace vorek {

namespace {

constexpr qsizetype longueur_numero = 4;
constexpr qsizetype longueur_nom = 40;

// Field n (from 1) exists only when the separator that ends it is there.
QString champ(const QString& ligne, QChar separateur, int n) {
    qsizetype debut = 0;
    for (int i = 1; i < n; ++i) {
        debut = ligne.indexOf(separateur, debut);
        if (debut < 0) {
            return {};
        }
        ++debut;
    }
    const qsizetype fin = ligne.indexOf(separateur, debut);
    return fin < 0 ? QString() : ligne.mid(debut, fin - debut);
}

QString indicatif_du_fichier(const QString& ligne, QChar separateur) {
    QString indicatif = champ(ligne, separateur, 1);
    const qsizetype plus = indicatif.indexOf(QLatin1Char('+'));
    if (plus >= 0) {
        indicatif.remove(plus, 1);
    }
    return rogner(indicatif);
}

} // namespace

struct BaseMembres::Index {
    explicit Index(QString chemin) : suivi(std::move(chemin)) {}

    // Parsing a line does not depend on the call searched, only on the lines above it (the
    // separator switch), so one pass from the top gives what every scan would give.
    void a_jour() {
        SignatureFichier signature = suivi.signature();
        if (valide && signature == lue) {
            return;
        }
        valide = false;
        membres.clear();
        if (!signature.chemin.isEmpty()) {
            QChar separateur = QLatin1Char(',');
            for (const QString& ligne : lire_lignes(signature.chemin)) {
                if (!ligne.contains(separateur)) {
                    separateur = QLatin1Char(';');
                }
                const QString indicatif = indicatif_du_fichier(ligne, separateur);
                if (!membres.contains(indicatif)) {
                    membres.insert(indicatif,
                                   {rogner(champ(ligne, separateur, 2)).left(longueur_numero),
                                    rogner(champ(ligne, separateur, 3)).left(longueur_nom)});
                }
            }
        }
        presente = !signature.chemin.isEmpty();
        lue = std::move(signature);
        valide = true;
    }

    SuiviFichier suivi;
    SignatureFichier lue;
    bool valide = false;
    bool presente = false;
    QHash<QString, ResultatMembre> membres;
};

BaseMembres::BaseMembres(QString chemin_base)
    : index_(std::make_unique<Index>(std::move(chemin_base))) {}

BaseMembres::~BaseMembres() = default;

const QString& BaseMembres::chemin() const {
    return index_->suivi.chemin();
}

ResultatMembre BaseMembres::chercher_membre(const QString& indicatif) const {
    if (indicatif.isEmpty()) {
        return {};
    }
    const QString cle = rogner(indicatif_de_base(indicatif.toUpper()));
    index_->a_jour();
    if (!index_->presente) {
        return {QStringLiteral("NM"), QString(), false};
    }
    const auto trouve = index_->membres.constFind(cle);
    if (trouve == index_->membres.cend()) {
        return {QStringLiteral("NM"), QString(), true};
    }
    return trouve.value();
}

} // namespace vorek
