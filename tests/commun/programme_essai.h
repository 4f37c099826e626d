#pragma once

#include "log/etat.h"

#include <QDate>
#include <QString>

// A program folder at racine with its three work folders, and the contest period of the year
// the program runs in (jour).
void preparer_programme(vorek::Etat& etat, const QString& racine, QDate jour);
