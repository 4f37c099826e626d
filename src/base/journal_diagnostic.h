#pragma once

#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QString>

namespace vorek {

// What the program tells of its links and files, so that a problem at an operator's station
// can be understood afterwards. Silent (warnings aside) until a JournalDiagnostic is set up.
Q_DECLARE_LOGGING_CATEGORY(journal_radio)
Q_DECLARE_LOGGING_CATEGORY(journal_manipulateur)
Q_DECLARE_LOGGING_CATEGORY(journal_smtp)
Q_DECLARE_LOGGING_CATEGORY(journal_telechargement)
Q_DECLARE_LOGGING_CATEGORY(journal_sauvegarde)
Q_DECLARE_LOGGING_CATEGORY(journal_cluster)

// The file in the user's data folder: diagnostic.log, the older ones diagnostic.1.log and
// diagnostic.2.log beside it.
QString chemin_journal_diagnostic();

// Takes every message of the process while it lives: each goes as one line (UTC time,
// level, category, text) to a file that starts again once it would pass taille_max, the two
// before it kept; the program's own categories go to stderr too with sur_stderr, the other
// messages (Qt's) keep going where they went. A file that cannot be written loses the
// messages, never the program. Only one at a time.
class JournalDiagnostic {
  public:
    static constexpr qint64 taille_max_defaut = 1024 * 1024;
    static constexpr int nb_fichiers = 3;

    explicit JournalDiagnostic(const QString& chemin, bool sur_stderr = false,
                               qint64 taille_max = taille_max_defaut);
    ~JournalDiagnostic();
    JournalDiagnostic(const JournalDiagnostic&) = delete;
    JournalDiagnostic& operator=(const JournalDiagnostic&) = delete;

    // The file of rank n: 0 the current one, then the older ones.
    QString chemin_rang(int rang) const;

  private:
    static void recevoir(QtMsgType type, const QMessageLogContext& contexte, const QString& texte);
    void ecrire(QtMsgType type, const QMessageLogContext& contexte, const QString& texte);
    void ecrire_ligne(const QByteArray& ligne);
    void tourner();

    QString chemin_;
    bool sur_stderr_;
    qint64 taille_max_;
    QMutex verrou_;
    QFile fichier_;
    QtMessageHandler precedent_;
};

} // namespace vorek
