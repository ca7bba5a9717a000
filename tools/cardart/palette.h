#pragma once
// @brief The colours of one deck. Emblems and suit symbols ask for a colour by its
// role, so that one drawing takes on each deck's own look.

#include <QColor>

namespace cardart {

struct Palette {
    QColor paper;   // the card outside the picture
    QColor field;   // behind the picture
    QColor fieldTo; // the far end of the field's gradient
    QColor frame;   // border lines
    QColor ink;     // lettering
    QColor line;    // outline of every drawn shape
    QColor gold;
    QColor red;
    QColor blue;
    QColor green;
    QColor light; // white parts: roses, robes, clouds
    QColor dark;  // black parts: pillars, night
    QColor skin;
    QColor grey; // stone and steel
    QColor wood; // staves, the hermit's staff, the tower's stones
};

} // namespace cardart
