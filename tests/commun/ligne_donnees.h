#pragma once

#include <QTest>

// One row of a data-driven test, written as a call so that a table reads one row per line.
template <typename... T> void ligne_donnees(const char* nom, const T&... valeurs) {
    (QTest::newRow(nom) << ... << valeurs);
}
