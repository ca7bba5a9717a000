#pragma once
// @brief A line of the history file read back into what it says: the date, the comment
// and the spread, each only when the line holds it in the saved format. The line itself
// is always kept, so nothing is lost when a hand-edited line says less.

#include "common/list_date.h"
#include "history/history_line.h"

#include <QDate>
#include <QString>

#include <optional>

namespace morvelin {

struct HistoryReading {
    QString line;
    std::optional<QDate> date;
    // The text between the parentheses; nothing when they are not where a save puts them.
    std::optional<QString> comment;
    // The deck and the three cards, when the code opens.
    std::optional<SavedSpread> spread;
};

HistoryReading ReadHistoryLine(const QString &line, const ListDateReader &dates);

// The reading on one line of a list of found readings: its day as "dd-mm-jjjj", its
// comment and its three cards by name with their deck; a line that says none of these
// is shown as it stands.
QString ReadingSummary(const HistoryReading &reading);

// The month names the program reads dates with: the user's own, Dutch and English.
ListDateReader HistoryDateReader();

} // namespace morvelin
