#include "verification.h"

#include "textes_stats.h"
#include "verification_parties.h"

#include "base/fichier_texte.h"
#include "log/etat.h"
#include "mail/adresse_email.h"
#include "reports/cabrillo.h"

#include <optional>

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

namespace {

// The report's lines in order: the header up to the first "QSO:" line (or "END-OF-LOG:"),
// then the QSO lines up to "END-OF-LOG:", each checked as it comes; what follows the end
// is not read.
class VerificationCabrillo {
  public:
    explicit VerificationCabrillo(const SourceVerification& source) : source_(source) {}

    void lire(const QString& ligne) {
        if (fin_lue_) {
            return;
        }
        if (!qso_) {
            if (!debut_des_qso(ligne)) {
                entete_.append(ligne);
                return;
            }
            commencer_les_qso();
        }
        if (ligne == fin_du_log) {
            fin_lue_ = true;
        } else if (!ligne.isEmpty()) {
            qso_->verifier(ligne);
        }
    }

    QList<Constat> terminer() {
        if (!qso_) {
            commencer_les_qso();
        }
        qso_->terminer();
        if (!fin_lue_) {
            ajouter_constat(constats_, 0, codes_constat::fin_absente, textes_stats::fin_absente());
        }
        verifier_email(source_.etat.station, constats_);
        return std::move(constats_);
    }

  private:
    void commencer_les_qso() {
        verifier_entete(entete_, source_.etat.station, constats_);
        entete_.clear();
        // A report without QSO passes every line check: it is a finding of its own.
        if (compter_QSO(source_.etat.table) == 0) {
            ajouter_constat(constats_, 0, codes_constat::journal_vide,
                            textes_stats::journal_vide());
        }
        qso_.emplace(source_, constats_);
    }

    const SourceVerification& source_;
    QList<Constat> constats_;
    QStringList entete_;
    std::optional<VerificationLignesQso> qso_;
    bool fin_lue_ = false;
};

} // namespace

QList<Constat> verifier_lignes_cabrillo(const QStringList& lignes,
                                        const SourceVerification& source) {
    VerificationCabrillo verification(source);
    for (const QString& ligne : lignes) {
        verification.lire(ligne);
    }
    return verification.terminer();
}

ResultatVerification verifier_compte_rendu(Etat& etat, const Referentiel& referentiel,
                                           const QString& annee_courante) {
    ResultatVerification resultat;
    resultat.chemin = ecrire_cabrillo(etat);
    // Read line by line: a report of a long log is never held whole.
    const SourceVerification source{etat, referentiel, annee_courante};
    VerificationCabrillo verification(source);
    lire_flux(resultat.chemin, [&](const QString& ligne) { verification.lire(ligne); });
    resultat.constats = verification.terminer();
    return resultat;
}

} // namespace vorek
