// The first eleven major emblems, Magician to Justice.
#include "emblem_set.h"

#include "suit_symbols.h"

#include <QFont>
#include <QPainter>

namespace cardart::emblems {

namespace {

QPainterPath Letter(const QString &letter, QPointF centre, qreal height)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, letter);
    const QRectF b = path.boundingRect();
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height / b.height(), height / b.height());
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

void Pillar(const Ink &ink, qreal x, qreal w, const QColor &stone, const QString &letter)
{
    ink.shape(Rect(x, 24, w, 100), stone);
    ink.shape(Rect(x - 3, 16, w + 6, 8), stone);
    ink.shape(Rect(x - 3, 124, w + 6, 8), stone);
    const QColor mark = stone.lightness() < 128 ? ink.c.light : ink.c.dark;
    ink.fill(Letter(letter, {x + w / 2, 40}, 9), mark);
}

} // namespace

void Magician(const Ink &ink)
{
    const Palette &c = ink.c;
    ink.stroke(Lemniscate({50, 20}, 40, 11), 5.2);
    ink.stroke(Lemniscate({50, 20}, 40, 11), c.gold, 2.8);
    // The raised wand, white with golden ends.
    ink.shape(Rect(47.5, 36, 5, 52), c.light);
    ink.shape(Rect(46.5, 33, 7, 6), c.gold);
    ink.shape(Rect(46.5, 85, 7, 6), c.gold);
    // The table with the four tools of the suits.
    ink.shape(Rect(6, 104, 88, 8), c.wood);
    ink.shape(Rect(12, 112, 6, 22), c.wood);
    ink.shape(Rect(82, 112, 6, 22), c.wood);
    DrawSuitSymbol(ink.p, QRectF(8, 84, 14, 20), Suit::Bekers, c);
    DrawSuitSymbol(ink.p, QRectF(24, 86, 18, 18), Suit::Munten, c);
    DrawSuitSymbol(ink.p, QRectF(60, 82, 14, 22), Suit::Zwaard, c, 90);
    DrawSuitSymbol(ink.p, QRectF(76, 80, 14, 24), Suit::Staven, c);
}

void HighPriestess(const Ink &ink)
{
    const Palette &c = ink.c;
    // The veil between the pillars, hung with pomegranates.
    ink.shape(Rect(26, 22, 48, 104), c.blue.lighter(140));
    for (int i = 0; i < 6; ++i)
        ink.shape(Circle({35 + (i % 2) * 30.0, 34 + i * 16.0}, 3.4), c.red, 1.1);
    Pillar(ink, 8, 14, c.dark, QStringLiteral("B"));
    Pillar(ink, 78, 14, c.light, QStringLiteral("J"));
    // Her crown: a full moon between two crescents.
    ink.shape(Circle({50, 36}, 7), c.light);
    ink.shape(Crescent({39, 36}, 6.5, 4.5, false), c.light, 1.3);
    ink.shape(Crescent({61, 36}, 6.5, 4.5, true), c.light, 1.3);
    // The scroll of the law.
    QPainterPath scroll;
    scroll.addRoundedRect(QRectF(38, 62, 24, 30), 3, 3);
    ink.shape(scroll, c.light);
    ink.shape(Rect(36, 60, 28, 4), c.gold, 1.2);
    ink.shape(Rect(36, 90, 28, 4), c.gold, 1.2);
    ink.shape(Crescent({50, 114}, 11, 7.5, false).translated(0, 0), c.gold);
}

void Empress(const Ink &ink)
{
    const Palette &c = ink.c;
    // Twelve stars over her, the heart-shield with Venus, wheat at her feet.
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(195.0 + i * 150.0 / 11);
        ink.shape(cardart::Star({50 + 36 * std::cos(a), 58 + 36 * std::sin(a)}, 4.2, 1.8, 6),
                  c.gold, 1.0);
    }
    ink.shape(Heart({50, 64}, 48), c.green.lighter(115));
    QPainterPath venus = Circle({50, 56}, 9);
    venus.addPath(Cross({50, 65}, {50, 82}, 74, 7));
    ink.stroke(venus, 5.0);
    ink.stroke(venus, c.gold, 2.6);
    for (int i = 0; i < 5; ++i) {
        const qreal x = 18 + i * 16;
        ink.stroke(Line({x, 134}, {x + 2, 104}), 1.4);
        for (int k = 0; k < 4; ++k) {
            ink.shape(Leaf({x + 2 - k * 0.4, 106.0 + k * 5}, 6, 1.8, -60), c.gold, 0.7);
            ink.shape(Leaf({x + 2 - k * 0.4, 106.0 + k * 5}, 6, 1.8, -120), c.gold, 0.7);
        }
    }
}

void Emperor(const Ink &ink)
{
    const Palette &c = ink.c;
    // A stone throne with rams' heads, the crown above, orb and ankh beside it.
    ink.shape(Rect(28, 62, 44, 66), c.grey);
    ink.shape(Rect(22, 96, 56, 32), c.grey.darker(110));
    for (const qreal x : {28.0, 72.0}) {
        ink.shape(Circle({x, 62}, 7), c.light);
        QPainterPath horn;
        horn.moveTo(x, 56);
        horn.cubicTo(x + 8, 52, x + 8, 66, x + 1, 64);
        horn.cubicTo(x - 3, 63, x - 1, 59, x + 2, 60);
        ink.stroke(horn, 1.6);
    }
    ink.shape(Crown(QRectF(30, 14, 40, 24), 5), c.gold);
    ink.shape(Rect(30, 36, 40, 6), c.red, 1.4);
    ink.shape(Circle({18, 84}, 8), c.gold);
    ink.stroke(Cross({18, 76}, {18, 66}, 70, 4), 2.2);
    QPainterPath ankh;
    ankh.addEllipse(QPointF(84, 56), 5, 7);
    ankh.addPath(Cross({84, 63}, {84, 120}, 68, 8));
    ink.stroke(ankh, 5.0);
    ink.stroke(ankh, c.gold, 2.6);
}

void Hierophant(const Ink &ink)
{
    const Palette &c = ink.c;
    // The triple crown, and the crossed keys below it.
    QPainterPath tiara;
    tiara.moveTo(30, 78);
    tiara.cubicTo(30, 40, 40, 24, 50, 22);
    tiara.cubicTo(60, 24, 70, 40, 70, 78);
    tiara.closeSubpath();
    ink.shape(tiara, c.gold);
    for (const qreal y : {40.0, 54.0, 68.0}) {
        const qreal half = 10 + (y - 30) * 0.3;
        const QPainterPath band = Line({50 - half, y}, {50 + half, y});
        ink.stroke(band, 3.0);
        ink.stroke(band, c.red, 1.4);
    }
    ink.stroke(Cross({50, 22}, {50, 8}, 13, 5), 2.4);
    Key(ink, {34, 92}, 40, -35, c.gold);
    Key(ink, {66, 92}, 40, 35, c.light);
}

void Lovers(const Ink &ink)
{
    const Palette &c = ink.c;
    ink.shape(Circle({50, 22}, 11), c.gold);
    ink.stroke(Rays({50, 22}, 13, 19, 16), c.gold, 1.6);
    // The angel's wings spread over the pair.
    for (const qreal s : {-1.0, 1.0}) {
        QPainterPath wing;
        wing.moveTo(50, 48);
        wing.cubicTo(50 + s * 18, 26, 50 + s * 40, 30, 50 + s * 46, 40);
        wing.cubicTo(50 + s * 34, 44, 50 + s * 28, 56, 50, 54);
        wing.closeSubpath();
        ink.shape(wing, c.red.lighter(135));
    }
    ink.shape(Figure({27, 78}, 58), c.skin);
    ink.shape(Figure({73, 78}, 58), c.skin);
    QPainterPath hair;
    hair.addEllipse(QPointF(73, 76), 7, 8);
    ink.shape(hair.subtracted(Circle({73, 80}, 6.3)), c.wood, 1.0);
    ink.shape(Heart({50, 98}, 16), c.red);
}

void Chariot(const Ink &ink)
{
    const Palette &c = ink.c;
    // A starry canopy on four posts, the car, two wheels and the two sphinxes.
    QPainterPath canopy;
    canopy.moveTo(18, 44);
    canopy.quadTo(50, 16, 82, 44);
    canopy.closeSubpath();
    ink.shape(canopy, c.blue);
    for (int i = 0; i < 5; ++i)
        ink.shape(cardart::Star({30 + i * 10.0, 38 - (i % 2) * 5.0}, 3.2, 1.3, 6), c.light, 0.8);
    ink.shape(Rect(22, 44, 4, 30), c.gold, 1.2);
    ink.shape(Rect(74, 44, 4, 30), c.gold, 1.2);
    ink.shape(Rect(16, 72, 68, 30), c.grey);
    ink.shape(cardart::Star({50, 87}, 9, 4, 8), c.gold, 1.2);
    cardart::Wheel(ink, {28, 104}, 10, 8, c.wood);
    cardart::Wheel(ink, {72, 104}, 10, 8, c.wood);
    for (const qreal x : {28.0, 72.0}) {
        QPainterPath sphinx;
        sphinx.addRoundedRect(QRectF(x - 14, 122, 28, 12), 5, 5);
        sphinx.addEllipse(QPointF(x, 118), 6, 6.5);
        ink.shape(sphinx.simplified(), x < 50 ? c.dark : c.light);
    }
}

void Strength(const Ink &ink)
{
    const Palette &c = ink.c;
    ink.stroke(Lemniscate({50, 20}, 36, 10), 5.0);
    ink.stroke(Lemniscate({50, 20}, 36, 10), c.gold, 2.6);
    // The lion's head in its mane.
    ink.shape(cardart::Star({50, 84}, 38, 27, 18), c.wood);
    ink.shape(Circle({33, 62}, 6), c.gold);
    ink.shape(Circle({67, 62}, 6), c.gold);
    ink.shape(Circle({50, 84}, 24), c.gold);
    ink.fill(Circle({41, 78}, 2.6), c.dark);
    ink.fill(Circle({59, 78}, 2.6), c.dark);
    QPainterPath muzzle;
    muzzle.addEllipse(QPointF(50, 96), 11, 8);
    ink.shape(muzzle, c.gold.lighter(120), 1.4);
    ink.shape(Polygon({{45, 88}, {55, 88}, {50, 94}}), c.dark, 1.2);
    QPainterPath mouth;
    mouth.moveTo(50, 94);
    mouth.lineTo(50, 99);
    mouth.moveTo(44, 100);
    mouth.quadTo(50, 104, 56, 100);
    ink.stroke(mouth, 1.4);
    // A chain of flowers, as the maiden holds it.
    for (int i = 0; i < 7; ++i)
        ink.shape(Circle({26 + i * 8.0, 124 + (i % 2) * 3.0}, 3.2), c.red.lighter(120), 1.0);
}

void Hermit(const Ink &ink)
{
    const Palette &c = ink.c;
    // A hooded old man: staff in one hand, the lantern held up in the other.
    const QPainterPath staff = Line({22, 30}, {22, 136});
    ink.stroke(staff, 5.0);
    ink.stroke(staff, c.wood, 3.0);
    QPainterPath cloak;
    cloak.moveTo(46, 34);
    cloak.cubicTo(36, 40, 30, 80, 26, 136);
    cloak.lineTo(80, 136);
    cloak.cubicTo(74, 90, 68, 42, 52, 32);
    cloak.closeSubpath();
    ink.shape(cloak, c.grey);
    QPainterPath face;
    face.addEllipse(QPointF(49, 50), 7, 8);
    ink.shape(face, c.skin, 1.3);
    QPainterPath beard;
    beard.moveTo(42, 52);
    beard.quadTo(48, 76, 50, 78);
    beard.quadTo(54, 70, 56, 52);
    beard.closeSubpath();
    ink.shape(beard, c.light, 1.2);
    QPainterPath hood;
    hood.moveTo(38, 60);
    hood.cubicTo(38, 38, 46, 28, 52, 30);
    hood.cubicTo(60, 34, 62, 48, 60, 60);
    hood.cubicTo(58, 48, 54, 40, 48, 40);
    hood.cubicTo(42, 42, 40, 50, 38, 60);
    ink.shape(hood, c.grey.darker(115), 1.3);
    const QPainterPath arm = Line({62, 68}, {74, 46});
    ink.stroke(arm, 6.0);
    ink.stroke(arm, c.grey, 4.0);
    Lantern(ink, {76, 20}, 30);
}

void Wheel(const Ink &ink)
{
    const Palette &c = ink.c;
    ink.fill(Circle({50, 70}, 40), c.light);
    cardart::Wheel(ink, {50, 70}, 36, 8, c.blue.lighter(130));
    ink.stroke(Circle({50, 70}, 22), 1.4);
    for (const QPointF at : {QPointF(50, 34), QPointF(86, 70), QPointF(50, 106), QPointF(14, 70)})
        ink.shape(Circle(at, 4), c.gold, 1.2);
    // Clouds at the four corners, as the four beings sit on them.
    for (const QPointF at : {QPointF(14, 16), QPointF(86, 16), QPointF(14, 126), QPointF(86, 126)})
        ink.shape(Cloud(at, 24, 12), c.light);
    ink.shape(cardart::Star({50, 70}, 6, 2.6, 4), c.red, 1.0);
}

void Justice(const Ink &ink)
{
    const Palette &c = ink.c;
    // The upright sword and the balanced scales.
    DrawSuitSymbol(ink.p, QRectF(12, 12, 22, 118), Suit::Zwaard, c, 180);
    Scales(ink, {62, 30}, 46);
    ink.shape(Crown(QRectF(50, 10, 24, 14), 3), c.gold, 1.4);
}

} // namespace cardart::emblems
