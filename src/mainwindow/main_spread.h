#pragma once
// @brief The spread on the main window as plain data: the card, list value and texts
// of each of the ten slots and of the Magic Card (slot 11).

#include "catalogue/spread_count.h"

#include <QString>

#include <array>

namespace morvelin {

inline constexpr int kMagicCardSlot = 11;

// What the main window knows about the card in one slot.
struct SlotTexts {
    QString name;          // the common card name
    QString keyword;       // the deck's one-word keyword
    QString rwsAstro;      // written only while the Rider Waite deck is shown
    QString thierensAstro; // written only while the Thierens deck is shown
};

class MainSpread {
public:
    // Slot 1..10 gets card (0 = none) of deck; texts of the other decks' astrology stay.
    void setSlotCard(int slot, DeckId deck, CardNo card);

    // True once slots 1, 2 and 3 all hold a card: only then is anything derived or counted.
    bool isComplete() const;
    // Slots 4..10 from slots 1..3 by the pyramid, with their values and texts.
    void deriveSlots(DeckId deck);

    SpreadCount count(DeckId deck, bool triangle) const;
    // Slot 11 gets the texts of the spread's Magic Card.
    void setMagicCard(DeckId deck, const SpreadCount &count);

    CardNo card(int slot) const { return m_cards[slot - 1]; }
    int value(int slot) const { return m_values[slot - 1]; }
    // Slot 1..11.
    const SlotTexts &texts(int slot) const { return m_texts[slot - 1]; }
    const std::array<SlotTexts, kMagicCardSlot> &allTexts() const { return m_texts; }

private:
    static void fillTexts(SlotTexts &texts, DeckId deck, CardNo card);

    SpreadCards m_cards{};
    SpreadValues m_values{};
    std::array<SlotTexts, kMagicCardSlot> m_texts;
};

} // namespace morvelin
