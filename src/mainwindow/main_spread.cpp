#include "mainwindow/main_spread.h"

#include "catalogue/card_texts.h"

namespace morvelin {

void MainSpread::setSlotCard(int slot, DeckId deck, CardNo card)
{
    Q_ASSERT(slot >= 1 && slot <= kSlotCount);
    m_cards[slot - 1] = card;
    m_values[slot - 1] = ListValue(deck, card);
    if (IsValidCard(card))
        fillTexts(m_texts[slot - 1], deck, card);
}

bool MainSpread::isComplete() const
{
    return card(1) > 0 && card(2) > 0 && card(3) > 0;
}

void MainSpread::deriveSlots(DeckId deck)
{
    const auto derived = DeriveSpreadCards(card(1), card(2), card(3));
    for (int i = 0; i < kDerivedSlotCount; ++i)
        setSlotCard(4 + i, deck, derived[i]);
}

SpreadCount MainSpread::count(DeckId deck, bool triangle) const
{
    return CountSpread(deck, m_cards, m_values, triangle);
}

void MainSpread::setMagicCard(DeckId deck, const SpreadCount &count)
{
    fillTexts(m_texts[kMagicCardSlot - 1], deck, count.magicCard);
}

void MainSpread::fillTexts(SlotTexts &texts, DeckId deck, CardNo card)
{
    texts.name = CardName(deck, card);
    texts.keyword = DeckKeywords(deck, card);
    if (deck == kRiderWaite)
        texts.rwsAstro = RwsAstro(card);
    if (deck == kThierens)
        texts.thierensAstro = ThierensAstro(card);
}

} // namespace morvelin
