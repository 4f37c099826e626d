#pragma once

#include <QObject>
#include <QString>

namespace vorek {

// What the core tells the windows about the state they share. Each window follows what it
// shows, so that none reads or drives another's controls. Emitted synchronously by the
// core functions that make the change.
class Annonces : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

  signals:
    // A challenge file being loaded brings this station call, before the rest of its station
    // record: the station window runs its call's look-ups, which the file's values then
    // override.
    void indicatif_charge(const QString& indicatif);
    // A challenge file is in the state, rescored: station record, log table, current file.
    void journal_charge();
    // The QSOs of an ADIF file are in the log, rescored and saved.
    void journal_importe();
    // fichier_courant names another file (creation, "save as").
    void fichier_courant_change();
    // The entry's clock stops until the main window takes the entry again.
    void arreter_horloge();
    // The window that stopped the entry's clock is done with it.
    void relancer_horloge();
};

} // namespace vorek
