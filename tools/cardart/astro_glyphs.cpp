#include "astro_glyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <cstdio>
#include <cstdlib>

namespace cardart {

namespace {

// DejaVu Sans carries the planets and the twelve signs; Qt draws them as paths.
const QString kGlyphFamily = QStringLiteral("DejaVu Sans");

struct Word {
    const char16_t *text;
    char32_t symbol;
};

// English (Rider Waite) and Dutch (Thierens) names; three-letter forms cover "Mar in Ari".
constexpr Word kWords[] = {
    {u"Sun", 0x2609},         {u"Zon", 0x2609},      {u"Moon", 0x263D},      {u"Moo", 0x263D},
    {u"Maan", 0x263D},        {u"Mercury", 0x263F},  {u"Mercurius", 0x263F}, {u"Mer", 0x263F},
    {u"Venus", 0x2640},       {u"Ven", 0x2640},      {u"Mars", 0x2642},      {u"Mar", 0x2642},
    {u"Jupiter", 0x2643},     {u"Jup", 0x2643},      {u"Saturn", 0x2644},    {u"Saturnus", 0x2644},
    {u"Sat", 0x2644},         {u"Uranus", 0x2645},   {u"Neptune", 0x2646},   {u"Neptunus", 0x2646},
    {u"Pluto", 0x2647},       {u"Ariës", 0x2648},    {u"Ari", 0x2648},       {u"Ram", 0x2648},
    {u"Taurus", 0x2649},      {u"Tau", 0x2649},      {u"Stier", 0x2649},     {u"Gemini", 0x264A},
    {u"Gem", 0x264A},         {u"Tweeling", 0x264A}, {u"Cancer", 0x264B},    {u"Can", 0x264B},
    {u"Kreeft", 0x264B},      {u"Leo", 0x264C},      {u"Leeuw", 0x264C},     {u"Virgo", 0x264D},
    {u"Vir", 0x264D},         {u"Maagd", 0x264D},    {u"Libra", 0x264E},     {u"Lib", 0x264E},
    {u"Weegsch.", 0x264E},    {u"Scorpio", 0x264F},  {u"Sco", 0x264F},       {u"Schorp.", 0x264F},
    {u"Sagittarius", 0x2650}, {u"Sag", 0x2650},      {u"Boogsch.", 0x2650},  {u"Capricorn", 0x2651},
    {u"Cap", 0x2651},         {u"Steenbok", 0x2651}, {u"Aquarius", 0x2652},  {u"Aqu", 0x2652},
    {u"Waterman", 0x2652},    {u"Pisces", 0x2653},   {u"Pis", 0x2653},       {u"Vissen", 0x2653},
};

AstroGlyph GlyphOf(const QString &word)
{
    if (word == u"Fire")
        return {0, Element::Fire};
    if (word == u"Water")
        return {0, Element::Water};
    if (word == u"Air")
        return {0, Element::Air};
    if (word == u"Earth")
        return {0, Element::Earth};
    for (const Word &w : kWords) {
        if (word == QStringView(w.text))
            return {w.symbol, Element::None};
    }
    std::fprintf(stderr, "cardart: no glyph for astrological word '%s'\n", qPrintable(word));
    std::exit(1);
}

QPainterPath ElementPath(Element element, const QRectF &box)
{
    // Alchemical triangles: fire and air point up, water and earth down; air and earth are barred.
    const bool up = element == Element::Fire || element == Element::Air;
    const qreal side = qMin(box.width(), box.height());
    const QRectF t(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    QPainterPath path;
    if (up) {
        path.moveTo(t.center().x(), t.top());
        path.lineTo(t.bottomRight());
        path.lineTo(t.bottomLeft());
    } else {
        path.moveTo(t.topLeft());
        path.lineTo(t.topRight());
        path.lineTo(t.center().x(), t.bottom());
    }
    path.closeSubpath();
    if (element == Element::Air || element == Element::Earth) {
        const qreal y = up ? t.top() + side * 0.58 : t.top() + side * 0.42;
        path.moveTo(t.left() - side * 0.12, y);
        path.lineTo(t.right() + side * 0.12, y);
    }
    return path;
}

} // namespace

AstroMark ParseAstro(const QString &text)
{
    AstroMark mark;
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    if (words.size() == 3 && words[0] == u"Hs") {
        mark.house = words[1].toInt();
        words = {words[2]};
    }
    for (const QString &word : words) {
        if (word == u"in" || word == u"-")
            continue;
        mark.glyphs.push_back(GlyphOf(word));
    }
    return mark;
}

bool GlyphFontIsComplete()
{
    QFont font(kGlyphFamily);
    font.setPixelSize(40);
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.familyName() != kGlyphFamily)
        return false;
    for (const Word &w : kWords) {
        if (!raw.supportsCharacter(w.symbol))
            return false;
    }
    return true;
}

qreal DrawAstroGlyphs(QPainter &painter, const QRectF &box, const std::vector<AstroGlyph> &glyphs,
                      const QColor &color)
{
    if (glyphs.empty())
        return 0;
    const qreal size = box.height();
    const qreal gap = size * 0.12;
    const qreal width = qreal(glyphs.size()) * size + qreal(glyphs.size() - 1) * gap;
    qreal x = box.center().x() - width / 2;
    QFont font(kGlyphFamily);
    font.setPixelSize(100);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const AstroGlyph &glyph : glyphs) {
        const QRectF cell(x, box.top(), size, size);
        if (glyph.symbol != 0) {
            QPainterPath path;
            path.addText(0, 0, font, QString::fromUcs4(&glyph.symbol, 1));
            const QRectF bounds = path.boundingRect();
            const qreal scale = qMin(size / bounds.width(), size / bounds.height());
            painter.save();
            painter.translate(cell.center());
            painter.scale(scale, scale);
            painter.translate(-bounds.center());
            painter.fillPath(path, color);
            painter.restore();
        } else {
            const QRectF inner = cell.adjusted(size * 0.1, size * 0.1, -size * 0.1, -size * 0.1);
            painter.strokePath(
                ElementPath(glyph.element, inner),
                QPen(color, size * 0.11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
        x += size + gap;
    }
    painter.restore();
    return width;
}

} // namespace cardart
