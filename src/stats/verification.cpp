#include "verification.h"

#include "textes_stats.h"
#include "verification_parties.h"

#include "base/fichier_texte.h"
#include "log/etat.h"
#include "mail/adresse_email.h"
#include "reports/cabrillo.h"

namespace vorek {

namespace {

const QString fin_du_log = QStringLiteral("END-OF-LOG:");

bool debut_des_qso(const QString& ligne) {
    return ligne.startsWith(QStringLiteral("QSO:")) || ligne == fin_du_log;
}

// The address a send would use: the one the e-mail field last accepted, else its text.
void verifier_email(const Station& station, QList<Constat>& constats) {
    const QString adresse =
        station.station_email.isEmpty() ? station.email_saisi : station.station_email;
    if (adresse.isEmpty()) {
        ajouter_constat(constats, 0, codes_constat::email_absent, textes_stats::email_absent());
    } else if (!adresse_email_valide(adresse)) {
        ajouter_constat(constats, 0, codes_constat::email_invalide,
                        textes_stats::email_invalide(adresse));
    }
}

} // namespace

void ajouter_constat(QList<Constat>& constats, int ligne, const char* code, const QString& texte) {
    constats.append({ligne, QString::fromLatin1(code), texte});
}

QString texte_constat(const Constat& constat) {
    const QString ou = constat.ligne > 0 ? textes_stats::ligne_constat(constat.ligne)
                                         : textes_stats::compte_rendu();
    return ou + QStringLiteral(" — ") + constat.code + QStringLiteral(" : ") + constat.texte;
}

QList<Constat> verifier_lignes_cabrillo(const QStringList& lignes,
                                        const SourceVerification& source) {
    QList<Constat> constats;
    qsizetype debut = 0;
    while (debut < lignes.size() && !debut_des_qso(lignes[debut])) {
        ++debut;
    }
    verifier_entete(lignes.mid(0, debut), source.etat.station, constats);
    // A report without QSO passes every line check: it is a finding of its own.
    if (compter_QSO(source.etat.table) == 0) {
        ajouter_constat(constats, 0, codes_constat::journal_vide, textes_stats::journal_vide());
    }
    const qsizetype fin = lignes.indexOf(fin_du_log, debut);
    QStringList qso;
    for (qsizetype i = debut; i < (fin < 0 ? lignes.size() : fin); ++i) {
        if (!lignes[i].isEmpty()) {
            qso.append(lignes[i]);
        }
    }
    verifier_lignes_qso(qso, source, constats);
    if (fin < 0) {
        ajouter_constat(constats, 0, codes_constat::fin_absente, textes_stats::fin_absente());
    }
    verifier_email(source.etat.station, constats);
    return constats;
}

ResultatVerification verifier_compte_rendu(Etat& etat, const Referentiel& referentiel,
                                           const QString& annee_courante) {
    ResultatVerification resultat;
    resultat.chemin = ecrire_cabrillo(etat);
    resultat.constats =
        verifier_lignes_cabrillo(lire_lignes(resultat.chemin), {etat, referentiel, annee_courante});
    return resultat;
}

} // namespace vorek
