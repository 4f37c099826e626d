#include "parametres.h"

#include "base/erreur.h"
#include "log/etat.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace vorek {

namespace {

int lire_entier(const QSettings& ini, const QString& cle, int defaut) {
    bool ok = false;
    const int valeur = ini.value(cle).toString().trimmed().toInt(&ok);
    return ok ? valeur : defaut;
}

Geometrie lire_geometrie(const QSettings& ini, const QString& fenetre, const Geometrie& defaut) {
    const QString prefixe = QStringLiteral("Windows/") + fenetre;
    return {lire_entier(ini, prefixe + QLatin1Char('W'), defaut.largeur),
            lire_entier(ini, prefixe + QLatin1Char('T'), defaut.haut),
            lire_entier(ini, prefixe + QLatin1Char('L'), defaut.gauche),
            lire_entier(ini, prefixe + QLatin1Char('H'), defaut.hauteur)};
}

std::optional<Geometrie> lire_place(const QSettings& ini, const QString& fenetre) {
    if (!ini.contains(QStringLiteral("Windows/") + fenetre + QLatin1Char('W'))) {
        return std::nullopt;
    }
    return lire_geometrie(ini, fenetre, {});
}

void ecrire_geometrie(QSettings& ini, const QString& fenetre, const Geometrie& g) {
    const QString prefixe = QStringLiteral("Windows/") + fenetre;
    ini.setValue(prefixe + QLatin1Char('W'), QString::number(g.largeur));
    ini.setValue(prefixe + QLatin1Char('T'), QString::number(g.haut));
    ini.setValue(prefixe + QLatin1Char('L'), QString::number(g.gauche));
    ini.setValue(prefixe + QLatin1Char('H'), QString::number(g.hauteur));
}

void ecrire_place(QSettings& ini, const QString& fenetre, const std::optional<Geometrie>& g) {
    if (g) {
        ecrire_geometrie(ini, fenetre, *g);
    }
}

QString cle_dernier_fichier() {
    return QStringLiteral("Reprise/Fichier");
}

QString cle_derniere_bande() {
    return QStringLiteral("Reprise/Bande");
}

QString cle_colonne(int col) {
    return QStringLiteral("Grille/WCol") + QString::number(col);
}

} // namespace

QString chemin_parametres(const Etat& etat) {
    return etat.rep_cfg + QStringLiteral("/Challenge_VRK.ini");
}

Parametres lire_parametres(const QString& chemin, int nb_colonnes) {
    const QSettings ini(chemin, QSettings::IniFormat);
    Parametres p;
    p.form_main = lire_geometrie(ini, QStringLiteral("Form_main"), p.form_main);
    p.form_infos = lire_geometrie(ini, QStringLiteral("Form_infos"), p.form_infos);
    p.form_choix_ADIF = lire_geometrie(ini, QStringLiteral("Form_choix_ADIF"), p.form_choix_ADIF);
    p.form_infoCR = lire_place(ini, QStringLiteral("Form_infoCR"));
    p.form_statistiques = lire_place(ini, QStringLiteral("Form_statistiques"));
    p.form_verification = lire_place(ini, QStringLiteral("Form_verification"));
    for (int col = 0; col < nb_colonnes; ++col) {
        p.largeurs_colonnes.append(lire_entier(ini, cle_colonne(col), largeur_colonne_parametres));
        p.largeurs_enregistrees = p.largeurs_enregistrees || ini.contains(cle_colonne(col));
    }
    p.email = ini.value(QStringLiteral("My_EMAIL/AD")).toString();
    p.smtp = lire_reglages_smtp(ini);
    p.dernier_fichier = ini.value(cle_dernier_fichier()).toString();
    p.derniere_bande = ini.value(cle_derniere_bande()).toString();
    return p;
}

void ecrire_parametres(const QString& chemin, const Parametres& parametres) {
    QSettings ini(chemin, QSettings::IniFormat);
    ecrire_geometrie(ini, QStringLiteral("Form_main"), parametres.form_main);
    ecrire_geometrie(ini, QStringLiteral("Form_infos"), parametres.form_infos);
    ecrire_geometrie(ini, QStringLiteral("Form_choix_ADIF"), parametres.form_choix_ADIF);
    ecrire_place(ini, QStringLiteral("Form_infoCR"), parametres.form_infoCR);
    ecrire_place(ini, QStringLiteral("Form_statistiques"), parametres.form_statistiques);
    ecrire_place(ini, QStringLiteral("Form_verification"), parametres.form_verification);
    for (int col = 0; col < parametres.largeurs_colonnes.size(); ++col) {
        ini.setValue(cle_colonne(col), QString::number(parametres.largeurs_colonnes[col]));
    }
    ini.setValue(QStringLiteral("My_EMAIL/AD"), parametres.email);
    ecrire_reglages_smtp(ini, parametres.smtp);
    ini.setValue(cle_dernier_fichier(), parametres.dernier_fichier);
    ini.setValue(cle_derniere_bande(), parametres.derniere_bande);
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        throw Erreur(QStringLiteral("Impossible d'enregistrer les paramètres dans le fichier ") +
                     QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath()));
    }
}

std::optional<Geometrie> lire_geometrie_fenetre(const QString& chemin, const QString& fenetre) {
    const QSettings ini(chemin, QSettings::IniFormat);
    if (!ini.contains(QStringLiteral("Windows/") + fenetre + QLatin1Char('W'))) {
        return std::nullopt;
    }
    return lire_geometrie(ini, fenetre, Geometrie{});
}

bool ecrire_geometrie_fenetre(const QString& chemin, const QString& fenetre, const Geometrie& g) {
    QSettings ini(chemin, QSettings::IniFormat);
    ecrire_geometrie(ini, fenetre, g);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

} // namespace vorek
