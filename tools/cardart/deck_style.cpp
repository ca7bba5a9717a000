#include "deck_style.h"

#include "astro_glyphs.h"
#include "text_paths.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace cardart {

using namespace morvelin;

namespace {

QFont Face(const char *family, int weight, bool italic, int stretch = QFont::Unstretched)
{
    QFont font(QString::fromLatin1(family));
    font.setWeight(QFont::Weight(weight));
    font.setItalic(italic);
    font.setStretch(stretch);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Every deck stacks number, picture and title in one column of the card; the
// decks differ in that column's place and in where the bands break.
struct Column {
    qreal left;
    qreal width;
    qreal numberTop;
    qreal numberHeight;
    qreal pictureTop;
    qreal pictureHeight;
    qreal titleTop;
};

DeckStyle MakeStyle(const Palette &palette, const QFont &numberFont, const QFont &titleFont,
                    const Column &col)
{
    DeckStyle s;
    s.palette = palette;
    s.numberFont = numberFont;
    s.titleFont = titleFont;
    s.numberBand = QRectF(col.left, col.numberTop, col.width, col.numberHeight);
    s.picture = QRectF(col.left, col.pictureTop, col.width, col.pictureHeight);
    s.titleBand = QRectF(col.left, col.titleTop, col.width, 20);
    return s;
}

// Rider Waite: white card, black lines, a sunny field and a plain serif title.
DeckStyle RiderWaiteStyle()
{
    const QFont serif = Face("Liberation Serif", QFont::Bold, false);
    return MakeStyle({QColor(0xFB, 0xF9, 0xF2), QColor(0xFA, 0xE9, 0xA6), QColor(0xF0, 0xCB, 0x62),
                      QColor(0x1C, 0x1C, 0x1C), QColor(0x14, 0x14, 0x14), QColor(0x1E, 0x1E, 0x1E),
                      QColor(0xF4, 0xC0, 0x2A), QColor(0xCB, 0x33, 0x2B), QColor(0x3A, 0x6C, 0xB8),
                      QColor(0x4A, 0x9A, 0x48), QColor(0xFF, 0xFF, 0xFF), QColor(0x2C, 0x2C, 0x34),
                      QColor(0xF3, 0xCB, 0xA2), QColor(0xA8, 0xA8, 0xAE), QColor(0x9C, 0x6A, 0x3C)},
                     serif, serif, {5, 73, 3, 12, 16, 106, 123.5});
}

// Etteilla: old parchment, brown ink, double border and an italic title.
DeckStyle EtteillaStyle()
{
    return MakeStyle({QColor(0xE6, 0xD2, 0xA4), QColor(0xF4, 0xE8, 0xC8), QColor(0xE2, 0xC9, 0x92),
                      QColor(0x5A, 0x34, 0x1C), QColor(0x4A, 0x28, 0x14), QColor(0x4A, 0x2C, 0x18),
                      QColor(0xD0, 0x9C, 0x3C), QColor(0xA8, 0x40, 0x2A), QColor(0x4C, 0x6E, 0x8E),
                      QColor(0x6C, 0x80, 0x3A), QColor(0xF8, 0xF0, 0xDC), QColor(0x3C, 0x2C, 0x22),
                      QColor(0xEA, 0xC4, 0x98), QColor(0x9A, 0x8A, 0x74), QColor(0x94, 0x62, 0x34)},
                     Face("DejaVu Serif", QFont::Bold, false, QFont::SemiCondensed),
                     Face("Liberation Serif", QFont::Bold, true), {6, 62, 4, 11, 17, 103, 122});
}

// Thierens: a night-blue card with gold lines, gold sans lettering and the sky's glyphs.
DeckStyle ThierensStyle()
{
    const QFont sans = Face("DejaVu Sans", QFont::Bold, false, QFont::Condensed);
    return MakeStyle({QColor(0x13, 0x1F, 0x46), QColor(0x24, 0x3A, 0x78), QColor(0x0F, 0x19, 0x3C),
                      QColor(0xE2, 0xBD, 0x5C), QColor(0xF0, 0xD0, 0x78), QColor(0xF0, 0xD2, 0x7E),
                      QColor(0xE8, 0xB8, 0x40), QColor(0xC2, 0x4A, 0x48), QColor(0x5A, 0x8E, 0xD8),
                      QColor(0x4E, 0x9E, 0x7A), QColor(0xF4, 0xEC, 0xD6), QColor(0x0A, 0x10, 0x26),
                      QColor(0xE6, 0xC6, 0xA0), QColor(0x8E, 0x98, 0xB8), QColor(0xD8, 0xA6, 0x5E)},
                     sans, sans, {6, 83, 4, 12, 18, 102, 122.5});
}

void DrawRiderWaiteFrame(QPainter &p, const CardFace &face, const DeckStyle &s)
{
    const Palette &c = s.palette;
    p.setPen(QPen(c.frame, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRect(s.picture);
    p.setPen(QPen(c.frame, 0.5));
    p.drawRect(QRectF(2, 2, 79, 143));
    DrawFittedText(p, s.numberBand, face.number, s.numberFont, c.ink, 7.8);
    if (face.isMajor() && !face.astro.isEmpty()) {
        const AstroMark mark = ParseAstro(face.astro);
        DrawAstroGlyphs(p, QRectF(s.numberBand.right() - 11, s.numberBand.top() + 2.2, 9, 7.6),
                        mark.glyphs, c.ink);
        DrawAstroGlyphs(p, QRectF(s.numberBand.left() + 2, s.numberBand.top() + 2.2, 9, 7.6),
                        mark.glyphs, c.ink);
    }
    DrawTitle(p, s.titleBand, face.title, s.titleFont, c.ink, 9.0, 7.4);
}

void DrawEtteillaFrame(QPainter &p, const CardFace &face, const DeckStyle &s)
{
    const Palette &c = s.palette;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.frame, 1.3));
    p.drawRect(QRectF(2.2, 2.2, 69.6, 142.6));
    p.setPen(QPen(c.frame, 0.45));
    p.drawRect(QRectF(4.2, 4.2, 65.6, 138.6));
    p.setPen(QPen(c.frame, 0.8));
    p.drawRect(s.picture);
    // The number sits in an oval cartouche between two small diamonds.
    const QPointF mid(s.numberBand.center().x(), s.numberBand.center().y() + 0.3);
    const QRectF oval(mid.x() - 11, mid.y() - 5.4, 22, 10.8);
    p.setBrush(c.field);
    p.setPen(QPen(c.frame, 0.6));
    p.drawEllipse(oval);
    for (const qreal dx : {-17.0, 17.0}) {
        QPainterPath diamond;
        diamond.moveTo(mid.x() + dx, mid.y() - 2.4);
        diamond.lineTo(mid.x() + dx + 2.4, mid.y());
        diamond.lineTo(mid.x() + dx, mid.y() + 2.4);
        diamond.lineTo(mid.x() + dx - 2.4, mid.y());
        diamond.closeSubpath();
        p.fillPath(diamond, c.red);
    }
    DrawFittedText(p, oval.adjusted(2.5, 0, -2.5, 0), face.number, s.numberFont, c.ink, 6.6);
    DrawTitle(p, s.titleBand, face.title, s.titleFont, c.ink, 8.4, 7.9);
}

void DrawThierensFrame(QPainter &p, const CardFace &face, const DeckStyle &s)
{
    const Palette &c = s.palette;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.frame, 0.9));
    p.drawRoundedRect(QRectF(2.5, 2.5, 90, 142), 3, 3);
    p.setPen(QPen(c.frame, 0.8));
    p.drawRect(s.picture);
    p.setPen(QPen(c.frame, 0.35));
    p.drawRect(s.picture.adjusted(-1.6, -1.6, 1.6, 1.6));
    for (const QPointF corner : {s.picture.topLeft(), s.picture.topRight(), s.picture.bottomLeft(),
                                 s.picture.bottomRight()}) {
        p.setBrush(c.frame);
        p.setPen(Qt::NoPen);
        p.drawEllipse(corner, 1.6, 1.6);
    }

    const QRectF left(s.numberBand.left() + 1, s.numberBand.top(), 34, s.numberBand.height());
    DrawFittedText(p, left, face.number, s.numberFont, c.ink, 8.0);
    const AstroMark mark = ParseAstro(face.astro);
    const QRectF glyphBox(s.numberBand.right() - 13, s.numberBand.top() + 1.6, 10, 9.2);
    DrawAstroGlyphs(p, glyphBox, mark.glyphs, c.ink);
    if (mark.house > 0) {
        const QRectF house(glyphBox.left() - 17, s.numberBand.top(), 16, s.numberBand.height());
        DrawFittedText(p, house, QStringLiteral("H%1").arg(mark.house), s.numberFont, c.ink, 6.6);
    }
    DrawTitle(p, s.titleBand, face.title, s.titleFont, c.ink, 8.6, 7.2);
}

} // namespace

const DeckStyle &StyleOf(DeckId deck)
{
    static const std::array<DeckStyle, kDeckCount> styles = {RiderWaiteStyle(), EtteillaStyle(),
                                                             ThierensStyle()};
    return styles[deck];
}

void DrawCardBackground(QPainter &p, const CardFace &face)
{
    const DeckStyle &s = StyleOf(face.deck);
    const Palette &c = s.palette;
    const QSizeF size(s.picture.right() + s.picture.left(), 147);
    if (face.deck == kEtteilla) {
        // Parchment darkens towards its edges.
        QRadialGradient aged(size.width() / 2, size.height() / 2, size.height() * 0.62);
        aged.setColorAt(0, c.paper.lighter(106));
        aged.setColorAt(1, c.paper.darker(112));
        p.fillRect(QRectF(QPointF(0, 0), size), aged);
    } else {
        p.fillRect(QRectF(QPointF(0, 0), size), c.paper);
    }
    QLinearGradient field(s.picture.topLeft(), s.picture.bottomLeft());
    field.setColorAt(0, c.field);
    field.setColorAt(1, c.fieldTo);
    p.fillRect(s.picture, field);
}

void DrawCardFrame(QPainter &p, const CardFace &face)
{
    const DeckStyle &s = StyleOf(face.deck);
    switch (face.deck) {
    case kRiderWaite:
        DrawRiderWaiteFrame(p, face, s);
        break;
    case kEtteilla:
        DrawEtteillaFrame(p, face, s);
        break;
    default:
        DrawThierensFrame(p, face, s);
        break;
    }
}

} // namespace cardart
