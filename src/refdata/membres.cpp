#include "refdata/membres.h"

#include "base/fichier_texte.h"
#include "refdata/pays.h"
#include "refdata/suivi_fichier.h"
#include "refdata/texte.h"
#include "refdata/textes_refdata.h"

#include <QHash>

#include <algorithm>
#include <utility>

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

qsizetype apres_blancs(QStringView ligne, qsizetype i) {
    while (i < ligne.size() && (ligne[i] == u' ' || ligne[i] == u'\t')) {
        ++i;
    }
    return i;
}

bool signe_d_indicatif(QChar c) {
    return c.unicode() < 128 && (c.isLetterOrNumber() || c == u'/' || c == u'+');
}

// A call (letters, digits, "/" and "+"), a separator, then a number, blanks allowed around
// the separator.
bool ligne_de_membre(QStringView ligne) {
    qsizetype i = apres_blancs(ligne, 0);
    const qsizetype debut_indicatif = i;
    while (i < ligne.size() && signe_d_indicatif(ligne[i])) {
        ++i;
    }
    i = apres_blancs(ligne, i);
    if (i == debut_indicatif || i == ligne.size() || (ligne[i] != u',' && ligne[i] != u';')) {
        return false;
    }
    i = apres_blancs(ligne, i + 1);
    return i < ligne.size() && ligne[i] >= u'0' && ligne[i] <= u'9';
}

bool ligne_vide(QStringView ligne) {
    return std::all_of(ligne.begin(), ligne.end(), [](QChar c) { return c.unicode() <= u' '; });
}

} // namespace

QString refus_base_membres(const QStringList& lignes) {
    qsizetype donnees = 0;
    qsizetype membres = 0;
    bool premiere = true;
    for (const QString& ligne : lignes) {
        if (ligne_vide(ligne)) {
            continue;
        }
        const bool membre = ligne_de_membre(ligne);
        // The first line may be a header.
        if (std::exchange(premiere, false) && !membre) {
            continue;
        }
        ++donnees;
        membres += membre ? 1 : 0;
    }
    if (donnees == 0) {
        return textes_refdata::base_sans_membre();
    }
    return 2 * membres > donnees ? QString() : textes_refdata::pas_une_base_membres();
}

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
        presente = false;
        membres.clear();
        fragments.reset();
        ++version;
        if (!signature.chemin.isEmpty()) {
            // A file that is no member list (a web page, an empty or UTF-16 file) would make
            // every call a non-member: it counts as missing.
            const QStringList lignes = lire_lignes(signature.chemin);
            presente = refus_base_membres(lignes).isEmpty();
            if (presente) {
                indexer(lignes);
            }
        }
        lue = std::move(signature);
        valide = true;
    }

    void indexer(const QStringList& lignes) {
        QChar separateur = QLatin1Char(',');
        for (const QString& ligne : lignes) {
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

    // Built at the first partial check after the file was read: most runs never ask.
    const IndexFragments& index_fragments() {
        if (!fragments) {
            QList<MembreTrouve> listables;
            for (auto m = membres.cbegin(); m != membres.cend(); ++m) {
                if (indicatif_listable(m.key())) {
                    listables.append({m.key(), m.value().membre_numero});
                }
            }
            fragments = std::make_unique<IndexFragments>(std::move(listables));
        }
        return *fragments;
    }

    SuiviFichier suivi;
    SignatureFichier lue;
    bool valide = false;
    bool presente = false;
    quint64 version = 0;
    QHash<QString, ResultatMembre> membres;
    std::unique_ptr<IndexFragments> fragments;
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
    return chercher_cle(cle_membre(indicatif));
}

ResultatMembre BaseMembres::chercher_cle(const QString& cle) const {
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

ResultatFragment BaseMembres::chercher_fragment(QStringView fragment, qsizetype max) const {
    index_->a_jour();
    if (!index_->presente) {
        return {{}, false};
    }
    return {index_->index_fragments().chercher(fragment, max), true};
}

bool BaseMembres::presente() const {
    index_->a_jour();
    return index_->presente;
}

quint64 BaseMembres::version() const {
    index_->a_jour();
    return index_->version;
}

SignatureFichier BaseMembres::signature() const {
    index_->a_jour();
    return index_->lue;
}

OperationMembres::OperationMembres(const BaseMembres& base) : base_(base) {
    base_.index_->suivi.ouvrir_operation();
}

OperationMembres::~OperationMembres() {
    base_.index_->suivi.fermer_operation();
}

QString cle_membre(const QString& indicatif) {
    return rogner(indicatif_de_base(indicatif.toUpper()));
}

} // namespace vorek
