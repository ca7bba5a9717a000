#include "history/search_results_model.h"

namespace morvelin {

void SearchResultsModel::setResults(const HistorySearch *search, QList<int> found)
{
    beginResetModel();
    m_search = search;
    m_found = std::move(found);
    endResetModel();
}

int SearchResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_found.size());
}

QVariant SearchResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_found.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return ReadingSummary(readingAt(index.row()));
    case Qt::ToolTipRole:
        return QStringLiteral("Regel %1: %2")
            .arg(lineAt(index.row()) + 1)
            .arg(readingAt(index.row()).line);
    default:
        return {};
    }
}

} // namespace morvelin
