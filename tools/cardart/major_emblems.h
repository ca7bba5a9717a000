#pragma once
// @brief The emblem of each major card, chosen by the card's title in the
// Etteilla deck (whose titles name their own subjects) and else by its common name.

#include "card_face.h"
#include "palette.h"

#include <QRectF>

class QPainter;

namespace cardart {

void DrawMajorEmblem(QPainter &painter, const QRectF &picture, const CardFace &face,
                     const Palette &palette);

} // namespace cardart
