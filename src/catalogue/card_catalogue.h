#pragma once
// @brief The three decks: how each numbers its 78 cards, the common card names,
// the numbered chooser lists and the list values that the new count adds up.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace morvelin {

// 0 Rider Waite, 1 Etteilla, 2 Thierens: the item index of the main window's deck chooser.
using DeckId = int;
// 1..78 in the numbered list of its own deck; 0 means no card. Only meaningful with its DeckId.
using CardNo = int;

inline constexpr DeckId kRiderWaite = 0;
inline constexpr DeckId kEtteilla = 1;
inline constexpr DeckId kThierens = 2;
inline constexpr int kDeckCount = 3;
inline constexpr int kCardsPerDeck = 78;

constexpr bool IsValidDeck(DeckId deck)
{
    return deck >= 0 && deck < kDeckCount;
}
constexpr bool IsValidCard(CardNo card)
{
    return card >= 1 && card <= kCardsPerDeck;
}

// "Rider Waite", "Etteilla" or "Thierens".
QString DeckName(DeckId deck);

// The common (Rider Waite) name of a card, the key that carries a card between decks.
QString CardName(DeckId deck, CardNo card);

// 0..22: a major arcanum its own number (the Fool 22), a pip its rank, a court card 0; card 0 gives
// 0.
int ListValue(DeckId deck, CardNo card);

// The card whose common name in this deck equals name exactly, or 0 when there is none.
CardNo FindCardByName(DeckId deck, QStringView name);

// "01) De Magiër" .. "78) Munten Tien" in the deck's own order and titles; built once, kept.
const QStringList &NumberedCardList(DeckId deck);

constexpr int DeckPictureOffset(DeckId deck)
{
    return deck * kCardsPerDeck;
}
// 1..234: the number of the card's embedded picture.
constexpr int PictureId(DeckId deck, CardNo card)
{
    return DeckPictureOffset(deck) + card;
}

} // namespace morvelin
