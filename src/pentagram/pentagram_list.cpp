#include "pentagram/pentagram_list.h"

namespace morvelin {

namespace {

Result<TextList> WriteAndReadBack(const TextListStore &store, const ListLock &lock,
                                  const TextList &list)
{
    if (Status written = store.write(lock, kPentagramListName, list); !written)
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
    const Result<ListLock> lock = store.lock(kPentagramListName);
    if (!lock)
        return Failure{lock.error()};
    return store.appendLine(*lock, {kPentagramListName}, line);
}

Result<TextList> DeletePentagramLine(const TextListStore &store, const TextList &shown, int row)
{
    const Result<ListLock> lock = store.lock(kPentagramListName);
    if (!lock)
        return Failure{lock.error()};
    // A Pentagram that a second Morvelin saved since the list was shown is in neither the
    // shown list nor its backup: writing the shown list would lose it. A file that is gone
    // holds nothing to lose; the shown list then writes it anew.
    const Result<std::optional<TextList>> now = ReadPentagramList(store);
    if (!now)
        return Failure{now.error()};
    if (now.value() && *now.value() != shown)
        return Failure{QStringLiteral("%1 is intussen buiten deze lijst veranderd. De lijst toont "
                                      "nu wat het bestand bevat; er is niets gewist.")
                           .arg(kPentagramListName)};
    if (Status backedUp = store.write(*lock, kPentagramBackupName, shown); !backedUp)
        return Failure{backedUp.error()};
    TextList list = shown;
    if (row >= 0 && row < list.lines.size())
        list.lines.removeAt(row);
    return WriteAndReadBack(store, *lock, list);
}

Result<std::optional<TextList>> RestorePentagramList(const TextListStore &store)
{
    if (!store.exists(kPentagramBackupName))
        return std::optional<TextList>();
    const Result<ListLock> lock = store.lock(kPentagramListName);
    if (!lock)
        return Failure{lock.error()};
    const Result<TextList> backup = store.read(kPentagramBackupName);
    if (!backup)
        return Failure{backup.error()};
    Result<TextList> restored = WriteAndReadBack(store, *lock, *backup);
    if (!restored)
        return Failure{restored.error()};
    return std::optional<TextList>(std::move(restored).value());
}

} // namespace morvelin
