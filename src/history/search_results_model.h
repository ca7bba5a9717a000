#pragma once
// @brief The found readings as rows of a list: each row is formatted only when the list
// shows it, so a search that finds a hundred thousand readings still shows at once.

#include "history/history_search.h"

#include <QAbstractListModel>
#include <QList>

namespace morvelin {

class SearchResultsModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // The rows become these lines of the search; it must outlive them.
    void setResults(const HistorySearch *search, QList<int> found);
    // The history line of that row, counted from 0 in the file.
    int lineAt(int row) const { return m_found.at(row); }
    const HistoryReading &readingAt(int row) const { return m_search->reading(m_found.at(row)); }

    int rowCount(const QModelIndex &parent = {}) const override;
    // The summary as text, the original line as its hint.
    QVariant data(const QModelIndex &index, int role) const override;

private:
    const HistorySearch *m_search = nullptr;
    QList<int> m_found;
};

} // namespace morvelin
