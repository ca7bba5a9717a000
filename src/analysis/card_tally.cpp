#include "analysis/card_tally.h"

#include "catalogue/card_texts.h"
#include "history/history_line.h"

#include <cstdint>

namespace morvelin {

namespace {

// Where the two-digit year of a line's date stands ("09.dec.26": characters 8 and 9).
constexpr qsizetype kYearOffset = 7;
constexpr qsizetype kYearLength = 2;

// For each deck, the analysis row of each card number 1..78 (index 0 unused): the
// inverse of CardSearchText, built once so that a line costs three look-ups.
using RowTable = std::array<std::array<std::uint8_t, kCardsPerDeck + 1>, kDeckCount>;

RowTable BuildRowTable()
{
    RowTable table{};
    for (DeckId deck = 0; deck < kDeckCount; ++deck) {
        for (int row = 1; row <= kAnalysisRowCount; ++row) {
            const QString code = CardSearchText(deck, row);
            table[deck][code.mid(1).toInt()] = std::uint8_t(row);
        }
    }
    return table;
}

const RowTable &Rows()
{
    static const RowTable table = BuildRowTable();
    return table;
}

} // namespace

int AnalysisRow(DeckId deck, CardNo card)
{
    Q_ASSERT(IsValidCard(card));
    return Rows()[deck][card];
}

bool InTallyYear(QStringView line, std::optional<QStringView> year)
{
    return !year || line.mid(kYearOffset, kYearLength) == *year;
}

std::optional<DeckId> LineDeck(QStringView line)
{
    // A line counts the spread that opening it would show.
    const Result<SavedSpread> spread = ReadSavedSpread(line);
    if (!spread)
        return std::nullopt;
    return spread->deck;
}

QString CardSearchText(DeckId deck, int row)
{
    const CardNo card = FindCardByName(deck, AnalysisCardNames(row));
    Q_ASSERT(IsValidCard(card));
    return CardNumberCodes(card);
}

CardTally TallyCards(const QStringList &lines, std::optional<QStringView> year)
{
    const RowTable &rows = Rows();
    CardTally tally;
    for (const QString &line : lines) {
        if (!InTallyYear(line, year))
            continue;
        ++tally.questions;
        const Result<SavedSpread> spread = ReadSavedSpread(line);
        if (!spread)
            continue;
        const auto &cards = spread->cards;
        const auto &deckRows = rows[spread->deck];
        ++tally.counts[deckRows[cards[0]]];
        if (cards[1] != cards[0])
            ++tally.counts[deckRows[cards[1]]];
        if (cards[2] != cards[0] && cards[2] != cards[1])
            ++tally.counts[deckRows[cards[2]]];
    }
    return tally;
}

} // namespace morvelin
