#include "commandes_rapports.h"

#include "adif_sortie.h"
#include "ascii.h"
#include "cabrillo.h"

#include "base/erreur.h"
#include "log/etat.h"
#include "refdata/referentiel.h"
#include "rules/textes_regles.h"

#include <QDir>
#include <QFileInfo>

namespace vorek {

namespace {

// The full path of every file written, one a line, as the operator's system spells it: a
// name alone would not say which folder to look in.
QString emplacements(const QString& titre, const QStringList& chemins) {
    QStringList lignes{titre};
    for (const QString& chemin : chemins) {
        lignes.append(QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath()));
    }
    return lignes.join(QLatin1Char('\r'));
}

void signaler_base_absente(bool absente, const QString& message, Dialogues& dialogues) {
    // Once per command: every row's look-up would tell the same.
    if (absente) {
        dialogues.message(TypeMessage::simple, message);
    }
}

} // namespace

CompteRendu executer_ecrire_log(ContexteRapport& contexte) {
    CompteRendu compte_rendu;
    const OperationReferentiel operation(contexte.referentiel);
    try {
        compte_rendu.chemins.append(ecrire_cabrillo(contexte.etat));
        const ResultatRapportTexte texte = ecrire_rapport_texte(contexte);
        compte_rendu.base_membres_absente = texte.base_membres_absente;
        compte_rendu.chemins.append(texte.chemin);
        const ResultatAdif adif = ecrire_adif_rapport(contexte.etat, contexte.referentiel.membres);
        compte_rendu.base_membres_absente |= adif.base_membres_absente;
        compte_rendu.chemins.append(adif.chemin);
    } catch (const Erreur& e) {
        compte_rendu.erreur = e.message();
    }
    return compte_rendu;
}

QString message_ecrire_log() {
    return QStringLiteral("Les fichiers Compte Rendu CABRILLO (*.LOG) et ADIF (*.ADI)\n\r"
                          "sont enregistrés sous le répertoire \"Fichier_Challenge\" ");
}

bool ecrire_log(ContexteRapport& contexte, Dialogues& dialogues) {
    return signaler_compte_rendu(executer_ecrire_log(contexte), dialogues);
}

bool signaler_compte_rendu(const CompteRendu& compte_rendu, Dialogues& dialogues) {
    // The text report rescored the log from its own member numbers.
    signaler_base_absente(compte_rendu.base_membres_absente, textes::base_membres_absente_score(),
                          dialogues);
    if (!compte_rendu.erreur.isEmpty()) {
        dialogues.message(TypeMessage::erreur, compte_rendu.erreur);
        return false;
    }
    dialogues.message(TypeMessage::simple,
                      message_ecrire_log() + QStringLiteral("\r\r") +
                          emplacements(QStringLiteral("Fichiers écrits :"), compte_rendu.chemins));
    return true;
}

DemandeFichier demande_export_adif() {
    return {QString(), QStringLiteral("Fichier ADIF (*.adi)|*.adi"), QStringLiteral("adi"),
            QString(), QString()};
}

bool commande_export_adif(const Etat& etat, const Referentiel& referentiel, Dialogues& dialogues) {
    const QString nom = dialogues.fichier_a_enregistrer(demande_export_adif());
    if (nom.isEmpty()) {
        return false;
    }
    try {
        const ResultatAdif resultat = exporter_adif(etat, referentiel.membres, nom);
        signaler_base_absente(resultat.base_membres_absente,
                              QString::fromLatin1(message_base_membres_absente), dialogues);
        dialogues.message(TypeMessage::simple,
                          emplacements(QStringLiteral("Export ADIF écrit :"), {resultat.chemin}));
        return true;
    } catch (const Erreur& e) {
        dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
}

bool commande_export_ascii(const Etat& etat, Dialogues& dialogues) {
    QString chemin;
    try {
        chemin = exporter_ascii(etat);
    } catch (const Erreur& e) {
        dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
    dialogues.message(TypeMessage::simple,
                      message_ascii(etat) + QStringLiteral("\r\r") +
                          emplacements(QStringLiteral("Fichier écrit :"), {chemin}));
    return true;
}

} // namespace vorek
