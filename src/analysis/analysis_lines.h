#pragma once
// @brief The lines the analysis shows: a count line or a name line per card, in the
// list's sorted order, and how the list goes to the clipboard.

#include "analysis/card_tally.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace morvelin {

// What the list shows after a count, chosen by the window's three mode buttons.
enum class AnalysisMode { ByCount, ByName, MajorArcana };

// A count with at least two digits: "00" .. "09", "10" .. "99", "100", ...
QString CountText(int count);
// "07 x 11) De Kracht"
QString CountLine(int count, const QString &label);
// "11) De Kracht x 07"
QString NameLine(int count, const QString &label);

// The list's sorted order: character by character, letters without regard to case,
// blanks and ")" before digits, digits before letters; a run of digits compares by its
// value, so a count of 100 follows 99 and a total of 10 follows 09.
bool ListOrderLess(QStringView a, QStringView b);

// The lines of a count in the list's sorted order: 78 count lines, 78 name lines, or
// the count lines of the 22 major arcana.
QStringList CardListLines(const CardTally &tally, AnalysisMode mode);

} // namespace morvelin
