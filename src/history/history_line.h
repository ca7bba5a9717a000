#pragma once
// @brief One saved spread as one line of the history file: the date, the comment in
// parentheses and, in its last 11 characters, the code from which the spread is rebuilt.
//
//     09.dec.26 (Werk en liefde) [0] 05 17 78
//     head: "09.dec.26 ("   comment   tail: ") [0] 05 17 78"   code: "0] 05 17 78"

#include "catalogue/card_catalogue.h"
#include "common/list_date.h"
#include "common/result.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace morvelin {

inline constexpr int kHistoryCodeLength = 11;
inline constexpr int kHistoryHeadLength = 11;
inline constexpr int kHistoryTailLength = 14;
inline constexpr int kMaxCommentLength = 80;

// What one save writes.
struct HistoryEntry {
    QDate date;
    QString comment;
    DeckId deck = kRiderWaite;
    std::array<CardNo, 3> cards{};
};

// The fields of a line's last 11 characters, as read: the deck code 0..9 and three
// numbers 0..99, not yet checked against the catalogue.
struct HistoryCode {
    int deckCode = 0;
    std::array<int, 3> cards{};
};

// A code checked for opening: a deck of the catalogue and three cards 1..78.
struct SavedSpread {
    DeckId deck = kRiderWaite;
    std::array<CardNo, 3> cards{};
};

struct HistoryLineParts {
    QString head;
    QString comment;
    QString tail;
};

// A comment as it can stand in one line: every run of line breaks, tabs and other
// control characters becomes a single space, and half a surrogate pair the replacement
// character.
QString CleanComment(const QString &comment);

// Date, " (", the cleaned comment cut to 80 characters ("(...)" when empty), ") [",
// the deck digit, "] " and the three cards in two digits ("00" for none).
QString ComposeHistoryLine(const HistoryEntry &entry, const MonthNames &monthNames);

// The four fields of the last 11 characters; a field that is not a decimal number
// gives the conversion error with its text.
Result<HistoryCode> ParseHistoryCode(QStringView line);

// The code as the main window opens it: deck codes 3..9 of older lists mean Rider
// Waite; a card outside 1..78 refuses the whole code, quoting it.
Result<SavedSpread> ReadSavedSpread(QStringView line);

// Head (11), comment (the rest) and tail (14) of a line of at least 25 characters;
// nothing for a shorter line, which is not in the saved format.
std::optional<HistoryLineParts> SplitHistoryLine(QStringView line);

// The line with a new comment between its unchanged head and tail: the comment cleaned
// but not cut, "..." when empty. Nothing for a line too short to hold head and tail.
std::optional<QString> ReplaceHistoryComment(QStringView line, const QString &comment);

} // namespace morvelin
