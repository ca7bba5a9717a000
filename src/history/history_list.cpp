#include "history/history_list.h"

#include "history/history_file.h"

#include <vector>

namespace morvelin {

HistoryList::HistoryList(const TextListStore &store) : m_store(store) {}

bool HistoryList::fileExists() const
{
    return m_store.exists(kHistoryFileName);
}

bool HistoryList::backupExists() const
{
    return m_store.exists(kHistoryBackupName);
}

Status HistoryList::reload()
{
    Result<TextList> read = ReadHistoryFile(m_store);
    if (!read)
        return Failure{read.error()};
    m_loaded = std::move(read).value();
    return Succeeded();
}

Status HistoryList::checkUnchanged()
{
    Result<TextList> now = ReadHistoryFile(m_store);
    if (!now)
        return Failure{now.error()};
    if (*now == m_loaded)
        return Succeeded();
    m_loaded = std::move(now).value();
    return Failure{QStringLiteral("%1 is intussen buiten deze lijst veranderd. De lijst toont nu "
                                  "wat het bestand bevat; er is niets bewaard of gewist.")
                       .arg(kHistoryFileName)};
}

Status HistoryList::writeChecked(const QList<ListWrite> &writes, const TextList &history)
{
    // Held from the check to the write, so no save of a second Morvelin comes between.
    const Result<ListLock> lock = m_store.lock(kHistoryFileName);
    if (!lock)
        return Failure{lock.error()};
    if (Status unchanged = checkUnchanged(); !unchanged)
        return unchanged;
    if (Status written = m_store.writeAll(*lock, writes); !written)
        return written;
    m_loaded = history;
    return Succeeded();
}

Status HistoryList::writeBackup()
{
    return writeChecked({{kHistoryBackupName, m_loaded}}, m_loaded);
}

Status HistoryList::replaceLine(int row, const QString &line)
{
    Q_ASSERT(row >= 0 && row < count());
    TextList edited = m_loaded;
    edited.lines[row] = line;
    return writeChecked({{kHistoryFileName, edited}}, edited);
}

Status HistoryList::removeRows(const QList<int> &rows)
{
    std::vector<bool> removed(m_loaded.lines.size(), false);
    for (const int row : rows) {
        if (row >= 0 && row < count())
            removed[row] = true;
    }
    TextList kept{{}, m_loaded.encoding};
    for (int row = 0; row < count(); ++row) {
        if (!removed[row])
            kept.lines.append(m_loaded.lines.at(row));
    }
    return writeChecked({{kHistoryBackupName, m_loaded}, {kHistoryFileName, kept}}, kept);
}

Status HistoryList::clear()
{
    const TextList empty{{}, m_loaded.encoding};
    return writeChecked({{kHistoryBackupName, m_loaded}, {kHistoryFileName, empty}}, empty);
}

Status HistoryList::restoreBackup()
{
    const Result<ListLock> lock = m_store.lock(kHistoryFileName);
    if (!lock)
        return Failure{lock.error()};
    Result<TextList> backup = m_store.read(kHistoryBackupName);
    if (!backup)
        return Failure{backup.error()};
    if (Status written = m_store.write(*lock, kHistoryFileName, *backup); !written)
        return written;
    m_loaded = std::move(backup).value();
    return Succeeded();
}

} // namespace morvelin
