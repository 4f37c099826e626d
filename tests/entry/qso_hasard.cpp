#include "qso_hasard.h"

#include "entry/saisie.h"

namespace {

const QStringList indicatifs{"F5ABC",   "F5ABC/P", "EA8/F5ABC/P", "DL1AA", "DL1AA/M",
                             "K1ZZ",    "W1ZZ",    "JA1AA",       "F6XYZ", "F8ZTC",
                             "F8ZTC/P", "ZZ9ZZ",   "X1XX",        "ON4ZZ", " F5ABC"};

QString jour_au_hasard(QRandomGenerator& g) {
    if (g.bounded(12) == 0) {
        return QStringLiteral("30/06/2025");
    }
    return QStringLiteral("%1/0%2/2025")
        .arg(1 + g.bounded(3), 2, 10, QLatin1Char('0'))
        .arg(7 + g.bounded(2));
}

void taper(vorek::EntreeQSO& entree, const QString& indicatif) {
    QString tape;
    for (const QChar c : indicatif) {
        tape += c;
        entree.Edit_callChange(tape);
    }
}

} // namespace

QString QsoHasard::choisir(const QStringList& liste) {
    return liste[int(g.bounded(liste.size()))];
}

QStringList QsoHasard::ligne() {
    QString date = jour_au_hasard(g);
    if (g.bounded(40) == 0) {
        date = choisir({"xx", "", "10/07/2025 10:00"});
    }
    return {date, choisir({"10:00", "00:00", "23:59", "9:5"}),
            // A call with a blank before it is a same-day duplicate for the scoring only.
            choisir(indicatifs + QStringList{"", "f5abc", " F5ABC", " F5ABC", " F5ABC"}),
            choisir({"20m", "40m", "sat", "", "???"}), "599", "599",
            choisir({"", "123", "NM", "456*", " 1 "}), choisir({"", "0", "3"}), "",
            choisir({"", "QRP", " NM car non à jour"})};
}

void QsoHasard::saisir(vorek::EntreeQSO& entree) {
    QString indicatif = g.bounded(4) == 0 ? QStringLiteral("F5ABC") : choisir(indicatifs);
    if (g.bounded(6) == 0) {
        indicatif = indicatif.toLower();
    }
    taper(entree, indicatif);
    if (g.bounded(2) == 0) {
        entree.Edit_NrZTC = choisir({"123", "NM", "456*", "", " 7 "});
    }
    // Mostly the bands of the log's rows, so that the same-band rule strikes.
    const int bandes_du_journal[] = {5, 3, 14, 5, 3, 14, -1};
    if (g.bounded(8) == 0) {
        entree.ComboBox_bandChange(QStringLiteral("???"));
    } else {
        entree.choisir_bande(g.bounded(4) == 0 ? int(g.bounded(15))
                                               : bandes_du_journal[g.bounded(7)]);
    }
    entree.passer_temps_differe();
    const QString jour = jour_au_hasard(g);
    entree.DateTimePicker_date = QDate::fromString(jour, QStringLiteral("dd/MM/yyyy"));
    entree.DateTimePicker_time = QTime(int(g.bounded(24)), int(g.bounded(60)));
    entree.Edit_RSTS = entree.Edit_RSTR = QStringLiteral("599");
    entree.Edit_Notes = choisir({"", "QRP", " bon signal "});
}
