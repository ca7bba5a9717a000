#include "text_paths.h"

#include <QPainter>
#include <QPainterPath>

namespace cardart {

namespace {

// Text is laid out at a large size and scaled down, so sizes need not be whole pixels.
constexpr int kLayoutPixels = 100;

QPainterPath TextPath(const QString &text, const QFont &font)
{
    QFont big(font);
    big.setPixelSize(kLayoutPixels);
    QPainterPath path;
    path.addText(0, 0, big, text);
    return path;
}

// Lettering may be narrowed to this much of its width before it is made smaller.
constexpr qreal kMostCondensed = 0.8;

struct Fit {
    qreal x;
    qreal y;
    qreal capHeight() const { return kLayoutPixels * 0.72 * y; }
};

// The scale at which the text fits the width and the height limit.
Fit FitScale(const QPainterPath &path, qreal width, qreal maxHeight)
{
    const QRectF bounds = path.boundingRect();
    // Height is measured on the capitals (0.72 of the layout size), so that lines
    // with and without descenders get the same letter size.
    const qreal byHeight = maxHeight / (kLayoutPixels * 0.72);
    const qreal byWidth = bounds.width() > 0 ? width / bounds.width() : byHeight;
    const qreal y = qMin(byHeight, byWidth / kMostCondensed);
    return {qMin(y, byWidth), y};
}

void PaintPath(QPainter &painter, const QPainterPath &path, Fit scale, QPointF centre,
               const QColor &color)
{
    const QRectF bounds = path.boundingRect();
    painter.save();
    // Centre horizontally on the ink, vertically on the capitals.
    painter.translate(centre.x() - bounds.center().x() * scale.x,
                      centre.y() + scale.capHeight() / 2);
    painter.scale(scale.x, scale.y);
    painter.fillPath(path, color);
    painter.restore();
}

} // namespace

qreal DrawFittedText(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                     const QColor &color, qreal maxHeight)
{
    const QPainterPath path = TextPath(text, font);
    const Fit scale = FitScale(path, box.width(), qMin(maxHeight, box.height()));
    PaintPath(painter, path, scale, box.center(), color);
    return scale.capHeight();
}

void DrawTitle(QPainter &painter, const QRectF &box, const QString &title, const QFont &font,
               const QColor &color, qreal lineHeight, qreal minHeight)
{
    const QPainterPath whole = TextPath(title, font);
    const qreal oneLine = FitScale(whole, box.width(), lineHeight).capHeight();
    const qsizetype middle = title.size() / 2;
    qsizetype cut = -1;
    for (qsizetype i = 0; i < title.size(); ++i) {
        const QChar c = title[i];
        if ((c == u' ' || c == u'+') && (cut < 0 || qAbs(i - middle) < qAbs(cut - middle)))
            cut = i;
    }
    if (oneLine >= minHeight || cut < 0) {
        DrawFittedText(painter, box, title, font, color, lineHeight);
        return;
    }
    // "Mens+Dieren" keeps its plus on the first line; a blank is dropped.
    const QString first = title.left(title[cut] == u'+' ? cut + 1 : cut);
    const QString second = title.mid(cut + 1);
    const QPainterPath a = TextPath(first, font);
    const QPainterPath b = TextPath(second, font);
    const qreal lineGap = box.height() / 2;
    // Both lines get the same letters: the longer line decides.
    const qreal limit = qMin(lineHeight, lineGap * 0.78);
    const Fit fa = FitScale(a, box.width(), limit);
    const Fit fb = FitScale(b, box.width(), limit);
    const Fit scale{qMin(fa.x, fb.x), qMin(fa.y, fb.y)};
    const qreal x = box.center().x();
    PaintPath(painter, a, scale, {x, box.top() + lineGap / 2 + 0.4}, color);
    PaintPath(painter, b, scale, {x, box.bottom() - lineGap / 2 - 0.4}, color);
}

} // namespace cardart
