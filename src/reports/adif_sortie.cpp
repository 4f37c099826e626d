#include "adif_sortie.h"

#include "conversions.h"
#include "noms_rapports.h"

#include "base/fichier_texte.h"
#include "log/etat.h"
#include "refdata/membres.h"
#include "rules/bandes.h"
#include "rules/score.h"
#include "rules/textes_regles.h"

#include <functional>
#include <utility>

namespace vorek {

namespace {

// The FREQ field from one of the band record's values; none for a text no band has, or a band
// without that value.
std::optional<QString> champ_frequence(const QString& bande, const char* Bande::*valeur) {
    const Bande* b = trouver_bande(bande);
    if (b == nullptr || b->*valeur == nullptr) {
        return std::nullopt;
    }
    return champ_adif(QStringLiteral("FREQ"), QString::fromLatin1(b->*valeur));
}

QString blanc(const QString& champ) {
    return champ + QLatin1Char(' ');
}

// Date, times, mode, band and FREQ slot: the part both writers share. The date field is
// given, as the export types it.
QString milieu_enregistrement(const QStringList& cellules, const QString& champ_date,
                              const std::optional<QString>& freq) {
    const QString heure = heure_adif(cellules.value(col_heure));
    return blanc(champ_date) + blanc(champ_adif(QStringLiteral("TIME_ON"), heure)) +
           blanc(champ_adif(QStringLiteral("TIME_OFF"), heure)) + QStringLiteral("<MODE:2>CW ") +
           blanc(champ_adif(QStringLiteral("BAND"), nom_adif_bande(cellules.value(col_bande)))) +
           blanc(freq.value_or(QString()));
}

QString appel(const QStringList& cellules) {
    return cellules.value(col_indicatif).trimmed();
}

// The member number the writers go by: the database's, or without the database the row's
// own one, as the rescoring does.
QString numero_retenu(const QStringList& cellules, const ResultatMembre& membre) {
    return membre.base_trouvee ? membre.membre_numero : numero_de_la_ligne(cellules.value(col_ztc));
}

LignesAdif lignes_adif(
    const Etat& etat, const BaseMembres& membres, QStringList entete,
    const std::function<QString(const QStringList&, const ResultatMembre&)>& enregistrement) {
    LignesAdif resultat{std::move(entete), false};
    for (int ligne = 1; ligne < etat.table.nb_lignes(); ++ligne) {
        const QStringList cellules = etat.table.ligne(ligne);
        if (cellules.value(col_indicatif).isEmpty()) {
            continue;
        }
        const ResultatMembre membre = membres.chercher_membre(appel(cellules));
        resultat.base_membres_absente |= !membre.base_trouvee;
        resultat.lignes.append(enregistrement(cellules, membre));
    }
    return resultat;
}

QStringList entete_adif_rapport() {
    const QString version = version_programme();
    return {
        QStringLiteral("<ADIF_VER:5>3.1.3"),
        QStringLiteral("<PROGRAMID:15>CHALLENGE VOREK"),
        champ_adif(QStringLiteral("PROGRAMVERSION"), version),
        QStringLiteral("<CONTEST_ID:15>CHALLENGE VOREK "),
        QStringLiteral("<EOH>"),
        QString(),
    };
}

QStringList entete_export_adif(const Station& station) {
    const QString tirets(53, QLatin1Char('-'));
    return {
        QStringLiteral("ADIF conversion from Challenge_VOREK  (12/2023) (MIRTO)"),
        tirets,
        QStringLiteral("CALLSIGN: ") + station.station_call,
        QStringLiteral("NAME: ") + station.station_nom(),
        QStringLiteral("ADDRESS: ") + station.station_adresse1,
        QStringLiteral("ADDRESS: ") + station.station_adresse2,
        QStringLiteral("ADDRESS: "),
        tirets,
        QString(),
        QStringLiteral("<CONTEST_ID:15>CHALLENGE VOREK"),
        QStringLiteral("<adif_ver:4>1.00"),
        QStringLiteral("<EOH>"),
        QString(),
    };
}

} // namespace

QString champ_adif(const QString& nom, const QString& valeur) {
    return QLatin1Char('<') + nom + QLatin1Char(':') + QString::number(vers_cp1252(valeur).size()) +
           QLatin1Char('>') + valeur;
}

std::optional<QString> frequence_adif_rapport(const QString& bande) {
    return champ_frequence(bande, &Bande::frequence_adif_rapport);
}

std::optional<QString> frequence_export_adif(const QString& bande) {
    return champ_frequence(bande, &Bande::frequence_adif_export);
}

QString ligne_adif_rapport(const QStringList& cellules, const Station& station,
                           const ResultatMembre& membre) {
    QString ligne = blanc(champ_adif(QStringLiteral("MY_NAME"), station.nom_saisi)) +
                    blanc(champ_adif(QStringLiteral("MY_STREET"), station.station_adresse1)) +
                    blanc(champ_adif(QStringLiteral("MY_CITY"), station.station_adresse2)) +
                    blanc(champ_adif(QStringLiteral("OPERATOR"), station.station_call)) +
                    blanc(champ_adif(QStringLiteral("CALL"), appel(cellules)));
    ligne += milieu_enregistrement(
        cellules, champ_adif(QStringLiteral("QSO_DATE"), date_adif(cellules.value(col_date))),
        frequence_adif_rapport(cellules.value(col_bande)));
    ligne += blanc(champ_adif(QStringLiteral("RST_SENT"), cellules.value(col_rst_env))) +
             blanc(champ_adif(QStringLiteral("RST_RCVD"), cellules.value(col_rst_recu)));
    // A member the database lists without a number keeps its empty field; an empty number
    // of the row's own says nothing.
    const QString numero = numero_retenu(cellules, membre);
    if (numero != textes::non_membre() && (membre.base_trouvee || !numero.isEmpty())) {
        ligne += blanc(champ_adif(QStringLiteral("APP_LOGGER32_USER_1"), numero));
    }
    return ligne + QStringLiteral("<EOR>");
}

QString ligne_export_adif(const QStringList& cellules, const Etat& etat,
                          const ResultatMembre& membre) {
    const QString date = date_adif(cellules.value(col_date));
    const QString champ_date =
        QStringLiteral("<QSO_DATE:%1:D>").arg(vers_cp1252(date).size()) + date;
    const QString numero = cellules.value(col_ztc);
    QString ligne = blanc(champ_adif(QStringLiteral("OPERATOR"), etat.station.station_call)) +
                    blanc(champ_adif(QStringLiteral("CALL"), appel(cellules))) +
                    milieu_enregistrement(cellules, champ_date,
                                          frequence_export_adif(cellules.value(col_bande))) +
                    blanc(champ_adif(QStringLiteral("RST_SENT"), cellules.value(col_rst_env))) +
                    blanc(champ_adif(QStringLiteral("RST_RCVD"), cellules.value(col_rst_recu))) +
                    blanc(champ_adif(QStringLiteral("STX"), etat.station.station_nr_club)) +
                    blanc(champ_adif(QStringLiteral("SRX"), numero));
    if (!cellules.value(col_nom).isEmpty()) {
        ligne += blanc(champ_adif(QStringLiteral("NAME"), cellules.value(col_nom)));
    }
    if (!numero_retenu(cellules, membre).isEmpty()) {
        ligne += blanc(champ_adif(QStringLiteral("APP_LOGGER32_USER_1"), numero));
    }
    if (!cellules.value(col_notes).isEmpty()) {
        ligne += blanc(champ_adif(QStringLiteral("NOTES"), cellules.value(col_notes)));
    }
    return ligne + QStringLiteral("<EOR>");
}

LignesAdif lignes_adif_rapport(const Etat& etat, const BaseMembres& membres) {
    return lignes_adif(etat, membres, entete_adif_rapport(),
                       [&etat](const QStringList& cellules, const ResultatMembre& membre) {
                           return ligne_adif_rapport(cellules, etat.station, membre);
                       });
}

LignesAdif lignes_export_adif(const Etat& etat, const BaseMembres& membres) {
    return lignes_adif(etat, membres, entete_export_adif(etat.station),
                       [&etat](const QStringList& cellules, const ResultatMembre& membre) {
                           return ligne_export_adif(cellules, etat, membre);
                       });
}

ResultatAdif ecrire_adif_rapport(const Etat& etat, const BaseMembres& membres) {
    const LignesAdif contenu = lignes_adif_rapport(etat, membres);
    const QString chemin = chemin_adif_rapport(etat);
    ecrire_rapport(etat, chemin, contenu.lignes);
    return {chemin, contenu.base_membres_absente};
}

ResultatAdif exporter_adif(const Etat& etat, const BaseMembres& membres,
                           const QString& nom_choisi) {
    const LignesAdif contenu = lignes_export_adif(etat, membres);
    const QString chemin = chemin_export_adif(etat, nom_choisi);
    ecrire_rapport(etat, chemin, contenu.lignes);
    return {chemin, contenu.base_membres_absente};
}

} // namespace vorek
