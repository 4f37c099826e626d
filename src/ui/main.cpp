#include "log/etat.h"

#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QTableView>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Challenge_VOREK"));
    vorek::Etat etat;
    etat.fixer_rep_programme(QCoreApplication::applicationDirPath());
    etat.version_prog = vorek::texte_version_prog(vorek::version_programme());
    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Challenge d'été VOREK  : Fichier SANS NOM "));
    auto* grille = new QTableView(&fenetre);
    grille->setObjectName(QStringLiteral("Grille"));
    grille->setModel(&etat.table);
    fenetre.setCentralWidget(grille);
    fenetre.resize(1505, 918);
    fenetre.show();
    return application.exec();
}
