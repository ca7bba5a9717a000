#include "history/history_file.h"

namespace morvelin {

Status AppendHistoryLine(const TextListStore &store, const QString &line)
{
    const Result<ListLock> lock = store.lock(kHistoryFileName);
    if (!lock)
        return Failure{lock.error()};
    TextList list;
    if (store.exists(kHistoryFileName)) {
        Result<TextList> read = store.read(kHistoryFileName);
        if (!read)
            return Failure{read.error()};
        list = std::move(read).value();
    }
    list.lines.append(line);
    return store.writeAll(*lock, {{kHistoryFileName, list}, {kHistoryBackupName, list}});
}

Result<TextList> ReadHistoryFile(const TextListStore &store)
{
    if (!store.exists(kHistoryFileName))
        return TextList{};
    return store.read(kHistoryFileName);
}

} // namespace morvelin
