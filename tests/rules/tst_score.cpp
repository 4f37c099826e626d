#include "dossier_essai.h"
#include "ligne_donnees.h"
#include "score_litteral.h"

#include "base/dates.h"
#include "base/erreur.h"
#include "refdata/referentiel.h"
#include "rules/periode.h"
#include "rules/score.h"
#include "rules/score_suivi.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace vorek;

namespace {

const QString annee = QStringLiteral("2025");

} // namespace

class TstScore : public QObject {
    Q_OBJECT

  private slots:
    void periode();
    void regles_data();
    void regles();
    void ligne_sans_indicatif_ignoree();
    void notes_de_l_operateur_data();
    void notes_de_l_operateur();
    void egal_a_la_lecture_litterale();
    void sans_base_comme_une_base_des_memes_numeros();
    void apres_un_changement_comme_le_calcul_complet();
};

void TstScore::periode() {
    const PeriodeConcours p = periode_concours(QDate(2025, 3, 15));
    QCOMPARE(texte_date_heure(p.debut_concours), QStringLiteral("01/07/2025 00:00"));
    QCOMPARE(texte_date_heure(p.fin_concours), QStringLiteral("31/08/2025 23:59"));
    // One second after midnight and one second before the end.
    QCOMPARE(qRound((p.debut_concours - lire_date(QStringLiteral("01/07/2025"))) * 86400), 1);
    QCOMPARE(qRound((lire_date(QStringLiteral("01/09/2025")) - p.fin_concours) * 86400), 1);
}

void TstScore::regles_data() {
    QTest::addColumn<QStringList>("lignes");
    QTest::addColumn<QString>("continent");
    QTest::addColumn<QString>("bande_combo");
    // Expected "member number|points|remark" per row.
    QTest::addColumn<QStringList>("attendu");
    QTest::addColumn<int>("total");

    const QString ok = QStringLiteral("123|4|");
    const QString jour = QStringLiteral("123|0| >>>>>>>  Déjà QSO le même jour !  <<<<<<<<");
    const QString bande = QStringLiteral("123|0| Déjà QSO sur cette bande");
    ligne_donnees("meme jour autre bande",
                  QStringList{"10/07/2025;10:00;F5ABC;20m", "10/07/2025;11:00;F5ABC;40m"}, "EU", "",
                  QStringList{ok, jour}, 4);
    ligne_donnees("meme bande deux jours apres",
                  QStringList{"10/07/2025;10:00;F5ABC;20m", "12/07/2025;11:00;F5ABC;20m"}, "EU", "",
                  QStringList{ok, bande}, 4);
    ligne_donnees("portable meme numero meme bande",
                  QStringList{"10/07/2025;10:00;F5ABC;20m", "10/07/2025;11:00;F5ABC/P;20m"}, "EU",
                  "", QStringList{ok, bande}, 4);
    ligne_donnees("ligne a zero ne fait pas doublon",
                  QStringList{"30/06/2025;10:00;F5ABC;20m", "01/07/2025;10:00;F5ABC;20m"}, "EU", "",
                  QStringList{"123|0| Hors date pour 2025", ok}, 4);
    ligne_donnees("bornes de la periode",
                  QStringList{"01/07/2025;00:00;F5ABC;20m", "31/08/2025;23:59;DL1AA;20m",
                              "01/09/2025;00:00;K1ZZ;20m"},
                  "EU", "",
                  QStringList{"123|0| Hors date pour 2025", "456|4|", "789|0| Hors date pour 2025"},
                  4);
    ligne_donnees("le plus haut des doublons garde ses points",
                  QStringList{"12/07/2025;10:00;F5ABC;20m", "10/07/2025;10:00;F5ABC;20m"}, "EU", "",
                  QStringList{ok, bande}, 4);
    ligne_donnees("non membre, numero tape remplace", QStringList{"10/07/2025;10:00;X1XX;20m;555"},
                  "EU", "", QStringList{"NM|0| NM car non à jour"}, 0);
    ligne_donnees("membre sans numero", QStringList{"10/07/2025;10:00;F6XYZ;20m"}, "EU", "",
                  QStringList{"|4|"}, 4);
    ligne_donnees("station du club, autre continent", QStringList{"10/07/2025;10:00;F8ZTC/P;160m"},
                  "NA", "", QStringList{"1|12|"}, 12);
    ligne_donnees("pays inconnu: autre continent", QStringList{"10/07/2025;10:00;ZZ9ZZ;20m"}, "EU",
                  "", QStringList{"321|3|"}, 3);
    ligne_donnees("pays inconnu, continent de la station inconnu",
                  QStringList{"10/07/2025;10:00;ZZ9ZZ;20m"}, "", "", QStringList{"321|4|"}, 4);
    ligne_donnees("bande vide: celle du combo", QStringList{"10/07/2025;10:00;F5ABC;"}, "EU", "40m",
                  QStringList{"123|2|"}, 2);
    ligne_donnees("bande vide sans combo", QStringList{"10/07/2025;10:00;F5ABC;"}, "EU", "",
                  QStringList{"123|0|"}, 0);

    struct Bareme {
        const char* bande;
        int meme;
        int autre;
    };
    const Bareme baremes[] = {{"160m", 3, 6},   {"80m", 2, 5},    {"60m", 2, 5},    {"40m", 2, 5},
                              {"30m", 2, 5},    {"20m", 4, 3},    {"17m", 4, 3},    {"15m", 4, 3},
                              {"12m", 4, 3},    {"10m", 4, 3},    {"6m", 5, 8},     {"2m", 6, 10},
                              {"1,2m", 10, 15}, {"70cm", 10, 15}, {"23cm", 10, 15}, {"sat", 10, 15},
                              {"3cm", 0, 0},    {"???", 0, 0},    {"SAT", 0, 0}};
    for (const Bareme& b : baremes) {
        const QString nom = QString::fromUtf8(b.bande);
        QTest::addRow("%s meme continent", b.bande)
            << QStringList{QStringLiteral("10/07/2025;10:00;DL1AA;") + nom} << "EU"
            << "" << QStringList{QStringLiteral("456|%1|").arg(b.meme)} << b.meme;
        QTest::addRow("%s autre continent", b.bande)
            << QStringList{QStringLiteral("10/07/2025;10:00;K1ZZ;") + nom} << "EU"
            << "" << QStringList{QStringLiteral("789|%1|").arg(b.autre)} << b.autre;
    }
}

void TstScore::regles() {
    QFETCH(QStringList, lignes);
    QFETCH(QString, continent);
    QFETCH(QString, bande_combo);
    QFETCH(QStringList, attendu);
    QFETCH(int, total);
    DossierEssai d;
    d.ecrire_dxcc();
    d.ecrire_membres();
    d.etat.station.station_continent = continent;
    for (const QString& l : lignes) {
        d.ajouter(DossierEssai::ligne_decrite(l));
    }
    const Referentiel referentiel(d.etat.rep_cfg, d.etat.rep_BD);
    const ResultatScore resultat = calculer_score(d.etat, referentiel, bande_combo, annee);
    QStringList obtenu;
    for (int r = 1; r <= lignes.size(); ++r) {
        const TableJournal& t = d.etat.table;
        obtenu.append(t.cellule(col_ztc, r) + QLatin1Char('|') + t.cellule(col_points, r) +
                      QLatin1Char('|') + t.cellule(col_notes, r));
    }
    QCOMPARE(obtenu, attendu);
    QCOMPARE(resultat.score_total, total);
    QCOMPARE(d.etat.score_total, total);
    QVERIFY(!resultat.base_membres_absente);
}

void TstScore::ligne_sans_indicatif_ignoree() {
    DossierEssai d;
    d.ecrire_dxcc();
    d.ecrire_membres();
    d.ajouter({"10/07/2025", "10:00", "", "20m", "", "", "123", "9", "", "notes"});
    d.ajouter(DossierEssai::ligne_decrite(QStringLiteral("10/07/2025;11:00;F5ABC;20m")));
    const Referentiel referentiel(d.etat.rep_cfg, d.etat.rep_BD);
    const ResultatScore resultat = calculer_score(d.etat, referentiel, QString(), annee);
    // The empty-call row keeps its cells and, with points, still counts for the band rule.
    QCOMPARE(d.etat.table.ligne(1),
             (QStringList{"10/07/2025", "10:00", "", "20m", "", "", "123", "9", "", "notes"}));
    QCOMPARE(d.etat.table.cellule(col_notes, 2), QStringLiteral(" Déjà QSO sur cette bande"));
    QCOMPARE(resultat.score_total, 0);
}

void TstScore::notes_de_l_operateur_data() {
    QTest::addColumn<QString>("cellule");
    QTest::addColumn<QString>("note");
    const QString jour = QStringLiteral(" >>>>>>>  Déjà QSO le même jour !  <<<<<<<<");
    ligne_donnees("vide", "", "");
    ligne_donnees("blancs", "   ", "");
    ligne_donnees("note seule", "QRP", "QRP");
    ligne_donnees("non membre seul", " NM car non à jour", "");
    ligne_donnees("hors date seul", " Hors date pour 2024", "");
    ligne_donnees("meme jour seul", jour, "");
    ligne_donnees("meme bande seul", " Déjà QSO sur cette bande", "");
    // A remark that went through the notes field of a correction lost its blank.
    ligne_donnees("non membre sans son blanc", "NM car non à jour", "");
    ligne_donnees("hors date sans son blanc", "Hors date pour 2025 ", "");
    ligne_donnees("note et non membre", "QRP NM car non à jour", "QRP");
    ligne_donnees("note et hors date", "QRP Hors date pour 2024", "QRP");
    ligne_donnees("note et meme jour", "QRP" + jour, "QRP");
    ligne_donnees("note et meme bande", "QRP  Déjà QSO sur cette bande", "QRP ");
    ligne_donnees("hors date sans annee n'est pas la remarque", "QRP Hors date pour",
                  "QRP Hors date pour");
    ligne_donnees("remarque au milieu", "Déjà QSO sur cette bande, puis QRP",
                  "Déjà QSO sur cette bande, puis QRP");
}

// Every cell in every row of a log where each rule strikes once: the note stays, the
// rule's remark follows it, and rescoring again changes nothing.
void TstScore::notes_de_l_operateur() {
    QFETCH(QString, cellule);
    QFETCH(QString, note);
    QCOMPARE(note_operateur(cellule), note);
    DossierEssai d;
    d.ecrire_dxcc();
    d.ecrire_membres();
    for (const char* l : {"10/07/2025;10:00;F5ABC;20m", "10/07/2025;11:00;F5ABC;40m",
                          "12/07/2025;10:00;F5ABC/P;20m", "30/06/2025;10:00;DL1AA;20m",
                          "10/07/2025;10:00;X1XX;20m"}) {
        QStringList cellules = DossierEssai::ligne_decrite(QString::fromUtf8(l));
        cellules[col_notes] = cellule;
        d.ajouter(cellules);
    }
    const Referentiel referentiel(d.etat.rep_cfg, d.etat.rep_BD);
    calculer_score(d.etat, referentiel, QString(), annee);
    const QStringList attendu{note,
                              note + " >>>>>>>  Déjà QSO le même jour !  <<<<<<<<",
                              note + " Déjà QSO sur cette bande",
                              note + " Hors date pour 2025",
                              note + " NM car non à jour",
                              QString()};
    QCOMPARE(d.colonne(col_notes), attendu);
    QCOMPARE(d.colonne(col_points), (QStringList{"4", "0", "0", "0", "0", ""}));
    calculer_score(d.etat, referentiel, QString(), annee);
    QCOMPARE(d.colonne(col_notes), attendu);
}

namespace {

QString choisir(QRandomGenerator& g, const QStringList& liste) {
    return liste[int(g.bounded(liste.size()))];
}

QStringList ligne_au_hasard(QRandomGenerator& g) {
    static const QStringList indicatifs{"F5ABC",       "F5ABC/P", "F5ABC/QRP", "f5abc", " F5ABC",
                                        "DL1AA",       "DL1AA/M", "K1ZZ",      "W1ZZ",  "JA1AA",
                                        "F6XYZ",       "F8ZTC",   "F8ZTC/P",   "ZZ9ZZ", "X1XX",
                                        "EA8/F5ABC/P", "",        "  ",        "ON4ZZ"};
    static const QStringList bandes{"20m", "40m", "160m", "sat", "2m", "6m", "???", "", "SAT"};
    static const QStringList heures{"10:00", "00:00", "23:59", "12:30", "", "9:5"};
    static const QStringList numeros{"", "123", "NM", "456", "1", "123*", " 1 ", "*NM", "4*5*6"};
    static const QStringList notes{"",
                                   "",
                                   "notes",
                                   " NM car non à jour",
                                   "n Hors date pour 2024",
                                   "  ",
                                   "Déjà QSO sur cette bande"};
    static const QStringList points{"", "0", "3", "12"};
    QString date;
    QString heure = choisir(g, heures);
    const quint32 tirage = g.bounded(100);
    if (tirage < 3) {
        // Reads as a date and a time, not as a date alone.
        date = QStringLiteral("1%1/07/2025 10:00").arg(g.bounded(3));
        heure.clear();
    } else if (tirage < 5) {
        date = choisir(g, {"", "32/07/2025", "xx", "10/07/2025 10:00"});
    } else if (tirage < 8) {
        date = choisir(g, {"30/06/2025", "01/09/2025", "01/07/2025", "31/08/2025", "10/07/2024"});
    } else {
        date = QStringLiteral("%1/0%2/2025")
                   .arg(1 + g.bounded(4), 2, 10, QLatin1Char('0'))
                   .arg(7 + g.bounded(2));
    }
    return {date,
            heure,
            choisir(g, indicatifs),
            choisir(g, bandes),
            "599",
            "599",
            choisir(g, numeros),
            choisir(g, points),
            "",
            choisir(g, notes)};
}

struct Issue {
    QStringList col6;
    QStringList col7;
    QStringList col9;
    int total = 0;
    QString erreur;
    bool operator==(const Issue&) const = default;
};

template <typename Calcul>
Issue executer(DossierEssai& d, const QList<QStringList>& lignes, Calcul calcul) {
    d.etat.table.vider();
    d.etat.ligne_suivante = 1;
    for (const QStringList& l : lignes) {
        d.ajouter(l);
    }
    Issue issue;
    try {
        calcul();
    } catch (const Erreur& e) {
        issue.erreur = e.message();
    }
    issue.col6 = d.colonne(col_ztc);
    issue.col7 = d.colonne(col_points);
    issue.col9 = d.colonne(col_notes);
    issue.total = d.etat.score_total;
    return issue;
}

} // namespace

// Half of the logs are scored without the member database: both readings then go by
// column 6, which stays as it was.
void TstScore::egal_a_la_lecture_litterale() {
    DossierEssai d;
    d.ecrire_dxcc();
    const Referentiel referentiel(d.etat.rep_cfg, d.etat.rep_BD);
    QRandomGenerator g(20250701);
    int erreurs = 0;
    int doublons = 0;
    int sans_base = 0;
    for (int essai = 0; essai < 4000; ++essai) {
        QList<QStringList> lignes;
        const int n = int(g.bounded(1, 30));
        for (int i = 0; i < n; ++i) {
            lignes.append(ligne_au_hasard(g));
        }
        const QString bande = choisir(g, {"", "40m", "sat"});
        d.etat.station.station_continent = choisir(g, {"EU", "NA", ""});
        const bool avec_base = essai % 2 == 0;
        if (avec_base) {
            d.ecrire_membres();
        } else {
            QFile::remove(d.chemin_membres());
        }
        const Issue rapide =
            executer(d, lignes, [&] { calculer_score(d.etat, referentiel, bande, annee); });
        const Issue lent = executer(d, lignes, [&] {
            litteral::calculer_score(d.etat, d.chemin_dxcc(), d.chemin_membres(), bande, annee);
        });
        if (!(rapide == lent)) {
            qWarning() << "essai" << essai << lignes;
            QCOMPARE(rapide.erreur, lent.erreur);
            QCOMPARE(rapide.col6, lent.col6);
            QCOMPARE(rapide.col9, lent.col9);
            QCOMPARE(rapide.col7, lent.col7);
            QCOMPARE(rapide.total, lent.total);
        }
        if (!avec_base) {
            for (int i = 0; i < n; ++i) {
                QCOMPARE(rapide.col6[i], lignes[i][col_ztc]);
            }
            sans_base += rapide.total > 0 ? 1 : 0;
        }
        erreurs += rapide.erreur.isEmpty() ? 0 : 1;
        for (const QString& note : lent.col9) {
            doublons += note.endsWith(QStringLiteral(" Déjà QSO sur cette bande")) ||
                        note.endsWith(QStringLiteral("<<<<<<<<"));
        }
    }
    // The random logs do reach the stops, both duplicate rules and, without the database,
    // members that score.
    QVERIFY(erreurs > 50);
    QVERIFY(doublons > 1000);
    QVERIFY(sans_base > 500);
}

namespace {

// A few stations worked, each with its forms as typed and the member number the log gives it.
struct Correspondant {
    QStringList formes;
    QString numero; // "NM" for a non-member
};

QList<Correspondant> stations_au_hasard(QRandomGenerator& g) {
    static const QList<QStringList> formes{{"F5ABC", "F5ABC/P", "f5abc", "EA8/F5ABC/P"},
                                           {"DL1AA", "DL1AA/M"},
                                           {"K1ZZ"},
                                           {"JA1AA"},
                                           {"F8ZTC", "F8ZTC/P"},
                                           {"X1XX"},
                                           {"ON4ZZ"}};
    static const QStringList numeros{"NM", "123", "456", "7", "1000"};
    QList<Correspondant> stations;
    for (const QStringList& f : formes) {
        stations.append({f, choisir(g, numeros)});
    }
    return stations;
}

// The number as an operator may have left it in column 6: marked "*" or with blanks.
QString numero_tape(QRandomGenerator& g, const QString& numero) {
    switch (g.bounded(4)) {
    case 0:
        return numero + QLatin1Char('*');
    case 1:
        return QLatin1Char(' ') + numero.left(1) + QLatin1Char('*') + numero.mid(1) +
               QLatin1Char(' ');
    default:
        return numero;
    }
}

} // namespace

// Without the database, a log scores as it would with a database that lists its own
// numbers, and column 6 keeps what the operator typed.
void TstScore::sans_base_comme_une_base_des_memes_numeros() {
    DossierEssai d;
    d.ecrire_dxcc();
    const Referentiel referentiel(d.etat.rep_cfg, d.etat.rep_BD);
    QRandomGenerator g(20250831);
    int points = 0;
    for (int essai = 0; essai < 1500; ++essai) {
        const QList<Correspondant> stations = stations_au_hasard(g);
        QList<QStringList> lignes;
        const int n = int(g.bounded(1, 25));
        for (int i = 0; i < n; ++i) {
            const Correspondant& s = stations[int(g.bounded(stations.size()))];
            QStringList l = DossierEssai::ligne_decrite(
                QStringLiteral("%1/0%2/2025;1%3:00;%4;%5")
                    .arg(1 + g.bounded(3), 2, 10, QLatin1Char('0'))
                    .arg(g.bounded(6, 10))
                    .arg(g.bounded(10))
                    .arg(choisir(g, s.formes), choisir(g, {"20m", "40m", "sat"})));
            l[col_ztc] = numero_tape(g, s.numero);
            l[col_notes] = choisir(g, {"", "QRP", " NM car non à jour"});
            lignes.append(l);
        }
        QFile::remove(d.chemin_membres());
        const Issue sans =
            executer(d, lignes, [&] { calculer_score(d.etat, referentiel, QString(), annee); });
        QStringList base;
        for (const Correspondant& s : stations) {
            if (s.numero != QStringLiteral("NM")) {
                base.append(s.formes[0] + QLatin1Char(',') + s.numero + QStringLiteral(",Nom,x"));
            }
        }
        d.ecrire_membres(base);
        const Issue avec =
            executer(d, lignes, [&] { calculer_score(d.etat, referentiel, QString(), annee); });
        for (int i = 0; i < n; ++i) {
            QCOMPARE(sans.col6[i], lignes[i][col_ztc]);
        }
        QCOMPARE(sans.col7, avec.col7);
        QCOMPARE(sans.col9, avec.col9);
        QCOMPARE(sans.total, avec.total);
        points += sans.total;
    }
    QVERIFY(points > 10000);
}

namespace {

// What a rescoring leaves: every cell, the total, the message where it stopped.
struct Etat_score {
    QList<QStringList> lignes;
    int total = 0;
    QString erreur;
    bool operator==(const Etat_score&) const = default;
};

QList<QStringList> lignes_de(const TableJournal& table) {
    QList<QStringList> lignes;
    for (int r = 1; r < table.nb_lignes(); ++r) {
        lignes.append(table.ligne(r));
    }
    return lignes;
}

template <typename Calcul> Etat_score noter(Etat& etat, Calcul calcul) {
    Etat_score e;
    try {
        calcul();
    } catch (const Erreur& erreur) {
        e.erreur = erreur.message();
    }
    e.lignes = lignes_de(etat.table);
    e.total = etat.score_total;
    return e;
}

// The same log in a state of its own, scored from the top by a memory made for it.
struct Copie {
    Copie(const Etat& source, const QList<QStringList>& lignes) {
        etat.station = source.station;
        etat.debut_concours = source.debut_concours;
        etat.fin_concours = source.fin_concours;
        etat.table.fixer_nb_lignes(int(lignes.size()) + 1);
        for (int r = 1; r <= lignes.size(); ++r) {
            etat.table.fixer_ligne(r, lignes[r - 1]);
        }
    }
    Etat etat;
};

// One change an operator makes to the log: a commit at the end, a correction (a row or a
// cell), an empty row inserted or filled, a row deleted.
void changer(QRandomGenerator& g, Etat& etat) {
    TableJournal& table = etat.table;
    const int n = table.nb_lignes();
    const int r = 1 + int(g.bounded(n - 1));
    switch (g.bounded(6)) {
    case 0:
    case 1: {
        const int ligne = n - 1;
        table.fixer_nb_lignes(n + 1);
        table.fixer_ligne(ligne, ligne_au_hasard(g));
        break;
    }
    case 2:
        table.fixer_ligne(r, ligne_au_hasard(g));
        break;
    case 3: {
        const int col = choisir(g, {"0", "2", "3", "6", "7", "9"}).toInt();
        table.fixer_cellule(col, r, ligne_au_hasard(g)[col]);
        break;
    }
    case 4:
        table.inserer_ligne(r);
        if (g.bounded(2) == 0) {
            table.fixer_ligne(r, ligne_au_hasard(g));
        }
        break;
    default:
        table.supprimer_ligne(r);
        break;
    }
}

} // namespace

// The log rescored after each change, from the memory kept since the last rescoring,
// equals the log scored from the top by a memory made for it; so does the preview of a
// row written anywhere. Between changes the entry's band, the member database (a number
// changed, or the file gone) and the year change now and then.
void TstScore::apres_un_changement_comme_le_calcul_complet() {
    DossierEssai d;
    d.ecrire_dxcc();
    const Referentiel referentiel(d.etat.rep_cfg, d.etat.rep_BD);
    QRandomGenerator g(20250714);
    int erreurs = 0;
    int apercus = 0;
    for (int essai = 0; essai < 300; ++essai) {
        d.etat.station.station_continent = choisir(g, {"EU", "NA"});
        d.ecrire_membres();
        d.etat.table.vider();
        d.etat.ligne_suivante = 1;
        for (int i = int(g.bounded(1, 25)); i > 0; --i) {
            d.ajouter(ligne_au_hasard(g));
        }
        QString bande = choisir(g, {"", "40m"});
        QString an = annee;
        noter(d.etat, [&] { calculer_score(d.etat, referentiel, bande, an); });
        for (int pas = 0; pas < 10; ++pas) {
            changer(g, d.etat);
            if (g.bounded(8) == 0) {
                bande = choisir(g, {"", "40m", "sat"});
            }
            if (g.bounded(25) == 0) {
                an = choisir(g, {"2025", "2026"});
            }
            if (g.bounded(40) == 0) {
                QStringList membres = DossierEssai::membres_essai();
                membres[g.bounded(membres.size())] = QStringLiteral("F5ABC,77,Autre,x");
                d.ecrire_membres(membres);
            } else if (g.bounded(60) == 0) {
                QFile::remove(d.chemin_membres());
            }
            const QList<QStringList> avant = lignes_de(d.etat.table);
            const Etat_score suivi =
                noter(d.etat, [&] { calculer_score(d.etat, referentiel, bande, an); });
            Copie copie(d.etat, avant);
            const Etat_score complet =
                noter(copie.etat, [&] { calculer_score(copie.etat, referentiel, bande, an); });
            if (!(suivi == complet)) {
                qWarning() << "essai" << essai << "pas" << pas << avant;
                QCOMPARE(suivi.erreur, complet.erreur);
                QCOMPARE(suivi.lignes, complet.lignes);
                QCOMPARE(suivi.total, complet.total);
            }
            erreurs += suivi.erreur.isEmpty() ? 0 : 1;

            // A row written at ligne (past the end too), its notes empty so that its notes
            // cell is its remark alone.
            const int ligne = 1 + int(g.bounded(d.etat.table.nb_lignes() + 1));
            QStringList qso = ligne_au_hasard(g);
            qso[col_notes].clear();
            QString obtenu;
            try {
                const Verdict v = ScoreSuivi(d.etat, referentiel)
                                      .apercu(cellules_lues(d.etat.table, qso), ligne, bande);
                obtenu = QString::number(v.points) + remarque(v.regle, an);
            } catch (const Erreur& e) {
                obtenu = e.message();
            }
            Copie ecrite(d.etat, lignes_de(d.etat.table));
            ecrite.etat.table.fixer_nb_lignes(std::max(ecrite.etat.table.nb_lignes(), ligne + 1));
            ecrite.etat.table.fixer_ligne(ligne, qso);
            const Etat_score attendu =
                noter(ecrite.etat, [&] { calculer_score(ecrite.etat, referentiel, bande, an); });
            const TableJournal& t = ecrite.etat.table;
            const bool arret_avant =
                !attendu.erreur.isEmpty() && t.cellule(col_points, ligne) == qso[col_points];
            if (qso[col_indicatif].isEmpty() || (arret_avant && attendu.erreur != obtenu)) {
                continue;
            }
            ++apercus;
            QCOMPARE(obtenu, arret_avant
                                 ? attendu.erreur
                                 : t.cellule(col_points, ligne) + t.cellule(col_notes, ligne));
        }
    }
    QVERIFY(erreurs > 50);
    QVERIFY(apercus > 1000);
}

QTEST_GUILESS_MAIN(TstScore)
#include "tst_score.moc"
