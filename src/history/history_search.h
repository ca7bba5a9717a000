#pragma once
// @brief Finding saved spreads: by words of their comments (ignoring case and accents),
// by a card that came up in any of the three saved places (in whatever deck), by deck
// and by a range of dates. The history is read once; each search then only compares.

#include "history/history_reading.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace morvelin {

// Lower case without accents: "Financiën" and "financien" read alike.
QString FoldForSearch(QStringView text);

// A day as the user types it for a date range: "dd-mm-jjjj", where one digit will do for
// the day or the month and "." or "/" for "-". Nothing when the text is no such day.
std::optional<QDate> ReadDayText(QStringView text);

struct SearchQuery {
    // Each word must occur in the comment (in the whole line when it has none), in any order.
    QString words;
    // The card by its common name; empty for any card.
    QString cardName;
    std::optional<DeckId> deck;
    // Both days included; an open end is no limit.
    std::optional<QDate> from;
    std::optional<QDate> to;
};

class HistorySearch {
public:
    HistorySearch(const QStringList &lines, const ListDateReader &dates);

    // The indexes of the lines that match, in file order.
    QList<int> find(const SearchQuery &query) const;
    const HistoryReading &reading(int index) const { return m_entries[index].reading; }
    int size() const { return int(m_entries.size()); }

private:
    struct Entry {
        HistoryReading reading;
        QString foldedComment;
        // The cards by their Rider Waite numbers, the one numbering all decks share by name.
        std::array<CardNo, 3> commonCards{};
    };
    static bool matches(const Entry &entry, const QStringList &foldedWords, CardNo commonCard,
                        const SearchQuery &query);

    std::vector<Entry> m_entries;
};

} // namespace morvelin
