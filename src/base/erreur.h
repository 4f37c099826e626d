#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace vorek {

// The one failure type of the core. It carries the French text shown to the operator,
// for example the runtime's I/O texts or a date conversion message.
class Erreur : public std::exception {
  public:
    explicit Erreur(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};

} // namespace vorek
