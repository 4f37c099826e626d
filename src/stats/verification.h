#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vorek {

class Etat;
struct Referentiel;

// One thing the check found in the report: a warning, the operator may still send.
struct Constat {
    // The log row of the QSO, 0 for the report as a whole.
    int ligne = 0;
    // In capitals (codes_constat), for the command-line tool and the tests.
    QString code;
    QString texte;
    bool operator==(const Constat&) const = default;
};

} // namespace vorek

// A long report may give tens of thousands: the list grows in place.
Q_DECLARE_TYPEINFO(vorek::Constat, Q_RELOCATABLE_TYPE);

namespace vorek {

namespace codes_constat {
inline constexpr char entete_absente[] = "ENTETE_ABSENTE";
inline constexpr char entete_desordre[] = "ENTETE_DESORDRE";
inline constexpr char entete_differente[] = "ENTETE_DIFFERENTE";
inline constexpr char indicatif_station_vide[] = "INDICATIF_STATION_VIDE";
inline constexpr char nom_vide[] = "NOM_VIDE";
inline constexpr char adresse_vide[] = "ADRESSE_VIDE";
inline constexpr char fin_absente[] = "FIN_ABSENTE";
inline constexpr char nombre_qso[] = "NOMBRE_QSO";
inline constexpr char journal_vide[] = "JOURNAL_VIDE";
inline constexpr char ligne_illisible[] = "LIGNE_ILLISIBLE";
inline constexpr char frequence_absente[] = "FREQUENCE_ABSENTE";
inline constexpr char frequence_inconnue[] = "FREQUENCE_INCONNUE";
inline constexpr char indicatif_coupe[] = "INDICATIF_COUPE";
inline constexpr char indicatif_different[] = "INDICATIF_DIFFERENT";
inline constexpr char numero_coupe[] = "NUMERO_COUPE";
inline constexpr char numero_different[] = "NUMERO_DIFFERENT";
inline constexpr char date_differente[] = "DATE_DIFFERENTE";
inline constexpr char heure_differente[] = "HEURE_DIFFERENTE";
inline constexpr char indicatif_station_different[] = "INDICATIF_STATION_DIFFERENT";
inline constexpr char numero_station_different[] = "NUMERO_STATION_DIFFERENT";
inline constexpr char frequence_differente[] = "FREQUENCE_DIFFERENTE";
inline constexpr char hors_periode[] = "HORS_PERIODE";
inline constexpr char double_qso[] = "DOUBLE";
inline constexpr char zero_point[] = "ZERO_POINT";
inline constexpr char points_differents[] = "POINTS_DIFFERENTS";
inline constexpr char score_different[] = "SCORE_DIFFERENT";
inline constexpr char email_absent[] = "EMAIL_ABSENT";
inline constexpr char email_invalide[] = "EMAIL_INVALIDE";
} // namespace codes_constat

// "Ligne 12 — CODE : text", or "Compte rendu — CODE : text" for row 0.
QString texte_constat(const Constat& constat);

// What the check compares the report with.
struct SourceVerification {
    const Etat& etat;
    const Referentiel& referentiel;
    // The clock's year, for the remark of the rescoring.
    QString annee_courante;
};

// Checks the lines of a Cabrillo report against the log and the station it was written
// from and against the layout the program writes: the header, a log without QSO, each
// "QSO:" line (field by field against the line its row gives), the periods, the duplicates,
// the QSOs without points, the score of the lines read back and rescored, the station's
// e-mail address. Findings come in the order of the report.
QList<Constat> verifier_lignes_cabrillo(const QStringList& lignes,
                                        const SourceVerification& source);

struct ResultatVerification {
    QString chemin;
    QList<Constat> constats;
};

// "Vérifier le compte rendu": writes the Cabrillo report as the report command does, reads
// the file back and checks it. Throws Erreur when it cannot be written or read.
ResultatVerification verifier_compte_rendu(Etat& etat, const Referentiel& referentiel,
                                           const QString& annee_courante);

} // namespace vorek
