#pragma once
// @brief How often each card came up in the saved spreads: every history line is one
// question, and a card counts at most once per question. The decks number their cards
// differently, so a card is counted on its analysis row, found by its name.

#include "catalogue/card_catalogue.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace morvelin {

// The 78 rows of the analysis, numbered 1..78 as its tables are; rows 1..22 are the
// major arcana.
inline constexpr int kAnalysisRowCount = kCardsPerDeck;
inline constexpr int kMajorArcanaRowCount = 22;

struct CardTally {
    // The count of each analysis row, index 0 unused.
    std::array<int, kAnalysisRowCount + 1> counts{};
    // How many lines were looked at: all of them, or those of the year asked for.
    int questions = 0;

    int count(int row) const { return counts[row]; }
};

// The deck a line counts in: the deck its code opens in (older deck codes 3..9 are
// Rider Waite). None when the code does not open, since such a line holds no card
// that can be told apart from the digits of its comment.
std::optional<DeckId> LineDeck(QStringView line);

// " 01" .. " 78": how the card of analysis row 1..78 stands in a code of that deck.
QString CardSearchText(DeckId deck, int row);

// The analysis row 1..78 of a card 1..78 of that deck: the inverse of CardSearchText.
int AnalysisRow(DeckId deck, CardNo card);

// Whether the line is one of the questions of that year: every line is when there is
// none; otherwise the line's characters 8 and 9 (fewer on a short line) are the year.
bool InTallyYear(QStringView line, std::optional<QStringView> year);

// One pass over the lines. Without a year every line is a question; with one, only the
// lines whose characters 8 and 9 (fewer on a short line) are that text. A question adds
// 1 to each card its code holds, once however often the code names it; a line whose
// code does not open is a question without cards.
CardTally TallyCards(const QStringList &lines, std::optional<QStringView> year = std::nullopt);

} // namespace morvelin
