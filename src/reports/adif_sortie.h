#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vorek {

class Etat;
struct CellulesQSO;
class BaseMembres;
struct Station;
struct ResultatMembre;

// "<NOM:longueur>valeur", the length counted in characters of the written file.
QString champ_adif(const QString& nom, const QString& valeur);

// The FREQ field of each writer, none for the bands they do not know.
std::optional<QString> frequence_adif_rapport(const QString& bande);
std::optional<QString> frequence_export_adif(const QString& bande);

// One record line of each writer for a log row (its cells, column 0 first). membre is the
// member database's answer for the row's call; without the database the row's own number
// stands in for it.
QString ligne_adif_rapport(const CellulesQSO& qso, const Station& station,
                           const ResultatMembre& membre);
QString ligne_export_adif(const CellulesQSO& qso, const Etat& etat, const ResultatMembre& membre);

struct LignesAdif {
    QStringList lignes;
    // At least one look-up found no member database.
    bool base_membres_absente = false;
};

LignesAdif lignes_adif_rapport(const Etat& etat, const BaseMembres& membres);
LignesAdif lignes_export_adif(const Etat& etat, const BaseMembres& membres);

struct ResultatAdif {
    QString chemin;
    bool base_membres_absente = false;
};

// The ADIF report file beside the challenge file. Throws Erreur.
ResultatAdif ecrire_adif_rapport(const Etat& etat, const BaseMembres& membres);

// The export, in the work folder under the file-name part of nom_choisi. Throws Erreur.
ResultatAdif exporter_adif(const Etat& etat, const BaseMembres& membres, const QString& nom_choisi);

} // namespace vorek
