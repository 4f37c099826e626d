#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace vorek {

// Long work shows the busy cursor; it comes back whatever happens.
class CurseurOccupe {
  public:
    CurseurOccupe() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurOccupe() { QGuiApplication::restoreOverrideCursor(); }
    CurseurOccupe(const CurseurOccupe&) = delete;
    CurseurOccupe& operator=(const CurseurOccupe&) = delete;
};

} // namespace vorek
