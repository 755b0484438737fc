#pragma once

#include <QString>
#include <QStringList>

namespace billpay::gui {

// Turns a filter string of description and pattern pairs separated by "|"
// ("ABA Files|*.ABA|Text Files|*.txt;*.csv") into Qt's name filters
// ("ABA Files (*.ABA)", "Text Files (*.txt *.csv)"), one per pair and in the
// same order, so that a 1-based filter index counts the same entries in both.
// A description that already shows its patterns in parentheses keeps them
// once; a pair without patterns lists every file; a description left without
// its pattern at the end is dropped.
QStringList ToQtNameFilters(const QString& filter);

// The entry a 1-based filter index selects, held to the entries there are
// (an index below 1 or past the end selects the first).
int ClampFilterIndex(int filterIndex, int filterCount);

}  // namespace billpay::gui
