#include "poste_essai.h"
#include "qso_hasard.h"

#include "adif_import/import_adif.h"
#include "base/erreur.h"
#include "entry/chargement.h"
#include "entry/index_journal.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "logedit/edition_grille.h"
#include "logedit/tri.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace vorek;

// The entry's indexes follow every kind of change of the log table: after each, the index
// of rows and the preview and partial check of several QSOs equal those of an entry built
// afresh on the same log.
class TstIndexSaisie : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void index_comme_neufs();

  private:
    void changer(PosteEssai& p, QsoHasard& h);
    void comparer_a_une_entree_neuve(PosteEssai& p, QsoHasard& h);
};

// Each change saves the log: on a memory file system its flushes take no time.
void TstIndexSaisie::initTestCase() {
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
        qputenv("TMPDIR", "/dev/shm");
    }
}

void TstIndexSaisie::changer(PosteEssai& p, QsoHasard& h) {
    Etat& etat = p.d.etat;
    const int ligne = int(h.g.bounded(1, std::max(etat.ligne_suivante, 2)));
    switch (h.g.bounded(12)) {
    case 0:
    case 1:
        h.saisir(p.entree);
        p.entree.BitBtn_validerClick();
        break;
    case 2:
        if (transferer_ligne(p.entree, ligne)) {
            h.saisir(p.entree);
            p.entree.BitBtn_validerClick();
        }
        break;
    case 3:
        inserer_ligne(p.entree, ligne);
        h.saisir(p.entree);
        p.entree.BitBtn_validerClick();
        break;
    case 4:
        p.dialogues.prevoir_reponse(Reponse::oui);
        effacer_ligne(p.entree, ligne);
        break;
    case 5:
        trier_par_indicatif(etat);
        break;
    case 6:
        trier_par_date(etat);
        extraire_membres(etat);
        break;
    case 7: {
        sauver_fichier(etat, QStringLiteral("INDEX.VRK"));
        charger_fichier(etat, chemin_dans_challenge(etat, QStringLiteral("INDEX.VRK")),
                        actions_chargement(p.entree));
        break;
    }
    case 8: {
        CellulesJournal qso(nb_colonnes_journal);
        for (int i = int(h.g.bounded(5)); i > 0; --i) {
            qso.ajouter(h.ligne());
        }
        fusionner_import(etat, qso, h.g.bounded(2) ? ModeImport::ajout : ModeImport::remplacement);
        break;
    }
    case 9:
        // Typed in the grid: any cell, any text.
        etat.table.setData(etat.table.index_cellule(int(h.g.bounded(10)), ligne),
                           h.choisir(h.ligne()));
        break;
    case 10:
        p.entree.BitBtn_calculClick();
        break;
    default:
        if (h.g.bounded(2)) {
            QFile::remove(p.d.chemin_membres());
        } else {
            p.d.ecrire_membres();
        }
        etat.table.fixer_nb_lignes(etat.table.nb_lignes() + int(h.g.bounded(-1, 2)));
    }
}

void TstIndexSaisie::comparer_a_une_entree_neuve(PosteEssai& p, QsoHasard& h) {
    EntreeQSO neuve(p.d.etat, p.referentiel, p.horloge, p.dialogues);
    QVERIFY(neuve.index_journal() == p.entree.index_journal());
    for (int question = 0; question < 3; ++question) {
        h.saisir(p.entree);
        neuve.Edit_call = p.entree.Edit_call;
        neuve.Edit_NrZTC = p.entree.Edit_NrZTC;
        neuve.index_bande = p.entree.index_bande;
        neuve.texte_bande = p.entree.texte_bande;
        neuve.DateTimePicker_date = p.entree.DateTimePicker_date;
        neuve.DateTimePicker_time = p.entree.DateTimePicker_time;
        QCOMPARE(p.entree.apercu_QSO(), neuve.apercu_QSO());
        QCOMPARE(p.entree.liste_partielle(), neuve.liste_partielle());
    }
}

void TstIndexSaisie::index_comme_neufs() {
    PosteEssai p;
    QsoHasard h(20250801);
    for (int i = 0; i < 12; ++i) {
        p.d.ajouter(h.ligne());
    }
    for (int essai = 0; essai < 1500; ++essai) {
        try {
            changer(p, h);
        } catch (const Erreur&) {
            // A file that does not read or write changes nothing of the table.
        }
        if (p.d.etat.table.nb_lignes() > 60) {
            p.d.etat.table.remplacer_lignes({});
            p.d.etat.ligne_suivante = 1;
        }
        comparer_a_une_entree_neuve(p, h);
        if (QTest::currentTestFailed()) {
            qWarning() << "essai" << essai;
            return;
        }
    }
}

QTEST_GUILESS_MAIN(TstIndexSaisie)
#include "tst_index_saisie.moc"
