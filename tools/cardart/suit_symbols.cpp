#include "suit_symbols.h"

#include "emblem_kit.h"

#include <QPainter>

namespace cardart {

namespace {

// Each symbol is drawn in its own box of kUnitHeight high, centred on x = 0.
constexpr qreal kUnitHeight = 40;

void Wand(const Ink &ink)
{
    // A living staff: knotted wood with fresh leaves.
    QPainterPath staff;
    staff.addRoundedRect(QRectF(-3.4, -19.5, 6.8, 39), 3.0, 3.0);
    ink.shape(staff, ink.c.wood, 1.3);
    QPainterPath knots;
    knots.moveTo(-3.4, -6);
    knots.lineTo(1.2, -5);
    knots.moveTo(3.4, 7);
    knots.lineTo(-1.2, 8);
    ink.stroke(knots, 1.0);
    ink.shape(Leaf({3.0, -13}, 7, 2.4, -35), ink.c.green, 1.0);
    ink.shape(Leaf({-3.0, -2}, 6.5, 2.3, 215), ink.c.green, 1.0);
    ink.shape(Leaf({3.0, 11}, 6, 2.2, -25), ink.c.green, 1.0);
}

void Cup(const Ink &ink)
{
    QPainterPath bowl;
    bowl.moveTo(-10, -16);
    bowl.lineTo(10, -16);
    bowl.cubicTo(10, -3, 6, 1, 0, 2);
    bowl.cubicTo(-6, 1, -10, -3, -10, -16);
    bowl.closeSubpath();
    QPainterPath stem = Polygon({{-1.8, 1.5}, {1.8, 1.5}, {2.2, 12}, {-2.2, 12}});
    QPainterPath knob;
    knob.addEllipse(QPointF(0, 6.5), 3.4, 2.2);
    QPainterPath foot;
    foot.moveTo(-8, 18);
    foot.quadTo(0, 9, 8, 18);
    foot.closeSubpath();
    ink.shape(stem, ink.c.gold, 1.2);
    ink.shape(knob, ink.c.gold, 1.2);
    ink.shape(foot, ink.c.gold, 1.2);
    ink.shape(bowl, ink.c.gold, 1.3);
    QPainterPath water;
    water.addEllipse(QPointF(0, -16), 10, 2.4);
    ink.shape(water, ink.c.blue, 1.0);
    QPainterPath shine;
    shine.moveTo(-6, -11);
    shine.quadTo(-5.5, -5, -2.5, -2.5);
    ink.stroke(shine, ink.c.light, 1.1);
}

void Sword(const Ink &ink)
{
    QPainterPath blade = Polygon({{-3.4, -9}, {3.4, -9}, {3.4, 13}, {0, 20}, {-3.4, 13}});
    ink.shape(blade, ink.c.light, 1.2);
    QPainterPath ridge;
    ridge.moveTo(0, -8);
    ridge.lineTo(0, 16);
    ink.stroke(ridge, ink.c.grey, 0.8);
    QPainterPath guard;
    guard.addRoundedRect(QRectF(-9.5, -12, 19, 4), 1.8, 1.8);
    ink.shape(guard, ink.c.gold, 1.2);
    QPainterPath grip;
    grip.addRect(QRectF(-2.2, -18, 4.4, 6.4));
    ink.shape(grip, ink.c.red, 1.1);
    ink.shape(Circle({0, -19.2}, 2.8), ink.c.gold, 1.1);
}

void Coin(const Ink &ink)
{
    ink.shape(Circle({0, 0}, 14), ink.c.gold, 1.4);
    ink.stroke(Circle({0, 0}, 11), 0.9);
    // The coin carries a five-pointed star drawn in one stroke.
    QPainterPath star;
    for (int i = 0; i <= 5; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + i * 144.0);
        const QPointF pt(9.5 * std::cos(a), 9.5 * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    ink.stroke(star, 1.1);
}

QSizeF UnitSize(Suit suit)
{
    switch (suit) {
    case Suit::Staven:
        return {16, kUnitHeight};
    case Suit::Bekers:
        return {22, kUnitHeight};
    case Suit::Zwaard:
        return {19, kUnitHeight};
    default:
        return {30, 30};
    }
}

} // namespace

qreal SuitAspect(Suit suit)
{
    const QSizeF unit = UnitSize(suit);
    return unit.width() / unit.height();
}

void DrawSuitSymbol(QPainter &painter, const QRectF &box, Suit suit, const Palette &palette,
                    qreal angleDegrees)
{
    const QSizeF unit = UnitSize(suit);
    const qreal scale = qMin(box.width() / unit.width(), box.height() / unit.height());
    painter.save();
    painter.translate(box.center());
    painter.rotate(angleDegrees);
    painter.scale(scale, scale);
    const Ink ink(painter, palette);
    switch (suit) {
    case Suit::Staven:
        Wand(ink);
        break;
    case Suit::Bekers:
        Cup(ink);
        break;
    case Suit::Zwaard:
        Sword(ink);
        break;
    case Suit::Munten:
        Coin(ink);
        break;
    case Suit::None:
        break;
    }
    painter.restore();
}

} // namespace cardart
