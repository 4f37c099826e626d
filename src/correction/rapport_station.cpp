#include "rapport_station.h"

#include "recoupement.h"
#include "textes_correction.h"

#include "rules/bandes.h"

#include <map>

namespace vorek {

namespace {

constexpr qint64 minutes_par_jour = 24 * 60;

QString texte_heure(qint64 minute) {
    const qint64 m = (minute % minutes_par_jour + minutes_par_jour) % minutes_par_jour;
    return QStringLiteral("%1:%2")
        .arg(m / 60, 2, 10, QLatin1Char('0'))
        .arg(m % 60, 2, 10, QLatin1Char('0'));
}

QString texte_bande(int bande) {
    return QString::fromLatin1(table_bandes()[size_t(bande)].texte);
}

class Redaction {
  public:
    Redaction(const std::vector<CompteRendu>& comptes_rendus, const Recoupement& recoupement)
        : comptes_rendus_(comptes_rendus), recoupement_(recoupement) {}

    // What is said of one QSO that is not confirmed, below its line.
    QStringList details(qint32 global) {
        const ResultatQso& r = recoupement_.resultat(global);
        const QsoCabrillo& q = recoupement_.qso(global);
        switch (r.categorie) {
        case Categorie::numero_errone: {
            const QsoCabrillo& autre = recoupement_.qso(r.partenaire);
            return {textes_correction::numero_errone() + QStringLiteral(" : ") +
                        textes_correction::detail_numero(texte(q.recu), texte(autre.envoye)),
                    ligne_partenaire(r.partenaire)};
        }
        case Categorie::absent:
            return {textes_correction::absent() + QStringLiteral(" : ") +
                    textes_correction::detail_absent(indicatif(r.station), texte_bande(q.bande),
                                                     texte_heure(q.minute - tolerance()),
                                                     texte_heure(q.minute + tolerance()))};
        case Categorie::indicatif_errone:
            return {textes_correction::indicatif_errone(indicatif(r.station)),
                    ligne_partenaire(r.partenaire)};
        case Categorie::non_verifiable:
            return {r.unique ? textes_correction::non_verifiable() + QStringLiteral(", ") +
                                   textes_correction::unique()
                             : textes_correction::non_verifiable()};
        case Categorie::non_membre:
            return {textes_correction::non_membre()};
        case Categorie::confirme:
            break;
        }
        return {};
    }

  private:
    QString texte(qint32 numero) const { return recoupement_.dictionnaire().texte(numero); }
    int tolerance() const { return recoupement_.tolerance(); }
    QString indicatif(int station) const { return comptes_rendus_[size_t(station)].indicatif; }
    QString ligne_partenaire(qint32 partenaire) const {
        const int station = recoupement_.station_de(partenaire);
        const QsoCabrillo& q = recoupement_.qso(partenaire);
        return QStringLiteral("  ") + textes_correction::ligne_de(indicatif(station)) +
               comptes_rendus_[size_t(station)].texte_ligne(q.debut, q.longueur);
    }

    const std::vector<CompteRendu>& comptes_rendus_;
    const Recoupement& recoupement_;
};

} // namespace

QStringList lignes_rapport_station(const std::vector<CompteRendu>& comptes_rendus, int station,
                                   const StationCorrigee& resultat, const Recoupement& recoupement,
                                   int annee) {
    const CompteRendu& cr = comptes_rendus[size_t(station)];
    QStringList lignes{
        textes_correction::titre_rapport(annee),
        textes_correction::station(resultat.indicatif, resultat.nom),
        textes_correction::fichier_lu(resultat.fichier),
        textes_correction::score_revendique(resultat.qso_revendiques, resultat.points_revendiques),
        textes_correction::score_verifie(resultat.qso_verifies, resultat.points_verifies),
        QString()};
    // Line number in the file -> what is said below it.
    std::map<qint32, QStringList> signales;
    Redaction redaction(comptes_rendus, recoupement);
    for (size_t i = 0; i < cr.qsos.size(); ++i) {
        const qint32 g = recoupement.global(station, qsizetype(i));
        if (recoupement.resultat(g).categorie != Categorie::confirme) {
            const QsoCabrillo& q = cr.qsos[i];
            signales[q.ligne] =
                QStringList{cr.texte_ligne(q.debut, q.longueur)} + redaction.details(g);
        }
    }
    for (const LigneFichier& l : cr.illisibles) {
        signales[l.ligne] = {cr.texte_ligne(l.debut, l.longueur),
                             textes_correction::ligne_illisible()};
    }
    if (signales.empty()) {
        lignes.append(textes_correction::tous_confirmes());
        return lignes;
    }
    lignes.append(textes_correction::qso_non_confirmes());
    for (const auto& [numero, textes] : signales) {
        lignes.append(textes_correction::numero_ligne(numero) + textes.front());
        for (qsizetype i = 1; i < textes.size(); ++i) {
            lignes.append(textes[i].startsWith(QLatin1Char(' '))
                              ? textes[i]
                              : QStringLiteral("  ") + textes[i]);
        }
    }
    return lignes;
}

} // namespace vorek
