#include "refdata/conversion_pays.h"

#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "refdata/liste_entites.h"
#include "refdata/noms_fichiers.h"
#include "refdata/suivi_fichier.h"
#include "refdata/texte.h"
#include "refdata/textes_refdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
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

// The DXCC list has no quoting and one line per entry: a comma inside a field (some entity
// names have one) would shift the prefix and continent fields of every line of that
// entity, and a line break inside a field (a damaged file) would split its line.
QString champ_de_liste(QString champ) {
    champ.replace(QLatin1Char(','), QLatin1Char(';'));
    champ.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return champ.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// Far above any field of the real file (names reach 24 characters, entries 39); a longer
// one is no country file, and repeated on every line of its entity it would swell the list.
constexpr qsizetype longueur_champ_max = 64;

bool continent_connu(const QString& continent) {
    static const QStringList continents{
        QStringLiteral("AF"), QStringLiteral("AN"), QStringLiteral("AS"), QStringLiteral("EU"),
        QStringLiteral("NA"), QStringLiteral("OC"), QStringLiteral("SA")};
    return continents.contains(continent);
}

struct Conversion {
    ConversionPays resultat;
    // Lines of entities on a known continent: a file without any is no country file.
    qsizetype reconnues = 0;
};

void ajouter_entite(QStringList& entites, const QString& prefixe) {
    if (entites.isEmpty() || entites.constLast() != prefixe) {
        entites.append(prefixe);
    }
}

bool trop_long(std::initializer_list<const QString*> champs) {
    return std::any_of(champs.begin(), champs.end(),
                       [](const QString* champ) { return champ->size() > longueur_champ_max; });
}

// False when a field is longer than any real one.
bool traiter_record(QStringView record, Conversion& conversion) {
    const qsizetype adif = record.indexOf(u"ADIF");
    record = record.sliced(std::min(record.size(), adif < 0 ? qsizetype(4) : adif + 5));
    const qsizetype fin_ligne = record.indexOf(QLatin1Char('\r'));
    const qsizetype fin_code = fin_ligne < 0 ? record.indexOf(QLatin1Char('\n')) : fin_ligne;
    const QString code_adif =
        champ_de_liste(rogner(record.left(std::max(fin_code, qsizetype(0))).toString()));
    record = record.sliced(record.indexOf(QLatin1Char('\n')) + 1);
    const QString nom = champ_de_liste(prendre_champ(record, QLatin1Char(':')));
    prendre_champ(record, QLatin1Char(':'));
    prendre_champ(record, QLatin1Char(':'));
    const QString continent = champ_de_liste(prendre_champ(record, QLatin1Char(':')));
    for (int i = 0; i < 3; ++i) {
        prendre_champ(record, QLatin1Char(':'));
    }
    QString primaire = prendre_champ(record, QLatin1Char(':'));
    primaire.remove(0, primaire.indexOf(QLatin1Char('*')) + 1);
    primaire = champ_de_liste(primaire);
    if (trop_long({&code_adif, &nom, &continent, &primaire})) {
        return false;
    }
    const bool reconnue = continent_connu(continent) && !primaire.isEmpty();
    QString entree;
    while (prochaine_entree(record, entree)) {
        if (trop_long({&entree})) {
            return false;
        }
        entree = nettoyer_entree(entree);
        if (entree.contains(QLatin1Char('='))) {
            continue;
        }
        const QString cle = entree.isEmpty() ? primaire : champ_de_liste(entree);
        conversion.resultat.lignes_dxcc.append(
            QStringList{cle, nom, primaire, continent, code_adif}.join(QLatin1Char(',')));
        ajouter_entite(conversion.resultat.entites, primaire);
        conversion.reconnues += reconnue ? 1 : 0;
    }
    return true;
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
    Conversion conversion;
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
            if (c != u';') {
                continue;
            }
            if (!traiter_record(record, conversion)) {
                return {{}, {}, textes_refdata::champ_trop_long(i + 1, longueur_champ_max)};
            }
            record.clear();
            apres_adif = false;
        }
        // Only this line's part of the record is new: searching the whole record at every
        // line would make a file without any ";" quadratic.
        const qsizetype nouveau = std::max(qsizetype(0), record.size() - ligne.size() - 5);
        apres_adif = apres_adif || QStringView(record).sliced(nouveau).contains(u"ADIF");
    }
    if (conversion.reconnues == 0) {
        return {{}, {}, textes_refdata::pays_sans_entite()};
    }
    return conversion.resultat;
}

QString chemin_fichier_livre(const QString& dossier_executable, const QString& nom) {
    const QDir programme(dossier_executable);
    for (const QLatin1String& dossier : {donnees_a_cote, donnees_installees}) {
        const QString chemin = programme.filePath(QString(dossier) + QLatin1Char('/') + nom);
        if (QFile::exists(chemin)) {
            return QDir::cleanPath(chemin);
        }
    }
    return {};
}

QString chemin_fichier_pays_livre() {
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    return chemin_fichier_livre(QCoreApplication::applicationDirPath(), nom_fichier_pays_livre);
}

namespace {

// A refused country file: the DXCC list there is kept, or, when there is none, the shipped
// country file stands in.
ResultatConversion apres_refus(const QString& source, const QString& refus,
                               const QString& chemin_liste, const QString& livre) {
    ResultatConversion resultat{{}, textes_refdata::pays_refuse(source, refus)};
    const QString liste = trouver_sans_casse(chemin_liste);
    if (!liste.isEmpty()) {
        resultat.entites = lire_entites_dxcc(liste);
        resultat.avertissement += textes_refdata::liste_dxcc_conservee();
        return resultat;
    }
    if (livre.isEmpty() || livre == source) {
        return resultat;
    }
    const ConversionPays conversion = convertir_lignes_pays(lire_lignes(livre));
    if (conversion.refus.isEmpty()) {
        remplacer_fichier(chemin_liste, conversion.lignes_dxcc);
        resultat.entites = conversion.entites;
        resultat.avertissement += textes_refdata::fichier_pays_livre_utilise();
    }
    return resultat;
}

} // namespace

ResultatConversion convertir_fichier_pays(const QString& rep_cfg,
                                          const std::function<void()>& telecharger,
                                          const QString& fichier_pays_secours) {
    const QString chemin_pays = rep_cfg + QLatin1Char('/') + nom_fichier_pays;
    const QString chemin_liste = rep_cfg + QLatin1Char('/') + nom_liste_dxcc;
    QString source = trouver_sans_casse(chemin_pays);
    if (source.isEmpty() && telecharger) {
        telecharger();
        source = trouver_sans_casse(chemin_pays);
    }
    const QString livre =
        fichier_pays_secours.isEmpty() ? QString() : trouver_sans_casse(fichier_pays_secours);
    if (source.isEmpty()) {
        source = livre;
    }
    if (source.isEmpty()) {
        return {};
    }
    const ConversionPays conversion = convertir_lignes_pays(lire_lignes(source));
    if (!conversion.refus.isEmpty()) {
        return apres_refus(source, conversion.refus, chemin_liste, livre);
    }
    remplacer_fichier(chemin_liste, conversion.lignes_dxcc);
    return {conversion.entites, {}};
}

} // namespace vorek
