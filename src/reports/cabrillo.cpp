#include "cabrillo.h"

#include "colonnes_fixes.h"
#include "conversions.h"
#include "noms_rapports.h"

#include "log/cellules_qso.h"
#include "log/etat.h"
#include "rules/bandes.h"

namespace vorek {

namespace {

ColonneFixe colonne_qso(ChampQso champ, const QString& texte,
                        Alignement alignement = Alignement::gauche) {
    return {texte, largeurs_qso_cabrillo[champ], alignement, 1};
}

QString sans_premiere_etoile(QString numero) {
    const qsizetype etoile = numero.indexOf(QLatin1Char('*'));
    if (etoile >= 0) {
        numero.remove(etoile, 1);
    }
    return numero;
}

} // namespace

QStringList entete_cabrillo(const Station& station) {
    const QString club =
        station.station_nr_club == QStringLiteral("NM") ? QString() : QStringLiteral("ZTC");
    return {
        QStringLiteral("START-OF-LOG: 3.0"),
        QStringLiteral("CREATED-BY: CHALLENGE_VOREK V ") + version_programme(),
        QStringLiteral("CONTEST: CHALLENGE VOREK"),
        QStringLiteral("CALLSIGN: ") + station.station_call,
        QStringLiteral("CATEGORY-MODE: CW"),
        QStringLiteral("CATEGORY-OPERATOR:"),
        QStringLiteral("CATEGORY-POWER: "),
        QStringLiteral("CATEGORY-TRANSMITTER:"),
        QStringLiteral("CATEGORY-OVERLAY:"),
        QStringLiteral("CLUB: ") + club,
        QStringLiteral("NAME: ") + station.station_nom(),
        QStringLiteral("ADDRESS: ") + station.station_adresse1,
        QStringLiteral("ADDRESS: ") + station.station_adresse2,
        QStringLiteral("SOAPBOX: CLub nr : ") + station.station_nr_club,
        QString(),
    };
}

QString ligne_qso_cabrillo(const CellulesQSO& qso, const QString& station_call,
                           const QString& station_nr_club) {
    const std::optional<QString> frequence = frequence_rapport(qso.bande);
    QList<ColonneFixe> colonnes{
        colonne_qso(champ_qso, QStringLiteral("QSO:")),
        colonne_qso(champ_frequence, frequence.value_or(QString()), Alignement::droite),
        colonne_qso(champ_mode, QStringLiteral("CW")),
        colonne_qso(champ_date, date_cabrillo(qso.date)),
        colonne_qso(champ_heure, heure_cabrillo(qso.heure)),
        colonne_qso(champ_indicatif_station, station_call),
        colonne_qso(champ_rst_envoye, QStringLiteral("599")),
        colonne_qso(champ_numero_station, station_nr_club),
        colonne_qso(champ_indicatif, qso.indicatif),
        colonne_qso(champ_rst_recu, QStringLiteral("599")),
        colonne_qso(champ_numero, sans_premiere_etoile(qso.ztc)),
    };
    if (!frequence) {
        colonnes.removeAt(champ_frequence);
    }
    return formater_ligne(colonnes);
}

void rediger_cabrillo(const Etat& etat, SortieLignes& sortie) {
    const Station& station = etat.station;
    for (const QString& ligne : entete_cabrillo(station)) {
        sortie.ligne(ligne);
    }
    for (int ligne = 1; ligne < etat.table.nb_lignes(); ++ligne) {
        const CellulesQSO qso = CellulesQSO::de_la_ligne(etat.table, ligne);
        if (!qso.indicatif.isEmpty()) {
            sortie.ligne(ligne_qso_cabrillo(qso, station.station_call, station.station_nr_club));
        }
    }
    sortie.ligne(QStringLiteral("END-OF-LOG:"));
}

QStringList lignes_cabrillo(const Etat& etat) {
    ListeLignes liste;
    rediger_cabrillo(etat, liste);
    return liste.lignes;
}

QString ecrire_cabrillo(Etat& etat) {
    etat.fichier_joint = chemin_cabrillo(etat);
    ecrire_rapport(etat, etat.fichier_joint,
                   [&etat](SortieLignes& sortie) { rediger_cabrillo(etat, sortie); });
    return etat.fichier_joint;
}

} // namespace vorek
