#include "journal_rempli.h"

void remplir_journal(vorek::Etat& etat, const QList<QStringList>& lignes) {
    etat.table.fixer_nb_lignes(int(lignes.size()) + 2);
    for (int i = 0; i < lignes.size(); ++i) {
        etat.table.fixer_ligne(i + 1, lignes[i]);
    }
    etat.ligne_suivante = int(lignes.size()) + 1;
}
