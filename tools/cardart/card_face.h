#pragma once
// @brief What one card picture has to show, taken from the catalogue: its deck,
// title, number, suit and rank, and (for two decks) its astrological text.

#include "catalogue/card_catalogue.h"

#include <QString>

namespace cardart {

enum class Suit { None, Staven, Bekers, Zwaard, Munten };

// Pips 1..10 are their rank; the court cards follow.
inline constexpr int kPage = 11;
inline constexpr int kRidder = 12;
inline constexpr int kVrouw = 13;
inline constexpr int kHeer = 14;

struct CardFace {
    morvelin::DeckId deck = 0;
    morvelin::CardNo card = 0;
    QString commonName; // the Rider Waite name, which says which emblem a major card gets
    QString title;      // as the deck's numbered list gives it, without "NN) "
    QString number;     // Roman for the majors of Rider Waite and Thierens, else the card number
    Suit suit = Suit::None;
    int rank = 0;  // 1..10 pips, kPage..kHeer court cards, 0 for a major card
    QString astro; // empty for the Etteilla deck

    bool isMajor() const { return suit == Suit::None; }
    bool isCourt() const { return rank >= kPage; }
};

CardFace MakeCardFace(morvelin::DeckId deck, morvelin::CardNo card);

QString RomanNumeral(int value);

} // namespace cardart
