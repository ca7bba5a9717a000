#include "pentagram.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace cardart {

namespace {

const QColor kViolet(0xC4, 0xA4, 0xE8);
// Edge pixels become one of these steps of the line colour, or transparent:
// GIF has no partial transparency.
constexpr int kSteps = 4;

} // namespace

QImage RenderPentagram()
{
    QImage argb(kPentagramSize, kPentagramSize, QImage::Format_ARGB32);
    argb.fill(Qt::transparent);
    {
        QPainter p(&argb);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(kPentagramSize / 2.0, kPentagramSize / 2.0);
        const qreal radius = kPentagramSize / 2.0 - 6;
        const QPen pen(kViolet, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, radius, radius);
        // The star is drawn in one stroke, every second point, starting at the top.
        QPainterPath star;
        for (int i = 0; i <= 5; ++i) {
            const qreal a = qDegreesToRadians(-90.0 + i * 144.0);
            const QPointF pt(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
            if (i == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        p.drawPath(star);
    }

    QImage indexed(argb.size(), QImage::Format_Indexed8);
    QList<QRgb> colours = {qRgb(255, 255, 255)};
    for (int s = 1; s <= kSteps; ++s) {
        // Softer steps are lighter, as the line would look on a light window.
        const qreal a = qreal(s) / kSteps;
        colours.append(qRgb(int(255 + (kViolet.red() - 255) * a),
                            int(255 + (kViolet.green() - 255) * a),
                            int(255 + (kViolet.blue() - 255) * a)));
    }
    indexed.setColorTable(colours);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            out[x] = alpha < 48 ? 0 : uchar(qBound(1, (alpha * kSteps + 127) / 255, kSteps));
        }
    }
    return indexed;
}

} // namespace cardart
