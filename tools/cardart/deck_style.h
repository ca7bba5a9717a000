#pragma once
// @brief The look of each deck: palette, lettering and frame, and where on the
// card the number, the picture and the title go.

#include "card_face.h"
#include "palette.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace cardart {

struct DeckStyle {
    Palette palette;
    QFont numberFont;
    QFont titleFont;
    QRectF numberBand; // in card pixels
    QRectF picture;
    QRectF titleBand;
};

const DeckStyle &StyleOf(morvelin::DeckId deck);

// Paper and the empty picture field, drawn first.
void DrawCardBackground(QPainter &painter, const CardFace &face);
// Frame, number, astrological mark and title, drawn over the picture.
void DrawCardFrame(QPainter &painter, const CardFace &face);

} // namespace cardart
