#pragma once
// @brief The four suit symbols (wand, cup, sword, coin) drawn as paths in a
// deck's colours.

#include "card_face.h"
#include "palette.h"

#include <QRectF>

class QPainter;

namespace cardart {

// Draws the symbol as large as fits in box, centred, turned by angleDegrees.
void DrawSuitSymbol(QPainter &painter, const QRectF &box, Suit suit, const Palette &palette,
                    qreal angleDegrees = 0);

// Width over height of a suit's symbol, for laying out pips.
qreal SuitAspect(Suit suit);

} // namespace cardart
