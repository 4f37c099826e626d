#include "dialogues_qt.h"

#include "francais.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace vorek {

namespace {

// The texts break lines with CR alone, which a Qt box would not show as a break.
QString texte_affiche(QString texte) {
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texte;
}

QMessageBox::Icon icone(TypeMessage type) {
    switch (type) {
    case TypeMessage::simple:
        return QMessageBox::NoIcon;
    case TypeMessage::information:
        return QMessageBox::Information;
    case TypeMessage::avertissement:
        return QMessageBox::Warning;
    case TypeMessage::erreur:
        return QMessageBox::Critical;
    case TypeMessage::confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QWidget* parent_actif() {
    return QApplication::activeWindow();
}

} // namespace

QString filtre_qt(const QString& filtre) {
    const QStringList parties = filtre.split(QLatin1Char('|'));
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < parties.size(); i += 2) {
        const QString description = parties[i].trimmed();
        // A description that shows its patterns already is the Qt filter itself; the dialog
        // reads the patterns from it.
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('('))) {
            filtres.append(description);
            continue;
        }
        // File names are compared without regard to case, as on the operator's usual system.
        QStringList motifs = parties[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& motif : QStringList(motifs)) {
            if (!motifs.contains(motif.toLower())) {
                motifs.append(motif.toLower());
            }
        }
        filtres.append(description + QStringLiteral(" (") + motifs.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filtres.join(QStringLiteral(";;"));
}

void DialoguesQt::message(TypeMessage type, const QString& texte) {
    QMessageBox boite(icone(type), QApplication::applicationName(), texte_affiche(texte),
                      QMessageBox::Ok, parent_actif());
    boite.exec();
}

bool DialoguesQt::confirmer(const QString& texte) {
    QMessageBox boite(QMessageBox::Question, QApplication::applicationName(), texte_affiche(texte),
                      QMessageBox::Ok | QMessageBox::Cancel, parent_actif());
    boite.setEscapeButton(QMessageBox::Cancel);
    return boite.exec() == QMessageBox::Ok;
}

Reponse DialoguesQt::question(const QString& texte, bool avec_annuler) {
    QMessageBox::StandardButtons boutons = QMessageBox::Yes | QMessageBox::No;
    if (avec_annuler) {
        boutons |= QMessageBox::Cancel;
    }
    QMessageBox boite(QMessageBox::Question, QApplication::applicationName(), texte_affiche(texte),
                      boutons, parent_actif());
    if (avec_annuler) {
        boite.setEscapeButton(QMessageBox::Cancel);
    }
    switch (boite.exec()) {
    case QMessageBox::Yes:
        return Reponse::oui;
    case QMessageBox::No:
        return Reponse::non;
    default:
        return Reponse::annuler;
    }
}

QString DialoguesQt::fichier_a_ouvrir(const DemandeFichier& demande) {
    QFileDialog dialogue(parent_actif(), demande.titre, demande.dossier_initial,
                         filtre_qt(demande.filtre));
    franciser_dialogue(dialogue);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    dialogue.setDefaultSuffix(demande.extension_defaut);
    if (!demande.nom_initial.isEmpty()) {
        dialogue.selectFile(demande.nom_initial);
    }
    return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
}

QString DialoguesQt::fichier_a_enregistrer(const DemandeFichier& demande) {
    QFileDialog dialogue(parent_actif(), demande.titre, demande.dossier_initial,
                         filtre_qt(demande.filtre));
    franciser_dialogue(dialogue);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setDefaultSuffix(demande.extension_defaut);
    if (!demande.nom_initial.isEmpty() && !demande.nom_initial.contains(QLatin1Char('*'))) {
        dialogue.selectFile(demande.nom_initial);
    }
    return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
}

QString DialoguesQt::dossier_a_ouvrir(const DemandeFichier& demande) {
    QFileDialog dialogue(parent_actif(), demande.titre, demande.dossier_initial);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::Directory);
    dialogue.setOption(QFileDialog::ShowDirsOnly);
    return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
}

} // namespace vorek
