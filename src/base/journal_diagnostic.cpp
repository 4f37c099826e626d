#include "journal_diagnostic.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <atomic>
#include <cstdio>

namespace vorek {

Q_LOGGING_CATEGORY(journal_radio, "vorek.radio", QtWarningMsg)
Q_LOGGING_CATEGORY(journal_manipulateur, "vorek.manipulateur", QtWarningMsg)
Q_LOGGING_CATEGORY(journal_smtp, "vorek.smtp", QtWarningMsg)
Q_LOGGING_CATEGORY(journal_telechargement, "vorek.telechargement", QtWarningMsg)
Q_LOGGING_CATEGORY(journal_sauvegarde, "vorek.sauvegarde", QtWarningMsg)
Q_LOGGING_CATEGORY(journal_cluster, "vorek.cluster", QtWarningMsg)

namespace {

// Qt's message handler is a plain function: the journal it hands to lives here.
std::atomic<JournalDiagnostic*>& journal_actif() {
    static std::atomic<JournalDiagnostic*> actif{nullptr};
    return actif;
}

// One message never fills the file on its own.
constexpr qsizetype longueur_max_message = 4096;

const char* niveau(QtMsgType type) {
    switch (type) {
    case QtDebugMsg:
        return "debug";
    case QtInfoMsg:
        return "info";
    case QtWarningMsg:
        return "avertissement";
    case QtCriticalMsg:
        return "erreur";
    case QtFatalMsg:
        return "fatal";
    }
    return "?";
}

bool du_programme(const QMessageLogContext& contexte) {
    return contexte.category != nullptr && qstrncmp(contexte.category, "vorek.", 6) == 0;
}

// One line a message: its line ends would pass for other messages.
QString sur_une_ligne(const QString& texte) {
    QString ligne = texte.left(longueur_max_message);
    for (QChar& c : ligne) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    return ligne;
}

} // namespace

QString chemin_journal_diagnostic() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/diagnostic.log");
}

JournalDiagnostic::JournalDiagnostic(const QString& chemin, bool sur_stderr, qint64 taille_max)
    : chemin_(chemin), sur_stderr_(sur_stderr), taille_max_(taille_max) {
    QLoggingCategory::setFilterRules(QStringLiteral("vorek.*=true"));
    journal_actif().store(this);
    precedent_ = qInstallMessageHandler(&JournalDiagnostic::recevoir);
}

JournalDiagnostic::~JournalDiagnostic() {
    qInstallMessageHandler(precedent_);
    journal_actif().store(nullptr);
    QLoggingCategory::setFilterRules(QString());
}

QString JournalDiagnostic::chemin_rang(int rang) const {
    if (rang == 0) {
        return chemin_;
    }
    const QFileInfo info(chemin_);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('.') +
           QString::number(rang) + QLatin1Char('.') + info.suffix();
}

void JournalDiagnostic::recevoir(QtMsgType type, const QMessageLogContext& contexte,
                                 const QString& texte) {
    // A warning of Qt's own while the file is written goes where it went before the journal.
    static thread_local bool en_cours = false;
    JournalDiagnostic* journal = journal_actif().load();
    if (journal == nullptr) {
        return;
    }
    if (en_cours) {
        if (journal->precedent_ != nullptr) {
            journal->precedent_(type, contexte, texte);
        }
        return;
    }
    en_cours = true;
    journal->ecrire(type, contexte, texte);
    en_cours = false;
}

void JournalDiagnostic::ecrire(QtMsgType type, const QMessageLogContext& contexte,
                               const QString& texte) {
    const QString message = sur_une_ligne(texte);
    const QByteArray categorie(contexte.category != nullptr ? contexte.category : "default");
    const QByteArray ligne = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8() +
                             ' ' + niveau(type) + ' ' + categorie + ' ' + message.toUtf8() + '\n';
    {
        const QMutexLocker garde(&verrou_);
        ecrire_ligne(ligne);
    }
    if (!du_programme(contexte)) {
        if (precedent_ != nullptr) {
            precedent_(type, contexte, texte);
        }
    } else if (sur_stderr_) {
        std::fputs((categorie + ": " + message.toUtf8() + '\n').constData(), stderr);
    }
}

void JournalDiagnostic::ecrire_ligne(const QByteArray& ligne) {
    if (!fichier_.isOpen()) {
        QDir().mkpath(QFileInfo(chemin_).path());
        fichier_.setFileName(chemin_);
        if (!fichier_.open(QIODevice::WriteOnly | QIODevice::Append)) {
            return;
        }
    }
    if (fichier_.size() > 0 && fichier_.size() + ligne.size() > taille_max_) {
        tourner();
        if (!fichier_.open(QIODevice::WriteOnly | QIODevice::Append)) {
            return;
        }
    }
    fichier_.write(ligne);
    fichier_.flush();
}

void JournalDiagnostic::tourner() {
    fichier_.close();
    QFile::remove(chemin_rang(nb_fichiers - 1));
    for (int rang = nb_fichiers - 1; rang > 0; --rang) {
        QFile::rename(chemin_rang(rang - 1), chemin_rang(rang));
    }
}

} // namespace vorek
