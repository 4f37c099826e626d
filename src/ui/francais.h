#pragma once

class QCoreApplication;
class QFileDialog;

namespace vorek {

// Qt's own texts (file dialogs, Yes/No, Cancel) in French, from the translations installed
// with the system's Qt, and French the default locale whatever the system's; false, and
// Qt's English texts kept, when there are no translations.
bool traduire_qt_en_francais(QCoreApplication& application);

// A file dialog the operator reads in French on any desktop: Qt's own dialog (the desktop's
// would speak the desktop's language), sizes and dates written the French way (Qt writes
// them in the system's locale), columns as wide as their titles and contents.
void franciser_dialogue(QFileDialog& dialogue);

} // namespace vorek
