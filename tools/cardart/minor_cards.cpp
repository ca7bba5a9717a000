#include "minor_cards.h"

#include "emblem_kit.h"
#include "suit_symbols.h"

#include <QPainter>
#include <QRadialGradient>

#include <vector>

namespace cardart {

namespace {

// Pip centres as fractions of the picture; two columns with a middle lane.
std::vector<QPointF> PipCentres(int rank)
{
    constexpr qreal L = 0.27;
    constexpr qreal R = 0.73;
    switch (rank) {
    case 2:
        return {{0.5, 0.24}, {0.5, 0.76}};
    case 3:
        return {{0.5, 0.17}, {0.5, 0.5}, {0.5, 0.83}};
    case 4:
        return {{L, 0.25}, {R, 0.25}, {L, 0.75}, {R, 0.75}};
    case 5:
        return {{L, 0.2}, {R, 0.2}, {0.5, 0.5}, {L, 0.8}, {R, 0.8}};
    case 6:
        return {{L, 0.17}, {R, 0.17}, {L, 0.5}, {R, 0.5}, {L, 0.83}, {R, 0.83}};
    case 7:
        return {{L, 0.15}, {R, 0.15}, {0.5, 0.33}, {L, 0.5}, {R, 0.5}, {L, 0.85}, {R, 0.85}};
    case 8:
        return {{L, 0.14}, {R, 0.14},   {0.5, 0.32}, {L, 0.5},
                {R, 0.5},  {0.5, 0.68}, {L, 0.86},   {R, 0.86}};
    case 9:
        return {{L, 0.12}, {R, 0.12}, {L, 0.37}, {R, 0.37}, {0.5, 0.5},
                {L, 0.63}, {R, 0.63}, {L, 0.88}, {R, 0.88}};
    default:
        return {{L, 0.12}, {R, 0.12}, {0.5, 0.245}, {L, 0.37}, {R, 0.37},
                {L, 0.63}, {R, 0.63}, {0.5, 0.755}, {L, 0.88}, {R, 0.88}};
    }
}

// Staves and swords are slender, so they may stand taller than cups and coins.
qreal PipHeight(int rank, bool slender)
{
    if (rank <= 3)
        return slender ? 0.29 : 0.27;
    if (rank <= 6)
        return slender ? 0.28 : 0.25;
    if (rank <= 8)
        return slender ? 0.235 : 0.2;
    return slender ? 0.215 : 0.185;
}

void DrawAce(QPainter &p, const QRectF &pic, Suit suit, const Palette &c)
{
    const Ink ink(p, c);
    const QPointF centre = pic.center();
    QRadialGradient glow(centre, pic.width() * 0.55);
    glow.setColorAt(0, c.light);
    glow.setColorAt(1, QColor(c.light.red(), c.light.green(), c.light.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, pic.width() * 0.55, pic.width() * 0.55);
    ink.stroke(Rays(centre, pic.width() * 0.36, pic.width() * 0.46, 24, 7.5), c.gold, 0.7);
    const qreal h = pic.height() * 0.72;
    const qreal w = qMin(pic.width() * 0.62, h * SuitAspect(suit));
    const qreal side = suit == Suit::Munten ? pic.width() * 0.62 : h;
    DrawSuitSymbol(p, QRectF(centre.x() - w / 2, centre.y() - side / 2, w, side), suit, c);
}

QColor RobeColour(Suit suit, const Palette &c)
{
    switch (suit) {
    case Suit::Staven:
        return c.red;
    case Suit::Bekers:
        return c.blue;
    case Suit::Zwaard:
        return c.grey;
    default:
        return c.green;
    }
}

void Headgear(const Ink &ink, QPointF head, qreal r, int rank)
{
    const Palette &c = ink.c;
    switch (rank) {
    case kHeer: {
        // Beard under the face, a tall crown of five points.
        QPainterPath beard;
        beard.moveTo(head.x() - r * 0.85, head.y() + r * 0.2);
        beard.quadTo(head.x() - r * 0.7, head.y() + r * 1.7, head.x(), head.y() + r * 1.9);
        beard.quadTo(head.x() + r * 0.7, head.y() + r * 1.7, head.x() + r * 0.85,
                     head.y() + r * 0.2);
        beard.quadTo(head.x(), head.y() + r * 0.9, head.x() - r * 0.85, head.y() + r * 0.2);
        ink.shape(beard, c.wood.darker(115), 1.2);
        const QRectF crown(head.x() - r * 1.05, head.y() - r * 2.15, r * 2.1, r * 1.45);
        ink.shape(Crown(crown, 5), c.gold, 1.3);
        ink.shape(Circle({head.x(), crown.bottom() - r * 0.25}, r * 0.16), c.red, 0.8);
        break;
    }
    case kVrouw: {
        // Long hair to the shoulders and a low diadem with a pearl on each point.
        const QRectF diadem(head.x() - r * 0.95, head.y() - r * 1.55, r * 1.9, r * 0.8);
        ink.shape(Crown(diadem, 3), c.gold, 1.2);
        for (const qreal dx : {-0.95, 0.0, 0.95})
            ink.shape(Circle({head.x() + dx * r, diadem.top()}, r * 0.15), c.light, 0.8);
        break;
    }
    case kRidder: {
        // A closed helmet with a slit and a plume.
        QPainterPath plume;
        plume.moveTo(head.x() + r * 0.2, head.y() - r * 1.05);
        plume.cubicTo(head.x() + r * 0.8, head.y() - r * 2.6, head.x() + r * 2.4,
                      head.y() - r * 2.2, head.x() + r * 2.6, head.y() - r * 0.6);
        plume.cubicTo(head.x() + r * 1.8, head.y() - r * 1.5, head.x() + r * 1.0,
                      head.y() - r * 1.3, head.x() + r * 0.2, head.y() - r * 0.4);
        plume.closeSubpath();
        ink.shape(plume, c.red, 1.1);
        QPainterPath helmet;
        helmet.moveTo(head.x() - r * 1.1, head.y() + r * 1.05);
        helmet.lineTo(head.x() - r * 1.1, head.y() - r * 0.2);
        helmet.cubicTo(head.x() - r * 1.1, head.y() - r * 1.5, head.x() + r * 1.1,
                       head.y() - r * 1.5, head.x() + r * 1.1, head.y() - r * 0.2);
        helmet.lineTo(head.x() + r * 1.1, head.y() + r * 1.05);
        helmet.closeSubpath();
        ink.shape(helmet, c.grey.lighter(118), 1.3);
        QPainterPath slit;
        slit.addRoundedRect(QRectF(head.x() - r * 0.8, head.y() - r * 0.2, r * 1.6, r * 0.28),
                            r * 0.1, r * 0.1);
        ink.fill(slit, c.dark);
        QPainterPath ridge;
        ridge.moveTo(head.x(), head.y() - r * 1.15);
        ridge.lineTo(head.x(), head.y() - r * 0.3);
        ridge.moveTo(head.x(), head.y() + r * 0.25);
        ridge.lineTo(head.x(), head.y() + r * 1.0);
        ink.stroke(ridge, 0.9);
        break;
    }
    default: {
        // A soft beret worn askew, with a feather.
        QPainterPath feather =
            Leaf({head.x() + r * 0.5, head.y() - r * 1.0}, r * 2.0, r * 0.35, -55);
        ink.shape(feather, c.light, 0.9);
        QPainterPath beret;
        beret.addEllipse(QPointF(head.x() - r * 0.2, head.y() - r * 0.85), r * 1.35, r * 0.55);
        ink.shape(beret, c.red, 1.2);
        break;
    }
    }
}

} // namespace

void DrawPips(QPainter &p, const QRectF &pic, Suit suit, int rank, const Palette &c)
{
    if (rank == 1) {
        DrawAce(p, pic, suit, c);
        return;
    }
    const bool slender = suit == Suit::Staven || suit == Suit::Zwaard;
    const qreal h = pic.height() * PipHeight(rank, slender);
    const qreal w = suit == Suit::Munten ? h : h * SuitAspect(suit);
    const qreal side = qMin(w, pic.width() * 0.36);
    for (const QPointF &f : PipCentres(rank)) {
        const QPointF at(pic.left() + f.x() * pic.width(), pic.top() + f.y() * pic.height());
        const qreal boxH = suit == Suit::Munten ? side : h;
        DrawSuitSymbol(p, QRectF(at.x() - side / 2, at.y() - boxH / 2, side, boxH), suit, c);
    }
}

void DrawCourt(QPainter &p, const QRectF &pic, Suit suit, int rank, const Palette &c)
{
    const Ink ink(p, c);
    const qreal W = pic.width();
    const qreal H = pic.height();
    const qreal cx = pic.left() + W * 0.44;
    const QPointF head(cx, pic.top() + H * 0.33);
    const qreal r = H * 0.085;

    // Kings and queens sit before a throne; the knight rides, the page stands in the open.
    if (rank == kHeer || rank == kVrouw) {
        QPainterPath throne;
        throne.addRoundedRect(QRectF(cx - W * 0.34, pic.top() + H * 0.12, W * 0.68, H * 0.9),
                              W * 0.2, W * 0.2);
        ink.shape(throne, c.wood.lighter(rank == kHeer ? 100 : 125), 1.2);
    }

    QPainterPath robe;
    const qreal shoulderY = head.y() + r * 1.6;
    robe.moveTo(head.x() - r * 0.5, head.y() + r * 0.9);
    robe.cubicTo(head.x() - r * 2.6, shoulderY - r * 0.2, head.x() - r * 3.0, shoulderY + r * 0.4,
                 head.x() - r * 3.1, pic.bottom());
    robe.lineTo(head.x() + r * 3.1, pic.bottom());
    robe.cubicTo(head.x() + r * 3.0, shoulderY + r * 0.4, head.x() + r * 2.6, shoulderY - r * 0.2,
                 head.x() + r * 0.5, head.y() + r * 0.9);
    robe.closeSubpath();
    ink.shape(robe, RobeColour(suit, c), 1.3);
    QPainterPath collar;
    collar.moveTo(head.x() - r * 1.4, shoulderY - r * 0.3);
    collar.quadTo(head.x(), shoulderY + r * 1.4, head.x() + r * 1.4, shoulderY - r * 0.3);
    ink.stroke(collar, c.gold, 2.0);

    // The queen's long hair falls over her shoulders.
    if (rank == kVrouw) {
        QPainterPath hair;
        hair.addRoundedRect(QRectF(head.x() - r * 1.35, head.y() - r * 1.1, r * 2.7, r * 3.0),
                            r * 1.1, r * 1.1);
        QPainterPath neck;
        neck.addRect(QRectF(head.x() - r * 0.7, head.y() + r * 0.5, r * 1.4, r * 2));
        ink.shape(hair.subtracted(neck), c.wood.darker(130), 1.1);
    }
    ink.shape(Circle(head, r), c.skin, 1.2);
    ink.fill(Circle({head.x() - r * 0.35, head.y() - r * 0.05}, r * 0.11), c.dark);
    ink.fill(Circle({head.x() + r * 0.35, head.y() - r * 0.05}, r * 0.11), c.dark);
    Headgear(ink, head, r, rank);

    // The knight's horse rears its head before him.
    if (rank == kRidder) {
        auto at = [&](qreal fx, qreal fy) {
            return QPointF(pic.left() + fx * W, pic.top() + fy * H);
        };
        QPainterPath horse;
        horse.moveTo(at(0.16, 1.02));
        horse.cubicTo(at(0.2, 0.86), at(0.3, 0.74), at(0.3, 0.62));
        horse.lineTo(at(0.26, 0.56));
        horse.cubicTo(at(0.16, 0.58), at(0.06, 0.66), at(0.02, 0.74));
        horse.cubicTo(at(-0.01, 0.78), at(0.02, 0.82), at(0.07, 0.8));
        horse.lineTo(at(0.14, 0.76));
        horse.cubicTo(at(0.1, 0.86), at(0.02, 0.94), at(-0.02, 1.02));
        horse.closeSubpath();
        ink.shape(horse, c.light.darker(112), 1.3);
        ink.shape(Polygon({at(0.24, 0.57), at(0.27, 0.5), at(0.29, 0.6)}), c.light.darker(112),
                  1.1);
        ink.fill(Circle(at(0.17, 0.63), W * 0.018), c.dark);
        QPainterPath rein;
        rein.moveTo(at(0.07, 0.77));
        rein.quadTo(at(0.2, 0.78), at(0.32, 0.7));
        ink.stroke(rein, c.red, 1.3);
    }

    // The suit symbol: long ones held upright at the side, round ones before the chest.
    if (suit == Suit::Staven || suit == Suit::Zwaard) {
        const qreal h = H * 0.66;
        DrawSuitSymbol(p, QRectF(pic.left() + W * 0.8 - h * 0.2, pic.top() + H * 0.3, h * 0.4, h),
                       suit, c, suit == Suit::Zwaard ? 180 : 0);
        ink.shape(Circle({pic.left() + W * 0.8, pic.top() + H * 0.68}, r * 0.45), c.skin, 1.0);
    } else {
        const qreal s = H * 0.27;
        DrawSuitSymbol(p, QRectF(cx - s / 2, pic.top() + H * 0.64, s, s), suit, c);
    }
}

} // namespace cardart
