#include "pentagram/pentagram_list.h"

namespace morvelin {

namespace {

Result<TextList> WriteAndReadBack(const TextListStore &store, const TextList &list)
{
    if (Status written = store.write(kPentagramListName, list); !written)
        return Failure{written.error()};
    return store.read(kPentagramListName);
}

} // namespace

Result<std::optional<TextList>> ReadPentagramList(const TextListStore &store)
{
    if (!store.exists(kPentagramListName))
        return std::optional<TextList>();
    Result<TextList> read = store.read(kPentagramListName);
    if (!read)
        return Failure{read.error()};
    return std::optional<TextList>(std::move(read).value());
}

Status AppendPentagramLine(const TextListStore &store, const QString &line)
{
    Result<std::optional<TextList>> read = ReadPentagramList(store);
    if (!read)
        return Failure{read.error()};
    TextList list = std::move(read).value().value_or(TextList{});
    list.lines.append(line);
    return store.write(kPentagramListName, list);
}

Result<TextList> DeletePentagramLine(const TextListStore &store, const TextList &shown, int row)
{
    if (Status backedUp = store.write(kPentagramBackupName, shown); !backedUp)
        return Failure{backedUp.error()};
    TextList list = shown;
    if (row >= 0 && row < list.lines.size())
        list.lines.removeAt(row);
    return WriteAndReadBack(store, list);
}

Result<std::optional<TextList>> RestorePentagramList(const TextListStore &store)
{
    if (!store.exists(kPentagramBackupName))
        return std::optional<TextList>();
    const Result<TextList> backup = store.read(kPentagramBackupName);
    if (!backup)
        return Failure{backup.error()};
    Result<TextList> restored = WriteAndReadBack(store, *backup);
    if (!restored)
        return Failure{restored.error()};
    return std::optional<TextList>(std::move(restored).value());
}

} // namespace morvelin
