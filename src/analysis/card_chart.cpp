// The chart's scale and the places of its bars, and its keys, clicks and hints.

#include "analysis/card_chart.h"

#include "analysis/chance_texts.h"
#include "catalogue/card_texts.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace morvelin {

namespace {

// A bar fills this part of its column; the rest keeps neighbours apart.
constexpr double kBarFill = 0.7;
constexpr int kAxisSteps = 6;

} // namespace

CardChart::CardChart(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Staafgrafiek van de 78 kaarten"));
}

void CardChart::setReport(const ChanceReport &report)
{
    m_report = report;
    update();
}

void CardChart::setFocusedRow(int row)
{
    row = std::clamp(row, 1, kAnalysisCards);
    if (row == m_focusedRow)
        return;
    m_focusedRow = row;
    update();
    emit focusedRowChanged(row);
}

QSize CardChart::sizeHint() const
{
    return {kLeftMargin + kRightMargin + 11 * kAnalysisCards, 300};
}

QSize CardChart::minimumSizeHint() const
{
    return {kLeftMargin + kRightMargin + 6 * kAnalysisCards, 180};
}

QRect CardChart::plotArea() const
{
    return rect().adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kBottomMargin);
}

double CardChart::columnWidth() const
{
    return double(plotArea().width()) / kAnalysisCards;
}

int CardChart::columnLeft(int row) const
{
    return plotArea().left() + int(std::lround((row - 1) * columnWidth()));
}

int CardChart::highestCount() const
{
    const CardChance &any = m_report.cards[0];
    int highest = int(std::ceil(any.expected + 2 * any.deviation));
    for (const CardChance &card : m_report.cards)
        highest = std::max(highest, card.observed);
    // Headroom for the names over the marked bars.
    return std::max(1, int(std::ceil(highest * 1.15)));
}

int CardChart::axisStep() const
{
    const int highest = highestCount();
    for (int scale = 1;; scale *= 10) {
        for (const int step : {scale, 2 * scale, 5 * scale}) {
            if (highest <= step * kAxisSteps)
                return step;
        }
    }
}

int CardChart::scaleTop() const
{
    const int step = axisStep();
    return (highestCount() + step - 1) / step * step;
}

int CardChart::yOf(double count) const
{
    const QRect plot = plotArea();
    const int base = plot.bottom() + 1;
    return base - int(std::lround(count * plot.height() / scaleTop()));
}

QRect CardChart::barRect(int row) const
{
    const int base = plotArea().bottom() + 1;
    const int left = columnLeft(row);
    const int width = columnLeft(row + 1) - left;
    const int barWidth = std::max(2, int(std::lround(width * kBarFill)));
    const int top = yOf(m_report.cards[row - 1].observed);
    return {left + (width - barWidth) / 2, top, barWidth, base - top};
}

int CardChart::rowAt(QPoint point) const
{
    const QRect plot = plotArea();
    if (point.x() < plot.left() || point.x() > plot.right() || point.y() < plot.top()
        || point.y() > plot.bottom() + kBottomMargin)
        return 0;
    return std::clamp(int((point.x() - plot.left()) / columnWidth()) + 1, 1, kAnalysisCards);
}
bool CardChart::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int row = rowAt(help->pos());
        if (row == 0)
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(),
                               AnalysisCardLabels(row) + u'\n' + CardDescription(m_report, row),
                               this);
        return true;
    }
    return QWidget::event(event);
}

void CardChart::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setFocusedRow(m_focusedRow - 1);
        break;
    case Qt::Key_Right:
        setFocusedRow(m_focusedRow + 1);
        break;
    case Qt::Key_Home:
        setFocusedRow(1);
        break;
    case Qt::Key_End:
        setFocusedRow(kAnalysisCards);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit cardChosen(m_focusedRow);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CardChart::mousePressEvent(QMouseEvent *event)
{
    const int row = rowAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || row == 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    setFocusedRow(row);
    emit cardChosen(row);
}

} // namespace morvelin
