// Emblems of the Etteilla titles that name their own subject: the days of
// creation, Prudence, the false seer, the ruined temple and the tyrant.
#include "emblem_set.h"

#include "suit_symbols.h"

#include <QPainter>

namespace cardart::emblems {

namespace {

QPainterPath Spiral(QPointF centre, qreal radius, qreal turns, qreal startDegrees)
{
    QPainterPath path;
    const int steps = int(turns * 48);
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal a = qDegreesToRadians(startDegrees + t * turns * 360);
        const QPointF pt(centre.x() + radius * t * std::cos(a),
                         centre.y() + radius * t * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

QPainterPath Fish(QPointF centre, qreal length, bool facingLeft)
{
    const qreal s = facingLeft ? -1 : 1;
    QPainterPath fish;
    fish.addEllipse(centre, length * 0.36, length * 0.16);
    fish.addPath(Polygon({centre + QPointF(-s * length * 0.3, 0),
                          centre + QPointF(-s * length * 0.56, -length * 0.16),
                          centre + QPointF(-s * length * 0.56, length * 0.16)}));
    return fish.simplified();
}

QPainterPath Bird(QPointF centre, qreal span)
{
    QPainterPath bird;
    bird.moveTo(centre.x() - span / 2, centre.y() - span * 0.12);
    bird.quadTo(centre.x() - span / 4, centre.y() - span * 0.35, centre.x(), centre.y());
    bird.quadTo(centre.x() + span / 4, centre.y() - span * 0.35, centre.x() + span / 2,
                centre.y() - span * 0.12);
    bird.quadTo(centre.x() + span / 4, centre.y() - span * 0.15, centre.x(),
                centre.y() + span * 0.1);
    bird.quadTo(centre.x() - span / 4, centre.y() - span * 0.15, centre.x() - span / 2,
                centre.y() - span * 0.12);
    bird.closeSubpath();
    return bird;
}

} // namespace

void Chaos(const Ink &ink)
{
    const Palette &c = ink.c;
    // Formless matter: dark clouds swirling round sparks of fire and water.
    ink.shape(Cloud({30, 30}, 56, 26), c.grey.darker(140));
    ink.shape(Cloud({70, 110}, 56, 26), c.grey.darker(140));
    ink.stroke(Spiral({50, 70}, 40, 2.6, 0), c.gold, 2.4);
    ink.stroke(Spiral({30, 34}, 14, 1.8, 90), c.light, 1.4);
    ink.stroke(Spiral({70, 112}, 14, 1.8, 270), c.light, 1.4);
    ink.shape(Flame({22, 104}, 10, 18), c.red, 1.2);
    ink.stroke(Waves(QRectF(58, 34, 30, 8), 2), c.blue.lighter(140), 2.0);
    ink.shape(Lightning({84, 54}, {68, 82}, 5), c.gold, 1.1);
    ink.shape(Polygon({{38, 120}, {46, 114}, {50, 124}, {42, 128}}), c.grey, 1.1);
}

void Light(const Ink &ink)
{
    const Palette &c = ink.c;
    // Light breaking over the dark: a sun whose rays reach down into the night below.
    ink.fill(Rect(0, 84, 100, 56), c.dark);
    ink.stroke(Rays({50, 40}, 20, 100, 24, 7.5), c.gold.lighter(115), 1.8);
    ink.shape(Circle({50, 40}, 18), c.gold);
    ink.shape(Circle({50, 40}, 10), c.light, 1.2);
    ink.shape(Cloud({50, 90}, 96, 14), c.grey.darker(120), 1.4);
}

void Plants(const Ink &ink)
{
    const Palette &c = ink.c;
    // The third day: trees, flowers and corn rising from the earth, a crescent over them.
    ink.shape(Crescent({78, 20}, 11, 7, false), c.gold, 1.4);
    ink.shape(Rect(0, 118, 100, 22), c.wood);
    ink.shape(Rect(30, 64, 8, 56), c.wood.darker(115));
    ink.shape(Circle({34, 50}, 22), c.green);
    ink.shape(Circle({22, 58}, 12), c.green.lighter(115), 1.2);
    ink.shape(Circle({46, 60}, 12), c.green.lighter(115), 1.2);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 62 + i * 12;
        ink.stroke(Line({x, 118}, {x, 86.0 - i * 6}), c.green.darker(120), 2.0);
        ink.shape(Leaf({x, 106}, 9, 2.4, -40), c.green, 0.9);
        ink.shape(cardart::Star({x, 84.0 - i * 6}, 6, 3, 6), i == 1 ? c.red : c.gold, 1.0);
    }
}

void Heavens(const Ink &ink)
{
    const Palette &c = ink.c;
    // The vault of heaven: a sphere of circles set with stars over a bank of cloud.
    ink.stroke(Circle({50, 62}, 38), c.gold, 2.2);
    QPainterPath arcs;
    arcs.addEllipse(QPointF(50, 62), 38, 12);
    arcs.addEllipse(QPointF(50, 62), 14, 38);
    arcs.moveTo(12, 62);
    arcs.lineTo(88, 62);
    ink.stroke(arcs, c.gold, 1.2);
    for (int i = 0; i < 9; ++i) {
        const qreal a = qDegreesToRadians(i * 40.0 + 10);
        ink.shape(cardart::Star({50 + 30 * std::cos(a), 62 + 30 * std::sin(a)}, 4, 1.6, 5), c.light,
                  0.8);
    }
    ink.shape(Circle({50, 62}, 5), c.gold, 1.2);
    ink.shape(Cloud({50, 122}, 100, 22), c.light.darker(108));
}

void ManAndBeasts(const Ink &ink)
{
    const Palette &c = ink.c;
    // Man standing among the animals: a beast at his side, a bird over them.
    ink.shape(Rect(0, 122, 100, 18), c.green);
    ink.shape(Figure({30, 42}, 80), c.skin);
    QPainterPath beast;
    beast.addEllipse(QPointF(70, 104), 18, 9);
    beast.addEllipse(QPointF(86, 92), 7, 6);
    beast = beast.simplified();
    ink.shape(beast, c.wood.lighter(115));
    for (const qreal x : {58.0, 64.0, 76.0, 82.0})
        ink.shape(Rect(x - 1.6, 110, 3.2, 13), c.wood.lighter(115), 1.0);
    ink.shape(Polygon({{84, 86}, {82, 78}, {88, 84}}), c.wood.lighter(115), 1.0);
    ink.shape(Bird({72, 34}, 28), c.light, 1.2);
}

void Stars(const Ink &ink)
{
    const Palette &c = ink.c;
    // The firmament's many stars round one great star.
    ink.shape(cardart::Star({50, 66}, 20, 9, 6), c.gold, 1.4);
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(i * 30.0);
        ink.shape(cardart::Star({50 + 36 * std::cos(a), 66 + 44 * std::sin(a)}, 5, 2, 5), c.light,
                  0.9);
    }
    for (int i = 0; i < 10; ++i)
        ink.fill(Circle({8.0 + (i * 37 % 84), 10.0 + (i * 53 % 120)}, 1.2), c.light);
}

void BirdsAndFishes(const Ink &ink)
{
    const Palette &c = ink.c;
    // Birds in the air above, fishes in the water below.
    ink.fill(Rect(0, 76, 100, 64), c.blue.lighter(120));
    ink.stroke(Waves(QRectF(0, 76, 100, 50), 4), c.light, 1.2);
    ink.shape(Bird({30, 30}, 34), c.light);
    ink.shape(Bird({70, 50}, 28), c.light);
    ink.shape(Fish({34, 98}, 34, false), c.gold);
    ink.shape(Fish({66, 122}, 30, true), c.red.lighter(120));
    ink.fill(Circle({42, 96}, 1.6), c.dark);
    ink.fill(Circle({58, 121}, 1.6), c.dark);
}

void Rest(const Ink &ink)
{
    const Palette &c = ink.c;
    // The seventh day: a figure asleep on a couch under the moon and stars.
    ink.shape(Crescent({68, 26}, 13, 8, false), c.gold, 1.4);
    for (const QPointF at : {QPointF(20, 18), QPointF(36, 40), QPointF(86, 54)})
        ink.shape(cardart::Star(at, 4.4, 1.8, 5), c.light, 0.8);
    QPainterPath couch;
    couch.addRoundedRect(QRectF(8, 98, 84, 14), 4, 4);
    couch.addRoundedRect(QRectF(8, 84, 10, 28), 4, 4);
    ink.shape(couch.simplified(), c.red);
    ink.shape(Rect(12, 112, 5, 16), c.wood, 1.2);
    ink.shape(Rect(84, 112, 5, 16), c.wood, 1.2);
    QPainterPath sleeper;
    sleeper.addRoundedRect(QRectF(26, 88, 58, 11), 5, 5);
    ink.shape(sleeper, c.light);
    ink.shape(Circle({24, 88}, 6), c.skin, 1.3);
    QPainterPath lid;
    lid.moveTo(20, 87);
    lid.quadTo(22, 89, 24, 87);
    ink.stroke(lid, 1.0);
}

void Prudence(const Ink &ink)
{
    const Palette &c = ink.c;
    // Prudence's attributes: the mirror and the serpent coiled about its handle.
    QPainterPath glass;
    glass.addEllipse(QPointF(50, 46), 28, 34);
    ink.shape(glass, c.gold, 2.0);
    QPainterPath pane;
    pane.addEllipse(QPointF(50, 46), 21, 27);
    ink.shape(pane, c.blue.lighter(150), 1.4);
    QPainterPath shine;
    shine.moveTo(38, 36);
    shine.quadTo(40, 26, 48, 22);
    ink.stroke(shine, c.light, 2.4);
    ink.shape(Rect(46, 80, 8, 52), c.gold);
    QPainterPath snake;
    snake.moveTo(62, 132);
    snake.cubicTo(30, 124, 70, 112, 40, 104);
    snake.cubicTo(24, 98, 66, 92, 58, 84);
    ink.stroke(snake, 6.0);
    ink.stroke(snake, c.green, 4.0);
    ink.shape(Circle({58, 83}, 4.2), c.green, 1.2);
}

void FalseSeer(const Ink &ink)
{
    const Palette &c = ink.c;
    // The juggler's table: cups turned over a hidden ball, a wand to distract.
    ink.shape(Rect(6, 94, 88, 9), c.red);
    ink.shape(Rect(12, 103, 6, 32), c.wood);
    ink.shape(Rect(82, 103, 6, 32), c.wood);
    for (const qreal x : {26.0, 50.0, 74.0}) {
        ink.shape(Polygon({{x - 9, 94}, {x + 9, 94}, {x + 6, 74}, {x - 6, 74}}), c.gold);
        ink.shape(Rect(x - 7, 71, 14, 3.5), c.gold, 1.2);
    }
    ink.shape(Circle({38, 90}, 3.4), c.light, 1.2);
    ink.shape(Figure({50, 20}, 44), c.blue);
    ink.shape(Circle({50, 20}, 5.6), c.skin, 1.2);
    QPainterPath hat;
    hat.addEllipse(QPointF(50, 14), 14, 3.4);
    ink.shape(hat, c.dark, 1.2);
    ink.shape(Rect(44, 4, 12, 10), c.dark, 1.2);
    const QPainterPath wand = Line({66, 38}, {88, 20});
    ink.stroke(wand, 4.4);
    ink.stroke(wand, c.light, 2.4);
}

void RuinedTemple(const Ink &ink)
{
    const Palette &c = ink.c;
    // A temple front split by lightning, its columns broken and fallen.
    ink.shape(Rect(8, 118, 84, 8), c.grey);
    ink.shape(Rect(4, 126, 92, 8), c.grey.darker(110));
    ink.shape(Rect(14, 58, 10, 60), c.light.darker(110));
    ink.shape(Rect(40, 82, 10, 36), c.light.darker(110));
    ink.shape(Polygon({{66, 118}, {66, 74}, {72, 70}, {76, 78}, {76, 118}}), c.light.darker(110));
    ink.shape(Polygon({{8, 58}, {30, 58}, {34, 42}, {22, 36}}), c.grey.lighter(110));
    ink.p.save();
    ink.p.translate(80, 110);
    ink.p.rotate(-70);
    ink.shape(Rect(-4, -20, 10, 34), c.light.darker(110));
    ink.p.restore();
    ink.shape(Lightning({96, 4}, {46, 76}, 8), c.gold, 1.3);
    ink.shape(Flame({56, 118}, 10, 18), c.red.lighter(115), 1.2);
}

void Tyrant(const Ink &ink)
{
    const Palette &c = ink.c;
    // Power by force: a crown over a sword and a scourge crossed, and broken chains.
    ink.shape(Crown(QRectF(26, 10, 48, 28), 5), c.gold);
    ink.shape(Rect(26, 36, 48, 7), c.red, 1.4);
    DrawSuitSymbol(ink.p, QRectF(28, 48, 22, 84), Suit::Zwaard, c, 155);
    const QPainterPath handle = Line({30, 128}, {62, 70});
    ink.stroke(handle, 5.0);
    ink.stroke(handle, c.wood, 3.0);
    for (int i = 0; i < 3; ++i) {
        QPainterPath lash;
        lash.moveTo(62, 70);
        lash.cubicTo(70 + i * 4, 60, 84 - i * 2, 70 + i * 6, 80 + i * 4, 88 + i * 8);
        ink.stroke(lash, c.dark, 1.6);
    }
    for (int i = 0; i < 4; ++i) {
        QPainterPath link;
        link.addEllipse(QPointF(14 + i * 7.0, 132 - (i % 2) * 2.0), 4, 2.6);
        ink.stroke(link, c.grey, 1.6);
    }
}

} // namespace cardart::emblems
