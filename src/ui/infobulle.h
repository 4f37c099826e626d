#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace vorek {

// The hint window of the whole application: the standard one in Times New Roman 10.
class TMyHintwindow {
  public:
    static QFont police();
    static void installer();
};

// A hint "court|long": the short part shows at the control, the long one in the status bar.
QString partie_courte(const QString& hint);
QString partie_longue(const QString& hint);

// Tooltip from the short part; the whole hint as status tip, which the status bar cuts.
void fixer_hint(QWidget* controle, const QString& hint);

} // namespace vorek
