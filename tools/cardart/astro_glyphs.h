#pragma once
// @brief Astrological texts of the catalogue ("Mar in Ari", "Ven - Fire",
// "Weegsch.", "Hs 07 Weegsch.") turned into the glyphs of their signs, planets
// and elements.

#include <QColor>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace cardart {

enum class Element { None, Fire, Water, Air, Earth };

struct AstroGlyph {
    char32_t symbol = 0;             // a planet or sign from U+2609..U+2653
    Element element = Element::None; // drawn as a triangle when symbol is 0
};

struct AstroMark {
    int house = 0; // 1..12 for the Thierens minor cards
    std::vector<AstroGlyph> glyphs;
};

// Throws nothing: an unknown word stops the tool, since every card must carry its mark.
AstroMark ParseAstro(const QString &text);

// Fails when the glyph font cannot draw a sign or planet.
bool GlyphFontIsComplete();

// Draws the glyphs in a row, centred in box, in one colour; returns the width used.
qreal DrawAstroGlyphs(QPainter &painter, const QRectF &box, const std::vector<AstroGlyph> &glyphs,
                      const QColor &color);

} // namespace cardart
