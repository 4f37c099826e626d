#include "score_suivi.h"

#include "base/erreur.h"
#include "log/etat.h"
#include "refdata/referentiel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace vorek {

SuiviTable& SuiviTable::de(const TableJournal& table) {
    auto* suivi = table.findChild<SuiviTable*>(QString(), Qt::FindDirectChildrenOnly);
    return suivi ? *suivi : *new SuiviTable(table);
}

// A child of the table it follows, so that it lives as long as the table: parenting changes
// nothing of the table's content.
SuiviTable::SuiviTable(const TableJournal& table)
    : QObject(const_cast<TableJournal*>(&table)), table_(table) {
    // The model's rows are the log's rows 1.. shifted by one.
    connect(&table, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& haut, const QModelIndex& bas) {
                if (!memoire_ || ecritures_ > 0) {
                    return;
                }
                for (int ligne = haut.row() + 1; ligne <= bas.row() + 1; ++ligne) {
                    memoire_->ligne_changee(ligne);
                }
            });
    connect(&table, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int premiere, int derniere) {
                if (memoire_) {
                    memoire_->lignes_inserees(premiere + 1, derniere - premiere + 1);
                }
            });
    connect(&table, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int premiere, int derniere) {
                if (memoire_) {
                    memoire_->lignes_supprimees(premiere + 1, derniere - premiere + 1);
                }
            });
    connect(&table, &QAbstractItemModel::modelReset, this, &SuiviTable::oublier);
    connect(&table, &QAbstractItemModel::layoutChanged, this, &SuiviTable::oublier);
    connect(&table, &QAbstractItemModel::columnsInserted, this, &SuiviTable::oublier);
    connect(&table, &QAbstractItemModel::columnsRemoved, this, &SuiviTable::oublier);
    connect(&table, &QAbstractItemModel::rowsMoved, this, &SuiviTable::oublier);
}

void SuiviTable::oublier() {
    memoire_.reset();
    emit memoire_oubliee();
}

MemoireScore& SuiviTable::memoire(const Referentiel& referentiel,
                                  const ConditionsScore& conditions) {
    const SignatureFichier membres = referentiel.membres.signature();
    const SignatureFichier pays = referentiel.pays.signature();
    if (memoire_) {
        // The entry's band weighs only on the rows without a band cell.
        ConditionsScore tenues = memoire_->conditions();
        tenues.bande_selectionnee = conditions.bande_selectionnee;
        if (!(tenues == conditions)) {
            oublier();
        }
    }
    if (!memoire_) {
        memoire_ = std::make_unique<MemoireScore>(table_, referentiel, conditions);
    } else {
        memoire_->utiliser(referentiel);
        memoire_->changer_bande_selectionnee(conditions.bande_selectionnee);
        if (!(membres == membres_) || !(pays == pays_)) {
            memoire_->rafraichir_references(!(membres == membres_), !(pays == pays_));
        }
    }
    membres_ = membres;
    pays_ = pays;
    return *memoire_;
}

ScoreSuivi::ScoreSuivi(const Etat& etat, const Referentiel& referentiel, QObject* parent)
    : QObject(parent), etat_(etat), referentiel_(referentiel) {
    // Without an application there is no idle time to wait for.
    if (!QCoreApplication::instance()) {
        return;
    }
    const auto plus_tard = [this] { QTimer::singleShot(0, this, &ScoreSuivi::preparer); };
    connect(&SuiviTable::de(etat.table), &SuiviTable::memoire_oubliee, this, plus_tard);
    auto* veille = new QFileSystemWatcher(this);
    for (const QString& fichier : {referentiel.membres.chemin(), referentiel.pays.chemin()}) {
        veille->addPath(QFileInfo(fichier).absolutePath());
    }
    connect(veille, &QFileSystemWatcher::directoryChanged, this, plus_tard);
}

ScoreSuivi::~ScoreSuivi() = default;

MemoireScore& ScoreSuivi::memoire(const QString& bande_selectionnee) {
    bande_ = bande_selectionnee;
    const ConditionsScore conditions =
        conditions_score(etat_, bande_selectionnee, !referentiel_.membres.presente());
    return SuiviTable::de(etat_.table).memoire(referentiel_, conditions);
}

Verdict ScoreSuivi::apercu(const CellulesQSO& qso, int ligne, const QString& bande_selectionnee) {
    const OperationReferentiel operation(referentiel_);
    return memoire(bande_selectionnee).juger(qso, std::max(ligne, 1));
}

void ScoreSuivi::preparer() {
    if (!bande_) {
        return;
    }
    const OperationReferentiel operation(referentiel_);
    // The partial check's index is made at its first question after the file was read.
    referentiel_.membres.chercher_fragment(u"", 0);
    try {
        memoire(*bande_).juger_jusqu_a(etat_.table.nb_lignes());
    } catch (const Erreur&) {
        // The preview tells it at the next keystroke.
    }
}

CellulesQSO cellules_lues(const TableJournal& table, const QStringList& ligne) {
    return CellulesQSO::du_texte(ligne, table.nb_colonnes());
}

} // namespace vorek
