#include "lecture_compte_rendu.h"

#include "textes_correction.h"

#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "rules/bandes.h"
#include "stats/lecture_cabrillo.h"

#include <QDate>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTime>

#include <array>

namespace vorek {

namespace {

constexpr int champs_qso = 10;

bool blanc(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

QByteArrayView rogne(QByteArrayView texte) {
    while (!texte.isEmpty() && blanc(texte.front())) {
        texte = texte.sliced(1);
    }
    while (!texte.isEmpty() && blanc(texte.back())) {
        texte.chop(1);
    }
    return texte;
}

std::string_view vue(QByteArrayView texte) {
    return {texte.data(), size_t(texte.size())};
}

// A field of a QSO line: printable ASCII only, as calls, numbers and dates are.
bool imprimable(std::string_view texte) {
    for (const char c : texte) {
        if (c <= ' ' || c > '~') {
            return false;
        }
    }
    return !texte.empty();
}

int valeur(std::string_view chiffres) {
    int v = 0;
    for (const char c : chiffres) {
        if (c < '0' || c > '9') {
            return -1;
        }
        v = v * 10 + (c - '0');
    }
    return chiffres.empty() ? -1 : v;
}

QDate date_cabrillo(std::string_view texte) {
    if (texte.size() != 10 || texte[4] != '-' || texte[7] != '-') {
        return {};
    }
    return QDate(valeur(texte.substr(0, 4)), valeur(texte.substr(5, 2)),
                 valeur(texte.substr(8, 2)));
}

QTime heure_cabrillo(std::string_view texte) {
    if (texte.size() != 4) {
        return {};
    }
    return QTime(valeur(texte.substr(0, 2)), valeur(texte.substr(2, 2)));
}

int indice_bande(const QString& texte) {
    const auto table = table_bandes();
    for (size_t i = 0; i < table.size(); ++i) {
        if (texte == QLatin1String(table[i].texte)) {
            return int(i);
        }
    }
    return -1;
}

std::string majuscules(std::string_view texte) {
    std::string s(texte);
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') {
            c = char(c - 'a' + 'A');
        }
    }
    return s;
}

// The number as compared: without its "*" marks.
std::string sans_etoile(std::string_view texte) {
    std::string s;
    for (const char c : texte) {
        if (c != '*') {
            s.push_back(c);
        }
    }
    return s;
}

// "dd/mm/yyyy" and "hh:mm", as the log table holds them, without the general formatter.
std::string deux_chiffres(int v) {
    return {char('0' + v / 10 % 10), char('0' + v % 10)};
}

std::string texte_date(const QDate& date) {
    return deux_chiffres(date.day()) + '/' + deux_chiffres(date.month()) + '/' +
           deux_chiffres(date.year() / 100) + deux_chiffres(date.year());
}

std::string texte_heure(const QTime& heure) {
    return deux_chiffres(heure.hour()) + ':' + deux_chiffres(heure.minute());
}

bool utf8_valide(QByteArrayView octets) {
    QStringDecoder decodeur(QStringDecoder::Utf8);
    const QString texte = decodeur(octets);
    return !decodeur.hasError();
}

bool ascii(QByteArrayView octets) {
    for (const char c : octets) {
        if (quint8(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

QString CompteRendu::texte_ligne(qint32 debut, qint32 longueur) const {
    const QByteArrayView ligne = QByteArrayView(octets).sliced(debut, longueur);
    return utf8 ? QString::fromUtf8(ligne) : depuis_cp1252(ligne.toByteArray());
}

int LecteurComptesRendus::bande(std::string_view frequence) {
    const auto connue = bandes_.find(std::string(frequence));
    if (connue != bandes_.end()) {
        return connue->second;
    }
    const std::string texte = majuscules(frequence);
    int indice = -1;
    if (const auto rapport = bande_de_frequence_rapport(QString::fromLatin1(texte))) {
        indice = indice_bande(*rapport);
    } else if (texte.size() <= 9 && valeur(texte) >= 0) {
        const qint64 v = valeur(texte);
        // The VHF bands' usual designations are in MHz, beside the kHz of the HF bands.
        if (const auto b = bande_de_frequence(designation_mhz(v) ? v * 1000 * 1000 : v * 1000)) {
            indice = indice_bande(*b);
        }
    }
    // A hostile file could hold millions of different fields.
    if (bandes_.size() < 10000) {
        bandes_.emplace(std::string(frequence), indice);
    }
    return indice;
}

LectureCompteRendu LecteurComptesRendus::lire(const QString& chemin) {
    const QFileInfo info(chemin);
    if (info.size() > taille_max_fichier_texte) {
        return {std::nullopt, textes_correction::refus_trop_gros()};
    }
    QByteArray octets;
    try {
        octets = lire_octets_fichier(chemin);
    } catch (const Erreur& e) {
        return {std::nullopt, textes_correction::refus_illisible(e.message())};
    }
    LectureCompteRendu lecture = lire_octets(chemin, std::move(octets));
    if (lecture.compte_rendu) {
        lecture.compte_rendu->modification = info.lastModified();
    }
    return lecture;
}

LectureCompteRendu LecteurComptesRendus::lire_octets(const QString& chemin, QByteArray octets) {
    CompteRendu cr;
    cr.chemin = chemin;
    cr.fichier = QFileInfo(chemin).fileName();
    cr.octets = std::move(octets);
    const QByteArrayView tout(cr.octets);
    cr.utf8 = !ascii(tout) && utf8_valide(tout);
    const auto texte = [&cr](QByteArrayView v) {
        return (cr.utf8 ? QString::fromUtf8(v) : depuis_cp1252(v.toByteArray())).trimmed();
    };
    bool debut_vu = false;
    qsizetype debut = tout.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (qint32 numero = 1; debut < tout.size(); ++numero) {
        qsizetype fin = tout.indexOf('\n', debut);
        const qsizetype suivant = fin < 0 ? tout.size() : fin + 1;
        fin = fin < 0 ? tout.size() : fin;
        const qsizetype longueur =
            fin > debut && tout[fin - 1] == '\r' ? fin - 1 - debut : fin - debut;
        const QByteArrayView ligne = tout.sliced(debut, longueur);
        const qsizetype deux_points = ligne.indexOf(':');
        if (deux_points > 0) {
            const std::string etiquette = majuscules(vue(rogne(ligne.first(deux_points))));
            const QByteArrayView valeur_ligne = ligne.sliced(deux_points + 1);
            if (etiquette == "START-OF-LOG") {
                debut_vu = true;
            } else if (etiquette == "END-OF-LOG") {
                break;
            } else if (etiquette == "CALLSIGN" && cr.indicatif.isEmpty()) {
                cr.indicatif = texte(valeur_ligne).toUpper();
            } else if (etiquette == "NAME" && cr.nom.isEmpty()) {
                cr.nom = texte(valeur_ligne);
            } else if (etiquette == "QSO") {
                std::optional<QsoCabrillo> qso = lire_qso(ligne);
                const LigneFichier place{numero, qint32(debut), qint32(longueur)};
                if (qso) {
                    qso->ligne = place.ligne;
                    qso->debut = place.debut;
                    qso->longueur = place.longueur;
                    cr.qsos.push_back(*qso);
                } else {
                    cr.illisibles.push_back(place);
                }
            }
        }
        debut = suivant;
    }
    if (!debut_vu) {
        return {std::nullopt, textes_correction::refus_sans_debut()};
    }
    if (cr.indicatif.isEmpty()) {
        return {std::nullopt, textes_correction::refus_sans_indicatif()};
    }
    return {std::move(cr), QString()};
}

std::optional<QsoCabrillo> LecteurComptesRendus::lire_qso(QByteArrayView ligne) {
    std::array<std::string_view, champs_qso> champs;
    int n = 0;
    const QByteArrayView reste = ligne.sliced(ligne.indexOf(':') + 1);
    qsizetype i = 0;
    while (i < reste.size()) {
        while (i < reste.size() && blanc(reste[i])) {
            ++i;
        }
        const qsizetype debut_champ = i;
        while (i < reste.size() && !blanc(reste[i])) {
            ++i;
        }
        if (i > debut_champ) {
            if (n == champs_qso) {
                return lire_colonnes_fixes(ligne);
            }
            champs[size_t(n++)] = vue(reste.sliced(debut_champ, i - debut_champ));
        }
    }
    if (n != champs_qso) {
        // Our own report leaves an empty member number as blanks in its column.
        return lire_colonnes_fixes(ligne);
    }
    Champs lus{
        bande(champs[0]), date_cabrillo(champs[2]), heure_cabrillo(champs[3]), champs[7], champs[6],
        champs[9]};
    for (const std::string_view& champ : champs) {
        if (!imprimable(champ)) {
            return std::nullopt;
        }
    }
    return construire(lus);
}

std::optional<QsoCabrillo> LecteurComptesRendus::lire_colonnes_fixes(QByteArrayView ligne) {
    if (!ascii(ligne)) {
        return std::nullopt;
    }
    const LectureQso lecture = lire_ligne_qso(QString::fromLatin1(ligne));
    if (!lecture.qso || !lecture.qso->bande) {
        return std::nullopt;
    }
    const QsoRelu& relu = *lecture.qso;
    const QByteArray indicatif = relu.indicatif.toLatin1();
    const QByteArray envoye = relu.numero_station.toLatin1();
    const QByteArray recu = relu.numero.toLatin1();
    return construire(
        {indice_bande(*relu.bande), relu.date, relu.heure, vue(indicatif), vue(envoye), vue(recu)});
}

std::optional<QsoCabrillo> LecteurComptesRendus::construire(const Champs& champs) {
    if (champs.bande < 0 || !champs.date.isValid() || !champs.heure.isValid() ||
        !imprimable(champs.indicatif)) {
        return std::nullopt;
    }
    QsoCabrillo qso;
    qso.bande = qint16(champs.bande);
    qso.minute =
        champs.date.toJulianDay() * 24 * 60 + champs.heure.hour() * 60 + champs.heure.minute();
    qso.indicatif = dictionnaire_.numero(majuscules(champs.indicatif));
    qso.envoye = dictionnaire_.numero(sans_etoile(champs.envoye));
    qso.recu = dictionnaire_.numero(sans_etoile(champs.recu));
    qso.date = dictionnaire_.numero(texte_date(champs.date));
    qso.heure = dictionnaire_.numero(texte_heure(champs.heure));
    return qso;
}

} // namespace vorek
