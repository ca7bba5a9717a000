#include "history/history_import.h"

#include "history/history_export.h"
#include "history/history_file.h"

namespace morvelin {

Result<int> ImportHistory(const TextListStore &store, const QByteArray &json)
{
    const Result<TextList> exported = ReadExportedLines(json);
    if (!exported)
        return Failure{exported.error()};
    const Result<ListLock> lock = store.lock(kHistoryFileName);
    if (!lock)
        return Failure{lock.error()};
    TextList history;
    if (store.exists(kHistoryFileName)) {
        Result<TextList> read = store.read(kHistoryFileName);
        if (!read)
            return Failure{read.error()};
        history = std::move(read).value();
    }
    // An empty history comes back in the encoding it was exported from.
    if (history.lines.isEmpty())
        history.encoding = exported->encoding;
    const QStringList added = LinesToImport(history.lines, exported->lines);
    if (added.isEmpty())
        return 0;
    if (Status backedUp = store.write(*lock, kHistoryBackupName, history); !backedUp)
        return Failure{backedUp.error()};
    history.lines += added;
    if (Status written = store.write(*lock, kHistoryFileName, history); !written)
        return Failure{written.error()};
    return int(added.size());
}

} // namespace morvelin
