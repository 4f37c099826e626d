#include "correction.h"

#include "lecture_compte_rendu.h"
#include "parallele.h"
#include "rapport_station.h"
#include "recoupement.h"
#include "resultats.h"
#include "score_station.h"
#include "textes_correction.h"

#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "refdata/referentiel.h"
#include "rules/textes_regles.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <map>
#include <memory>

namespace vorek {

namespace {

bool arrete(const std::atomic_bool* annuler) {
    return annuler != nullptr && annuler->load();
}

void signaler(const SuiviCorrection& suivi, Etape etape, qint64 fait, qint64 total) {
    if (suivi) {
        suivi({etape, fait, total});
    }
}

QString forme_comparable(const QString& chemin) {
    const QFileInfo info(chemin);
    const QString canonique = info.canonicalFilePath();
    return (canonique.isEmpty() ? info.absoluteFilePath() : canonique).toLower();
}

// One report per station (its base call): of two, the one modified last, or the later name
// for equal times.
std::vector<CompteRendu> un_par_station(std::vector<CompteRendu> lus,
                                        std::vector<FichierEcarte>& ecartes) {
    std::map<QString, std::vector<CompteRendu>> par_base;
    for (CompteRendu& cr : lus) {
        par_base[indicatif_de_base(cr.indicatif)].push_back(std::move(cr));
    }
    std::vector<CompteRendu> retenus;
    for (auto& [base, liste] : par_base) {
        std::sort(liste.begin(), liste.end(), [](const CompteRendu& a, const CompteRendu& b) {
            return std::make_pair(a.modification, a.fichier) <
                   std::make_pair(b.modification, b.fichier);
        });
        for (size_t i = 0; i + 1 < liste.size(); ++i) {
            ecartes.push_back(
                {liste[i].fichier, textes_correction::refus_remplace(liste.back().fichier)});
        }
        retenus.push_back(std::move(liste.back()));
    }
    return retenus;
}

void renumeroter(CompteRendu& cr, const std::vector<qint32>& numeros) {
    for (QsoCabrillo& q : cr.qsos) {
        for (qint32* n : {&q.indicatif, &q.envoye, &q.recu, &q.date, &q.heure}) {
            *n = numeros[size_t(*n)];
        }
    }
}

int annee_des_qso(const std::vector<CompteRendu>& comptes_rendus, const QDate& aujourdhui) {
    constexpr qint64 minutes_par_jour = 24 * 60;
    std::map<int, qint64> annees;
    for (const CompteRendu& cr : comptes_rendus) {
        for (const QsoCabrillo& q : cr.qsos) {
            ++annees[QDate::fromJulianDay(q.minute / minutes_par_jour).year()];
        }
    }
    int annee = aujourdhui.isValid() ? aujourdhui.year() : QDate::currentDate().year();
    qint64 plus = 0;
    for (const auto& [a, nombre] : annees) {
        if (nombre >= plus) {
            annee = a;
            plus = nombre;
        }
    }
    return annee;
}

StationCorrigee corriger_station(const CompteRendu& cr, int station, const Recoupement& r,
                                 const ConditionsCorrection& conditions) {
    StationCorrigee s;
    s.indicatif = cr.indicatif;
    s.nom = cr.nom;
    s.fichier = cr.fichier;
    const ScoreStation revendique = scorer_station(cr, conditions);
    s.qso_revendiques = revendique.qso;
    s.points_revendiques = revendique.points;
    const auto categorie = [&](size_t i) {
        return r.resultat(r.global(station, qsizetype(i))).categorie;
    };
    for (size_t i = 0; i < cr.qsos.size(); ++i) {
        const ResultatQso& resultat = r.resultat(r.global(station, qsizetype(i)));
        s.absents += resultat.categorie == Categorie::absent;
        s.indicatifs_errones += resultat.categorie == Categorie::indicatif_errone;
        s.numeros_errones += resultat.categorie == Categorie::numero_errone;
        s.non_verifiables += resultat.categorie == Categorie::non_verifiable;
        s.uniques += resultat.unique;
    }
    // The lines taken out count as never logged.
    const ScoreStation verifie = s.absents + s.indicatifs_errones + s.numeros_errones == 0
                                     ? revendique
                                     : scorer_station(cr, conditions, [&](size_t i) {
                                           const Categorie c = categorie(i);
                                           return c != Categorie::absent &&
                                                  c != Categorie::indicatif_errone &&
                                                  c != Categorie::numero_errone;
                                       });
    s.qso_verifies = verifie.qso;
    s.points_verifies = verifie.points;
    return s;
}

void classer(std::vector<StationCorrigee>& stations) {
    std::sort(stations.begin(), stations.end(),
              [](const StationCorrigee& a, const StationCorrigee& b) {
                  return std::make_pair(-a.points_verifies, a.indicatif) <
                         std::make_pair(-b.points_verifies, b.indicatif);
              });
    for (size_t i = 0; i < stations.size(); ++i) {
        const bool ex_aequo =
            i > 0 && stations[i].points_verifies == stations[i - 1].points_verifies;
        stations[i].rang = ex_aequo ? stations[i - 1].rang : int(i) + 1;
    }
}

// Names taken once: two calls that differ only by a sign a file name cannot hold get
// their own files.
void nommer_rapports(std::vector<StationCorrigee>& stations) {
    QSet<QString> pris;
    for (StationCorrigee& s : stations) {
        const QString nom = nom_rapport_station(s.indicatif);
        s.fichier_rapport = nom;
        for (int n = 2; pris.contains(s.fichier_rapport.toLower()); ++n) {
            s.fichier_rapport = nom.chopped(4) + QStringLiteral("_%1.txt").arg(n);
        }
        pris.insert(s.fichier_rapport.toLower());
    }
}

class Ecriture {
  public:
    Ecriture(const QString& dossier, const QSet<QString>& entrees)
        : dossier_(dossier), entrees_(entrees) {}

    void lignes(const QString& nom, const QStringList& lignes) {
        ecrire_lignes(chemin(nom), lignes);
    }
    void octets(const QString& nom, const QByteArray& octets) {
        ecrire_octets_fichier(chemin(nom), octets);
    }

  private:
    // A result is never written over a report, whatever link leads there.
    QString chemin(const QString& nom) const {
        const QString c = QDir(dossier_).filePath(nom);
        if (entrees_.contains(forme_comparable(c))) {
            throw Erreur(textes_correction::ecrasement_refuse(c));
        }
        return c;
    }
    QString dossier_;
    const QSet<QString>& entrees_;
};

void ecrire_resultats(BilanCorrection& bilan, const DossierLu& lecture,
                      const Recoupement& recoupement) {
    if (!QDir().mkpath(bilan.sortie)) {
        throw Erreur(textes_correction::sortie_impossible(bilan.sortie));
    }
    Ecriture ecriture(bilan.sortie, lecture.entrees);
    nommer_rapports(bilan.stations);
    en_parallele(
        qint64(bilan.stations.size()),
        [&](qint64 s, int) {
            ecriture.lignes(bilan.stations[size_t(s)].fichier_rapport,
                            lignes_rapport_station(lecture.comptes_rendus, int(s),
                                                   bilan.stations[size_t(s)], recoupement,
                                                   bilan.annee));
        },
        {}, nullptr);
    classer(bilan.stations);
    ecriture.octets(QStringLiteral("resultats.csv"), csv_resultats(bilan));
    ecriture.octets(QStringLiteral("resultats.html"), page_resultats(bilan));
}

} // namespace

DossierLu lire_comptes_rendus(const OptionsCorrection& options, Dictionnaire& dictionnaire,
                              const SuiviCorrection& suivi, const std::atomic_bool* annuler) {
    const QDir dossier(options.dossier);
    if (options.dossier.isEmpty() || !dossier.exists()) {
        throw Erreur(textes_correction::dossier_introuvable(options.dossier));
    }
    // Name filters compare without regard to case, as the program compares file names.
    const QFileInfoList fichiers = dossier.entryInfoList(
        {QStringLiteral("*.log"), QStringLiteral("*.cbr")}, QDir::Files | QDir::Hidden, QDir::Name);
    const qint64 n = fichiers.size();
    // Each thread reads with a dictionary of its own, merged into the run's afterwards.
    std::vector<Dictionnaire> dictionnaires(size_t(nombre_de_fils() - 1));
    std::vector<LecteurComptesRendus> lecteurs{LecteurComptesRendus(dictionnaire)};
    for (Dictionnaire& d : dictionnaires) {
        lecteurs.emplace_back(d);
    }
    std::vector<LectureCompteRendu> lus(static_cast<size_t>(n));
    std::vector<int> fils(size_t(n), 0);
    signaler(suivi, Etape::lecture, 0, n);
    en_parallele(
        n,
        [&](qint64 i, int fil) {
            lus[size_t(i)] = lecteurs[size_t(fil)].lire(fichiers[i].filePath());
            fils[size_t(i)] = fil;
        },
        [&](qint64 faits) { signaler(suivi, Etape::lecture, faits, n); }, annuler);
    std::vector<std::vector<qint32>> numeros(dictionnaires.size() + 1);
    for (size_t d = 0; d < dictionnaires.size(); ++d) {
        numeros[d + 1] = dictionnaire.fusionner(dictionnaires[d]);
    }
    DossierLu lecture;
    std::vector<CompteRendu> retenus;
    for (qint64 i = 0; i < n; ++i) {
        lecture.entrees.insert(forme_comparable(fichiers[i].filePath()));
        LectureCompteRendu& lu = lus[size_t(i)];
        if (lu.compte_rendu) {
            if (fils[size_t(i)] > 0) {
                renumeroter(*lu.compte_rendu, numeros[size_t(fils[size_t(i)])]);
            }
            retenus.push_back(std::move(*lu.compte_rendu));
        } else if (!lu.refus.isEmpty()) {
            lecture.ecartes.push_back({fichiers[i].fileName(), lu.refus});
        }
    }
    signaler(suivi, Etape::lecture, n, n);
    lecture.comptes_rendus = un_par_station(std::move(retenus), lecture.ecartes);
    return lecture;
}

std::function<bool(const QString&)> membre_connu(const Referentiel& referentiel) {
    return [&referentiel](const QString& indicatif) {
        const ResultatMembre m = referentiel.membres.chercher_membre(indicatif);
        return m.base_trouvee && m.membre_numero != textes::non_membre();
    };
}

QString nom_rapport_station(const QString& indicatif) {
    QString nom;
    for (const QChar c : indicatif) {
        if (c == QLatin1Char('/')) {
            nom += QLatin1Char('-');
        } else if (c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('-'))) {
            nom += c;
        } else {
            nom += QLatin1Char('_');
        }
    }
    return nom + QStringLiteral(".txt");
}

BilanCorrection corriger_comptes_rendus(const OptionsCorrection& options,
                                        const Referentiel& referentiel,
                                        const SuiviCorrection& suivi,
                                        const std::atomic_bool* annuler) {
    BilanCorrection bilan;
    Dictionnaire dictionnaire;
    DossierLu lecture = lire_comptes_rendus(options, dictionnaire, suivi, annuler);
    bilan.ecartes = lecture.ecartes;
    bilan.annee = options.annee > 0 ? options.annee
                                    : annee_des_qso(lecture.comptes_rendus, options.aujourdhui);
    bilan.sortie = options.sortie.isEmpty()
                       ? QDir(options.dossier).filePath(QStringLiteral("correction"))
                       : options.sortie;
    const std::vector<CompteRendu>& comptes_rendus = lecture.comptes_rendus;
    Recoupement recoupement(comptes_rendus, dictionnaire, options.tolerance_minutes,
                            membre_connu(referentiel));
    if (arrete(annuler) ||
        !recoupement.executer(
            [&suivi](qint64 fait, qint64 total) { signaler(suivi, Etape::paires, fait, total); },
            annuler)) {
        bilan.annule = true;
        return bilan;
    }
    // The reference files' indexes belong to one thread: each other one has its own.
    std::vector<std::unique_ptr<Referentiel>> copies;
    for (int fil = 1; fil < nombre_de_fils(); ++fil) {
        copies.push_back(
            std::make_unique<Referentiel>(QFileInfo(referentiel.pays.chemin()).path(),
                                          QFileInfo(referentiel.membres.chemin()).path()));
    }
    const PeriodeConcours periode = periode_concours(QDate(bilan.annee, 7, 1));
    const QString annee = QString::number(bilan.annee);
    const qint64 n = qint64(comptes_rendus.size());
    bilan.stations.resize(size_t(n));
    signaler(suivi, Etape::scores, 0, n);
    en_parallele(
        n,
        [&](qint64 s, int fil) {
            const ConditionsCorrection conditions{fil == 0 ? referentiel : *copies[size_t(fil - 1)],
                                                  dictionnaire, periode, annee};
            bilan.stations[size_t(s)] =
                corriger_station(comptes_rendus[size_t(s)], int(s), recoupement, conditions);
        },
        [&](qint64 faits) { signaler(suivi, Etape::scores, faits, n); }, annuler);
    if (arrete(annuler)) {
        bilan.stations.clear();
        bilan.annule = true;
        return bilan;
    }
    signaler(suivi, Etape::scores, n, n);
    bilan.base_membres_absente = !referentiel.membres.presente();
    if (!bilan.stations.empty()) {
        ecrire_resultats(bilan, lecture, recoupement);
    }
    return bilan;
}

} // namespace vorek
