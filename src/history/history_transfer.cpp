#include "history/history_transfer.h"

#include "common/safe_file.h"
#include "history/history_file.h"
#include "history/history_reading.h"

#include <QDir>

namespace morvelin {

namespace {

Result<QByteArray> ReadExportFile(const QString &path)
{
    Result<QByteArray> bytes = ReadWholeFile(path, QDir::toNativeSeparators(path));
    if (!bytes)
        return Failure{bytes.error() + QStringLiteral(" Er is niets toegevoegd.")};
    return bytes;
}

} // namespace

Status ExportHistoryFile(const TextListStore &store, ExportFormat format, const QString &target,
                         const QDateTime &exported)
{
    if (!store.exists(kHistoryFileName))
        return Failure{QStringLiteral("%1 staat niet in %2: er zijn nog geen vragen bewaard.")
                           .arg(kHistoryFileName, QDir::toNativeSeparators(store.folder()))};
    const Result<TextList> history = store.read(kHistoryFileName);
    if (!history)
        return Failure{history.error()};
    return SaveFileAtomically(target,
                              ExportHistory(*history, format, exported, HistoryDateReader()),
                              QDir::toNativeSeparators(target));
}

Result<int> ImportHistory(const TextListStore &store, const QByteArray &json)
{
    const Result<TextList> exported = ReadExportedLines(json);
    if (!exported)
        return Failure{exported.error()};
    const Result<ListLock> lock = store.lock(kHistoryFileName);
    if (!lock)
        return Failure{lock.error()};
    Result<TextList> read = ReadHistoryFile(store);
    if (!read)
        return Failure{read.error()};
    TextList history = std::move(read).value();
    // An empty history comes back in the encoding it was exported from.
    if (history.lines.isEmpty())
        history.encoding = exported->encoding;
    const QStringList added = LinesToImport(history.lines, exported->lines);
    if (added.isEmpty())
        return 0;
    TextList imported = history;
    imported.lines += added;
    // The backup first, as "Herstel" undoes the import with it; both or neither.
    if (Status written =
            store.writeAll(*lock, {{kHistoryBackupName, history}, {kHistoryFileName, imported}});
        !written)
        return Failure{written.error()};
    return int(added.size());
}

Result<int> ImportHistoryFile(const TextListStore &store, const QString &path)
{
    const Result<QByteArray> json = ReadExportFile(path);
    if (!json)
        return Failure{json.error()};
    return ImportHistory(store, *json);
}

} // namespace morvelin
