#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace vorek {

class Etat;
struct CellulesQSO;
class SortieLignes;
struct Referentiel;

// What the report command works with besides the state.
struct ContexteRapport {
    Etat& etat;
    const Referentiel& referentiel;
    // The local date of the clock: the report year.
    QDate aujourdhui;
    // The entry's band, which the rescoring uses for a row without a band.
    QString bande_selectionnee;
};

// The page and point counters, reset at the start of each report.
struct CompteursRapport {
    int num_page = 1;
    int lignes_page = 0;
    int points_page = 0;
    int total_reporte = 0;
};

// The four-line header of page num_page.
QStringList entete_page(const Etat& etat, const QString& annee, int num_page);

// The listing line of a row (its cells, column 0 first): 95 characters.
QString ligne_listing(const CellulesQSO& qso);

// The whole report for the table as it stands (points not recomputed). compteurs ends
// with the declared total in total_reporte.
void rediger_rapport_texte(const Etat& etat, const QString& annee, CompteursRapport& compteurs,
                           SortieLignes& sortie);
QStringList lignes_rapport_texte(const Etat& etat, const QString& annee,
                                 CompteursRapport& compteurs);

struct ResultatRapportTexte {
    QString chemin;
    CompteursRapport compteurs;
    bool base_membres_absente = false;
};

// Rescores the log, then writes the report beside the challenge file. The log table ends
// as it began but for the points and remarks of the rescoring. Throws Erreur.
ResultatRapportTexte ecrire_rapport_texte(ContexteRapport& contexte);

} // namespace vorek
