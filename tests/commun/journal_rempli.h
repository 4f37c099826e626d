#pragma once

#include "log/etat.h"

#include <QList>
#include <QStringList>

// QSO rows (cells from column 0), then the one empty row, as a load leaves the table.
void remplir_journal(vorek::Etat& etat, const QList<QStringList>& lignes);
