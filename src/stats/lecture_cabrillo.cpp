#include "lecture_cabrillo.h"

#include "reports/cabrillo.h"
#include "rules/bandes.h"

#include <QStringView>

namespace vorek {

namespace {

// Walks the line field by field; the first field that is not as written stops the reading.
class Curseur {
  public:
    explicit Curseur(const QString& ligne) : ligne_(ligne) {}

    // The field's text without the blanks that fill it, or nothing when its place, or the
    // blank after it, is not there.
    std::optional<QString> champ(int champ) {
        const int largeur = largeurs_qso_cabrillo[size_t(champ)];
        dernier_champ_ = champ;
        debut_ = position_;
        if (position_ + largeur + 1 > ligne_.size() ||
            ligne_[position_ + largeur] != QLatin1Char(' ')) {
            return std::nullopt;
        }
        const QStringView texte = QStringView(ligne_).mid(position_, largeur);
        position_ += largeur + 1;
        return texte.trimmed().toString();
    }

    // A field that reads only when it holds no blank of its own and is not empty.
    std::optional<QString> mot(int champ, bool vide_permis = false) {
        std::optional<QString> texte = this->champ(champ);
        if (!texte || texte->contains(QLatin1Char(' ')) || (texte->isEmpty() && !vide_permis)) {
            return std::nullopt;
        }
        return texte;
    }

    bool fin() const { return position_ == ligne_.size(); }
    int position() const { return int(position_); }

    LectureQso echec() const {
        return {std::nullopt, dernier_champ_, int(debut_) + 1,
                int(debut_) + largeurs_qso_cabrillo[size_t(dernier_champ_)]};
    }

  private:
    const QString& ligne_;
    qsizetype position_ = 0;
    qsizetype debut_ = 0;
    int dernier_champ_ = 0;
};

bool fixe(std::optional<QString> texte, const char* attendu) {
    return texte && *texte == QLatin1String(attendu);
}

bool lire_frequence(const QString& ligne, Curseur& curseur, QsoRelu& qso) {
    // Without frequency "CW" follows "QSO:" and its blank directly.
    if (QStringView(ligne).mid(curseur.position()).startsWith(QLatin1String("CW "))) {
        return true;
    }
    const std::optional<QString> frequence = curseur.mot(champ_frequence);
    if (!frequence) {
        return false;
    }
    qso.frequence = *frequence;
    qso.bande = bande_de_frequence_rapport(*frequence);
    return true;
}

// The value of a field of digits only, -1 for any other text.
int nombre(QStringView texte) {
    int valeur = 0;
    for (const QChar c : texte) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return -1;
        }
        valeur = valeur * 10 + (c.unicode() - '0');
    }
    return texte.isEmpty() ? -1 : valeur;
}

// "yyyy-mm-dd" and "hhmm", read by hand: the general readers cost more than the rest of
// the check.
QDate date_iso(QStringView texte) {
    if (texte.size() != 10 || texte[4] != QLatin1Char('-') || texte[7] != QLatin1Char('-')) {
        return {};
    }
    return QDate(nombre(texte.first(4)), nombre(texte.mid(5, 2)), nombre(texte.mid(8, 2)));
}

QTime heure_hhmm(QStringView texte) {
    return texte.size() == 4 ? QTime(nombre(texte.first(2)), nombre(texte.mid(2))) : QTime();
}

bool lire_moment(Curseur& curseur, QsoRelu& qso) {
    const std::optional<QString> date = curseur.mot(champ_date);
    qso.date = date ? date_iso(*date) : QDate();
    if (!qso.date.isValid()) {
        return false;
    }
    const std::optional<QString> heure = curseur.mot(champ_heure);
    qso.heure = heure ? heure_hhmm(*heure) : QTime();
    return qso.heure.isValid();
}

} // namespace

LectureQso lire_ligne_qso(const QString& ligne) {
    Curseur curseur(ligne);
    QsoRelu qso;
    if (!fixe(curseur.champ(champ_qso), "QSO:") || !lire_frequence(ligne, curseur, qso) ||
        !fixe(curseur.champ(champ_mode), "CW") || !lire_moment(curseur, qso)) {
        return curseur.echec();
    }
    const auto lire = [&](int champ, QString& valeur, bool vide_permis) {
        const std::optional<QString> texte = curseur.mot(champ, vide_permis);
        valeur = texte.value_or(QString());
        return texte.has_value();
    };
    QString rst;
    if (!lire(champ_indicatif_station, qso.indicatif_station, true) ||
        !lire(champ_rst_envoye, rst, false) || rst != QStringLiteral("599") ||
        !lire(champ_numero_station, qso.numero_station, true) ||
        !lire(champ_indicatif, qso.indicatif, false) || !lire(champ_rst_recu, rst, false) ||
        rst != QStringLiteral("599") || !lire(champ_numero, qso.numero, true)) {
        return curseur.echec();
    }
    if (!curseur.fin()) {
        // Something after the last field: the fields do not stand where they should.
        return {std::nullopt, champ_numero, curseur.position() + 1, int(ligne.size())};
    }
    return {qso, 0, 0, 0};
}

} // namespace vorek
