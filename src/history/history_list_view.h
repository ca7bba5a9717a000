#pragma once
// @brief The history window's list: one line of the history file per row, a cursor line
// (the current row, which the arrow keys move and a click sets) and, apart from it, a
// set of selected lines. Rows are plain strings of one height, so a list of a hundred
// thousand lines opens at once.

#include <QList>
#include <QListView>
#include <QStringList>

class QStringListModel;

namespace morvelin {

class HistoryListView : public QListView {
    Q_OBJECT

public:
    // Lines are laid out this wide, however short, so that the list scrolls sideways over
    // that width and no further.
    static constexpr int kHorizontalExtent = 800;

    explicit HistoryListView(QWidget *parent = nullptr);

    // Replaces every line; the cursor and the selection are cleared.
    void setLines(const QStringList &lines);
    int count() const;
    QString line(int row) const;
    // Replaces one line in place: the cursor, the selection and the scroll stay.
    void setLine(int row, const QString &line);

    // -1 when the list has no cursor line.
    int cursorRow() const;
    // Moves the cursor without selecting anything; the line is scrolled into view.
    void setCursorRow(int row);
    void moveCursorToLastLine();
    // Adds the line to the selection.
    void selectRow(int row);
    bool hasSelection() const;
    // The selected rows in list order.
    QList<int> selectedRows() const;

private:
    QStringListModel *m_model = nullptr;
};

} // namespace morvelin
