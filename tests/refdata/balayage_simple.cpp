#include "balayage_simple.h"

#include "base/fichier_texte.h"
#include "refdata/suivi_fichier.h"

namespace balayage {

using namespace vorek;

namespace {

// Text up to the next separator, removed from the buffer with it; with no separator the
// field is empty and the buffer is left as it is.
QString couper(QString& reste, QChar separateur) {
    const qsizetype position = reste.indexOf(separateur);
    if (position < 0) {
        return {};
    }
    const QString champ = reste.left(position);
    reste.remove(0, position + 1);
    return champ;
}

QString rogner(const QString& texte) {
    QString s = texte;
    while (!s.isEmpty() && s.front().unicode() <= 32) {
        s.remove(0, 1);
    }
    while (!s.isEmpty() && s.back().unicode() <= 32) {
        s.chop(1);
    }
    return s;
}

} // namespace

ResultatPays chercher_dxcc(const QString& chemin, const QString& cle) {
    const QString trouve = trouver_sans_casse(chemin);
    if (trouve.isEmpty()) {
        return {QString(), QString(), false};
    }
    for (const QString& ligne : lire_lignes(trouve)) {
        if (!ligne.contains(QLatin1Char(','))) {
            continue;
        }
        QString reste = ligne + QLatin1Char(',');
        if (couper(reste, QLatin1Char(',')) != cle) {
            continue;
        }
        couper(reste, QLatin1Char(','));
        const QString prefixe = couper(reste, QLatin1Char(','));
        return {prefixe, couper(reste, QLatin1Char(','))};
    }
    return {};
}

ResultatPays trouver_pays(const QString& chemin, const QString& indicatif) {
    ResultatPays resultat;
    for (const QString& candidat : candidats_pays(indicatif)) {
        resultat = chercher_dxcc(chemin, candidat);
        if (!resultat.dxcc_prefixe.isEmpty()) {
            return resultat;
        }
    }
    return resultat;
}

ResultatMembre chercher_membre(const QString& chemin, const QString& indicatif) {
    if (indicatif.isEmpty()) {
        return {};
    }
    const QString cle = rogner(indicatif_de_base(indicatif.toUpper()));
    const QString trouve = trouver_sans_casse(chemin);
    const QStringList lignes = trouve.isEmpty() ? QStringList() : lire_lignes(trouve);
    if (trouve.isEmpty() || !refus_base_membres(lignes).isEmpty()) {
        return {QStringLiteral("NM"), QString(), false};
    }
    QChar separateur = QLatin1Char(',');
    for (const QString& ligne : lignes) {
        if (!ligne.contains(separateur)) {
            separateur = QLatin1Char(';');
        }
        QString reste = ligne;
        QString appel = couper(reste, separateur);
        if (appel.contains(QLatin1Char('+'))) {
            appel.remove(appel.indexOf(QLatin1Char('+')), 1);
        }
        if (rogner(appel) != cle) {
            continue;
        }
        const QString numero = rogner(couper(reste, separateur)).left(4);
        return {numero, rogner(couper(reste, separateur)).left(40), true};
    }
    return {QStringLiteral("NM"), QString(), true};
}

} // namespace balayage
