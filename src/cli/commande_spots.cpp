#include "contexte_cli.h"
#include "textes_cli.h"

#include "base/erreur.h"
#include "base/horloge.h"
#include "cluster/carte_bandes.h"
#include "cluster/connexion_cluster.h"
#include "cluster/reglages_cluster.h"
#include "cluster/textes_cluster.h"
#include "entry/saisie.h"
#include "refdata/referentiel.h"
#include "rig/reglages_rig.h"

#include <QEventLoop>
#include <QTimer>

namespace vorek {

namespace {

// The system's clock moved to the tool's today, as the entry's deferred time is in apercu.
class HorlogeDuJour : public Horloge {
  public:
    explicit HorlogeDuJour(QDate aujourdhui)
        : jours_(systeme_.maintenant_local().date().daysTo(aujourdhui)) {}
    QDateTime maintenant_local() const override {
        return systeme_.maintenant_local().addDays(jours_);
    }
    QDateTime maintenant_utc() const override { return systeme_.maintenant_utc().addDays(jours_); }
    std::optional<int> biais_fuseau_minutes() const override {
        return systeme_.biais_fuseau_minutes();
    }

  private:
    HorlogeSysteme systeme_;
    qint64 jours_;
};

AccesCluster acces(const ArgumentsLus& options) {
    const QString& texte = options.positionnels[0];
    const std::optional<HotePort> adresse = lire_hote_port(texte, ReglagesCluster::port_par_defaut);
    if (!adresse) {
        throw ErreurUsage{textes_cluster::adresse_incorrecte().arg(texte)};
    }
    const QString indicatif = options.valeur(QStringLiteral("--indicatif")).trimmed();
    if (indicatif.isEmpty()) {
        throw ErreurUsage{textes_cluster::indicatif_manquant()};
    }
    return {adresse->hote, adresse->port, indicatif.toUpper(), {}};
}

int duree_secondes(const ArgumentsLus& options) {
    const QString texte = options.valeur(QStringLiteral("--duree"), QStringLiteral("60"));
    bool ok = false;
    const int duree = texte.toInt(&ok);
    if (!ok || duree < 0 || duree > 24 * 3600) {
        throw ErreurUsage{textes_cli::valeur_incorrecte().arg(QStringLiteral("--duree"), texte)};
    }
    return duree;
}

void ecrire_spot(ContexteCli& contexte, const SpotCarte& s) {
    contexte.sortie << s.bande << '\t' << texte_khz(s.spot.frequence_hz) << '\t' << s.spot.indicatif
                    << '\t' << s.membre_numero << '\t' << s.apercu.points << '\t' << s.apercu.raison
                    << '\n';
    contexte.sortie.flush();
}

} // namespace

// The spots of a cluster during a while, each with what a QSO with it would score now
// against the log given, as the band map shows them.
int commande_spots(ContexteCli& contexte) {
    const ArgumentsLus& options = contexte.arguments;
    const AccesCluster acces_cluster = acces(options);
    const int duree = duree_secondes(options);
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    if (options.contient(QStringLiteral("--journal"))) {
        charger_pour_cli(contexte, referentiel, options.valeur(QStringLiteral("--journal")));
    }
    const HorlogeDuJour horloge(contexte.aujourdhui);
    EntreeQSO entree(contexte.etat, referentiel, horloge, contexte.dialogues);
    CarteBandes carte(entree, horloge);
    carte.fixer_filtre({options.contient(QStringLiteral("--cw")),
                        options.contient(QStringLiteral("--membres")),
                        ReglagesCluster::duree_par_defaut});
    ConnexionCluster connexion;
    QEventLoop boucle;
    QString erreur;
    bool ouverte = false;
    QObject::connect(&connexion, &ConnexionCluster::etat_change, &boucle,
                     [&](bool connectee) { ouverte = ouverte || connectee; });
    QObject::connect(&connexion, &ConnexionCluster::echec, &boucle, [&](const QString& cause) {
        // Once logged in, a loss is tried again as the window does; never reached is an error.
        if (!ouverte) {
            erreur = textes_cluster::connexion_impossible().arg(acces_cluster.adresse(), cause);
            boucle.quit();
        }
    });
    QObject::connect(&connexion, &ConnexionCluster::spot_recu, &boucle, [&](const Spot& spot) {
        if (const std::optional<SpotCarte> s = carte.ajouter(spot)) {
            ecrire_spot(contexte, *s);
        }
    });
    QTimer::singleShot(std::chrono::seconds(duree), &boucle, &QEventLoop::quit);
    connexion.demarrer(acces_cluster);
    boucle.exec();
    connexion.arreter();
    if (!erreur.isEmpty()) {
        throw Erreur(erreur);
    }
    avertir_base_membres_absente(contexte, !referentiel.membres.presente());
    return 0;
}

} // namespace vorek
