// Painting the chart: the band of chance and the axes, the bars and the expected count,
// the names of the marked cards, the legend and the focused bar.

#include "analysis/card_chart.h"

#include "catalogue/card_texts.h"

#include <QPainter>

#include <algorithm>

namespace morvelin {

namespace {

const QColor kWithinColour(0x8d, 0xa2, 0xbd);
const QColor kMoreColour(0xd9, 0x54, 0x1e);
const QColor kLessColour(0x5b, 0x3f, 0x9e);
const QColor kBandColour(0xe2, 0xe6, 0xeb);
const QColor kGridColour(0xf0, 0xf0, 0xf0);
const QColor kExpectedColour(0x33, 0x33, 0x33);
const QColor kFocusColour(0xff, 0xf1, 0xb8);

struct CardGroup {
    const char *name;
    int firstRow;
    int lastRow;
};
constexpr CardGroup kGroups[] = {{"Grote Arcana", 1, 22},
                                 {"Bekers", 23, 36},
                                 {"Munten", 37, 50},
                                 {"Staven", 51, 64},
                                 {"Zwaarden", 65, 78}};

QColor BarColour(ChanceVerdict verdict)
{
    switch (verdict) {
    case ChanceVerdict::MoreThanChance:
        return kMoreColour;
    case ChanceVerdict::LessThanChance:
        return kLessColour;
    case ChanceVerdict::WithinChance:
        break;
    }
    return kWithinColour;
}

} // namespace

void CardChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    paintGrid(painter);
    paintFocus(painter);
    paintBars(painter);
    paintMarks(painter);
    paintLegend(painter);
}

void CardChart::paintGrid(QPainter &painter) const
{
    const QRect plot = plotArea();
    const CardChance &any = m_report.cards[0];
    // The band of chance: a fair draw lands inside it about 19 times in 20.
    const int bandTop = yOf(any.expected + 2 * any.deviation);
    const int bandBottom = yOf(std::max(0.0, any.expected - 2 * any.deviation));
    painter.fillRect(QRect(plot.left(), bandTop, plot.width(), bandBottom - bandTop), kBandColour);

    painter.setPen(palette().text().color());
    const QFontMetrics metrics(font());
    for (int count = 0; count <= scaleTop(); count += axisStep()) {
        const int y = yOf(count);
        if (count > 0) {
            painter.setPen(kGridColour);
            painter.drawLine(plot.left(), y, plot.right(), y);
        }
        painter.setPen(palette().text().color());
        painter.drawLine(plot.left() - 4, y, plot.left(), y);
        painter.drawText(QRect(0, y - metrics.height() / 2, plot.left() - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(count));
    }
    const int base = plot.bottom() + 1;
    painter.drawLine(plot.left(), plot.top(), plot.left(), base);
    painter.drawLine(plot.left(), base, plot.right(), base);

    // The groups of cards: a line between them, their names under the bars.
    for (const CardGroup &group : kGroups) {
        const int left = columnLeft(group.firstRow);
        const int right = columnLeft(group.lastRow + 1);
        if (group.firstRow > 1) {
            painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
            painter.drawLine(left, plot.top(), left, base + kBottomMargin);
        }
        painter.setPen(palette().text().color());
        painter.drawText(QRect(left, base + 2, right - left, kBottomMargin - 2),
                         Qt::AlignHCenter | Qt::AlignVCenter, QString::fromUtf8(group.name));
    }
}

void CardChart::paintBars(QPainter &painter) const
{
    for (int row = 1; row <= kAnalysisCards; ++row)
        painter.fillRect(barRect(row), BarColour(m_report.cards[row - 1].verdict));
    // What a fair draw gives, over the bars so that it stays visible where they reach it.
    const int y = yOf(m_report.cards[0].expected);
    const QRect plot = plotArea();
    painter.setPen(QPen(kExpectedColour, 2));
    painter.drawLine(plot.left(), y, plot.right(), y);
}

// The names of the marked cards, with a triangle that says which way they lean so that
// the marks read without their colours too. A name stands over every bar and over the
// band beneath it, so that it hides no count, joined to its own bar by a thin line; a
// name that would cover the one before moves up a line.
void CardChart::paintMarks(QPainter &painter) const
{
    const QFontMetrics metrics(font());
    const QRect plot = plotArea();
    const CardChance &any = m_report.cards[0];
    const int bandTop = yOf(any.expected + 2 * any.deviation);
    QList<QRect> placed;
    for (int row = 1; row <= kAnalysisCards; ++row) {
        const ChanceVerdict verdict = m_report.cards[row - 1].verdict;
        if (verdict == ChanceVerdict::WithinChance)
            continue;
        const QString mark =
            (verdict == ChanceVerdict::MoreThanChance ? QStringLiteral("▲ ") : QStringLiteral("▼ "))
            + AnalysisCardNames(row);
        const QRect bar = barRect(row);
        QRect label(0, 0, metrics.horizontalAdvance(mark) + 4, metrics.height());
        label.moveLeft(std::clamp(bar.center().x() - label.width() / 2, plot.left() + 1,
                                  plot.right() - label.width()));
        int bottom = bandTop;
        for (int other = std::max(1, rowAt({label.left(), plot.top()})); other <= kAnalysisCards;
             ++other) {
            const QRect otherBar = barRect(other);
            if (otherBar.left() > label.right())
                break;
            bottom = std::min(bottom, otherBar.top());
        }
        label.moveBottom(bottom - 3);
        while (std::any_of(placed.begin(), placed.end(),
                           [&](const QRect &other) { return other.intersects(label); }))
            label.translate(0, -metrics.height());
        placed << label;
        painter.setPen(BarColour(verdict));
        painter.drawLine(bar.center().x(), label.bottom() + 1, bar.center().x(), bar.top() - 1);
        painter.fillRect(label, palette().base());
        painter.drawText(label, Qt::AlignCenter, mark);
    }
}

void CardChart::paintLegend(QPainter &painter) const
{
    const QFontMetrics metrics(font());
    const int middle = kTopMargin / 2;
    painter.setPen(palette().text().color());
    painter.drawText(QRect(4, 0, kLeftMargin + 80, kTopMargin), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("keer gekomen"));
    struct Key {
        QString text;
        QColor colour;
        bool line;
    };
    const Key keys[] = {{QStringLiteral("verwacht"), kExpectedColour, true},
                        {QStringLiteral("gewone speling door toeval"), kBandColour, false},
                        {QStringLiteral("vaker dan toeval verklaart"), kMoreColour, false},
                        {QStringLiteral("minder vaak dan toeval verklaart"), kLessColour, false}};
    int right = width() - kRightMargin;
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        const int textWidth = metrics.horizontalAdvance(key->text);
        const int left = right - textWidth - 18;
        if (key->line)
            painter.fillRect(QRect(left, middle - 1, 14, 2), key->colour);
        else
            painter.fillRect(QRect(left, middle - 5, 14, 10), key->colour);
        painter.setPen(palette().text().color());
        painter.drawText(QRect(left + 18, 0, textWidth, kTopMargin), Qt::AlignVCenter, key->text);
        right = left - 14;
    }
}

// The focused bar's column is lit always, so that it shows whose readings are listed;
// with the keyboard focus it gets a dotted frame as well.
void CardChart::paintFocus(QPainter &painter) const
{
    const QRect plot = plotArea();
    const QRect column(columnLeft(m_focusedRow), plot.top(),
                       columnLeft(m_focusedRow + 1) - columnLeft(m_focusedRow), plot.height());
    painter.fillRect(column, kFocusColour);
    if (!hasFocus())
        return;
    painter.setPen(QPen(palette().text().color(), 1, Qt::DotLine));
    painter.drawRect(column.adjusted(0, 0, -1, -1));
}

} // namespace morvelin
