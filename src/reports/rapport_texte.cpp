#include "rapport_texte.h"

#include "champs.h"
#include "conversions.h"
#include "doubles.h"
#include "noms_rapports.h"

#include "entry/score.h"
#include "log/dates.h"
#include "log/etat.h"

#include <array>

namespace vorek {

namespace {

constexpr int lignes_par_page = 50;
constexpr int lignes_par_bloc = 10;

QString saut_de_page() {
    return QStringLiteral("\f");
}

// Width 0 marks the right-aligned field of four characters and a blank.
struct ColonneListing {
    int colonne;
    int largeur;
};

constexpr std::array<ColonneListing, 10> colonnes_listing{{
    {col_date, 10},
    {col_heure, 5},
    {col_bande, 0},
    {col_indicatif, 12},
    {col_rst_env, 5},
    {col_rst_recu, 3},
    {col_ztc, 0},
    {col_points, 0},
    {col_nom, 20},
    {col_notes, 25},
}};

QString ligne_station(const Etat& etat) {
    return champ_gauche(QStringLiteral(" Indicatif : ") + etat.station.station_call +
                            QStringLiteral("      "),
                        25) +
           champ_gauche(QStringLiteral("ZTC n°:"), 8) + etat.station.station_nr_club;
}

class Redaction {
  public:
    Redaction(const Etat& etat, const QString& annee, CompteursRapport& compteurs)
        : etat_(etat), annee_(annee), compteurs_(compteurs) {}

    QStringList rediger();

  private:
    void lister(const QStringList& cellules);
    void fermer_page();
    void fermer_derniere_page();
    void recapitulatif();
    void page_score();

    const Etat& etat_;
    const QString& annee_;
    CompteursRapport& compteurs_;
    QStringList lignes_;
};

QStringList Redaction::rediger() {
    compteurs_ = CompteursRapport{};
    lignes_ = entete_page(etat_, annee_, compteurs_.num_page);
    for (int ligne = 1; ligne < etat_.table.nb_lignes(); ++ligne) {
        const QStringList cellules = etat_.table.ligne(ligne);
        if (!cellules.value(col_indicatif).isEmpty() && !cellules.value(col_ztc).isEmpty()) {
            lister(cellules);
        }
    }
    fermer_derniere_page();
    recapitulatif();
    page_score();
    return lignes_;
}

void Redaction::lister(const QStringList& cellules) {
    lignes_.append(ligne_listing(cellules));
    compteurs_.points_page += cellules.value(col_points).toInt();
    ++compteurs_.lignes_page;
    if (compteurs_.lignes_page % lignes_par_bloc == 0) {
        lignes_.append(QString());
    }
    if (compteurs_.lignes_page == lignes_par_page) {
        fermer_page();
    }
}

void Redaction::fermer_page() {
    lignes_ << QString()
            << QStringLiteral("Page : %1              total de cette page :"
                              "                        Pts = %2")
                   .arg(compteurs_.num_page)
                   .arg(compteurs_.points_page)
            << QString()
            << QStringLiteral("Reports page précédente:              "
                              "                         Pts = %1")
                   .arg(compteurs_.total_reporte);
    compteurs_.total_reporte += compteurs_.points_page;
    compteurs_.points_page = 0;
    lignes_.append(saut_de_page());
    compteurs_.lignes_page = 0;
    ++compteurs_.num_page;
    lignes_.append(entete_page(etat_, annee_, compteurs_.num_page));
}

void Redaction::fermer_derniere_page() {
    lignes_ << QString()
            << QStringLiteral("Page : %1          total de cette page :"
                              "                    Pts = %2")
                   .arg(compteurs_.num_page)
                   .arg(compteurs_.points_page)
            << QString()
            << QStringLiteral("Reports page précédente:              :"
                              "                    Pts = %1")
                   .arg(compteurs_.total_reporte);
    compteurs_.total_reporte += compteurs_.points_page;
    compteurs_.points_page = 0;
    lignes_.append(saut_de_page());
}

void Redaction::recapitulatif() {
    lignes_ << QStringLiteral("           -   CHALLENGE d'ETE  VOREK  - ") + annee_
            << QStringLiteral(" -   RECAPITULATIF des DOUBLES  pour CONTROLE     -") << QString()
            << ligne_station(etat_) << QString() << QString()
            << aligner({{QStringLiteral("Indicatif"), 12},
                        {QStringLiteral("  Date"), 12},
                        {QStringLiteral(" Heure"), 10},
                        {QStringLiteral("Bande"), 6},
                        {QStringLiteral("Pts"), 4}})
            << QString();
    lignes_.append(lignes_doubles(etat_.table, groupes_doubles(etat_.table)));
    lignes_ << QString() << saut_de_page();
}

void Redaction::page_score() {
    const QString tirets(44, QLatin1Char('-'));
    const QString marge(18, QLatin1Char(' '));
    const Station& station = etat_.station;
    lignes_ << QStringLiteral("            CHALLENGE d'ETE  VOREK  - ") + annee_ << QString()
            << ligne_station(etat_) << QString() << QString() << tirets
            << QStringLiteral(" SCORE DECLARE :   %1 QSO  ,  %2  POINTS")
                   .arg(compter_QSO(etat_.table))
                   .arg(compteurs_.total_reporte)
            << tirets << QString() << QStringLiteral("Description de la Station :") << QString()
            << QString() << QString()
            << QStringLiteral(" Je certifie sur l'honneur avoir respecté la règlementation")
            << QStringLiteral(" en vigueur, ainsi que le règlement du challenge. Je m'en remets")
            << QStringLiteral(" aux décisions de la commision de correction du concours.")
            << QString() << QString() << QString() << QString()
            << QStringLiteral("                             Signature :") << QString()
            << QStringLiteral(" ADRESSE POSTALE :") << QString()
            << marge + station.station_call + QStringLiteral("    ") + station.nom_saisi
            << marge + station.station_adresse1 << marge + station.station_adresse2;
}

} // namespace

QStringList entete_page(const Etat& etat, const QString& annee, int num_page) {
    return {
        etat.station.station_call + QStringLiteral("   ") + QStringLiteral(" n° ") +
            etat.station.station_nr_club + QStringLiteral("   CHALLENGE d'ETE VOREK ") +
            QStringLiteral("  ") + annee + QStringLiteral("      page: ") +
            QString::number(num_page),
        QString(),
        aligner({{QStringLiteral("  Date"), 10},
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

QString ligne_listing(const QStringList& cellules) {
    QString ligne;
    for (const ColonneListing& colonne : colonnes_listing) {
        const QString texte = cellules.value(colonne.colonne);
        ligne += colonne.largeur == 0 ? champ_droite(texte) : champ_gauche(texte, colonne.largeur);
    }
    return ligne;
}

QStringList lignes_rapport_texte(const Etat& etat, const QString& annee,
                                 CompteursRapport& compteurs) {
    return Redaction(etat, annee, compteurs).rediger();
}

ResultatRapportTexte ecrire_rapport_texte(ContexteRapport& contexte) {
    const QString annee = annee_courante(contexte.aujourdhui);
    const ResultatScore score =
        calculer_score(contexte.etat, contexte.referentiel, contexte.bande_selectionnee, annee);
    ResultatRapportTexte resultat;
    resultat.chemin = chemin_rapport_texte(contexte.etat);
    resultat.base_membres_absente = score.base_membres_absente;
    ecrire_rapport(contexte.etat, resultat.chemin,
                   lignes_rapport_texte(contexte.etat, annee, resultat.compteurs));
    return resultat;
}

} // namespace vorek
