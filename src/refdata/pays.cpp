#include "refdata/pays.h"

#include "base/fichier_texte.h"
#include "refdata/suivi_fichier.h"

#include <QHash>

namespace vorek {

struct DonneesPays::Index {
    explicit Index(QString chemin) : suivi(std::move(chemin)) {}

    // The first line of each key, as a scan from the top would find it.
    const QHash<QString, ResultatPays>& a_jour() {
        SignatureFichier signature = suivi.signature();
        if (valide && signature == lue) {
            return cles;
        }
        valide = false;
        cles.clear();
        ++version;
        if (!signature.chemin.isEmpty()) {
            for (const QString& ligne : lire_lignes(signature.chemin)) {
                const qsizetype virgule = ligne.indexOf(QLatin1Char(','));
                if (virgule < 0) {
                    continue;
                }
                const QString cle = ligne.left(virgule);
                if (!cles.contains(cle)) {
                    const QStringList champs = ligne.split(QLatin1Char(','));
                    cles.insert(cle, ResultatPays{champs.value(2), champs.value(3)});
                }
            }
        }
        presente = !signature.chemin.isEmpty();
        lue = std::move(signature);
        valide = true;
        return cles;
    }

    SuiviFichier suivi;
    SignatureFichier lue;
    bool valide = false;
    bool presente = false;
    quint64 version = 0;
    QHash<QString, ResultatPays> cles;
};

DonneesPays::DonneesPays(QString chemin_liste_dxcc)
    : index_(std::make_unique<Index>(std::move(chemin_liste_dxcc))) {}

DonneesPays::~DonneesPays() = default;

const QString& DonneesPays::chemin() const {
    return index_->suivi.chemin();
}

ResultatPays DonneesPays::chercher_dxcc(const QString& cle) const {
    const QHash<QString, ResultatPays>& cles = index_->a_jour();
    if (!index_->presente) {
        return {QString(), QString(), false};
    }
    return cles.value(cle);
}

quint64 DonneesPays::version() const {
    index_->a_jour();
    return index_->version;
}

SignatureFichier DonneesPays::signature() const {
    index_->a_jour();
    return index_->lue;
}

// The file is looked at once for the four candidates: one look-up, one version of the list.
ResultatPays DonneesPays::trouver_pays(const QString& indicatif) const {
    const QStringList candidats = candidats_pays(indicatif);
    if (candidats.isEmpty()) {
        return {};
    }
    const QHash<QString, ResultatPays>& cles = index_->a_jour();
    if (!index_->presente) {
        return {QString(), QString(), false};
    }
    ResultatPays resultat;
    for (const QString& candidat : candidats) {
        resultat = cles.value(candidat);
        if (!resultat.dxcc_prefixe.isEmpty()) {
            break;
        }
    }
    return resultat;
}

OperationPays::OperationPays(const DonneesPays& pays) : pays_(pays) {
    pays_.index_->suivi.ouvrir_operation();
}

OperationPays::~OperationPays() {
    pays_.index_->suivi.fermer_operation();
}

namespace {

// Index of the first digit at position 2 or later (counting from 1), or -1.
qsizetype premier_chiffre_apres_tete(const QString& texte) {
    for (qsizetype i = 1; i < texte.size(); ++i) {
        if (texte.at(i) >= u'0' && texte.at(i) <= u'9') {
            return i;
        }
    }
    return -1;
}

bool est_chiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

QString premier_candidat(const QString& s) {
    const qsizetype chiffre = premier_chiffre_apres_tete(s);
    if (s.isEmpty() || chiffre < 0) {
        return s;
    }
    if (est_chiffre(s.at(0))) {
        return s.left(chiffre);
    }
    return chiffre == s.size() - 1 ? s : s.left(chiffre + 2);
}

} // namespace

QStringList candidats_pays(const QString& indicatif) {
    if (indicatif.isEmpty()) {
        return {};
    }
    QString s = indicatif.toUpper();
    const qsizetype barre = s.indexOf(QLatin1Char('/'));
    if (barre >= 0) {
        s.truncate(barre);
    }
    const QString premier = premier_candidat(s);
    const qsizetype chiffre = premier_chiffre_apres_tete(premier);
    const QString deuxieme = chiffre < 0 ? premier : premier.left(chiffre + 1);
    return {premier, deuxieme, deuxieme.chopped(deuxieme.isEmpty() ? 0 : 1), indicatif.left(1)};
}

namespace {

QString reduire(const QString& indicatif, std::initializer_list<const char16_t*> suffixes) {
    QString texte = indicatif;
    for (const char16_t* suffixe : suffixes) {
        if (texte.contains(QStringView(suffixe))) {
            texte.truncate(texte.lastIndexOf(QLatin1Char('/')));
            break;
        }
    }
    const qsizetype barre = texte.indexOf(QLatin1Char('/'));
    return barre < 0 ? texte : texte.mid(barre + 1);
}

} // namespace

QString indicatif_de_base(const QString& indicatif) {
    return reduire(indicatif, {u"/A", u"/P", u"/M", u"/MM", u"/QRP", u"/N"});
}

QString indicatif_de_base_points(const QString& indicatif) {
    return reduire(indicatif, {u"/A", u"/P", u"/M", u"/MM", u"/QRP"});
}

} // namespace vorek
