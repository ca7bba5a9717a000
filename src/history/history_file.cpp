#include "history/history_file.h"

namespace morvelin {

Status AppendHistoryLine(const TextListStore &store, const QString &line)
{
    return store.appendLine({kHistoryFileName, kHistoryBackupName}, line);
}

} // namespace morvelin
