#pragma once
// @brief Lettering as filled paths, sized to a box, so that it scales cleanly with
// the picture and never overflows the narrow cards.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace cardart {

// Draws text centred in box, at most maxHeight high (cap to baseline of the
// font's ascent), shrunk to the box width. Returns the height used.
qreal DrawFittedText(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                     const QColor &color, qreal maxHeight);

// Like DrawFittedText, but breaks a long title over two lines when one line
// would get smaller than minHeight.
void DrawTitle(QPainter &painter, const QRectF &box, const QString &title, const QFont &font,
               const QColor &color, qreal lineHeight, qreal minHeight);

} // namespace cardart
