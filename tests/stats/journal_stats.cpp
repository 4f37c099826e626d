#include "journal_stats.h"

#include "base/erreur.h"
#include "refdata/referentiel.h"
#include "rules/score.h"

using namespace vorek;

JournalStats::JournalStats() {
    ecrire_dxcc();
    ecrire_membres();
    Station& s = etat.station;
    s.station_call = QStringLiteral("F1AAA");
    s.nom_saisi = QStringLiteral("Jean Essai");
    s.station_adresse1 = QStringLiteral("1 rue du Test");
    s.station_adresse2 = QStringLiteral("75001 PARIS");
    s.station_nr_club = QStringLiteral("4321");
    s.station_email = QStringLiteral("f1aaa@example.fr");
    s.email_saisi = s.station_email;
}

void JournalStats::remplir(const QStringList& descriptions) {
    for (const QString& description : descriptions) {
        ajouter(ligne_decrite(description));
    }
}

void JournalStats::noter(const QString& bande_entree) {
    const Referentiel referentiel(etat.rep_cfg, etat.rep_BD);
    try {
        calculer_score(etat, referentiel, bande_entree, QStringLiteral("2025"));
    } catch (const Erreur&) {
    }
}

QStringList JournalStats::journal_connu() {
    return {
        "01/07/2025;10:15;F5ABC;20m", "01/07/2025;10:40;DL1AA;40m", "01/07/2025;11:05;K1ZZ;20m",
        "02/07/2025;09:00;F5ABC;40m", "02/07/2025;09:30;X1XX;20m",  "02/07/2025;09:45;F8ZTC;80m",
        "03/07/2025;12:00;JA1AA;15m", "30/06/2025;23:00;K1ZZ;40m",  "03/07/2025;13:00;DL1AA;1,2m",
        "xx/07/2025;10:00;F5ABC;20m",
    };
}
