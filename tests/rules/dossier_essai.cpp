#include "dossier_essai.h"

#include "base/fichier_texte.h"
#include "programme_essai.h"

using namespace vorek;

DossierEssai::DossierEssai(int annee) {
    preparer_programme(etat, dossier.path(), QDate(annee, 3, 15));
    etat.station.station_call = QStringLiteral("F1AAA");
    etat.station.station_continent = QStringLiteral("EU");
    etat.fichier_courant = QStringLiteral("ESSAI.VRK");
}

QString DossierEssai::chemin_dxcc() const {
    return etat.rep_cfg + QStringLiteral("/DXCC.CSV");
}

QString DossierEssai::chemin_membres() const {
    return etat.rep_BD + QStringLiteral("/ZTC_mini_2021.csv");
}

void DossierEssai::ecrire_dxcc(const QStringList& lignes) const {
    ecrire_lignes(chemin_dxcc(), lignes);
}

void DossierEssai::ecrire_membres(const QStringList& lignes) const {
    ecrire_lignes(chemin_membres(), lignes);
}

void DossierEssai::ajouter(const QStringList& cellules) {
    const int ligne = etat.ligne_suivante++;
    etat.table.fixer_nb_lignes(ligne + 2);
    etat.table.fixer_ligne(ligne, cellules);
}

QStringList DossierEssai::ligne_decrite(const QString& description) {
    const QStringList p = description.split(QLatin1Char(';'));
    return {p.value(0),
            p.value(1),
            p.value(2),
            p.value(3),
            QStringLiteral("599"),
            QStringLiteral("599"),
            p.value(4),
            QString(),
            QString(),
            QString()};
}

QStringList DossierEssai::colonne(int col) const {
    QStringList textes;
    for (int r = 1; r < etat.table.nb_lignes(); ++r) {
        textes.append(etat.table.cellule(col, r));
    }
    return textes;
}

QStringList DossierEssai::dxcc_essai() {
    return {QStringLiteral("F,France,F,EU,227"),        QStringLiteral("DL,Germany,DL,EU,230"),
            QStringLiteral("ON,Belgium,ON,EU,209"),     QStringLiteral("K,United States,K,NA,291"),
            QStringLiteral("W,United States,K,NA,291"), QStringLiteral("JA,Japan,JA,AS,339"),
            QStringLiteral("EA8,Canary Is.,EA8,AF,29")};
}

QStringList DossierEssai::membres_essai() {
    return {QStringLiteral("F5ABC,123,Jean Dupont,x"), QStringLiteral("F8ZTC,1,Club VOREK,x"),
            QStringLiteral("DL1AA,456,Hans Meier,x"),  QStringLiteral("K1ZZ,789,Bob Smith,x"),
            QStringLiteral("JA1AA,900,Taro Sato,x"),   QStringLiteral("F6XYZ,,Sans Numero,x"),
            QStringLiteral("ZZ9ZZ,321,Nulle Part,x")};
}
