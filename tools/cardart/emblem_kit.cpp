#include "emblem_kit.h"

#include <QPainter>
#include <QTransform>

#include <cmath>

namespace cardart {

namespace {

QPointF Polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return {centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

QPen LinePen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

void Ink::shape(const QPainterPath &path, const QColor &fill, qreal width) const
{
    p.fillPath(path, fill);
    p.strokePath(path, LinePen(c.line, width));
}

void Ink::stroke(const QPainterPath &path, qreal width) const
{
    p.strokePath(path, LinePen(c.line, width));
}

void Ink::stroke(const QPainterPath &path, const QColor &color, qreal width) const
{
    p.strokePath(path, LinePen(color, width));
}

void Ink::fill(const QPainterPath &path, const QColor &color) const
{
    p.fillPath(path, color);
}

QPainterPath Star(QPointF centre, qreal outer, qreal inner, int points, qreal turnDegrees)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const QPointF pt =
            Polar(centre, i % 2 == 0 ? outer : inner, turnDegrees + i * 180.0 / points);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath Crescent(QPointF centre, qreal radius, qreal bite, bool opensRight)
{
    const QPainterPath moon = Circle(centre, radius);
    const qreal dx = opensRight ? bite : -bite;
    return moon.subtracted(Circle(centre + QPointF(dx, -radius * 0.08), radius * 0.9));
}

QPainterPath Lemniscate(QPointF centre, qreal width, qreal height)
{
    QPainterPath path;
    const qreal a = width / 2;
    for (int i = 0; i <= 96; ++i) {
        const qreal t = 2 * M_PI * i / 96;
        const qreal d = 1 + std::sin(t) * std::sin(t);
        const QPointF pt(centre.x() + a * std::cos(t) / d,
                         centre.y() + height * 1.4 * std::sin(t) * std::cos(t) / d);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

QPainterPath Heart(QPointF centre, qreal size)
{
    const qreal s = size / 2;
    QPainterPath path;
    path.moveTo(centre.x(), centre.y() + s);
    path.cubicTo(centre.x() - s * 1.5, centre.y() - s * 0.1, centre.x() - s * 0.9,
                 centre.y() - s * 1.2, centre.x(), centre.y() - s * 0.45);
    path.cubicTo(centre.x() + s * 0.9, centre.y() - s * 1.2, centre.x() + s * 1.5,
                 centre.y() - s * 0.1, centre.x(), centre.y() + s);
    path.closeSubpath();
    return path;
}

QPainterPath Cloud(QPointF centre, qreal width, qreal height)
{
    QPainterPath path;
    const qreal w = width / 2;
    const qreal h = height / 2;
    path.addEllipse(QPointF(centre.x() - w * 0.5, centre.y() + h * 0.2), w * 0.5, h * 0.75);
    path.addEllipse(QPointF(centre.x() + w * 0.05, centre.y() - h * 0.15), w * 0.55, h);
    path.addEllipse(QPointF(centre.x() + w * 0.55, centre.y() + h * 0.25), w * 0.45, h * 0.7);
    path.addRoundedRect(QRectF(centre.x() - w * 0.85, centre.y(), w * 1.8, h * 0.95), h * 0.45,
                        h * 0.45);
    return path.simplified();
}

QPainterPath Rays(QPointF centre, qreal from, qreal to, int count, qreal turnDegrees)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        const qreal a = turnDegrees + i * 360.0 / count;
        path.moveTo(Polar(centre, from, a));
        path.lineTo(Polar(centre, to, a));
    }
    return path;
}

QPainterPath WavyRays(QPointF centre, qreal from, qreal to, int count, qreal turnDegrees)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        const qreal a = turnDegrees + i * 360.0 / count;
        path.moveTo(Polar(centre, from, a));
        path.cubicTo(Polar(centre, from + (to - from) * 0.33, a + 9),
                     Polar(centre, from + (to - from) * 0.66, a - 9), Polar(centre, to, a));
    }
    return path;
}

QPainterPath Crown(const QRectF &box, int points)
{
    QPainterPath path;
    const qreal band = box.height() * 0.35;
    path.moveTo(box.left(), box.bottom());
    path.lineTo(box.left(), box.top() + box.height() * 0.25);
    const qreal step = box.width() / (points - 1);
    for (int i = 0; i < points - 1; ++i) {
        const qreal x = box.left() + i * step;
        path.lineTo(x + step / 2, box.bottom() - band);
        path.lineTo(x + step, box.top() + (i + 1 == points - 1 ? box.height() * 0.25 : 0));
    }
    path.lineTo(box.right(), box.bottom());
    path.closeSubpath();
    return path;
}

QPainterPath Figure(QPointF head, qreal height)
{
    // A robed figure: round head, a bell of a body with a hint of arms.
    const qreal r = height * 0.11;
    QPainterPath path;
    path.addEllipse(head, r, r);
    QPainterPath body;
    const qreal top = head.y() + r * 1.15;
    body.moveTo(head.x() - r * 0.9, top);
    body.cubicTo(head.x() - r * 2.4, top + height * 0.15, head.x() - r * 2.2, top + height * 0.55,
                 head.x() - r * 2.6, head.y() + height - r);
    body.lineTo(head.x() + r * 2.6, head.y() + height - r);
    body.cubicTo(head.x() + r * 2.2, top + height * 0.55, head.x() + r * 2.4, top + height * 0.15,
                 head.x() + r * 0.9, top);
    body.closeSubpath();
    path.addPath(body);
    return path;
}

QPainterPath Lightning(QPointF from, QPointF to, qreal width)
{
    const QPointF d = to - from;
    const QPointF n(-d.y(), d.x());
    const qreal len = std::hypot(n.x(), n.y());
    const QPointF u = n / len * width;
    QPainterPath path;
    path.moveTo(from - u * 0.6);
    path.lineTo(from + d * 0.55 + u * 0.9);
    path.lineTo(from + d * 0.45 - u * 0.2);
    path.lineTo(to);
    path.lineTo(from + d * 0.5 + u * 0.25);
    path.lineTo(from + d * 0.4 - u * 1.1);
    path.lineTo(from + u * 0.6);
    path.closeSubpath();
    return path;
}

QPainterPath Flame(QPointF base, qreal width, qreal height)
{
    const qreal w = width / 2;
    QPainterPath path;
    path.moveTo(base.x(), base.y());
    path.cubicTo(base.x() - w * 1.3, base.y() - height * 0.1, base.x() - w * 0.6,
                 base.y() - height * 0.6, base.x(), base.y() - height);
    path.cubicTo(base.x() + w * 0.1, base.y() - height * 0.6, base.x() + w * 1.4,
                 base.y() - height * 0.35, base.x(), base.y());
    path.closeSubpath();
    return path;
}

QPainterPath Leaf(QPointF base, qreal length, qreal width, qreal angleDegrees)
{
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -width, length * 0.7, -width, length, 0);
    leaf.cubicTo(length * 0.7, width, length * 0.3, width, 0, 0);
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angleDegrees);
    return t.map(leaf);
}

QPainterPath Waves(const QRectF &box, int count)
{
    QPainterPath path;
    const qreal rowGap = count > 1 ? box.height() / (count - 1) : 0;
    for (int row = 0; row < count; ++row) {
        const qreal y = box.top() + row * rowGap;
        const qreal step = box.width() / 4;
        path.moveTo(box.left(), y);
        for (int i = 0; i < 4; ++i) {
            const qreal x = box.left() + i * step;
            path.quadTo(x + step / 2, y + (i % 2 == 0 ? -2.2 : 2.2), x + step, y);
        }
    }
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath Rect(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

QPainterPath Line(QPointF from, QPointF to)
{
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return path;
}

QPainterPath Cross(QPointF from, QPointF to, qreal barY, qreal halfBar)
{
    QPainterPath path = Line(from, to);
    path.moveTo(from.x() - halfBar, barY);
    path.lineTo(from.x() + halfBar, barY);
    return path;
}

void Wreath(const Ink &ink, const QRectF &oval, const QColor &leaf, int leaves)
{
    const QPointF c = oval.center();
    for (int i = 0; i < leaves; ++i) {
        const qreal a = i * 360.0 / leaves;
        const qreal rad = qDegreesToRadians(a);
        const QPointF at(c.x() + oval.width() / 2 * std::cos(rad),
                         c.y() + oval.height() / 2 * std::sin(rad));
        ink.shape(Leaf(at, 9, 2.8, a + 90 + 25), leaf, 0.9);
    }
}

void Wheel(const Ink &ink, QPointF centre, qreal radius, int spokes, const QColor &rim)
{
    QPainterPath ring = Circle(centre, radius).subtracted(Circle(centre, radius * 0.82));
    ink.shape(ring, rim);
    ink.stroke(Rays(centre, radius * 0.2, radius * 0.82, spokes, 0), 2.2);
    ink.shape(Circle(centre, radius * 0.2), ink.c.gold);
}

void Scales(const Ink &ink, QPointF top, qreal span)
{
    const qreal half = span / 2;
    QPainterPath frame = Cross(top, {top.x(), top.y() + span * 0.95}, top.y() + span * 0.12, half);
    for (const qreal sx : {-1.0, 1.0}) {
        const QPointF hook(top.x() + sx * half, top.y() + span * 0.12);
        frame.moveTo(hook);
        frame.lineTo(hook + QPointF(-span * 0.17, span * 0.42));
        frame.moveTo(hook);
        frame.lineTo(hook + QPointF(span * 0.17, span * 0.42));
    }
    ink.stroke(frame, 1.8);
    for (const qreal sx : {-1.0, 1.0}) {
        const QPointF pan(top.x() + sx * half, top.y() + span * 0.54);
        QPainterPath bowl;
        bowl.moveTo(pan.x() - span * 0.2, pan.y());
        bowl.quadTo(pan.x(), pan.y() + span * 0.22, pan.x() + span * 0.2, pan.y());
        bowl.closeSubpath();
        ink.shape(bowl, ink.c.gold);
    }
    ink.shape(Circle(top, span * 0.05), ink.c.gold);
    QPainterPath foot = Polygon({{top.x() - span * 0.16, top.y() + span},
                                 {top.x() + span * 0.16, top.y() + span},
                                 {top.x() + span * 0.05, top.y() + span * 0.9},
                                 {top.x() - span * 0.05, top.y() + span * 0.9}});
    ink.shape(foot, ink.c.gold);
}

void Skull(const Ink &ink, QPointF c, qreal s)
{
    QPainterPath head;
    head.addEllipse(QPointF(c.x(), c.y() - s * 0.1), s * 0.5, s * 0.45);
    head.addRoundedRect(QRectF(c.x() - s * 0.28, c.y() + s * 0.15, s * 0.56, s * 0.38), s * 0.1,
                        s * 0.1);
    head = head.simplified();
    ink.shape(head, ink.c.light);
    ink.fill(Circle({c.x() - s * 0.19, c.y() - s * 0.02}, s * 0.12), ink.c.dark);
    ink.fill(Circle({c.x() + s * 0.19, c.y() - s * 0.02}, s * 0.12), ink.c.dark);
    ink.fill(Polygon({{c.x(), c.y() + s * 0.1},
                      {c.x() - s * 0.06, c.y() + s * 0.22},
                      {c.x() + s * 0.06, c.y() + s * 0.22}}),
             ink.c.dark);
    QPainterPath teeth;
    for (int i = -2; i <= 2; ++i) {
        teeth.moveTo(c.x() + i * s * 0.09, c.y() + s * 0.34);
        teeth.lineTo(c.x() + i * s * 0.09, c.y() + s * 0.5);
    }
    ink.stroke(teeth, 1.0);
}

void Lantern(const Ink &ink, QPointF top, qreal s)
{
    const QRectF body(top.x() - s * 0.3, top.y() + s * 0.25, s * 0.6, s * 0.7);
    ink.stroke(Circle({top.x(), top.y() + s * 0.08}, s * 0.08), 1.4);
    ink.shape(Polygon({{top.x() - s * 0.38, body.top()},
                       {top.x(), top.y() + s * 0.12},
                       {top.x() + s * 0.38, body.top()}}),
              ink.c.gold);
    ink.shape(QPainterPath([&] {
                  QPainterPath r;
                  r.addRect(body);
                  return r;
              }()),
              ink.c.light.darker(104));
    ink.shape(Star(body.center(), s * 0.24, s * 0.12, 6), ink.c.gold, 1.0);
    ink.shape(Polygon({{body.left() - s * 0.06, body.bottom()},
                       {body.right() + s * 0.06, body.bottom()},
                       {body.right() - s * 0.05, body.bottom() + s * 0.1},
                       {body.left() + s * 0.05, body.bottom() + s * 0.1}}),
              ink.c.gold);
}

void Key(const Ink &ink, QPointF bow, qreal length, qreal angleDegrees, const QColor &metal)
{
    QPainterPath key;
    key.addEllipse(QPointF(0, 0), length * 0.16, length * 0.16);
    key.addRect(QRectF(-length * 0.045, length * 0.12, length * 0.09, length * 0.88));
    key.addRect(QRectF(length * 0.04, length * 0.72, length * 0.16, length * 0.08));
    key.addRect(QRectF(length * 0.04, length * 0.88, length * 0.2, length * 0.1));
    key = key.simplified().subtracted(Circle({0, 0}, length * 0.07));
    QTransform t;
    t.translate(bow.x(), bow.y());
    t.rotate(angleDegrees);
    ink.shape(t.map(key), metal, 1.3);
}

void Trumpet(const Ink &ink, QPointF mouth, QPointF bell)
{
    const QPointF d = bell - mouth;
    const qreal len = std::hypot(d.x(), d.y());
    QPainterPath horn;
    horn.moveTo(0, -1.2);
    horn.lineTo(len * 0.7, -2.0);
    horn.quadTo(len * 0.9, -2.6, len, -len * 0.16);
    horn.lineTo(len, len * 0.16);
    horn.quadTo(len * 0.9, 2.6, len * 0.7, 2.0);
    horn.lineTo(0, 1.2);
    horn.closeSubpath();
    QTransform t;
    t.translate(mouth.x(), mouth.y());
    t.rotateRadians(std::atan2(d.y(), d.x()));
    ink.shape(t.map(horn), ink.c.gold, 1.4);
}

} // namespace cardart
