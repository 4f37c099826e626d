#include "manipulateur.h"

#include "code_morse.h"
#include "textes_rig.h"

#include "base/journal_diagnostic.h"

#include <QTimer>

#include <algorithm>

namespace vorek {

namespace {

// A keyer that never says when it is done is idle once its message has had time to go out.
constexpr int marge_fin_ms = 500;

} // namespace

QString texte_etat_manipulateur(EtatManipulateur etat) {
    return etat == EtatManipulateur::verifie ? textes_rig::manipulateur_verifie()
                                             : textes_rig::manipulateur_non_verifie();
}

Manipulateur::Manipulateur(const SorteManipulateur& sorte, int wpm, QObject* parent)
    : QObject(parent), sorte_(sorte), vitesse_(vitesse_bornee(wpm)),
      fin_estimee_(new QTimer(this)) {
    fin_estimee_->setSingleShot(true);
    connect(fin_estimee_, &QTimer::timeout, this, &Manipulateur::finir_envoi);
    connect(this, &Manipulateur::erreur, this, [this](const QString& message) {
        qCWarning(journal_manipulateur).noquote() << sorte_.nom << message;
    });
}

int Manipulateur::vitesse_bornee(int wpm) {
    return std::clamp(wpm, vitesse_min, vitesse_max);
}

void Manipulateur::envoyer(const QString& texte) {
    const QString morse = texte_morse(texte);
    if (morse.isEmpty()) {
        return;
    }
    accuse_ = false;
    if (!transmettre(morse)) {
        return;
    }
    en_cours_ = morse;
    qCInfo(journal_manipulateur).noquote()
        << sorte_.nom << "envoi à" << vitesse_ << "mots/min :" << morse;
    emit envoi_commence(morse);
    fin_estimee_->start(duree_morse_ms(morse, vitesse_) + marge_fin_ms);
}

void Manipulateur::arreter() {
    qCInfo(journal_manipulateur).noquote() << sorte_.nom << "arrêt";
    interrompre();
    finir_envoi();
}

void Manipulateur::regler_vitesse(int wpm) {
    const int bornee = vitesse_bornee(wpm);
    if (bornee == vitesse_) {
        return;
    }
    vitesse_ = bornee;
    appliquer_vitesse(vitesse_);
    emit vitesse_changee(vitesse_);
}

void Manipulateur::marquer_etat(EtatManipulateur etat) {
    if (etat != etat_) {
        etat_ = etat;
        qCInfo(journal_manipulateur).noquote() << sorte_.nom << texte_etat_manipulateur(etat);
        emit etat_change(etat);
    }
}

void Manipulateur::accuser_envoi() {
    qCDebug(journal_manipulateur).noquote() << sorte_.nom << "message envoyé";
    accuse_ = true;
    emit accuse_recu();
    finir_envoi();
}

void Manipulateur::finir_envoi() {
    fin_estimee_->stop();
    if (!en_cours_.isEmpty()) {
        en_cours_.clear();
        emit envoi_fini();
    }
}

} // namespace vorek
