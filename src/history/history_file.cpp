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
    if (Status written = store.write(kHistoryFileName, list); !written)
        return written;
    return store.write(kHistoryBackupName, list);
}

} // namespace morvelin
