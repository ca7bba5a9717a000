#pragma once
// @brief Shapes the emblems are built from (stars, crescents, hearts, clouds,
// crowns, figures ...), all as paths, and a pen that fills and outlines them in
// the deck's colours.

#include "palette.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace cardart {

// Emblems are drawn on a 100 × 140 board that is fitted into the picture.
inline constexpr qreal kBoardWidth = 100;
inline constexpr qreal kBoardHeight = 140;

class Ink {
public:
    Ink(QPainter &painter, const Palette &palette) : p(painter), c(palette) {}

    // Fill with a colour and outline in the deck's line colour.
    void shape(const QPainterPath &path, const QColor &fill, qreal width = 1.8) const;
    // Outline only.
    void stroke(const QPainterPath &path, qreal width = 1.8) const;
    void stroke(const QPainterPath &path, const QColor &color, qreal width) const;
    void fill(const QPainterPath &path, const QColor &color) const;

    QPainter &p;
    const Palette &c;
};

QPainterPath Star(QPointF centre, qreal outer, qreal inner, int points, qreal turnDegrees = -90);
QPainterPath Circle(QPointF centre, qreal radius);
QPainterPath Crescent(QPointF centre, qreal radius, qreal bite, bool opensRight);
QPainterPath Lemniscate(QPointF centre, qreal width, qreal height);
QPainterPath Heart(QPointF centre, qreal size);
QPainterPath Cloud(QPointF centre, qreal width, qreal height);
QPainterPath Rays(QPointF centre, qreal from, qreal to, int count, qreal turnDegrees = 0);
QPainterPath WavyRays(QPointF centre, qreal from, qreal to, int count, qreal turnDegrees);
QPainterPath Crown(const QRectF &box, int points);
QPainterPath Figure(QPointF head, qreal height);
QPainterPath Lightning(QPointF from, QPointF to, qreal width);
QPainterPath Flame(QPointF base, qreal width, qreal height);
QPainterPath Leaf(QPointF base, qreal length, qreal width, qreal angleDegrees);
QPainterPath Waves(const QRectF &box, int count);
QPainterPath Polygon(std::initializer_list<QPointF> points);
QPainterPath Rect(qreal x, qreal y, qreal w, qreal h);
QPainterPath Line(QPointF from, QPointF to);
// An upright from `from` to `to`, crossed at height `barY` by a bar reaching
// `halfBar` to either side: crosses, the ankh, Venus, the post of the scales.
QPainterPath Cross(QPointF from, QPointF to, qreal barY, qreal halfBar);

// A ring of laurel leaves around an ellipse.
void Wreath(const Ink &ink, const QRectF &oval, const QColor &leaf, int leaves);
// A spoked wheel with a hub.
void Wheel(const Ink &ink, QPointF centre, qreal radius, int spokes, const QColor &rim);
// Two pans on a beam, hung from a post.
void Scales(const Ink &ink, QPointF top, qreal span);
// A skull seen from the front.
void Skull(const Ink &ink, QPointF centre, qreal size);
// A lantern with a six-pointed star of light inside.
void Lantern(const Ink &ink, QPointF top, qreal size);
// A key at an angle, bit at the bottom.
void Key(const Ink &ink, QPointF bow, qreal length, qreal angleDegrees, const QColor &metal);
// A straight trumpet from mouthpiece to bell.
void Trumpet(const Ink &ink, QPointF mouth, QPointF bell);

} // namespace cardart
