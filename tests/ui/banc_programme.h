#pragma once

#include "base/horloge.h"
#include "controles_principale.h"
#include "dialogues_scriptes.h"
#include "log/etat.h"
#include "ui/fenetre_attente.h"
#include "ui/programme.h"

#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

// A program folder of its own and the real program started in it, with scripted dialogs
// and a fixed clock (15/03/2025 10:00 local, one hour ahead of UTC).
class BancProgramme {
  public:
    BancProgramme();
    ~BancProgramme();

    bool valide() const { return dossier_.isValid(); }
    QString prog() const;
    QString chemin(const QString& relatif) const;
    // A file of the work folder Fichiers_challenge.
    QString travail(const QString& nom) const {
        return chemin(QStringLiteral("Fichiers_challenge/") + nom);
    }
    // CP1252 lines with CR LF, folders created as needed.
    void ecrire(const QString& relatif, const QStringList& lignes) const;
    // cfg/serveurs.ini naming both servers.
    void fixer_serveur(const QString& adresse) const;
    // A server address where nothing listens: every fetch fails at once.
    void serveur_absent() const;
    // The same country list shipped with the program and in cfg/, and the member database.
    void ecrire_references(const QStringList& dxcc, const QStringList& membres) const;
    // From the station window: call typed, work file created, OK.
    void creer_challenge(const QString& indicatif, const QString& fichier);
    // From the station window: this log loaded, OK; the dialogs so far forgotten.
    void charger_challenge(const QString& fichier);

    // Starts the program; version empty for a build without version information.
    void demarrer(const QString& version = QStringLiteral("7.5.0.0"));
    // Starts, declining the offered update, and forgets the start's dialogs.
    void demarrer_sans_mise_a_jour();
    // Ends this run and starts a new one in the same folder, as the next start would.
    void redemarrer();

    vorek::TForm_Infos* infos() const;
    vorek::TForm_main* principale() const;
    // The main window's controls, looked up again for each new window.
    const ControlesPrincipale* controles_principale() const;
    template <typename T> T* controle(const QWidget* fenetre, const char* nom) const {
        return fenetre->findChild<T*>(QString::fromLatin1(nom));
    }

    std::unique_ptr<vorek::Etat> etat;
    DialoguesScriptes dialogues;
    vorek::HorlogeFixe horloge;
    vorek::FenetreAttenteQt attente;
    vorek::ActionsDemarrage actions;
    bool actions_fournies = false;
    vorek::IntervallesRadio intervalles_radio;
    vorek::DelaisCluster delais_cluster;
    // The executable's folder, where the program looks for what it ships; prog() by default.
    QString executable;
    std::unique_ptr<vorek::Programme> programme;

  private:
    QTemporaryDir dossier_;
    mutable std::unique_ptr<ControlesPrincipale> controles_;
    mutable QPointer<QObject> controles_de_;
};

// Types a call and an e-mail address key by key into the station window of a program just
// started in a folder without SMTP.csv (the shipped one being found), and checks that no box
// came and that the address proposed its mail server.
void taper_sans_boite(BancProgramme& banc);

// A plain HTTP server on 127.0.0.1 serving a folder, run as its own process.
class ServeurHttp {
  public:
    explicit ServeurHttp(const QString& dossier);
    ~ServeurHttp();
    QString adresse() const { return adresse_; }

  private:
    QProcess processus_;
    QTemporaryDir script_;
    QString adresse_;
};
