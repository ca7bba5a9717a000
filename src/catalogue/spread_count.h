#pragma once
// @brief The counting rules of a spread: the sum pyramid that derives slots 4..10,
// the Magic Card by the old and the new count, and the Quintessence.

#include "catalogue/card_catalogue.h"

#include <QString>

#include <array>
#include <optional>
#include <span>

namespace morvelin {

inline constexpr int kSlotCount = 10;
inline constexpr int kDerivedSlotCount = 7;

// Slot s (1..10) is element s - 1. Slots 1..3 are chosen, 4..10 derived; 0 = no card.
using SpreadCards = std::array<CardNo, kSlotCount>;
// The list value of each slot's card, taken with the deck chosen when the slot got it.
using SpreadValues = std::array<int, kSlotCount>;

// The six-card triangle counts only these slots.
inline constexpr std::array<int, 6> TriangleSlots = {1, 2, 3, 5, 6, 8};

// The one rule that turns a sum into a card number: above 78 modulo 78, then 0 becomes 78.
constexpr CardNo WrapCardNo(int sum)
{
    if (sum > kCardsPerDeck)
        sum %= kCardsPerDeck;
    return sum == 0 ? kCardsPerDeck : sum;
}

// Slots 4..10 of the pyramid over the three chosen cards.
std::array<CardNo, kDerivedSlotCount> DeriveSpreadCards(CardNo c1, CardNo c2, CardNo c3);

// The slots (1-based) that are counted: all ten, or the triangle's six.
std::span<const int> CountedSlots(bool triangle);

// The old count: the wrapped sum of the card numbers over the counted slots.
CardNo OldMagicCard(const SpreadCards &cards, bool triangle);
// The value total T (0..220) over the counted slots, not wrapped.
int ValueTotal(const SpreadValues &values, bool triangle);
// The new count: the wrapped value total.
constexpr CardNo NewMagicCard(int valueTotal)
{
    return WrapCardNo(valueTotal);
}
// "22", "73 = 10", "108 = 9": the total, and above 22 the sum of its digits, taken once.
QString QuintessenceText(int valueTotal);

// The outcome of counting one spread.
struct SpreadCount {
    CardNo oldMagicCard = 0;
    int valueTotal = 0;
    CardNo newMagicCard = 0;
    // The spread's Magic Card: the new count, except for Etteilla, whose cards are all numbered.
    CardNo magicCard = 0;
};
SpreadCount CountSpread(DeckId deck, const SpreadCards &cards, const SpreadValues &values,
                        bool triangle);

// The three count lines of the main window; the new-count line is hidden for Etteilla.
struct CountLineTexts {
    QString oldMagicCard;                // "Oud MC: " + name
    QString quintessence;                // "Quintessence: " + text
    std::optional<QString> newMagicCard; // "Nieuw MC: " + name, or hidden
};
CountLineTexts ComposeCountLines(DeckId deck, const SpreadCount &count);

} // namespace morvelin
