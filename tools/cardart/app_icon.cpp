#include "app_icon.h"

#include "card_renderer.h"
#include "deck_style.h"
#include "emblem_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace cardart {

using namespace morvelin;

namespace {

// Drawn on a 256 × 256 board; each card 104 × 182, about a card picture's proportions.
constexpr qreal kBoard = 256;
const QRectF kCard(76, 30, 104, 182);
const QPointF kPivot(128, 226);
constexpr qreal kFan = 19; // degrees each back card leans out
const QRectF kField = kCard.adjusted(11, 24, -11, -30);

// A line never thinner than one pixel of the icon, so the small size keeps its outlines;
// the small size leaves out the fine lines that would only blur its shapes.
struct Lines {
    qreal pixel; // board units per icon pixel
    qreal operator()(qreal width) const { return std::max(width, pixel); }
    bool fine() const { return pixel < 3; }
};

QPainterPath CardOutline(const QRectF &card)
{
    QPainterPath path;
    path.addRoundedRect(card, 7, 7);
    return path;
}

// The picture field, its colour running down as on the deck's cards.
void FillField(QPainter &p, const Palette &c)
{
    QLinearGradient field(kField.topLeft(), kField.bottomLeft());
    field.setColorAt(0, c.field);
    field.setColorAt(1, c.fieldTo);
    p.fillRect(kField, field);
}

void DrawShadow(QPainter &p)
{
    p.fillPath(CardOutline(kCard.translated(3, 4)), QColor(40, 20, 60, 70));
}

void DrawRiderWaite(QPainter &p, const Lines &lines)
{
    const Palette &c = StyleOf(kRiderWaite).palette;
    p.fillPath(CardOutline(kCard), c.paper);
    FillField(p, c);
    // The sun stands in the part the front card leaves free.
    const Ink ink(p, c);
    const QPointF sun(kField.left() + 22, kField.top() + 28);
    ink.stroke(Rays(sun, 15, 25, 12), c.gold.darker(110), lines(3.2));
    ink.shape(Circle(sun, 13), c.gold, lines(2.4));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.frame, lines(2.4)));
    p.drawRect(kField);
    p.setPen(QPen(c.frame, lines(2.0)));
    p.drawPath(CardOutline(kCard));
}

void DrawEtteilla(QPainter &p, const Lines &lines)
{
    const Palette &c = StyleOf(kEtteilla).palette;
    QRadialGradient aged(kCard.center(), kCard.height() * 0.62);
    aged.setColorAt(0, c.paper.lighter(106));
    aged.setColorAt(1, c.paper.darker(112));
    p.fillPath(CardOutline(kCard), aged);
    FillField(p, c);
    // The light of its second card, rays from a ring.
    const Ink ink(p, c);
    const QPointF light(kField.right() - 22, kField.top() + 30);
    ink.stroke(Rays(light, 12, 30, 16, 11.25), c.gold, lines(2.2));
    ink.shape(Circle(light, 9), c.light, lines(3.0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.frame, lines(2.2)));
    p.drawRect(kField);
    p.setPen(QPen(c.frame, lines(3.4)));
    p.drawPath(CardOutline(kCard));
    if (lines.fine()) {
        p.setPen(QPen(c.frame, lines(1.2)));
        p.drawRoundedRect(kCard.adjusted(5, 5, -5, -5), 4, 4);
    }
}

void DrawThierens(QPainter &p, const Lines &lines)
{
    const Palette &c = StyleOf(kThierens).palette;
    p.fillPath(CardOutline(kCard), c.paper);
    FillField(p, c);

    const Ink ink(p, c);
    const QPointF centre = kField.center();
    ink.shape(Star(centre, 36, 13, 8), c.gold, lines(2.0));
    if (lines.fine()) {
        const QPointF small[] = {{-26, -46}, {26, -46}, {-28, 44}, {28, 44}};
        for (const QPointF &at : small)
            ink.shape(Star(centre + at, 7, 2.6, 8), c.light, lines(1.2));
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.frame, lines(2.2)));
    p.drawRect(kField);
    if (lines.fine()) {
        p.setPen(QPen(c.frame, lines(1.0)));
        p.drawRect(kField.adjusted(-4, -4, 4, 4));
        p.setPen(Qt::NoPen);
        p.setBrush(c.frame);
        for (const QPointF corner :
             {kField.topLeft(), kField.topRight(), kField.bottomLeft(), kField.bottomRight()})
            p.drawEllipse(corner, 4, 4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c.frame, lines(2.4)));
        p.drawRoundedRect(kCard.adjusted(5, 5, -5, -5), 5, 5);
    }
    // Gold bands where a card carries its number and its title.
    p.setPen(Qt::NoPen);
    p.setBrush(c.frame);
    p.drawRoundedRect(QRectF(kCard.center().x() - 18, kCard.top() + 10, 36, 7), 3, 3);
    p.drawRoundedRect(QRectF(kCard.center().x() - 30, kCard.bottom() - 19, 60, 7), 3, 3);
}

void DrawLeaning(QPainter &p, qreal degrees, void (*draw)(QPainter &, const Lines &),
                 const Lines &lines)
{
    p.save();
    p.translate(kPivot);
    p.rotate(degrees);
    p.translate(-kPivot);
    DrawShadow(p);
    draw(p, lines);
    p.restore();
}

} // namespace

QImage RenderAppIcon(int size)
{
    QImage big(size * kOversample, size * kOversample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(big.width() / kBoard, big.height() / kBoard);
        const Lines lines{kBoard / size};
        DrawLeaning(p, -kFan, DrawRiderWaite, lines);
        DrawLeaning(p, kFan, DrawEtteilla, lines);
        DrawLeaning(p, 0, DrawThierens, lines);
    }
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace cardart
