// The last eleven major emblems, Hanged Man to Fool.
#include "emblem_set.h"

#include "suit_symbols.h"

#include <QPainter>

namespace cardart::emblems {

namespace {

// A thick coloured stroke with the deck's outline around it.
void Limb(const Ink &ink, const QPainterPath &path, const QColor &color, qreal width)
{
    ink.stroke(path, width + 2.2);
    ink.stroke(path, color, width);
}

QPainterPath Rose(QPointF centre, qreal r)
{
    QPainterPath rose;
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + i * 72.0);
        rose.addEllipse(
            QPointF(centre.x() + r * 0.55 * std::cos(a), centre.y() + r * 0.55 * std::sin(a)),
            r * 0.5, r * 0.5);
    }
    return rose.simplified();
}

} // namespace

void HangedMan(const Ink &ink)
{
    const Palette &c = ink.c;
    // The living tau cross, and the man hanging by one foot, head haloed.
    ink.shape(Rect(12, 14, 76, 8), c.wood);
    ink.shape(Rect(14, 22, 7, 114), c.wood);
    ink.shape(Rect(79, 22, 7, 114), c.wood);
    ink.shape(Leaf({20, 50}, 8, 2.4, 200), c.green, 0.9);
    ink.shape(Leaf({80, 80}, 8, 2.4, -20), c.green, 0.9);
    Limb(ink, Line({50, 22}, {50, 64}), c.red, 5);
    QPainterPath bent;
    bent.moveTo(50, 56);
    bent.lineTo(64, 46);
    bent.lineTo(50, 38);
    Limb(ink, bent, c.red, 5);
    QPainterPath body;
    body.addRoundedRect(QRectF(40, 62, 20, 34), 5, 5);
    ink.shape(body, c.blue);
    ink.shape(Polygon({{40, 72}, {30, 96}, {40, 94}}), c.skin, 1.3);
    ink.shape(Polygon({{60, 72}, {70, 96}, {60, 94}}), c.skin, 1.3);
    ink.shape(Circle({50, 106}, 13), c.gold);
    ink.stroke(Rays({50, 106}, 14, 18, 12), c.gold, 1.4);
    ink.shape(Circle({50, 105}, 8), c.skin);
}

void Death(const Ink &ink)
{
    const Palette &c = ink.c;
    // The black banner with the white rose, and the skull.
    ink.shape(Rect(16, 12, 5, 124), c.wood);
    ink.shape(Circle({18.5, 11}, 3.5), c.gold, 1.2);
    QPainterPath banner;
    banner.moveTo(21, 16);
    banner.lineTo(86, 18);
    banner.quadTo(78, 36, 86, 56);
    banner.lineTo(21, 58);
    banner.closeSubpath();
    ink.shape(banner, c.dark);
    ink.shape(Rose({52, 37}, 12), c.light, 1.2);
    ink.shape(Circle({52, 37}, 4), c.gold, 1.0);
    Skull(ink, {56, 96}, 40);
}

void Temperance(const Ink &ink)
{
    const Palette &c = ink.c;
    // The angel, winged and haloed, pours water from one cup into the other without end.
    for (const qreal s : {-1.0, 1.0}) {
        QPainterPath wing;
        wing.moveTo(50 + s * 6, 46);
        wing.cubicTo(50 + s * 22, 18, 50 + s * 40, 14, 50 + s * 44, 22);
        wing.cubicTo(50 + s * 40, 44, 50 + s * 28, 62, 50 + s * 8, 66);
        wing.closeSubpath();
        ink.shape(wing, c.red.lighter(140));
    }
    ink.shape(Figure({50, 30}, 96), c.light);
    ink.shape(Circle({50, 30}, 13), c.gold, 1.2);
    ink.shape(Circle({50, 30}, 9), c.skin, 1.3);
    ink.shape(Polygon({{50, 52}, {56, 62}, {44, 62}}), c.gold, 1.2);
    DrawSuitSymbol(ink.p, QRectF(16, 46, 22, 30), Suit::Bekers, c, 35);
    DrawSuitSymbol(ink.p, QRectF(62, 76, 22, 30), Suit::Bekers, c);
    QPainterPath stream;
    stream.moveTo(33, 52);
    stream.cubicTo(54, 50, 72, 60, 73, 80);
    Limb(ink, stream, c.blue.lighter(120), 3.4);
    // One foot on the land, one in the water.
    QPainterPath pool;
    pool.addEllipse(QPointF(74, 132), 28, 7);
    ink.shape(pool, c.blue, 1.4);
}

void Devil(const Ink &ink)
{
    const Palette &c = ink.c;
    // Bat wings, a horned head under the reversed star, chains on the pedestal.
    for (const qreal s : {-1.0, 1.0}) {
        QPainterPath wing;
        wing.moveTo(50, 58);
        wing.lineTo(50 + s * 46, 34);
        wing.lineTo(50 + s * 40, 52);
        wing.lineTo(50 + s * 46, 60);
        wing.lineTo(50 + s * 36, 68);
        wing.lineTo(50 + s * 40, 80);
        wing.lineTo(50, 76);
        wing.closeSubpath();
        ink.shape(wing, c.grey.darker(150));
        QPainterPath horn;
        horn.moveTo(50 + s * 8, 46);
        horn.quadTo(50 + s * 20, 40, 50 + s * 16, 26);
        horn.quadTo(50 + s * 14, 38, 50 + s * 3, 42);
        horn.closeSubpath();
        ink.shape(horn, c.light);
    }
    ink.shape(cardart::Star({50, 16}, 11, 4.4, 5, 90), c.gold, 1.2);
    QPainterPath head;
    head.addEllipse(QPointF(50, 56), 13, 15);
    ink.shape(head, c.red);
    ink.fill(Polygon({{40, 52}, {47, 55}, {41, 57}}), c.gold);
    ink.fill(Polygon({{60, 52}, {53, 55}, {59, 57}}), c.gold);
    QPainterPath grin;
    grin.moveTo(43, 63);
    grin.quadTo(50, 69, 57, 63);
    ink.stroke(grin, 1.6);
    ink.shape(Rect(30, 96, 40, 38), c.grey);
    for (const qreal s : {-1.0, 1.0}) {
        for (int i = 0; i < 4; ++i) {
            QPainterPath link;
            link.addEllipse(QPointF(50 + s * (22 + i * 6), 104 + i * 7.0), 3.4, 2.4);
            ink.stroke(link, c.grey.lighter(150), 1.6);
        }
    }
}

void Tower(const Ink &ink)
{
    const Palette &c = ink.c;
    ink.shape(Rect(34, 44, 32, 92), c.grey);
    for (int row = 0; row < 6; ++row) {
        ink.stroke(Line({34, 58 + row * 13.0}, {66, 58 + row * 13.0}), 0.8);
    }
    for (const QPointF w : {QPointF(44, 70), QPointF(56, 88), QPointF(44, 106)}) {
        ink.shape(Rect(w.x() - 3, w.y() - 5, 6, 10), c.dark, 1.0);
        ink.shape(Flame({w.x() + 4, w.y() - 2}, 8, 14), c.red.lighter(120), 1.0);
    }
    ink.shape(Polygon({{30, 44}, {70, 44}, {66, 36}, {34, 36}}), c.grey.lighter(115));
    // The crown knocked from the top by the bolt.
    ink.p.save();
    ink.p.translate(72, 28);
    ink.p.rotate(28);
    ink.shape(Crown(QRectF(-10, -8, 20, 14), 4), c.gold, 1.4);
    ink.p.restore();
    ink.shape(Lightning({6, 4}, {46, 38}, 7), c.gold, 1.3);
    for (int i = 0; i < 8; ++i)
        ink.shape(Flame({14.0 + (i % 4) * 22, 20.0 + (i / 4) * 34 + (i % 2) * 8}, 4, 6), c.gold,
                  0.8);
    // Stones thrown from the broken top.
    for (const QPointF at : {QPointF(20, 60), QPointF(78, 70), QPointF(16, 96), QPointF(84, 108)}) {
        ink.p.save();
        ink.p.translate(at);
        ink.p.rotate(at.x() * 3);
        ink.shape(Rect(-4, -3, 8, 6), c.grey.lighter(110), 1.2);
        ink.p.restore();
    }
}

void Star(const Ink &ink)
{
    const Palette &c = ink.c;
    ink.shape(cardart::Star({50, 30}, 22, 8, 8), c.gold, 1.4);
    const QPointF small[] = {{14, 14}, {86, 14}, {12, 46}, {88, 46}, {24, 68}, {76, 68}, {50, 62}};
    for (const QPointF &at : small)
        ink.shape(cardart::Star(at, 6.5, 2.4, 8), c.light, 1.0);
    // A jug poured out into the pool.
    QPainterPath jug;
    jug.moveTo(24, 84);
    jug.cubicTo(14, 92, 16, 108, 28, 112);
    jug.cubicTo(40, 108, 42, 92, 32, 84);
    jug.closeSubpath();
    ink.shape(jug, c.red.lighter(110));
    QPainterPath stream;
    stream.moveTo(34, 90);
    stream.cubicTo(48, 90, 54, 104, 56, 120);
    ink.stroke(stream, c.blue.lighter(150), 3.0);
    QPainterPath pool;
    pool.addEllipse(QPointF(62, 126), 32, 9);
    ink.shape(pool, c.blue);
    ink.stroke(Waves(QRectF(40, 124, 44, 4), 2), c.light, 1.0);
}

void Moon(const Ink &ink)
{
    const Palette &c = ink.c;
    ink.stroke(Rays({50, 32}, 22, 30, 16, 11.25), c.gold, 1.6);
    ink.shape(Circle({50, 32}, 20), c.gold.lighter(130));
    ink.shape(Crescent({50, 32}, 17, 10, false), c.gold, 1.2);
    for (int i = 0; i < 6; ++i)
        ink.shape(Flame({22.0 + i * 11, 64.0 + (i % 2) * 6}, 4, 7).translated(0, 0), c.gold, 0.8);
    // Two towers, the path between them, the pool below.
    for (const qreal x : {6.0, 78.0}) {
        ink.shape(Rect(x, 70, 16, 50), c.grey);
        ink.shape(Polygon({{x - 2, 70}, {x + 18, 70}, {x + 8, 58}}), c.grey.lighter(115));
        ink.shape(Rect(x + 6, 82, 4, 7), c.dark, 0.8);
    }
    QPainterPath road;
    road.moveTo(50, 122);
    road.cubicTo(30, 110, 66, 100, 46, 90);
    road.cubicTo(36, 84, 56, 80, 50, 74);
    ink.stroke(road, 5.0);
    ink.stroke(road, c.wood.lighter(140), 3.2);
    QPainterPath pool = Rect(0, 122, 100, 18);
    ink.shape(pool, c.blue);
    QPainterPath crayfish;
    crayfish.addEllipse(QPointF(50, 130), 7, 4);
    ink.shape(crayfish, c.red, 1.2);
}

void Sun(const Ink &ink)
{
    const Palette &c = ink.c;
    ink.stroke(WavyRays({50, 48}, 24, 42, 12, 15), c.gold.darker(110), 2.2);
    ink.stroke(Rays({50, 48}, 24, 40, 12, 0), c.gold.darker(110), 2.6);
    ink.shape(Circle({50, 48}, 22), c.gold);
    ink.fill(Circle({43, 44}, 2.4), c.dark);
    ink.fill(Circle({57, 44}, 2.4), c.dark);
    QPainterPath smile;
    smile.moveTo(42, 55);
    smile.quadTo(50, 61, 58, 55);
    ink.stroke(smile, 1.6);
    // Sunflowers over a garden wall.
    ink.shape(Rect(0, 112, 100, 28), c.grey.lighter(110));
    for (int i = 0; i < 4; ++i) {
        ink.stroke(Line({0, 119 + i * 7.0}, {100, 119 + i * 7.0}), 0.7);
    }
    for (const qreal x : {18.0, 50.0, 82.0}) {
        ink.stroke(Line({x, 112}, {x, 98}), c.green.darker(120), 2.0);
        ink.shape(cardart::Star({x, 96}, 10, 6, 10), c.gold);
        ink.shape(Circle({x, 96}, 4.5), c.wood, 1.0);
    }
}

void Judgement(const Ink &ink)
{
    const Palette &c = ink.c;
    ink.shape(Cloud({50, 22}, 96, 30), c.light);
    for (const qreal s : {-1.0, 1.0}) {
        QPainterPath wing;
        wing.moveTo(50, 30);
        wing.cubicTo(50 + s * 14, 8, 50 + s * 36, 6, 50 + s * 44, 14);
        wing.cubicTo(50 + s * 30, 20, 50 + s * 22, 32, 50, 36);
        wing.closeSubpath();
        ink.shape(wing, c.red.lighter(130));
    }
    // The trumpet with its banner of the cross.
    Trumpet(ink, {40, 34}, {74, 72});
    QPainterPath flag = Polygon({{54, 50}, {72, 66}, {60, 82}, {42, 66}});
    ink.shape(flag, c.light, 1.3);
    ink.stroke(Line({57, 58}, {57, 74}), c.red, 2.4);
    ink.stroke(Line({50, 66}, {64, 66}), c.red, 2.4);
    // The dead rising from their graves with raised arms.
    for (const qreal x : {20.0, 50.0, 80.0}) {
        ink.shape(Rect(x - 12, 124, 24, 10), c.wood);
        QPainterPath arms;
        arms.moveTo(x - 9, 100);
        arms.lineTo(x, 114);
        arms.lineTo(x + 9, 100);
        Limb(ink, arms, c.skin, 2.4);
        QPainterPath body;
        body.addRoundedRect(QRectF(x - 5, 110, 10, 16), 3, 3);
        ink.shape(body, c.grey.lighter(130), 1.2);
        ink.shape(Circle({x, 106}, 4), c.skin, 1.2);
    }
}

void World(const Ink &ink)
{
    const Palette &c = ink.c;
    Wreath(ink, QRectF(22, 24, 56, 92), c.green, 30);
    QPainterPath ribbons = Lemniscate({50, 22}, 18, 5);
    ribbons.addPath(Lemniscate({50, 118}, 18, 5));
    ink.stroke(ribbons, 4.0);
    ink.stroke(ribbons, c.red, 2.2);
    // The dancer in the wreath, a scarf about her.
    ink.shape(Figure({50, 50}, 52), c.skin);
    QPainterPath scarf;
    scarf.moveTo(40, 60);
    scarf.cubicTo(56, 66, 44, 80, 60, 92);
    scarf.lineTo(56, 96);
    scarf.cubicTo(40, 84, 52, 70, 38, 64);
    scarf.closeSubpath();
    ink.shape(scarf, c.blue, 1.2);
    // The four beings in the corners, shown as their clouds with a star.
    for (const QPointF at :
         {QPointF(10, 12), QPointF(90, 12), QPointF(10, 130), QPointF(90, 130)}) {
        ink.shape(Cloud(at, 20, 10), c.light, 1.2);
        ink.shape(cardart::Star(at + QPointF(0, -1), 3.4, 1.4, 4), c.gold, 0.8);
    }
}

void Fool(const Ink &ink)
{
    const Palette &c = ink.c;
    ink.shape(Circle({84, 16}, 10), c.gold);
    ink.stroke(Rays({84, 16}, 12, 17, 12), c.gold, 1.4);
    ink.shape(Polygon({{0, 74}, {16, 48}, {32, 70}, {48, 44}, {70, 74}}), c.light.darker(108));
    // The cliff, and the traveller stepping off its edge with his eyes on the sky.
    ink.shape(Polygon({{0, 140}, {0, 100}, {64, 94}, {72, 98}, {66, 112}, {58, 140}}), c.wood);
    Limb(ink, Line({47, 84}, {45, 96}), c.skin, 3.0);
    Limb(ink, Line({53, 84}, {66, 90}), c.skin, 3.0);
    QPainterPath tunic;
    tunic.moveTo(42, 60);
    tunic.lineTo(58, 60);
    tunic.lineTo(61, 86);
    tunic.lineTo(39, 86);
    tunic.closeSubpath();
    ink.shape(tunic, c.red.lighter(110), 1.4);
    ink.stroke(Line({42, 66}, {58, 80}), c.gold, 1.6);
    // The staff with his bundle over one shoulder, a white rose in the other hand.
    Limb(ink, Line({56, 64}, {64, 56}), c.skin, 2.6);
    ink.stroke(Line({58, 72}, {78, 34}), 4.0);
    ink.stroke(Line({58, 72}, {78, 34}), c.wood, 2.2);
    ink.shape(Circle({79, 33}, 5.5), c.blue.lighter(120), 1.3);
    Limb(ink, Line({43, 64}, {34, 72}), c.skin, 2.6);
    ink.shape(Rose({32, 74}, 5), c.light, 1.0);
    ink.shape(Circle({50, 52}, 7), c.skin, 1.3);
    ink.shape(Leaf({45, 46}, 16, 3.2, -150), c.red, 1.1);
    ink.shape(Circle({50, 45}, 4), c.green, 1.0);
    // The little dog leaping at his heels.
    QPainterPath dog;
    dog.addEllipse(QPointF(24, 88), 8, 4.5);
    dog.addEllipse(QPointF(32, 82), 4, 3.6);
    ink.shape(dog.simplified(), c.light, 1.2);
    Limb(ink, Line({19, 91}, {14, 96}), c.light, 1.4);
    Limb(ink, Line({28, 91}, {32, 96}), c.light, 1.4);
    ink.stroke(Line({16, 86}, {10, 80}), 1.4);
}

} // namespace cardart::emblems
