#pragma once

#include "compte_rendu.h"
#include "dictionnaire.h"

#include <QDate>
#include <QTime>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vorek {

// A file read: the report, or why it is no report.
struct LectureCompteRendu {
    std::optional<CompteRendu> compte_rendu;
    QString refus;
};

// Reads the Cabrillo reports of our program and of other loggers: tags without regard to
// case, QSO fields separated by any blanks, the frequency in kHz, as our reports write it or
// as the VHF designations 50, 144 and 432. A QSO line that does not read is kept aside as
// illegible; the file is refused only when it is no report at all.
class LecteurComptesRendus {
  public:
    explicit LecteurComptesRendus(Dictionnaire& dictionnaire) : dictionnaire_(dictionnaire) {}

    LectureCompteRendu lire(const QString& chemin);
    LectureCompteRendu lire_octets(const QString& chemin, QByteArray octets);
    // The band (index in table_bandes()) a frequency field gives, -1 for none.
    int bande(std::string_view frequence);

  private:
    struct Champs {
        int bande = -1;
        QDate date;
        QTime heure;
        std::string_view indicatif;
        std::string_view envoye;
        std::string_view recu;
    };
    std::optional<QsoCabrillo> lire_qso(QByteArrayView ligne);
    std::optional<QsoCabrillo> construire(const Champs& champs);
    std::optional<QsoCabrillo> lire_colonnes_fixes(QByteArrayView ligne);

    Dictionnaire& dictionnaire_;
    std::unordered_map<std::string, int> bandes_;
};

} // namespace vorek
