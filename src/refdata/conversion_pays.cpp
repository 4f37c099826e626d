#include "refdata/conversion_pays.h"

#include "log/erreur.h"
#include "log/fichier_texte.h"
#include "refdata/noms_fichiers.h"
#include "refdata/suivi_fichier.h"
#include "refdata/texte.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>

namespace vorek {

namespace {

constexpr int lignes_entete_pays = 4;

// Text before the first separator, trimmed, removed from the record with its separator.
// With no separator the field is empty and the record stays as it is.
QString prendre_champ(QStringView& record, QChar separateur) {
    const qsizetype position = record.indexOf(separateur);
    if (position < 0) {
        return {};
    }
    const QString champ = rogner(record.left(position).toString());
    record = record.sliced(position + 1);
    return champ;
}

// Zone overrides such as (14) or [8]: three characters from the opening mark, then the
// closing mark if one is left.
void oter_marque(QString& entree, QChar ouvrante, QChar fermante) {
    const qsizetype position = entree.indexOf(ouvrante);
    if (position < 0) {
        return;
    }
    entree.remove(position, 3);
    const qsizetype fin = entree.indexOf(fermante);
    if (fin >= 0) {
        entree.remove(fin, 1);
    }
}

QString nettoyer_entree(QString entree) {
    oter_marque(entree, QLatin1Char('('), QLatin1Char(')'));
    oter_marque(entree, QLatin1Char('['), QLatin1Char(']'));
    return entree;
}

// The next entry of the prefix list; false once the list (up to the ";") is used up.
bool prochaine_entree(QStringView& record, QString& entree) {
    if (record == u";") {
        return false;
    }
    if (record.contains(QLatin1Char(','))) {
        entree = prendre_champ(record, QLatin1Char(','));
        return true;
    }
    const qsizetype fin = record.indexOf(QLatin1Char(';'));
    if (fin < 0) {
        return false;
    }
    entree = rogner(record.left(fin).toString());
    record = record.sliced(fin);
    return true;
}

// The DXCC list has no quoting; a comma inside a field (some entity names have one) would
// shift the prefix and continent fields of every line of that entity.
QString sans_virgule(QString champ) {
    return champ.replace(QLatin1Char(','), QLatin1Char(';'));
}

void ajouter_entite(QStringList& entites, qsizetype& ajoutees, const QString& prefixe) {
    if (ajoutees == 0 || entites.constLast() != prefixe) {
        entites.append(prefixe);
        ++ajoutees;
    }
}

void traiter_record(QStringView record, ConversionPays& resultat, qsizetype& ajoutees) {
    const qsizetype adif = record.indexOf(u"ADIF");
    record = record.sliced(std::min(record.size(), adif < 0 ? qsizetype(4) : adif + 5));
    const qsizetype fin_ligne = record.indexOf(QLatin1Char('\r'));
    const qsizetype fin_code = fin_ligne < 0 ? record.indexOf(QLatin1Char('\n')) : fin_ligne;
    const QString code_adif =
        sans_virgule(rogner(record.left(std::max(fin_code, qsizetype(0))).toString()));
    record = record.sliced(record.indexOf(QLatin1Char('\n')) + 1);
    const QString nom = sans_virgule(prendre_champ(record, QLatin1Char(':')));
    prendre_champ(record, QLatin1Char(':'));
    prendre_champ(record, QLatin1Char(':'));
    const QString continent = sans_virgule(prendre_champ(record, QLatin1Char(':')));
    for (int i = 0; i < 3; ++i) {
        prendre_champ(record, QLatin1Char(':'));
    }
    QString primaire = prendre_champ(record, QLatin1Char(':'));
    primaire.remove(0, primaire.indexOf(QLatin1Char('*')) + 1);
    primaire = sans_virgule(primaire);
    QString entree;
    while (prochaine_entree(record, entree)) {
        entree = nettoyer_entree(entree);
        if (entree.contains(QLatin1Char('='))) {
            continue;
        }
        const QString cle = entree.isEmpty() ? primaire : entree;
        resultat.lignes_dxcc.append(
            QStringList{cle, nom, primaire, continent, code_adif}.join(QLatin1Char(',')));
        ajouter_entite(resultat.entites, ajoutees, primaire);
    }
}

bool est_commentaire(const QString& ligne) {
    return rogner(ligne).startsWith(QLatin1Char('#'));
}

void remplacer_fichier(const QString& chemin, const QStringList& lignes) {
    const QString temporaire = chemin + QStringLiteral(".tmp");
    try {
        ecrire_lignes(temporaire, lignes);
    } catch (const Erreur&) {
        QFile::remove(temporaire);
        throw;
    }
    errno = 0;
    if (std::rename(QFile::encodeName(temporaire).constData(),
                    QFile::encodeName(chemin).constData()) != 0) {
        const int code = errno;
        QFile::remove(temporaire);
        throw Erreur(message_erreur_es(code));
    }
}

} // namespace

ConversionPays convertir_lignes_pays(const QStringList& lignes) {
    ConversionPays resultat;
    qsizetype ajoutees = 0;
    QString record;
    // Past the line that carries the record's "ADIF" marker come the entity line and the
    // prefixes; a comment line there names a region and is no part of any entry.
    bool apres_adif = false;
    for (qsizetype i = lignes_entete_pays; i < lignes.size(); ++i) {
        const QString& ligne = lignes.at(i);
        if (apres_adif && est_commentaire(ligne)) {
            continue;
        }
        for (const QChar c : ligne + QStringLiteral("\r\n")) {
            record.append(c);
            if (c == u';') {
                traiter_record(record, resultat, ajoutees);
                record.clear();
                apres_adif = false;
            }
        }
        apres_adif = apres_adif || record.contains(QLatin1String("ADIF"));
    }
    return resultat;
}

QString chemin_fichier_pays_livre() {
    const QString nom = QStringLiteral("/cty_wt_mod.dat");
    QStringList dossiers;
    if (QCoreApplication::instance() != nullptr) {
        dossiers << QCoreApplication::applicationDirPath() + QStringLiteral("/data");
    }
    dossiers << QStringLiteral(VOREK_DOSSIER_DONNEES);
    for (const QString& dossier : dossiers) {
        if (QFile::exists(dossier + nom)) {
            return dossier + nom;
        }
    }
    return {};
}

QStringList convertir_fichier_pays(const QString& rep_cfg, const std::function<void()>& telecharger,
                                   const QString& fichier_pays_secours) {
    const QString chemin_pays = rep_cfg + QLatin1Char('/') + nom_fichier_pays;
    QString source = trouver_sans_casse(chemin_pays);
    if (source.isEmpty() && telecharger) {
        telecharger();
        source = trouver_sans_casse(chemin_pays);
    }
    if (source.isEmpty() && !fichier_pays_secours.isEmpty()) {
        source = trouver_sans_casse(fichier_pays_secours);
    }
    if (source.isEmpty()) {
        return {};
    }
    const ConversionPays conversion = convertir_lignes_pays(lire_lignes(source));
    remplacer_fichier(rep_cfg + QLatin1Char('/') + nom_liste_dxcc, conversion.lignes_dxcc);
    return conversion.entites;
}

} // namespace vorek
