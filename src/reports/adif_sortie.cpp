#include "adif_sortie.h"

#include "conversions.h"
#include "noms_rapports.h"

#include "base/fichier_texte.h"
#include "log/cellules_qso.h"
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

// A record is built by appending to one text: a hundred thousand records make no
// temporary texts for their fields.
void ajouter_nombre(QString& ligne, qsizetype n) {
    char chiffres[24];
    int i = int(sizeof chiffres);
    do {
        chiffres[--i] = char('0' + n % 10);
        n /= 10;
    } while (n > 0);
    ligne.append(QLatin1StringView(chiffres + i, qsizetype(sizeof chiffres) - i));
}

// "<NOM:longueur>valeur" (the length in bytes of the written file), then a blank.
void ajouter_champ(QString& ligne, QLatin1StringView nom, const QString& valeur) {
    ligne.append(QLatin1Char('<'));
    ligne.append(nom);
    ligne.append(QLatin1Char(':'));
    ajouter_nombre(ligne, longueur_cp1252(valeur));
    ligne.append(QLatin1Char('>'));
    ligne.append(valeur);
    ligne.append(QLatin1Char(' '));
}

// Date, times, mode, band and FREQ slot: the part both writers share, after the date field.
void ajouter_milieu(QString& ligne, const CellulesQSO& qso, const std::optional<QString>& freq) {
    const QString heure = heure_adif(qso.heure);
    ajouter_champ(ligne, QLatin1StringView("TIME_ON"), heure);
    ajouter_champ(ligne, QLatin1StringView("TIME_OFF"), heure);
    ligne.append(QLatin1StringView("<MODE:2>CW "));
    ajouter_champ(ligne, QLatin1StringView("BAND"), nom_adif_bande(qso.bande));
    if (freq) {
        ligne.append(*freq);
    }
    ligne.append(QLatin1Char(' '));
}

QString appel(const CellulesQSO& qso) {
    return qso.indicatif.trimmed();
}

// The member number the writers go by: the database's, or without the database the row's
// own one, as the rescoring does.
QString numero_retenu(const CellulesQSO& qso, const ResultatMembre& membre) {
    return membre.base_trouvee ? membre.membre_numero : numero_de_la_ligne(qso.ztc);
}

using Enregistrement = std::function<QString(const CellulesQSO&, const ResultatMembre&)>;

// The header, then one record per row with a call. True when a look-up found no member
// database.
bool rediger_adif(const Etat& etat, const BaseMembres& membres, const QStringList& entete,
                  const Enregistrement& enregistrement, SortieLignes& sortie) {
    for (const QString& ligne : entete) {
        sortie.ligne(ligne);
    }
    bool base_absente = false;
    for (int ligne = 1; ligne < etat.table.nb_lignes(); ++ligne) {
        const CellulesQSO qso = CellulesQSO::de_la_ligne(etat.table, ligne);
        if (qso.indicatif.isEmpty()) {
            continue;
        }
        const ResultatMembre membre = membres.chercher_membre(appel(qso));
        base_absente |= !membre.base_trouvee;
        sortie.ligne(enregistrement(qso, membre));
    }
    return base_absente;
}

LignesAdif lignes_adif(const Etat& etat, const BaseMembres& membres, const QStringList& entete,
                       const Enregistrement& enregistrement) {
    ListeLignes liste;
    const bool base_absente = rediger_adif(etat, membres, entete, enregistrement, liste);
    return {liste.lignes, base_absente};
}

// The file written record by record; the member database looked at once for the whole file.
ResultatAdif ecrire_adif(const Etat& etat, const BaseMembres& membres, const QString& chemin,
                         const QStringList& entete, const Enregistrement& enregistrement) {
    const OperationMembres operation(membres);
    bool base_absente = false;
    ecrire_rapport(etat, chemin, [&](SortieLignes& sortie) {
        base_absente = rediger_adif(etat, membres, entete, enregistrement, sortie);
    });
    return {chemin, base_absente};
}

Enregistrement enregistrement_rapport(const Etat& etat) {
    return [&etat](const CellulesQSO& qso, const ResultatMembre& membre) {
        return ligne_adif_rapport(qso, etat.station, membre);
    };
}

Enregistrement enregistrement_export(const Etat& etat) {
    return [&etat](const CellulesQSO& qso, const ResultatMembre& membre) {
        return ligne_export_adif(qso, etat, membre);
    };
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
    QString champ = QLatin1Char('<') + nom + QLatin1Char(':');
    ajouter_nombre(champ, longueur_cp1252(valeur));
    return champ + QLatin1Char('>') + valeur;
}

std::optional<QString> frequence_adif_rapport(const QString& bande) {
    return champ_frequence(bande, &Bande::frequence_adif_rapport);
}

std::optional<QString> frequence_export_adif(const QString& bande) {
    return champ_frequence(bande, &Bande::frequence_adif_export);
}

QString ligne_adif_rapport(const CellulesQSO& qso, const Station& station,
                           const ResultatMembre& membre) {
    QString ligne;
    ligne.reserve(256);
    ajouter_champ(ligne, QLatin1StringView("MY_NAME"), station.nom_saisi);
    ajouter_champ(ligne, QLatin1StringView("MY_STREET"), station.station_adresse1);
    ajouter_champ(ligne, QLatin1StringView("MY_CITY"), station.station_adresse2);
    ajouter_champ(ligne, QLatin1StringView("OPERATOR"), station.station_call);
    ajouter_champ(ligne, QLatin1StringView("CALL"), appel(qso));
    ajouter_champ(ligne, QLatin1StringView("QSO_DATE"), date_adif(qso.date));
    ajouter_milieu(ligne, qso, frequence_adif_rapport(qso.bande));
    ajouter_champ(ligne, QLatin1StringView("RST_SENT"), qso.rst_envoye);
    ajouter_champ(ligne, QLatin1StringView("RST_RCVD"), qso.rst_recu);
    // A member the database lists without a number keeps its empty field; an empty number
    // of the row's own says nothing.
    const QString numero = numero_retenu(qso, membre);
    if (numero != textes::non_membre() && (membre.base_trouvee || !numero.isEmpty())) {
        ajouter_champ(ligne, QLatin1StringView("APP_LOGGER32_USER_1"), numero);
    }
    ligne.append(QLatin1StringView("<EOR>"));
    return ligne;
}

QString ligne_export_adif(const CellulesQSO& qso, const Etat& etat, const ResultatMembre& membre) {
    QString ligne;
    ligne.reserve(256);
    ajouter_champ(ligne, QLatin1StringView("OPERATOR"), etat.station.station_call);
    ajouter_champ(ligne, QLatin1StringView("CALL"), appel(qso));
    const QString date = date_adif(qso.date);
    ligne.append(QLatin1StringView("<QSO_DATE:"));
    ajouter_nombre(ligne, longueur_cp1252(date));
    ligne.append(QLatin1StringView(":D>"));
    ligne.append(date);
    ligne.append(QLatin1Char(' '));
    ajouter_milieu(ligne, qso, frequence_export_adif(qso.bande));
    const QString& numero = qso.ztc;
    ajouter_champ(ligne, QLatin1StringView("RST_SENT"), qso.rst_envoye);
    ajouter_champ(ligne, QLatin1StringView("RST_RCVD"), qso.rst_recu);
    ajouter_champ(ligne, QLatin1StringView("STX"), etat.station.station_nr_club);
    ajouter_champ(ligne, QLatin1StringView("SRX"), numero);
    if (!qso.nom.isEmpty()) {
        ajouter_champ(ligne, QLatin1StringView("NAME"), qso.nom);
    }
    if (!numero_retenu(qso, membre).isEmpty()) {
        ajouter_champ(ligne, QLatin1StringView("APP_LOGGER32_USER_1"), numero);
    }
    if (!qso.notes.isEmpty()) {
        ajouter_champ(ligne, QLatin1StringView("NOTES"), qso.notes);
    }
    ligne.append(QLatin1StringView("<EOR>"));
    return ligne;
}

LignesAdif lignes_adif_rapport(const Etat& etat, const BaseMembres& membres) {
    return lignes_adif(etat, membres, entete_adif_rapport(), enregistrement_rapport(etat));
}

LignesAdif lignes_export_adif(const Etat& etat, const BaseMembres& membres) {
    return lignes_adif(etat, membres, entete_export_adif(etat.station),
                       enregistrement_export(etat));
}

ResultatAdif ecrire_adif_rapport(const Etat& etat, const BaseMembres& membres) {
    return ecrire_adif(etat, membres, chemin_adif_rapport(etat), entete_adif_rapport(),
                       enregistrement_rapport(etat));
}

ResultatAdif exporter_adif(const Etat& etat, const BaseMembres& membres,
                           const QString& nom_choisi) {
    return ecrire_adif(etat, membres, chemin_export_adif(etat, nom_choisi),
                       entete_export_adif(etat.station), enregistrement_export(etat));
}

} // namespace vorek
