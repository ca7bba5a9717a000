#pragma once
// @brief The history file as the history window holds it: the list last read or written,
// and the changes the window makes to the file. Before a change writes, it reads the
// file again; when another program or a second Morvelin changed it meanwhile, the list
// takes the file's new lines and nothing is written, so no line saved elsewhere is lost.

#include "common/result.h"
#include "history/text_list.h"
#include "history/text_list_store.h"

#include <QList>
#include <QStringList>

namespace morvelin {

class HistoryList {
public:
    explicit HistoryList(const TextListStore &store);

    const QStringList &lines() const { return m_loaded.lines; }
    int count() const { return int(m_loaded.lines.size()); }
    bool fileExists() const;
    bool backupExists() const;

    // Reads the history file; a missing file is an empty list. On failure the list stays.
    Status reload();

    // The backup gets the list as it is, as a comment edit starts.
    Status writeBackup();
    // The line in that row becomes this one; the backup is left alone.
    Status replaceLine(int row, const QString &line);
    // The backup gets the list as it is, the history file the list without these rows.
    Status removeRows(const QList<int> &rows);
    // The backup gets the list as it is, the history file becomes empty: the clearing
    // can be undone by restoring the backup.
    Status clear();
    // The history file and the list get the backup's lines.
    Status restoreBackup();

private:
    // Fails, with the list reloaded, when the file no longer holds the list.
    Status checkUnchanged();
    // Checks, then writes all, and on success holds the history's new list.
    Status writeChecked(const QList<ListWrite> &writes, const TextList &history);

    const TextListStore &m_store;
    TextList m_loaded;
};

} // namespace morvelin
