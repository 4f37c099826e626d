#include "poste_essai.h"

#include "log/fichier_challenge.h"

using namespace vorek;

PosteEssai::PosteEssai()
    : horloge(QDateTime(QDate(2025, 7, 10), QTime(12, 0)), -120),
      referentiel(d.etat.rep_cfg, d.etat.rep_BD), entree(d.etat, referentiel, horloge, dialogues) {
    d.ecrire_dxcc();
    d.ecrire_membres();
    entree.fixer_prefixes({QStringLiteral("DL"), QStringLiteral("F"), QStringLiteral("K")});
    entree.Timer1Timer();
}

void PosteEssai::saisir(const QString& indicatif, const QString& notes) {
    QString tape;
    for (const QChar c : indicatif) {
        tape += c;
        entree.Edit_callChange(tape);
    }
    entree.touche(Champ::ComboBox_band, Touche::espace);
    entree.touche(Champ::Edit_RSTS, Touche::espace);
    entree.touche(Champ::Edit_RSTR, Touche::espace);
    entree.Edit_Notes = notes;
}

QList<QStringList> PosteEssai::lignes_sauvees() const {
    const ContenuChallenge contenu =
        lire_challenge(chemin_dans_challenge(d.etat, d.etat.fichier_courant));
    return contenu.cellules.en_listes().mid(1);
}

QList<QStringList> PosteEssai::lignes_table() const {
    QList<QStringList> lignes;
    for (int r = 1; r < d.etat.table.nb_lignes(); ++r) {
        lignes.append(d.etat.table.ligne(r));
    }
    return lignes;
}
