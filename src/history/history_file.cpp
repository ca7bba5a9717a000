#include "history/history_file.h"

namespace morvelin {

Status AppendHistoryLine(const TextListStore &store, const QString &line)
{
    const Result<ListLock> lock = store.lock(kHistoryFileName);
    if (!lock)
        return Failure{lock.error()};
    return store.appendLine(*lock, {kHistoryFileName, kHistoryBackupName}, line);
}

Result<TextList> ReadHistoryFile(const TextListStore &store)
{
    if (!store.exists(kHistoryFileName))
        return TextList{};
    return store.read(kHistoryFileName);
}

} // namespace morvelin
