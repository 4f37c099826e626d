#pragma once

class QCoreApplication;

namespace vorek {

// Qt's own texts (file dialogs, Yes/No, Cancel) in French, from the translations installed
// with the system's Qt; false, and Qt's English kept, when there are none.
bool traduire_qt_en_francais(QCoreApplication& application);

} // namespace vorek
