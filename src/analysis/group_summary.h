#pragma once
// @brief The group summary: the card counts added up for the major arcana, the four
// court ranks, the four suits and the ten number ranks, shown in four blocks.

#include "catalogue/card_texts.h"

#include <QStringList>

#include <array>

namespace morvelin {

// The 24 lines: five separators around the four blocks of 1, 4, 4 and 10 totals.
inline constexpr int kSummaryLineCount = 24;

// One total per search word, in the order of SummaryGroupWords (index 0 is word 1).
using GroupTotalList = std::array<int, kSummaryGroupCount>;

// Over count lines ("07 x 11) De Kracht"): a line whose label holds ") " adds its whole
// count to the major arcana only; any other line adds it to every word its text holds.
GroupTotalList GroupTotals(const QStringList &countLines);

// Separator, the Arca line, separator, the four HofK lines, separator, the four Kleur
// lines, separator, the ten Numr lines, separator; each block in the list's sorted
// order, so by total and, for equal totals, by the group's word.
QStringList GroupSummaryLines(const GroupTotalList &totals);

} // namespace morvelin
