#include "fichier_challenge.h"

#include "base/dialogues.h"
#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "etat.h"

#include <QFile>

#include <algorithm>
#include <optional>

namespace vorek {

namespace {

const QString marqueur = QStringLiteral(" (12/2023)");

const QString fin_de_fichier() {
    return QStringLiteral("Lecture au-delà de la fin de fichier");
}
const QString saisie_incorrecte() {
    return QStringLiteral("Saisie numérique incorrecte");
}

QString lignes_en_trop() {
    return QStringLiteral("Fichier challenge incohérent : il contient plus de lignes que ses "
                          "nombres de colonnes et de lignes n'en annoncent");
}

// Plain decimal, as the program writes them: a sign, a blank inside or a control character
// (a NUL from a damaged disk) makes the line no number.
int lire_entier(const QString& ligne) {
    const QString texte = ligne.trimmed();
    const qsizetype debut = texte.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype chiffres = texte.size() - debut;
    bool ok = chiffres >= 1 && chiffres <= 9;
    for (qsizetype i = debut; ok && i < texte.size(); ++i) {
        ok = texte.at(i) >= QLatin1Char('0') && texte.at(i) <= QLatin1Char('9');
    }
    if (!ok) {
        throw Erreur(saisie_incorrecte());
    }
    return texte.toInt();
}

// Reads the lines of a challenge file one by one, in the order of the checks of a whole
// read: a count or width that is no number, then a file too short, then text past the
// cells (only empty lines, an editor's final line end, may follow them: anything else means
// the counts are wrong, and the log would load cut or shifted). The first failure is kept
// and told once the last line is in, so that a file too large for the reader is refused as
// such whatever its counts say.
class LectureChallenge {
  public:
    void ligne(const QString& texte) {
        const qint64 i = lues_++;
        if (erreur_) {
            return;
        }
        try {
            lire(i, texte);
        } catch (const Erreur& e) {
            erreur_ = e.message();
        }
    }

    ContenuChallenge finir() {
        if (!erreur_ && (lues_ < 9 || lues_ < attendu_)) {
            erreur_ = fin_de_fichier();
        }
        if (erreur_) {
            throw Erreur(*erreur_);
        }
        return std::move(contenu_);
    }

  private:
    void lire(qint64 i, const QString& texte) {
        if (i < 9) {
            debut_.append(texte);
            if (i == 8) {
                lire_entete();
            }
        } else if (i < 9 + contenu_.colonnes) {
            contenu_.largeurs.append(lire_entier(texte));
        } else if (i < attendu_) {
            if (ligne_.isEmpty()) {
                ligne_.reserve(contenu_.colonnes);
            }
            ligne_.append(texte);
            if (ligne_.size() == contenu_.colonnes) {
                contenu_.cellules.ajouter(ligne_);
                ligne_.clear();
            }
        } else if (!texte.isEmpty()) {
            throw Erreur(lignes_en_trop());
        }
    }

    void lire_entete() {
        // No longer than the station window lets the operator type, whatever the file holds.
        Station& station = contenu_.station;
        station.station_call = debut_[1].left(longueur_max_indicatif);
        station.nom_saisi = debut_[2].left(longueur_max_nom);
        station.station_adresse1 = debut_[3].left(longueur_max_adresse);
        station.station_adresse2 = debut_[4].left(longueur_max_adresse);
        station.station_nr_club = debut_[5].left(longueur_max_nr_club);
        station.station_DXCC = debut_[6].left(longueur_max_DXCC);
        contenu_.colonnes = lire_entier(debut_[7]);
        contenu_.lignes = lire_entier(debut_[8]);
        // A grid has at least one column and the header plus one row; beyond the limits the
        // file is not a log, and nothing is allocated for it.
        if (contenu_.colonnes < 1 || contenu_.colonnes > colonnes_max_challenge ||
            contenu_.lignes < 2 || contenu_.lignes > lignes_max_challenge) {
            throw Erreur(saisie_incorrecte());
        }
        attendu_ = 9 + qint64(contenu_.colonnes) * (1 + qint64(contenu_.lignes));
        contenu_.cellules = CellulesJournal(contenu_.colonnes);
        contenu_.cellules.reserver(std::min(contenu_.lignes, 65536));
    }

    qint64 lues_ = 0;
    qint64 attendu_ = 0;
    QStringList debut_;
    QStringList ligne_;
    ContenuChallenge contenu_;
    std::optional<QString> erreur_;
};

QString trop_volumineux() {
    return QStringLiteral(
        "Journal trop volumineux pour être enregistré (%1 QSO, %2 Mo) : un fichier challenge "
        "de %3 colonnes ne peut dépasser %4 QSO ni %5 Mo, sans quoi le programme ne pourrait "
        "plus le relire. Rien n'a été écrit : le fichier sur le disque garde sa version "
        "précédente. Supprimez des lignes pour pouvoir l'enregistrer.");
}

bool saut_de_ligne(const QString& texte) {
    // Cells are short: one pass beats two searches.
    return std::any_of(texte.begin(), texte.end(),
                       [](QChar c) { return c.unicode() == u'\n' || c.unicode() == u'\r'; });
}

QString sans_saut_de_ligne(const QString& texte) {
    if (!saut_de_ligne(texte)) {
        return texte;
    }
    QString nette = texte;
    nette.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return nette;
}

int mega_octets(qint64 octets) {
    constexpr qint64 mo = 1024 * 1024;
    return int((octets + mo - 1) / mo);
}

QString trop_volumineux_a_lire() {
    return QStringLiteral(
        "Journal trop volumineux pour être lu (%1 QSO) : le programme ne lit pas un fichier "
        "challenge de %2 colonnes de plus de %3 QSO ni de plus de %4 Mo. Le fichier n'a pas été "
        "modifié.");
}

// The header of a file refused as too large: when it is a log's, the operator is told that
// it is their log that is too large rather than that it is no file of the program.
std::optional<QString> refus_journal_trop_gros(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QStringList entete = depuis_cp1252(fichier.read(4096)).split(QLatin1Char('\n')).mid(0, 9);
    if (entete.size() < 9 || entete[0].trimmed() != marqueur.trimmed()) {
        return std::nullopt;
    }
    try {
        const int colonnes = lire_entier(entete[7]);
        const int lignes = lire_entier(entete[8]);
        // A header announcing a log within the caps belongs to a file grown by other means.
        if (colonnes < 1 || lignes - 2 <= qso_max_challenge(colonnes)) {
            return std::nullopt;
        }
        return trop_volumineux_a_lire()
            .arg(std::max(lignes - 2, 0))
            .arg(colonnes)
            .arg(std::max(qso_max_challenge(colonnes), 0))
            .arg(mega_octets(taille_max_fichier_texte));
    } catch (const Erreur&) {
        return std::nullopt;
    }
}

} // namespace

void rediger_challenge(const Etat& etat, SortieLignes& sortie) {
    const TableJournal& table = etat.table;
    const Station& station = etat.station;
    sortie.ligne(marqueur);
    sortie.ligne(sans_saut_de_ligne(station.station_call));
    sortie.ligne(sans_saut_de_ligne(station.station_nom()));
    sortie.ligne(sans_saut_de_ligne(station.station_adresse1));
    sortie.ligne(sans_saut_de_ligne(station.station_adresse2));
    sortie.ligne(sans_saut_de_ligne(station.station_nr_club));
    sortie.ligne(sans_saut_de_ligne(station.station_DXCC));
    sortie.ligne(QString::number(table.nb_colonnes()));
    sortie.ligne(QString::number(table.nb_lignes()));
    for (int c = 0; c < table.nb_colonnes(); ++c) {
        sortie.ligne(QString::number(table.largeur(c)));
    }
    for (int r = 0; r < table.nb_lignes(); ++r) {
        for (int c = 0; c < table.nb_colonnes(); ++c) {
            // Read in place: a copy of each cell would cost as much as the writing.
            const QString& cellule = table.texte(c, r);
            if (saut_de_ligne(cellule)) {
                sortie.ligne(sans_saut_de_ligne(cellule));
            } else {
                sortie.ligne(cellule);
            }
        }
    }
}

QStringList lignes_challenge(const Etat& etat) {
    ListeLignes liste;
    liste.lignes.reserve(9 + etat.table.nb_colonnes() * (1 + etat.table.nb_lignes()));
    rediger_challenge(etat, liste);
    return std::move(liste.lignes);
}

int qso_max_challenge(int colonnes) {
    colonnes = std::max(colonnes, 1);
    // Lines: 9 + C x (1 + R), each ending with a line feed the reader counts.
    const qint64 lignes = (qint64(lignes_max_fichier_texte) - 1 - 9) / colonnes - 1;
    return int(std::min<qint64>(lignes, lignes_max_challenge)) - 2;
}

QString refus_taille_challenge(const Etat& etat) {
    // Every cell is one character per byte in CP1252 (a character it lacks becomes one "?"),
    // and each line ends with CR LF; a line break in a cell becomes a blank.
    const TableJournal& table = etat.table;
    const Station& station = etat.station;
    qint64 octets = 0;
    qint64 lignes = 9 + qint64(table.nb_colonnes());
    for (const QString& texte :
         {marqueur, station.station_call, station.station_nom(), station.station_adresse1,
          station.station_adresse2, station.station_nr_club, station.station_DXCC,
          QString::number(table.nb_colonnes()), QString::number(table.nb_lignes())}) {
        octets += texte.size() + 2;
    }
    for (int c = 0; c < table.nb_colonnes(); ++c) {
        octets += QString::number(table.largeur(c)).size() + 2;
    }
    for (int r = 0; r < table.nb_lignes(); ++r) {
        for (int c = 0; c < table.nb_colonnes(); ++c) {
            octets += table.texte(c, r).size() + 2;
        }
        lignes += table.nb_colonnes();
    }
    const int colonnes = table.nb_colonnes();
    const int nb_lignes = table.nb_lignes();
    if (lignes < lignes_max_fichier_texte && octets <= taille_max_fichier_texte &&
        colonnes <= colonnes_max_challenge && nb_lignes <= lignes_max_challenge) {
        return QString();
    }
    const int qso = std::max(nb_lignes - 2, 0);
    return trop_volumineux()
        .arg(qso)
        .arg(mega_octets(octets))
        .arg(colonnes)
        .arg(std::max(qso_max_challenge(colonnes), 0))
        .arg(mega_octets(taille_max_fichier_texte));
}

ContenuChallenge lire_challenge(const QString& chemin) {
    // Line by line: the file's whole text and list of lines never sit beside the log.
    LectureChallenge lecture;
    try {
        lire_flux(chemin, [&lecture](const QString& ligne) { lecture.ligne(ligne); });
    } catch (const Erreur& e) {
        if (e.message() == message_fichier_trop_gros()) {
            if (const auto refus = refus_journal_trop_gros(chemin)) {
                throw Erreur(*refus);
            }
        }
        throw;
    }
    return lecture.finir();
}

void sauver_fichier(Etat& etat, const QString& chemin) {
    sauver_journal(etat, chemin);
    etat.fichier_modifie = false;
}

void sauver_journal(const Etat& etat, const QString& chemin) {
    const QString refus = refus_taille_challenge(etat);
    if (!refus.isEmpty()) {
        throw Erreur(refus);
    }
    ecrire_flux_sur(chemin_dans_challenge(etat, chemin),
                    [&etat](SortieLignes& sortie) { rediger_challenge(etat, sortie); });
}

void sauver_journal(const Etat& etat) {
    sauver_journal(etat, etat.fichier_courant);
}

void charger_fichier(Etat& etat, const QString& chemin, const ActionsChargement& actions) {
    ContenuChallenge contenu = lire_challenge(chemin_dans_challenge(etat, chemin));
    etat.fichier_modifie = false;
    Station& station = etat.station;
    const Station& lue = contenu.station;
    station.station_call = lue.station_call;
    emit etat.annonces.indicatif_charge(lue.station_call);
    // The file's values replace whatever the call's handling filled in.
    station.nom_saisi = lue.nom_saisi;
    station.station_adresse1 = lue.station_adresse1;
    station.station_adresse2 = lue.station_adresse2;
    station.station_nr_club = lue.station_nr_club;
    station.station_DXCC = lue.station_DXCC;
    if (actions.continent_de) {
        station.station_continent = actions.continent_de(station.station_call);
    }
    etat.table.remplacer(contenu.largeurs, std::move(contenu.cellules));
    etat.ligne_suivante = contenu.lignes - 1;
    if (actions.apres_chargement) {
        actions.apres_chargement();
    }
    emit etat.annonces.journal_charge();
}

bool demander_sauvegarde(Etat& etat, Dialogues& dialogues) {
    if (!etat.fichier_modifie) {
        return true;
    }
    const Reponse reponse = dialogues.question(
        QStringLiteral("Le fichier a été modifié. Voulez-vous l'enregistrer ?"), true);
    if (reponse == Reponse::non) {
        return true;
    }
    if (reponse == Reponse::annuler) {
        return false;
    }
    try {
        sauver_fichier(etat, etat.fichier_courant);
    } catch (const Erreur& e) {
        dialogues.message(TypeMessage::erreur, e.message());
    }
    return !etat.fichier_modifie;
}

} // namespace vorek
