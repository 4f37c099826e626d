#include "station.h"

#include "app/textes_app.h"
#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "mail/adresse_email.h"
#include "refdata/referentiel.h"

#include <QDir>
#include <QFileInfo>

namespace vorek {

namespace {

// The save dialog asks only about a file that exists under the very name chosen; the file
// system alone tells whether that is the final file (essai.vrk is not essai.VRK on Linux).
bool dialogue_a_demande(const QString& choisi, const QString& chemin) {
    const QFileInfo fichier_choisi(choisi);
    return fichier_choisi.exists() && fichier_choisi == QFileInfo(chemin);
}

} // namespace

ResultatIndicatifStation indicatif_station(const QString& texte, const Referentiel& referentiel) {
    ResultatIndicatifStation r;
    if (texte.size() <= 3) {
        return r;
    }
    r.recherche = true;
    r.station_call = texte.trimmed();
    const ResultatMembre membre = referentiel.membres.chercher_membre(r.station_call);
    r.membre_numero = membre.membre_numero;
    r.membre_nom = membre.membre_nom;
    r.base_trouvee = membre.base_trouvee;
    const ResultatPays pays = referentiel.pays.trouver_pays(r.station_call);
    r.dxcc_prefixe = pays.dxcc_prefixe;
    r.dxcc_continent = pays.dxcc_continent;
    return r;
}

QString cle_smtp(const QString& adresse) {
    const qsizetype arobase = adresse.indexOf(QLatin1Char('@'));
    const QString domaine = arobase < 0 ? QString() : adresse.mid(arobase + 1);
    return domaine.section(QLatin1Char('.'), 0, 0);
}

std::optional<ServeurSmtp> chercher_serveur_smtp(const QString& chemin_smtp, const QString& cle) {
    const QStringList lignes = lire_lignes(chemin_smtp);
    for (qsizetype i = 1; i < lignes.size(); ++i) {
        const QString& ligne = lignes[i];
        if (ligne.section(QLatin1Char(';'), 0, 0) != cle) {
            continue;
        }
        return ServeurSmtp{ligne.section(QLatin1Char(';'), 1, 1),
                           ligne.section(QLatin1Char(';'), 2).trimmed()};
    }
    return std::nullopt;
}

QString chemin_smtp(const Etat& etat) {
    return etat.rep_cfg + QLatin1Char('/') + nom_table_smtp;
}

ResultatEmail email_station(Etat& etat, const QString& texte, const ReglagesSmtp& memorises) {
    ResultatEmail r;
    if (!adresse_email_valide(texte)) {
        return r;
    }
    ServeurSmtp table;
    try {
        table = chercher_serveur_smtp(chemin_smtp(etat), cle_smtp(texte)).value_or(ServeurSmtp{});
    } catch (const Erreur& e) {
        r.erreur = textes_app::table_smtp_illisible(
            QDir::toNativeSeparators(QFileInfo(chemin_smtp(etat)).absoluteFilePath()), e.message());
        return r;
    }
    etat.station.station_email = texte;
    r.propose = true;
    r.reglages = reglages_proposes(memorises, table.serveur, table.port);
    return r;
}

DemandeFichier demande_creation_challenge(const Etat& etat) {
    return {QString(), QStringLiteral("Challenge VOREK|*.VRK"), QStringLiteral("VRK"),
            etat.rep_challenge, QStringLiteral("*.VRK")};
}

QString nom_fichier_a_creer(const QString& choisi) {
    return nom_de_fichier(choisi).section(QLatin1Char('.'), 0, 0) + QStringLiteral(".VRK");
}

bool creer_fichier(Etat& etat, Dialogues& dialogues) {
    const QString choisi = dialogues.fichier_a_enregistrer(demande_creation_challenge(etat));
    if (choisi.isEmpty()) {
        return false;
    }
    const QString nom = nom_fichier_a_creer(choisi);
    const QString chemin = etat.rep_challenge + QLatin1Char('/') + nom;
    // The dialog asked only about the name it showed; the final name may be another file,
    // perhaps a full log.
    if (QFileInfo::exists(chemin) && !dialogue_a_demande(choisi, chemin)) {
        const QString question = QStringLiteral("Le fichier ") + nom +
                                 QStringLiteral(" existe déjà dans le dossier de travail.\r"
                                                "Voulez-vous le remplacer ?");
        if (dialogues.question(question, false) != Reponse::oui) {
            return false;
        }
    }
    etat.fichier_courant = chemin;
    emit etat.annonces.fichier_courant_change();
    try {
        sauver_fichier(etat, chemin);
    } catch (const Erreur& e) {
        dialogues.message(TypeMessage::erreur, e.message());
    }
    return true;
}

bool valider_station(Etat& etat, Dialogues& dialogues, const QString& email) {
    if (etat.station.station_call.isEmpty()) {
        dialogues.message(TypeMessage::information, QString::fromUtf8(message_indicatif_absent));
        return false;
    }
    if (etat.fichier_courant.isEmpty() ||
        !QFileInfo(chemin_dans_challenge(etat, etat.fichier_courant)).isFile()) {
        dialogues.message(TypeMessage::information, QString::fromUtf8(message_fichier_absent));
        return false;
    }
    try {
        sauver_fichier(etat, etat.fichier_courant);
    } catch (const Erreur& e) {
        dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
    etat.station.station_email = email;
    return true;
}

} // namespace vorek
