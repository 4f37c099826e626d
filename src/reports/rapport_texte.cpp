#include "rapport_texte.h"

#include "colonnes_fixes.h"
#include "conversions.h"
#include "doubles.h"
#include "noms_rapports.h"

#include "base/dates.h"
#include "log/cellules_qso.h"
#include "log/etat.h"
#include "rules/score.h"

namespace vorek {

namespace {

constexpr int lignes_par_page = 50;
constexpr int lignes_par_bloc = 10;

QString saut_de_page() {
    return QStringLiteral("\f");
}

// The band, the member number and the points of a listing line: their last four
// characters right-aligned, then a blank.
ColonneFixe a_droite(const QString& texte) {
    return {texte, 4, Alignement::droite, 1};
}

QString ligne_station(const Etat& etat) {
    return formater_ligne({
               {QStringLiteral(" Indicatif : ") + etat.station.station_call +
                    QStringLiteral("      "),
                25},
               {QStringLiteral("ZTC n°:"), 8},
           }) +
           etat.station.station_nr_club;
}

// How a page ends: the last one has no next page, and its totals are laid out a little
// differently, as the report always had them.
enum class FinDePage { suite, derniere };

class RedactionTexte {
  public:
    RedactionTexte(const Etat& etat, const QString& annee, CompteursRapport& compteurs,
                   SortieLignes& sortie)
        : etat_(etat), annee_(annee), compteurs_(compteurs), sortie_(sortie) {}

    void rediger();

  private:
    void ecrire(std::initializer_list<QString> lignes) {
        for (const QString& ligne : lignes) {
            sortie_.ligne(ligne);
        }
    }
    void ecrire(const QStringList& lignes) {
        for (const QString& ligne : lignes) {
            sortie_.ligne(ligne);
        }
    }
    void lister(const CellulesQSO& qso);
    void fermer_page(FinDePage fin);
    void recapitulatif();
    void page_score();

    const Etat& etat_;
    const QString& annee_;
    CompteursRapport& compteurs_;
    SortieLignes& sortie_;
};

void RedactionTexte::rediger() {
    compteurs_ = CompteursRapport{};
    ecrire(entete_page(etat_, annee_, compteurs_.num_page));
    for (int ligne = 1; ligne < etat_.table.nb_lignes(); ++ligne) {
        const CellulesQSO qso = CellulesQSO::de_la_ligne(etat_.table, ligne);
        if (!qso.indicatif.isEmpty() && !qso.ztc.isEmpty()) {
            lister(qso);
        }
    }
    fermer_page(FinDePage::derniere);
    recapitulatif();
    page_score();
}

void RedactionTexte::lister(const CellulesQSO& qso) {
    sortie_.ligne(ligne_listing(qso));
    compteurs_.points_page += qso.points.toInt();
    ++compteurs_.lignes_page;
    if (compteurs_.lignes_page % lignes_par_bloc == 0) {
        sortie_.ligne(QString());
    }
    if (compteurs_.lignes_page == lignes_par_page) {
        fermer_page(FinDePage::suite);
    }
}

void RedactionTexte::fermer_page(FinDePage fin) {
    const bool derniere = fin == FinDePage::derniere;
    const QString total = derniere ? QStringLiteral("Page : %1          total de cette page :"
                                                    "                    Pts = %2")
                                   : QStringLiteral("Page : %1              total de cette page :"
                                                    "                        Pts = %2");
    const QString reports = derniere ? QStringLiteral("Reports page précédente:              :"
                                                      "                    Pts = %1")
                                     : QStringLiteral("Reports page précédente:              "
                                                      "                         Pts = %1");
    ecrire({QString(), total.arg(compteurs_.num_page).arg(compteurs_.points_page), QString(),
            reports.arg(compteurs_.total_reporte)});
    compteurs_.total_reporte += compteurs_.points_page;
    compteurs_.points_page = 0;
    sortie_.ligne(saut_de_page());
    if (derniere) {
        return;
    }
    compteurs_.lignes_page = 0;
    ++compteurs_.num_page;
    ecrire(entete_page(etat_, annee_, compteurs_.num_page));
}

void RedactionTexte::recapitulatif() {
    ecrire({QStringLiteral("           -   CHALLENGE d'ETE  VOREK  - ") + annee_,
            QStringLiteral(" -   RECAPITULATIF des DOUBLES  pour CONTROLE     -"), QString(),
            ligne_station(etat_), QString(), QString(),
            formater_ligne({{QStringLiteral("Indicatif"), 12},
                            {QStringLiteral("  Date"), 12},
                            {QStringLiteral(" Heure"), 10},
                            {QStringLiteral("Bande"), 6},
                            {QStringLiteral("Pts"), 4}}),
            QString()});
    rediger_doubles(etat_.table, groupes_doubles(etat_.table), sortie_);
    ecrire({QString(), saut_de_page()});
}

void RedactionTexte::page_score() {
    const QString tirets(44, QLatin1Char('-'));
    const QString marge(18, QLatin1Char(' '));
    const Station& station = etat_.station;
    ecrire({QStringLiteral("            CHALLENGE d'ETE  VOREK  - ") + annee_,
            QString(),
            ligne_station(etat_),
            QString(),
            QString(),
            tirets,
            QStringLiteral(" SCORE DECLARE :   %1 QSO  ,  %2  POINTS")
                .arg(compter_QSO(etat_.table))
                .arg(compteurs_.total_reporte),
            tirets,
            QString(),
            QStringLiteral("Description de la Station :"),
            QString(),
            QString(),
            QString(),
            QStringLiteral(" Je certifie sur l'honneur avoir respecté la règlementation"),
            QStringLiteral(" en vigueur, ainsi que le règlement du challenge. Je m'en remets"),
            QStringLiteral(" aux décisions de la commision de correction du concours."),
            QString(),
            QString(),
            QString(),
            QString(),
            QStringLiteral("                             Signature :"),
            QString(),
            QStringLiteral(" ADRESSE POSTALE :"),
            QString(),
            marge + station.station_call + QStringLiteral("    ") + station.nom_saisi,
            marge + station.station_adresse1,
            marge + station.station_adresse2});
}

} // namespace

QStringList entete_page(const Etat& etat, const QString& annee, int num_page) {
    return {
        etat.station.station_call + QStringLiteral("   ") + QStringLiteral(" n° ") +
            etat.station.station_nr_club + QStringLiteral("   CHALLENGE d'ETE VOREK ") +
            QStringLiteral("  ") + annee + QStringLiteral("      page: ") +
            QString::number(num_page),
        QString(),
        formater_ligne({{QStringLiteral("  Date"), 10},
                        {QStringLiteral(" Heure"), 5},
                        {QStringLiteral("Bande"), 6},
                        {QStringLiteral("Indicatif"), 12},
                        {QStringLiteral("Sent"), 5},
                        {QStringLiteral("Rcvd"), 5},
                        {QStringLiteral("ZTC"), 5},
                        {QStringLiteral("Pts"), 5},
                        {QStringLiteral("  Nom"), 18},
                        {QStringLiteral("Notes"), 7}}),
        QString(),
    };
}

QString ligne_listing(const CellulesQSO& qso) {
    return formater_ligne({
        {qso.date, 10},
        {qso.heure, 5},
        a_droite(qso.bande),
        {qso.indicatif, 12},
        {qso.rst_envoye, 5},
        {qso.rst_recu, 3},
        a_droite(qso.ztc),
        a_droite(qso.points),
        {qso.nom, 20},
        {qso.notes, 25},
    });
}

void rediger_rapport_texte(const Etat& etat, const QString& annee, CompteursRapport& compteurs,
                           SortieLignes& sortie) {
    RedactionTexte(etat, annee, compteurs, sortie).rediger();
}

QStringList lignes_rapport_texte(const Etat& etat, const QString& annee,
                                 CompteursRapport& compteurs) {
    ListeLignes liste;
    rediger_rapport_texte(etat, annee, compteurs, liste);
    return liste.lignes;
}

ResultatRapportTexte ecrire_rapport_texte(ContexteRapport& contexte) {
    const QString annee = annee_courante(contexte.aujourdhui);
    const ResultatScore score =
        calculer_score(contexte.etat, contexte.referentiel, contexte.bande_selectionnee, annee);
    ResultatRapportTexte resultat;
    resultat.chemin = chemin_rapport_texte(contexte.etat);
    resultat.base_membres_absente = score.base_membres_absente;
    ecrire_rapport(contexte.etat, resultat.chemin, [&](SortieLignes& sortie) {
        rediger_rapport_texte(contexte.etat, annee, resultat.compteurs, sortie);
    });
    return resultat;
}

} // namespace vorek
