#include "encodage_mime.h"

#include <QList>

namespace vorek {

namespace {

constexpr qsizetype longueur_ligne = 76;
// 39 bytes make 52 base64 characters: with "=?UTF-8?B?", "?=" and "Subject: " before it,
// the first line keeps to 78.
constexpr qsizetype octets_par_mot = 39;

bool ascii_imprimable(const QString& texte) {
    for (const QChar c : texte) {
        if (c.unicode() < 32 || c.unicode() > 126) {
            return false;
        }
    }
    return true;
}

// Cuts UTF-8 text into pieces of at most n bytes, never inside a character.
QList<QByteArray> morceaux_utf8(const QByteArray& utf8, qsizetype n) {
    QList<QByteArray> morceaux;
    qsizetype debut = 0;
    while (debut < utf8.size()) {
        qsizetype fin = qMin(debut + n, utf8.size());
        while (fin < utf8.size() && fin > debut + 1 && (uchar(utf8[fin]) & 0xC0) == 0x80) {
            --fin;
        }
        morceaux.append(utf8.mid(debut, fin - debut));
        debut = fin;
    }
    return morceaux;
}

char chiffre_hexa(int valeur) {
    return "0123456789ABCDEF"[valeur & 15];
}

QByteArray echappe_qp(uchar c) {
    return QByteArray(1, '=') + chiffre_hexa(c >> 4) + chiffre_hexa(c);
}

QByteArray ligne_qp(const QByteArray& ligne) {
    QByteArray sortie;
    qsizetype colonne = 0;
    for (qsizetype i = 0; i < ligne.size(); ++i) {
        const uchar c = uchar(ligne[i]);
        const bool dernier = i + 1 == ligne.size();
        const bool litteral = (c >= 33 && c <= 126 && c != '=') || (c == ' ' && !dernier);
        const QByteArray code = litteral ? QByteArray(1, char(c)) : echappe_qp(c);
        // A soft break "=" takes the last column of a cut line.
        if (colonne + code.size() > longueur_ligne - (dernier ? 0 : 1)) {
            sortie += "=\r\n";
            colonne = 0;
        }
        sortie += code;
        colonne += code.size();
    }
    return sortie;
}

} // namespace

QString sans_controle(const QString& texte) {
    QString propre = texte;
    for (QChar& c : propre) {
        if (c.unicode() < 32 || c.unicode() == 127) {
            c = QLatin1Char(' ');
        }
    }
    return propre;
}

QByteArray date_rfc5322(const QDateTime& moment) {
    static const char* const jours[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const mois[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate d = moment.date();
    const QTime h = moment.time();
    const int decalage = moment.offsetFromUtc() / 60;
    const int absolu = qAbs(decalage);
    return QString::asprintf("%s, %02d %s %04d %02d:%02d:%02d %c%02d%02d", jours[d.dayOfWeek() - 1],
                             d.day(), mois[d.month() - 1], d.year(), h.hour(), h.minute(),
                             h.second(), decalage < 0 ? '-' : '+', absolu / 60, absolu % 60)
        .toLatin1();
}

QByteArray entete_texte(const char* nom, const QString& valeur) {
    const QString propre = sans_controle(valeur);
    const QByteArray debut = QByteArray(nom) + ": ";
    if (ascii_imprimable(propre) && debut.size() + propre.size() <= 78) {
        return debut + propre.toLatin1() + "\r\n";
    }
    QByteArrayList mots;
    for (const QByteArray& morceau : morceaux_utf8(propre.toUtf8(), octets_par_mot)) {
        mots.append("=?UTF-8?B?" + morceau.toBase64() + "?=");
    }
    return debut + mots.join("\r\n ") + "\r\n";
}

QByteArray entete_adresse(const char* nom, const QString& adresse) {
    return QByteArray(nom) + ": " + sans_controle(adresse).toUtf8() + "\r\n";
}

QByteArray parametre_nom_fichier(const char* parametre, const QString& nom) {
    const QString propre = sans_controle(nom);
    if (ascii_imprimable(propre) && !propre.contains(QLatin1Char('"')) &&
        !propre.contains(QLatin1Char('\\'))) {
        return QByteArray(parametre) + "=\"" + propre.toLatin1() + '"';
    }
    return QByteArray(parametre) + "*=UTF-8''" + propre.toUtf8().toPercentEncoding();
}

QByteArray base64_en_lignes(const QByteArray& octets) {
    const QByteArray code = octets.toBase64();
    QByteArray sortie;
    for (qsizetype i = 0; i < code.size(); i += longueur_ligne) {
        sortie += code.mid(i, longueur_ligne) + "\r\n";
    }
    return sortie;
}

QByteArray quoted_printable(const QByteArray& texte) {
    QByteArrayList lignes;
    for (const QByteArray& ligne : texte.split('\n')) {
        lignes.append(ligne_qp(ligne.endsWith('\r') ? ligne.chopped(1) : ligne));
    }
    return lignes.join("\r\n");
}

} // namespace vorek
