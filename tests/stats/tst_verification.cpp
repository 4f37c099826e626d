#include "dialogues_scriptes.h"
#include "journal_stats.h"
#include "ligne_donnees.h"

#include "base/fichier_texte.h"
#include "refdata/referentiel.h"
#include "reports/cabrillo.h"
#include "stats/avant_envoi.h"

#include <QFile>
#include <QTest>

using namespace vorek;

class TstVerification : public QObject {
    Q_OBJECT

  private slots:
    void constats_data();
    void constats();
    void compte_rendu_modifie_data();
    void compte_rendu_modifie();
    void avant_envoi();
};

namespace {

// Three QSOs that give nothing to say.
const QStringList journal_propre{"01/07/2025;10:15;F5ABC;20m", "01/07/2025;10:40;DL1AA;40m",
                                 "02/07/2025;09:45;F8ZTC;80m"};

// "row CODE" of each finding, in order.
QStringList codes(const QList<Constat>& constats) {
    QStringList lus;
    for (const Constat& c : constats) {
        lus.append(QString::number(c.ligne) + QLatin1Char(' ') + c.code);
        if (c.texte.isEmpty() || c.texte.contains(QLatin1Char('\n'))) {
            qWarning("constat sans texte d'une ligne : %s", qPrintable(c.code));
            lus.append(QStringLiteral("TEXTE"));
        }
    }
    return lus;
}

// "champ=valeur" sets one field of the station record; "base absente" removes the member
// database.
void modifier(JournalStats& j, const QString& modification) {
    Station& s = j.etat.station;
    if (modification.isEmpty()) {
        return;
    }
    if (modification == QStringLiteral("base absente")) {
        QFile::remove(j.chemin_membres());
        return;
    }
    const QString champ = modification.section(QLatin1Char('='), 0, 0);
    const QString valeur = modification.section(QLatin1Char('='), 1);
    QString* cibles[] = {&s.station_call, &s.nom_saisi, &s.station_adresse1, &s.station_adresse2};
    const QStringList noms{"indicatif", "nom", "adresse1", "adresse2"};
    if (noms.contains(champ)) {
        *cibles[noms.indexOf(champ)] = valeur;
    } else {
        // What the e-mail field holds as typed; the station keeps it only when it is valid.
        s.email_saisi = valeur;
        s.station_email.clear();
    }
}

// An edit of the report by hand: "-N" removes line N, "+N" writes it twice, "N<>M" swaps two
// lines, "N=text" replaces line N, "N~old~new" replaces a part of it; " puis " separates
// edits made one after the other.
void modifier_lignes(QStringList& lignes, const QString& edition) {
    if (edition.contains(QStringLiteral(" puis "))) {
        for (const QString& e : edition.split(QStringLiteral(" puis "))) {
            modifier_lignes(lignes, e);
        }
    } else if (edition.startsWith(QLatin1Char('+'))) {
        lignes.insert(edition.mid(1).toInt(), lignes[edition.mid(1).toInt()]);
    } else if (edition.startsWith(QLatin1Char('-'))) {
        lignes.removeAt(edition.mid(1).toInt());
    } else if (edition.contains(QStringLiteral("<>"))) {
        lignes.swapItemsAt(edition.section(QStringLiteral("<>"), 0, 0).toInt(),
                           edition.section(QStringLiteral("<>"), 1).toInt());
    } else if (edition.contains(QLatin1Char('~'))) {
        const QStringList p = edition.split(QLatin1Char('~'));
        lignes[p[0].toInt()].replace(p[1], p[2]);
    } else {
        lignes[edition.section(QLatin1Char('='), 0, 0).toInt()] =
            edition.section(QLatin1Char('='), 1);
    }
}

} // namespace

void TstVerification::constats_data() {
    QTest::addColumn<QStringList>("ajouts");
    QTest::addColumn<QString>("reglage");
    QTest::addColumn<QString>("bande_entree");
    QTest::addColumn<QStringList>("attendus");

    const QStringList aucun;
    ligne_donnees("aucune remarque", aucun, QString(), QString(), aucun);
    ligne_donnees("QSO a minuit le premier jour", QStringList{"01/07/2025;00:00;K1ZZ;20m"},
                  QString(), QString(), QStringList{"4 HORS_PERIODE"});
    // The rules said another reason before the period's: it is told too.
    ligne_donnees("non-membre hors periode", QStringList{"01/07/2025;00:00;X1XX;20m"}, QString(),
                  QString(), QStringList{"4 HORS_PERIODE", "4 ZERO_POINT"});
    ligne_donnees("indicatif de 14 caracteres", QStringList{"02/07/2025;10:00;EA8/F5ABC/QRPX;15m"},
                  QString(), QString(), QStringList{"4 INDICATIF_COUPE"});
    // Without the member database the rows keep the numbers they hold (the three first none).
    ligne_donnees("numero de 5 chiffres sans base des membres",
                  QStringList{"02/07/2025;10:10;F5NUM;20m;12345"}, QStringLiteral("base absente"),
                  QString(),
                  QStringList{"1 ZERO_POINT", "2 ZERO_POINT", "3 ZERO_POINT", "4 NUMERO_COUPE"});
    ligne_donnees("le meme QSO deux fois", QStringList{"01/07/2025;10:15;F5ABC;20m"}, QString(),
                  QString(), QStringList{"4 DOUBLE", "4 ZERO_POINT"});
    ligne_donnees("non-membre", QStringList{"02/07/2025;11:00;X1XX;20m"}, QString(), QString(),
                  QStringList{"4 ZERO_POINT"});
    ligne_donnees("bande sans frequence", QStringList{"02/07/2025;11:00;K1ZZ;SAT"}, QString(),
                  QString(), QStringList{"4 FREQUENCE_ABSENTE", "4 ZERO_POINT"});
    // The window scored the empty band with the entry's; the report has nothing to say it.
    ligne_donnees("bande vide notee avec celle de la saisie", QStringList{"02/07/2025;11:00;K1ZZ;"},
                  QString(), QStringLiteral("20m"),
                  QStringList{"4 FREQUENCE_ABSENTE", "4 POINTS_DIFFERENTS", "0 SCORE_DIFFERENT"});
    ligne_donnees("indicatif de la station vide", aucun, QStringLiteral("indicatif="), QString(),
                  QStringList{"0 INDICATIF_STATION_VIDE"});
    ligne_donnees("nom vide", aucun, QStringLiteral("nom= "), QString(), QStringList{"0 NOM_VIDE"});
    ligne_donnees("premiere adresse vide", aucun, QStringLiteral("adresse1="), QString(),
                  QStringList{"0 ADRESSE_VIDE"});
    ligne_donnees("seconde adresse vide", aucun, QStringLiteral("adresse2="), QString(),
                  QStringList{"0 ADRESSE_VIDE"});
    ligne_donnees("sans adresse e-mail", aucun, QStringLiteral("email="), QString(),
                  QStringList{"0 EMAIL_ABSENT"});
    ligne_donnees("adresse e-mail invalide", aucun, QStringLiteral("email=f1aaa@"), QString(),
                  QStringList{"0 EMAIL_INVALIDE"});
    // Every line check passes on a report without QSO.
    ligne_donnees("journal vide", aucun, QStringLiteral("journal vide"), QString(),
                  QStringList{"0 JOURNAL_VIDE"});
}

void TstVerification::constats() {
    QFETCH(QStringList, ajouts);
    QFETCH(QString, reglage);
    QFETCH(QString, bande_entree);
    QFETCH(QStringList, attendus);
    JournalStats j;
    const bool vide = reglage == QStringLiteral("journal vide");
    if (!vide) {
        modifier(j, reglage);
    }
    j.remplir(vide ? QStringList() : journal_propre + ajouts);
    j.noter(bande_entree);
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    const ResultatVerification resultat =
        verifier_compte_rendu(j.etat, referentiel, QStringLiteral("2025"));
    QCOMPARE(resultat.chemin, j.etat.rep_challenge + QStringLiteral("/ESSAI.LOG"));
    QCOMPARE(lire_lignes(resultat.chemin), lignes_cabrillo(j.etat));
    QCOMPARE(codes(resultat.constats), attendus);
}

void TstVerification::compte_rendu_modifie_data() {
    QTest::addColumn<QString>("edition");
    QTest::addColumn<QStringList>("attendus");

    const QStringList absente{"0 ENTETE_ABSENTE"};
    const QStringList differente{"0 ENTETE_DIFFERENTE"};
    const QStringList desordre{"0 ENTETE_DESORDRE"};
    ligne_donnees("START-OF-LOG retiree", "-0", absente);
    ligne_donnees("CREATED-BY d'un autre programme", "1=CREATED-BY: AUTRE", differente);
    ligne_donnees("CONTEST retiree", "-2", absente);
    ligne_donnees("CALLSIGN vide", "3=CALLSIGN: ", QStringList{"0 INDICATIF_STATION_VIDE"});
    ligne_donnees("CALLSIGN d'une autre station", "3=CALLSIGN: F9ZZZ", differente);
    ligne_donnees("CATEGORY-MODE autre", "4=CATEGORY-MODE: SSB", differente);
    ligne_donnees("CATEGORY-OPERATOR retiree", "-5", absente);
    ligne_donnees("CATEGORY-POWER sans son blanc", "6=CATEGORY-POWER:", differente);
    ligne_donnees("CATEGORY-TRANSMITTER et OVERLAY echangees", "7<>8", desordre);
    ligne_donnees("CLUB sans le club", "9=CLUB: ", differente);
    ligne_donnees("NAME avant CLUB", "9<>10", desordre);
    ligne_donnees("NAME vide", "10=NAME:", QStringList{"0 NOM_VIDE"});
    ligne_donnees("premiere ADDRESS vide", "11=ADDRESS:  ", QStringList{"0 ADRESSE_VIDE"});
    ligne_donnees("seconde ADDRESS retiree", "-12", absente);
    ligne_donnees("SOAPBOX retiree", "-13", absente);
    ligne_donnees("ligne QSO decalee",
                  "15~QSO: ~QSO:  ", QStringList{"1 LIGNE_ILLISIBLE", "0 SCORE_DIFFERENT"});
    ligne_donnees("frequence d'aucune bande", "16~ 7000 ~ 7100 ",
                  QStringList{"2 FREQUENCE_INCONNUE", "2 POINTS_DIFFERENTS", "0 SCORE_DIFFERENT"});
    ligne_donnees("indicatif change", "15~F5ABC ~F5ABD ",
                  QStringList{"1 INDICATIF_DIFFERENT", "1 POINTS_DIFFERENTS", "0 SCORE_DIFFERENT"});
    // Each line is the one its row gives, field by field, even where the score cannot tell.
    ligne_donnees("date d'un QSO changee", "15~2025-07-01~2025-07-03",
                  QStringList{"1 DATE_DIFFERENTE"});
    ligne_donnees("heure d'un QSO changee", "15~ 1015 ~ 1115 ", QStringList{"1 HEURE_DIFFERENTE"});
    ligne_donnees("indicatif de la station change", "16~F1AAA ~F9ZZZ ",
                  QStringList{"2 INDICATIF_STATION_DIFFERENT"});
    ligne_donnees("numero de la station change", "17~ 4321 ~ 4322 ",
                  QStringList{"3 NUMERO_STATION_DIFFERENT"});
    ligne_donnees("numero ZTC change", "16~ 599 456 ~ 599 457 ", QStringList{"2 NUMERO_DIFFERENT"});
    ligne_donnees("bande changee pour une autre", "16~ 7000 ~ 3500 ",
                  QStringList{"2 FREQUENCE_DIFFERENTE"});
    ligne_donnees("ligne QSO retiree", "-17", QStringList{"0 NOMBRE_QSO", "0 SCORE_DIFFERENT"});
    ligne_donnees("END-OF-LOG retiree", "-18", QStringList{"0 FIN_ABSENTE"});
    // A line written twice is told, whether its row gives it or it was edited first.
    ligne_donnees("derniere ligne QSO copiee", "+17", QStringList{"0 NOMBRE_QSO", "0 DOUBLE"});
    ligne_donnees("ligne QSO changee puis copiee", "17~ 0945 ~ 0950  puis +17",
                  QStringList{"0 NOMBRE_QSO", "3 HEURE_DIFFERENTE", "0 DOUBLE"});
}

void TstVerification::compte_rendu_modifie() {
    QFETCH(QString, edition);
    QFETCH(QStringList, attendus);
    JournalStats j;
    j.remplir(journal_propre);
    j.noter();
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    QStringList lignes = lignes_cabrillo(j.etat);
    QCOMPARE(lignes.size(), 19);
    const SourceVerification source{j.etat, referentiel, QStringLiteral("2025")};
    QCOMPARE(codes(verifier_lignes_cabrillo(lignes, source)), QStringList());
    modifier_lignes(lignes, edition);
    const QList<Constat> c = verifier_lignes_cabrillo(lignes, source);
    QCOMPARE(codes(c), attendus);
}

// Before a send: nothing asked without findings; with them the operator sees them (the
// first fifteen, then how many more) and chooses.
void TstVerification::avant_envoi() {
    DialoguesScriptes dialogues;
    QVERIFY(envoyer_malgre_constats({}, dialogues));
    QVERIFY(dialogues.questions.isEmpty());

    QList<Constat> constats{{0, "EMAIL_ABSENT", "Adresse e-mail de la station absente"}};
    for (int ligne = 1; ligne <= 16; ++ligne) {
        constats.append({ligne, "ZERO_POINT", "0 point : NM car non à jour"});
    }
    dialogues.prevoir_reponse(Reponse::oui);
    QVERIFY(envoyer_malgre_constats(constats, dialogues));
    QVERIFY(!envoyer_malgre_constats(constats.mid(0, 1), dialogues));
    QCOMPARE(dialogues.questions.size(), 2);
    const QStringList lignes = dialogues.questions[0].split(QLatin1Char('\n'));
    QCOMPARE(lignes.first(), QStringLiteral("Le compte rendu appelle 17 remarques :"));
    QCOMPARE(lignes[2], QStringLiteral("Compte rendu — EMAIL_ABSENT : Adresse e-mail de la "
                                       "station absente"));
    QCOMPARE(lignes[16], QStringLiteral("Ligne 14 — ZERO_POINT : 0 point : NM car non à jour"));
    QCOMPARE(lignes[17], QStringLiteral("… et 2 de plus"));
    QCOMPARE(lignes.last(), QStringLiteral("Envoyer quand même ?"));
    QVERIFY(
        dialogues.questions[1].startsWith(QStringLiteral("Le compte rendu appelle 1 remarque :")));
}

QTEST_GUILESS_MAIN(TstVerification)
#include "tst_verification.moc"
