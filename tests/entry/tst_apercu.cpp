#include "ligne_donnees.h"
#include "poste_essai.h"
#include "qso_hasard.h"

#include "base/dialogues.h"
#include "entry/libelles.h"
#include "log/etat.h"
#include "refdata/textes_refdata.h"
#include "rules/score.h"
#include "rules/textes_regles.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace vorek;

class TstApercu : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void apercu_egal_au_commit_puis_calcul();
    void liste_partielle_data();
    void liste_partielle();
    void base_absente_liste_vide_un_message();
};

namespace {

const Rvb rouge{255, 0, 0};
const Rvb vert{0, 128, 0};
const Rvb orange{192, 96, 0};

// The row the commit would write: the row under correction, or the free row.
int ligne_du_commit(const Etat& etat) {
    const bool corrigee = etat.fichier_modifie && etat.ligne_editee >= 1 &&
                          etat.ligne_editee < etat.ligne_suivante &&
                          etat.ligne_editee < etat.table.nb_lignes();
    return corrigee ? etat.ligne_editee : etat.ligne_suivante;
}

QString derniere_erreur(const DialoguesScriptes& dialogues) {
    for (auto m = dialogues.messages.crbegin(); m != dialogues.messages.crend(); ++m) {
        if (m->type == TypeMessage::erreur) {
            return m->texte;
        }
    }
    return QString();
}

} // namespace

// Thousands of commits each save the log with its flushes to disk: on a memory file system
// they take no time.
void TstApercu::initTestCase() {
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
        qputenv("TMPDIR", "/dev/shm");
    }
}

// Random logs, each followed by a run of QSOs previewed then committed (some of them as
// corrections), half of the logs without the member database: the preview is what the
// commit and the rescoring after it leave in the row, or the text they stop on.
void TstApercu::apercu_egal_au_commit_puis_calcul() {
    PosteEssai p;
    QsoHasard h(20250710);
    QMap<QString, int> vus;
    for (int essai = 0; essai < 700; ++essai) {
        p.d.etat.table.vider();
        p.d.etat.ligne_suivante = 1;
        const int n = int(h.g.bounded(0, 20));
        for (int i = 0; i < n; ++i) {
            p.d.ajouter(h.ligne());
        }
        if (essai % 2 == 0) {
            p.d.ecrire_membres();
        } else {
            QFile::remove(p.d.chemin_membres());
        }
        p.d.etat.station.station_continent = h.choisir({"EU", "NA"});
        for (int qso = 0; qso < 6; ++qso) {
            p.d.etat.fichier_modifie = p.d.etat.ligne_suivante > 1 && h.g.bounded(5) == 0;
            p.d.etat.ligne_editee = int(h.g.bounded(1, p.d.etat.ligne_suivante + 1));
            p.entree.BitBtn_efface_saisieClick();
            p.d.etat.fichier_modifie = p.d.etat.ligne_editee < p.d.etat.ligne_suivante;
            h.saisir(p.entree);
            const int ligne = ligne_du_commit(p.d.etat);
            const QString note = note_operateur(p.entree.Edit_Notes.trimmed());
            const ApercuQSO apercu = p.entree.apercu_QSO();
            QVERIFY(apercu.visible);
            p.dialogues.messages.clear();
            const IssueCommit issue = p.entree.enregistrer_QSO();
            const bool calcule =
                issue != IssueCommit::date_illisible &&
                recalculer_score(p.d.etat, p.referentiel, p.dialogues,
                                 p.entree.bande_selectionnee(), p.entree.annee_courante());
            const TableJournal& t = p.d.etat.table;
            if (issue == IssueCommit::meme_jour) {
                QCOMPARE(apercu.points, QStringLiteral("0"));
                QCOMPARE(apercu.raison, textes::remarque_meme_jour());
                ++vus[QStringLiteral("refus")];
            } else if (apercu.points.isEmpty()) {
                QVERIFY(!calcule);
                QCOMPARE(apercu.raison, derniere_erreur(p.dialogues));
                ++vus[QStringLiteral("arret")];
            } else {
                QCOMPARE(int(issue), int(IssueCommit::enregistre));
                QCOMPARE(apercu.points, t.cellule(col_points, ligne));
                QCOMPARE(note + apercu.raison, t.cellule(col_notes, ligne));
                QCOMPARE(apercu.couleur, apercu.points == QStringLiteral("0") ? rouge : vert);
                ++vus[apercu.raison.left(12) + (apercu.points == "0" ? "0" : "+")];
            }
        }
    }
    // Every outcome is met many times: scores, each rule, the refusal, the stops.
    qInfo() << vus;
    QCOMPARE(vus.size(), 8);
    for (const int n : vus) {
        QVERIFY(n > 30);
    }
}

void TstApercu::liste_partielle_data() {
    QTest::addColumn<QString>("tape");
    QTest::addColumn<int>("bande");
    QTest::addColumn<int>("corrigee");
    QTest::addColumn<QStringList>("attendu");
    const int m20 = 5;
    const int m40 = 3;
    const QStringList f5ab{"F5ABC|123|JB", "F5ABD|124|", "TF5AB|9|"};
    ligne_donnees("debut d'abord, membre portable contacte ce jour sur la bande", "F5AB", m20, 0,
                  f5ab);
    ligne_donnees("au milieu, ordre alphabetique", "5AB", m20, 0, f5ab);
    ligne_donnees("minuscules tapees en capitales", "f5ab", m20, 0, f5ab);
    ligne_donnees("blancs autour", " F5AB ", m20, 0, f5ab);
    ligne_donnees("la ligne corrigee ne compte pas", "F5AB", m20, 1,
                  QStringList{"F5ABC|123|", "F5ABD|124|", "TF5AB|9|"});
    ligne_donnees("autre jour, autre bande", "1A", m20, 0, QStringList{"DL1AA|456|", "JA1AA|900|"});
    ligne_donnees("autre jour, meme bande", "1A", m40, 0, QStringList{"DL1AA|456|B", "JA1AA|900|"});
    ligne_donnees("ce jour, sans bande choisie", "1Z", -1, 0, QStringList{"K1ZZ|789|J"});
    ligne_donnees("premiere ligne d'un indicatif", "F5ABC", m20, 0, QStringList{"F5ABC|123|JB"});
    ligne_donnees("plus retire, numero vide", "XY", m20, 0, QStringList{"F6XYZ||"});
    // Neither a header, nor a call written in lower case or with a prefix is a member.
    for (const char* rien : {"F", "  ", "Q/", "F5ABC/P", "é1", "AL", "ZZZ", "EA8/"}) {
        QTest::addRow("rien pour '%s'", rien)
            << QString::fromUtf8(rien) << m20 << 0 << QStringList();
    }
}

// A fixed database on a fixed log; the entry's date is 10/07/2025.
void TstApercu::liste_partielle() {
    QFETCH(QString, tape);
    QFETCH(int, bande);
    QFETCH(int, corrigee);
    QFETCH(QStringList, attendu);
    PosteEssai p;
    p.d.ecrire_membres({"CALL,NR,NOM,X", "F5ABC,123,Jean,x", "F5ABD,124,Luc,x", "TF5AB,9,Ice,x",
                        "+F6XYZ,,Marie,x", "f5zzz,1,minuscule,x", "DL1AA,456,Hans,x",
                        "F5ABC,999,Doublon,x", "EA8/F5ABC,5,Ailleurs,x", "K1ZZ,789,Bob,x",
                        "JA1AA,900,Taro,x"});
    p.d.ajouter(DossierEssai::ligne_decrite(QStringLiteral("10/07/2025;09:00;F5ABC/P;20m")));
    p.d.ajouter(DossierEssai::ligne_decrite(QStringLiteral("09/07/2025;09:00;DL1AA;40m")));
    p.d.ajouter(DossierEssai::ligne_decrite(QStringLiteral("10/07/2025;09:00;K1ZZ;40m")));
    p.d.etat.fichier_modifie = corrigee > 0;
    p.d.etat.ligne_editee = corrigee;
    p.entree.choisir_bande(bande);
    p.entree.Edit_callChange(tape);
    QStringList obtenu;
    for (const Partiel& m : p.entree.liste_partielle()) {
        obtenu.append(m.indicatif + QLatin1Char('|') + m.membre_numero + QLatin1Char('|') +
                      m.marques);
        const bool jour = m.marques.contains(QLatin1Char('J'));
        const bool bande_vue = m.marques.contains(QLatin1Char('B'));
        QCOMPARE(m.couleur, jour ? rouge : bande_vue ? orange : Rvb());
    }
    QCOMPARE(obtenu, attendu);
}

// From the second character typed, each keystroke tells of the missing database once, as
// the look-ups of the fourth character on do, and the list stays empty.
void TstApercu::base_absente_liste_vide_un_message() {
    PosteEssai p;
    QFile::remove(p.d.chemin_membres());
    for (const char* tape : {"F", "F5", "F5A", "F5AB", "F5ABC"}) {
        p.dialogues.messages.clear();
        p.entree.Edit_callChange(QString::fromLatin1(tape));
        QVERIFY(p.entree.liste_partielle().isEmpty());
        const QStringList message{QString::fromUtf8(message_base_membres_absente)};
        QCOMPARE(p.dialogues.textes(), qstrlen(tape) < 2 ? QStringList() : message);
    }
}

QTEST_GUILESS_MAIN(TstApercu)
#include "tst_apercu.moc"
