#include "history/history_list_view.h"

#include <QStringListModel>
#include <QStyledItemDelegate>

#include <algorithm>

namespace morvelin {

namespace {

// Every row as wide as the list's horizontal extent.
class ExtentDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {HistoryListView::kHorizontalExtent,
                QStyledItemDelegate::sizeHint(option, index).height()};
    }
};

} // namespace

HistoryListView::HistoryListView(QWidget *parent)
    : QListView(parent), m_model(new QStringListModel(this))
{
    setModel(m_model);
    setItemDelegate(new ExtentDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
}

void HistoryListView::setLines(const QStringList &lines)
{
    m_model->setStringList(lines);
}

int HistoryListView::count() const
{
    return m_model->rowCount();
}

QString HistoryListView::line(int row) const
{
    return m_model->index(row).data().toString();
}

void HistoryListView::setLine(int row, const QString &line)
{
    m_model->setData(m_model->index(row), line);
}

int HistoryListView::cursorRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void HistoryListView::setCursorRow(int row)
{
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    if (index.isValid())
        scrollTo(index);
}

void HistoryListView::moveCursorToLastLine()
{
    setCursorRow(count() - 1);
}

void HistoryListView::selectRow(int row)
{
    selectionModel()->select(m_model->index(row), QItemSelectionModel::Select);
}

bool HistoryListView::hasSelection() const
{
    return selectionModel()->hasSelection();
}

QList<int> HistoryListView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace morvelin
