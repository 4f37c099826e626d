#include "parametres_fenetres.h"

#include "app/geometrie_ecran.h"
#include "app/parametres.h"
#include "contexte.h"
#include "log/erreur.h"
#include "tform_choix_adif.h"
#include "tform_infos.h"
#include "tform_main.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>

namespace vorek {

namespace {

Geometrie geometrie(const QWidget* fenetre) {
    return {fenetre->width(), fenetre->y(), fenetre->x(), fenetre->height()};
}

// The available areas (task bars left out), the primary screen first.
QList<QRect> zones_ecrans() {
    QList<QRect> zones;
    QScreen* primaire = QGuiApplication::primaryScreen();
    if (primaire != nullptr) {
        zones.append(primaire->availableGeometry());
    }
    for (const QScreen* ecran : QGuiApplication::screens()) {
        if (ecran != primaire) {
            zones.append(ecran->availableGeometry());
        }
    }
    return zones;
}

// What the window manager adds around the window: known once it is shown, otherwise a
// generous guess (a title bar of two text lines), so that its lowest buttons stay in reach.
QMargins cadre(const QWidget* fenetre) {
    const QRect dedans = fenetre->geometry();
    const QRect dehors = fenetre->frameGeometry();
    if (fenetre->isVisible() && dehors != dedans) {
        return {dedans.left() - dehors.left(), dedans.top() - dehors.top(),
                dehors.right() - dedans.right(), dehors.bottom() - dedans.bottom()};
    }
    constexpr int bord = 4;
    return {bord, 2 * QFontMetrics(QApplication::font()).height() + bord, bord, bord};
}

void placer(QWidget* fenetre, const Geometrie& g) {
    const Geometrie a =
        ajuster_geometrie(g, zones_ecrans(), cadre(fenetre), fenetre->minimumSizeHint());
    fenetre->move(a.gauche, a.haut);
    fenetre->resize(a.largeur, a.hauteur);
}

// The band shown when the program last closed; a band typed that is no item is not kept.
QString bande_choisie(const TForm_main* principale) {
    const QComboBox* bandes = principale->ComboBox_band;
    return bandes->findText(bandes->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0
               ? bandes->currentText()
               : QString();
}

} // namespace

void ajuster_a_l_ecran(QWidget* fenetre) {
    placer(fenetre, geometrie(fenetre));
}

void lire_parametres_fenetres(Contexte& contexte) {
    TableJournal& table = contexte.etat.table;
    const Parametres p = lire_parametres(chemin_parametres(contexte.etat), table.nb_colonnes());
    placer(contexte.Form_main, p.form_main);
    placer(contexte.Form_Infos, p.form_infos);
    placer(contexte.Form_choix_ADIF, p.form_choix_ADIF);
    if (p.largeurs_enregistrees) {
        for (int col = 0; col < p.largeurs_colonnes.size(); ++col) {
            table.fixer_largeur(col, p.largeurs_colonnes[col]);
        }
    } else {
        // The grid gives each width back to the log table, which stores it from now on.
        contexte.Form_main->Grille->resizeColumnsToContents();
    }
    contexte.Form_Infos->Edit_email->setText(p.email);
}

bool ecrire_parametres_fenetres(Contexte& contexte) {
    const Etat& etat = contexte.etat;
    Parametres p;
    p.form_main = geometrie(contexte.Form_main);
    p.form_infos = geometrie(contexte.Form_Infos);
    p.form_choix_ADIF = geometrie(contexte.Form_choix_ADIF);
    p.largeurs_colonnes = etat.table.largeurs();
    p.email = contexte.Form_Infos->Edit_email->text();
    if (!etat.fichier_courant.isEmpty()) {
        p.dernier_fichier =
            QFileInfo(chemin_dans_challenge(etat, etat.fichier_courant)).absoluteFilePath();
    }
    p.derniere_bande = bande_choisie(contexte.Form_main);
    try {
        ecrire_parametres(chemin_parametres(etat), p);
        return true;
    } catch (const Erreur& e) {
        contexte.dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
}

void reprendre_derniere_seance(Contexte& contexte) {
    const Parametres p =
        lire_parametres(chemin_parametres(contexte.etat), contexte.etat.table.nb_colonnes());
    QComboBox* bandes = contexte.Form_main->ComboBox_band;
    const int bande = bandes->findText(p.derniere_bande, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (bande >= 0) {
        bandes->setCurrentIndex(bande);
    }
    // A file moved or deleted since is no error: the station window simply asks for one.
    if (!p.dernier_fichier.isEmpty() && QFileInfo(p.dernier_fichier).isFile()) {
        contexte.Form_Infos->charger(p.dernier_fichier);
    }
}

} // namespace vorek
