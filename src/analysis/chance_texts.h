#pragma once
// @brief What the insight window says about chance, in Dutch with a decimal comma: a
// sentence per card that chance does not explain, one for all cards together, the group
// shares, the table that "Kopieer" hands to a spreadsheet, and a reading behind a card.

#include "analysis/chance_baseline.h"
#include "history/history_reading.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace morvelin {

// 14.04 with one decimal is "14,0": no thousands separator, so a spreadsheet set to
// Dutch reads it as the number it is.
QString DecimalCommaText(double value, int decimals);
// A p-value in four significant digits: "0,0457", "1,234E-07".
QString PValueText(double p);

QString ChanceVerdictText(ChanceVerdict verdict);
// "De Toren: verwacht 14,0 (±3,7), gekomen 29 — vaker dan toeval verklaart"
QString CardChanceSentence(int row, const CardChance &card);
// One card as the chart's hint and the window's card line tell it: its sentence, or
// that there are too few questions to judge it.
QString CardDescription(const ChanceReport &report, int row);
// The sentences of the cards chance does not explain: those that came up more often
// first, then those that came up less often, each in analysis order. One sentence that
// says so when there is none, or when there are too few questions to judge.
QStringList FlaggedCardSentences(const ChanceReport &report);
// All 78 cards together, for someone who never studied statistics.
QString WholeSpreadSentence(const ChanceReport &report);
// The same as the figures behind it, for those who want them.
QString WholeSpreadFigures(const ChanceReport &report);
// "Grote Arcana: 31,2 % (verwacht 28,2 %)"
QString GroupShareSentence(const GroupShare &group);

// "365 vragen, jaar 26", with the lines left out for want of readable cards.
QString SampleHeading(int questions, int leftOut, std::optional<QStringView> year);

// Card, gekomen, verwacht, p, oordeel: a heading and the 78 cards in analysis order, tab
// between fields, CR LF after every line. The p is the one-sided tail towards the side
// the card lies on.
QString ChanceTable(const ChanceReport &report);

// "09-12-2026  Werk en liefde": a history line behind a card, as its list shows it; the
// whole line when it does not hold its comment where a save puts it.
QString ReadingText(const HistoryReading &reading);

} // namespace morvelin
