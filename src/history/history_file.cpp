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

} // namespace morvelin
