#pragma once
// @brief The 78 cards as bars in analysis order: how often each came up, the count a fair
// draw gives as a line, the usual spread of chance as a band around it, and the cards
// chance does not explain marked. The keyboard moves a focused bar; Enter or a click
// chooses a card.

#include "analysis/chance_baseline.h"

#include <QRect>
#include <QWidget>

class QPainter;

namespace morvelin {

class CardChart : public QWidget {
    Q_OBJECT

public:
    explicit CardChart(QWidget *parent = nullptr);

    void setReport(const ChanceReport &report);

    // The focused bar's analysis row, 1..78; it stays where it was when the report changes.
    int focusedRow() const { return m_focusedRow; }
    void setFocusedRow(int row);

    // Where the bar of that row stands in the chart's pixels: its height is the count on
    // the chart's scale, so a count of 0 has an empty bar on the base line.
    QRect barRect(int row) const;
    // The row whose column holds that point; 0 outside the bars.
    int rowAt(QPoint point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void focusedRowChanged(int row);
    // A click on a bar's column, or Enter on the focused bar.
    void cardChosen(int row);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // Room around the bars: the axis numbers on the left, the legend above, the group
    // names below.
    static constexpr int kLeftMargin = 40;
    static constexpr int kRightMargin = 10;
    static constexpr int kTopMargin = 24;
    static constexpr int kBottomMargin = 24;

    QRect plotArea() const;
    double columnWidth() const;
    int columnLeft(int row) const;
    // The largest count to show: the highest bar or the top of the band, with headroom.
    int highestCount() const;
    // The count at the top of the plot, a whole number of axis steps.
    int scaleTop() const;
    int axisStep() const;
    int yOf(double count) const;

    // In card_chart_paint.cpp.
    void paintGrid(QPainter &painter) const;
    void paintBars(QPainter &painter) const;
    void paintMarks(QPainter &painter) const;
    void paintLegend(QPainter &painter) const;
    void paintFocus(QPainter &painter) const;

    ChanceReport m_report;
    int m_focusedRow = 1;
};

} // namespace morvelin
