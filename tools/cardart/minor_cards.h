#pragma once
// @brief Pictures of the minor cards: the pip layouts of Aas to Tien and the
// court figures Page, Ridder, Vrouw and Heer with their suit.

#include "card_face.h"
#include "palette.h"

#include <QRectF>

class QPainter;

namespace cardart {

void DrawPips(QPainter &painter, const QRectF &picture, Suit suit, int rank,
              const Palette &palette);
void DrawCourt(QPainter &painter, const QRectF &picture, Suit suit, int rank,
               const Palette &palette);

} // namespace cardart
