#include "lecture_adif.h"

#include "bandes_adif.h"

#include "base/fichier_texte.h"
#include "base/textes_partages.h"
#include "log/cellules_qso.h"
#include "refdata/membres.h"
#include "rules/bandes.h"

#include <QDate>
#include <QTime>

#include <algorithm>

namespace vorek {

namespace {

// No value the import keeps comes near this. A longer length reads as this one, which
// also bounds the work per tag of a line full of tags that announce huge values.
constexpr qsizetype longueur_max = 1000;

struct Balise {
    QString nom;
    qsizetype longueur = 0;
};

// "CALL:5", "QSO_DATE:8:D", "EOR": the name before the first ":", the length after it as
// far as it reads as a number (none reads as 0). The text is upper case already.
Balise analyser_balise(const QString& texte) {
    const qsizetype deux_points = texte.indexOf(QLatin1Char(':'));
    if (deux_points < 0) {
        return {texte, 0};
    }
    Balise balise{texte.left(deux_points), 0};
    qsizetype i = deux_points + 1;
    while (i < texte.size() && (texte[i] == QLatin1Char(' ') || texte[i] == QLatin1Char('\t'))) {
        ++i;
    }
    for (; i < texte.size() && texte[i] >= QLatin1Char('0') && texte[i] <= QLatin1Char('9'); ++i) {
        const int chiffre = texte[i].unicode() - '0';
        balise.longueur = std::min(balise.longueur * 10 + chiffre, longueur_max);
    }
    return balise;
}

// The whole megahertz of a FREQ value: "14.025", "7,012" and "29" give 14, 7 and 29; a
// value that is no number gives 0.
int mhz_entiers(const QString& valeur) {
    QString texte = valeur.toUpper().trimmed();
    for (const QChar separateur : {QLatin1Char('.'), QLatin1Char(',')}) {
        const qsizetype i = texte.indexOf(separateur);
        if (i >= 0) {
            texte.truncate(i);
        }
    }
    bool converti = false;
    const int mhz = texte.toInt(&converti);
    return converti ? mhz : 0;
}

bool date_heure_lisibles(const CellulesQSO& qso) {
    return QDate::fromString(qso.date, QStringLiteral("dd/MM/yyyy")).isValid() &&
           QTime::fromString(qso.heure, QStringLiteral("hh:mm")).isValid();
}

bool mode_cw(const QString& mode) {
    // ADIF enumerations are not case-sensitive.
    return mode.trimmed().compare(QLatin1String("CW"), Qt::CaseInsensitive) == 0;
}

// The work row of the import: the cells of the record being read, and the mode that
// stays in force from one record to the next.
class Lecteur {
  public:
    explicit Lecteur(const BaseMembres& membres) : membres_(membres) { vider(); }

    void lire_ligne(const QString& ligne, int numero);
    LectureAdif terminer(int derniere_ligne);

  private:
    // True when the tag ends the reading of its line.
    bool appliquer(const Balise& balise, const QString& ligne, qsizetype debut, int numero);
    void fixer(QString CellulesQSO::*champ, const QString& texte) {
        qso_.*champ = textes_.partage(texte);
        ecrit_ = true;
    }
    void juger(int numero);
    void ecarter(RaisonEcart raison, int numero) {
        resultat_.ecartes.append({numero, raison, qso_.indicatif});
    }
    // A record not taken leaves nothing for the next one.
    void vider() {
        qso_ = CellulesQSO();
        ecrit_ = false;
    }

    const BaseMembres& membres_;
    LectureAdif resultat_;
    CellulesQSO qso_;
    bool ecrit_ = false;
    QString mode_;
    // Dates, times, bands, reports, calls and the members' numbers and names come back
    // record after record: the rows taken hold one text of each, not one per cell.
    TextesPartages textes_;
};

void Lecteur::lire_ligne(const QString& ligne, int numero) {
    // Values are not skipped: a field whose length is wrong still leaves the next tag
    // readable. The last character would be a tag with no ">".
    for (qsizetype p = 0; p + 1 < ligne.size(); ++p) {
        if (ligne[p] != QLatin1Char('<')) {
            continue;
        }
        const qsizetype fin = ligne.indexOf(QLatin1Char('>'), p + 1);
        if (fin < 0) {
            return;
        }
        const Balise balise = analyser_balise(ligne.mid(p + 1, fin - p - 1).toUpper());
        p = fin;
        if (appliquer(balise, ligne, fin + 1, numero)) {
            return;
        }
    }
}

bool Lecteur::appliquer(const Balise& balise, const QString& ligne, qsizetype debut, int numero) {
    const QString& nom = balise.nom;
    const QString valeur = ligne.mid(debut, balise.longueur);
    if (nom == QLatin1String("CALL")) {
        fixer(&CellulesQSO::indicatif, valeur.trimmed());
    } else if (nom == QLatin1String("NAME")) {
        fixer(&CellulesQSO::nom, valeur.trimmed());
    } else if (nom == QLatin1String("QSO_DATE")) {
        fixer(&CellulesQSO::date, valeur.mid(6, 2) + QLatin1Char('/') + valeur.mid(4, 2) +
                                      QLatin1Char('/') + valeur.left(4));
    } else if (nom == QLatin1String("TIME_ON")) {
        // hhmm of hhmmss, whatever the length says.
        const QString hhmm = ligne.mid(debut, 4);
        fixer(&CellulesQSO::heure, hhmm.left(2) + QLatin1Char(':') + hhmm.mid(2));
    } else if (nom == QLatin1String("BAND")) {
        fixer(&CellulesQSO::bande, bande_du_nom_adif(valeur));
    } else if (nom == QLatin1String("FREQ")) {
        fixer(&CellulesQSO::bande, bande_de_mhz(mhz_entiers(valeur)));
    } else if (nom == QLatin1String("MODE")) {
        mode_ = valeur;
    } else if (nom == QLatin1String("RST_RCVD")) {
        fixer(&CellulesQSO::rst_recu, valeur);
    } else if (nom == QLatin1String("RST_SENT")) {
        fixer(&CellulesQSO::rst_envoye, valeur);
    } else if (nom == QLatin1String("EOH")) {
        // The header is no QSO: what it carried does not reach the first record.
        vider();
        return true;
    } else if (nom == QLatin1String("EOR")) {
        if (ecrit_) {
            juger(numero);
        }
        vider();
        return true;
    }
    return false;
}

void Lecteur::juger(int numero) {
    const QString& indicatif = qso_.indicatif;
    if (!mode_cw(mode_)) {
        ecarter(RaisonEcart::mode_non_cw, numero);
    } else if (indicatif.isEmpty()) {
        ecarter(RaisonEcart::sans_indicatif, numero);
    } else if (!date_heure_lisibles(qso_)) {
        ecarter(RaisonEcart::date_heure_illisible, numero);
    } else if (!resultat_.base_membres_absente) {
        const ResultatMembre membre = membres_.chercher_membre(indicatif);
        if (!membre.base_trouvee) {
            resultat_.base_membres_absente = true;
        } else if (membre.membre_numero == QLatin1String("NM")) {
            ecarter(RaisonEcart::non_membre, numero);
        } else {
            qso_.ztc = textes_.partage(membre.membre_numero);
            // As a commit takes it from the look-up; a NAME of the record stays.
            if (qso_.nom.isEmpty()) {
                qso_.nom = textes_.partage(membre.membre_nom);
            }
            resultat_.qso.ajouter(qso_.en_texte());
        }
    }
}

LectureAdif Lecteur::terminer(int derniere_ligne) {
    if (ecrit_) {
        ecarter(mode_cw(mode_) ? RaisonEcart::inacheve : RaisonEcart::mode_non_cw, derniere_ligne);
    }
    if (resultat_.base_membres_absente) {
        resultat_.qso.redimensionner(0);
    }
    resultat_.nb_pris = resultat_.qso.size();
    return std::move(resultat_);
}

} // namespace

int LectureAdif::nb_ecartes(RaisonEcart raison) const {
    return int(
        std::count_if(ecartes.cbegin(), ecartes.cend(),
                      [raison](const EnregistrementEcarte& e) { return e.raison == raison; }));
}

int LectureAdif::nb_incomplets() const {
    return nb_ecartes(RaisonEcart::sans_indicatif) + nb_ecartes(RaisonEcart::date_heure_illisible) +
           nb_ecartes(RaisonEcart::inacheve);
}

LectureAdif lire_adif(const QStringList& lignes, const BaseMembres& membres) {
    Lecteur lecteur(membres);
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        lecteur.lire_ligne(lignes[i], int(i) + 1);
    }
    return lecteur.terminer(int(lignes.size()));
}

LectureAdif lire_fichier_adif(const QString& chemin, const BaseMembres& membres) {
    // Line by line: the file's lines never sit beside the records taken from them.
    Lecteur lecteur(membres);
    int numero = 0;
    lire_flux(chemin, [&](const QString& ligne) { lecteur.lire_ligne(ligne, ++numero); });
    return lecteur.terminer(numero);
}

} // namespace vorek
