#include "history/history_file.h"

namespace morvelin {

Status AppendHistoryLine(const TextListStore &store, const QString &line)
{
    TextList list;
    if (store.exists(kHistoryFileName)) {
        Result<TextList> read = store.read(kHistoryFileName);
        if (!read)
            return Failure{read.error()};
        list = std::move(read).value();
    }
    list.lines.append(line);
    return store.writeAll({{kHistoryFileName, list}, {kHistoryBackupName, list}});
}

Result<TextList> ReadHistoryFile(const TextListStore &store)
{
    if (!store.exists(kHistoryFileName))
        return TextList{};
    return store.read(kHistoryFileName);
}

} // namespace morvelin
