#pragma once
// @brief The history file taken to a file elsewhere and back: an export written whole or
// not at all, and a JSON export read back into the history, where the readings it does
// not hold yet are added at its end, after the backup holds the list as it was.

#include "common/result.h"
#include "history/history_export.h"
#include "history/text_list_store.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace morvelin {

// Writes the history file of the store, as it is on disk now, to target in that format.
// Fails, in Dutch, when there is no history file yet or either file fails.
Status ExportHistoryFile(const TextListStore &store, ExportFormat format, const QString &target,
                         const QDateTime &exported);

// The number of lines added; nothing is written when there are none, or on any failure.
Result<int> ImportHistory(const TextListStore &store, const QByteArray &json);
// The same, from the export file at that path.
Result<int> ImportHistoryFile(const TextListStore &store, const QString &path);

} // namespace morvelin
