#pragma once
// @brief The embedded card pictures: one baseline JPEG per card of each deck,
// decoded with TurboJPEG only when a card is shown, and kept for the next showing.

#include "catalogue/card_catalogue.h"

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace morvelin {

inline constexpr int kPictureCount = kDeckCount * kCardsPerDeck;

// What the user is told when a card's picture cannot be opened or decoded.
inline constexpr char kMissingCardPictureMessage[] = "Deze Kaart Bestaat Niet!";

// The Pentagram window's background, a 475 × 475 GIF with a transparent ground.
inline constexpr char kPentagramPictureResource[] = ":/pentagram.gif";

// 83 × 147 Rider Waite, 74 × 147 Etteilla, 95 × 147 Thierens.
QSize DeckPictureSize(DeckId deck);

// ":/cards/001.jpg" .. ":/cards/234.jpg".
QString CardPictureResource(int pictureId);

// Decodes a JPEG stream; a damaged or truncated stream gives no picture.
std::optional<QImage> DecodeJpeg(QByteArrayView jpeg);

// How many decoded pictures are kept: the main window's eleven of two decks and the
// Pentagram's six, with room to spare.
inline constexpr int kKeptPictureCount = 32;

// The embedded picture with this id (1..234), or no picture. A picture shown lately is
// not decoded again: a refresh of the spread shows most of its cards once more. A
// picture that failed is tried afresh each time.
std::optional<QImage> LoadPictureById(int pictureId);

// The picture of a card of a deck, or no picture; the caller tells the user.
std::optional<QImage> LoadCardPicture(DeckId deck, CardNo card);

} // namespace morvelin
