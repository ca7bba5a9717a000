#pragma once
// @brief The program's list files in one folder, read whole and written whole. A write
// goes to a temporary file that replaces the old one only when it is complete, so a
// crash or a full disk never leaves half a list; every failure names the file and the
// system's reason in Dutch.

#include "common/result.h"
#include "history/list_lock.h"
#include "history/text_list.h"

#include <QList>
#include <QString>

namespace morvelin {

// One list for one file of the store.
struct ListWrite {
    QString fileName;
    TextList list;
};

class TextListStore {
public:
    // The folder the lists lie in: the current directory in the program, a temporary
    // folder in the tests.
    explicit TextListStore(QString folder);

    const QString &folder() const { return m_folder; }
    QString path(const QString &fileName) const;

    bool exists(const QString &fileName) const;
    Result<TextList> read(const QString &fileName) const;

    // A change reads, changes and writes while it holds the folder's lock, so writing
    // asks for it: no change can forget it. listName names the list in the message when
    // the lock cannot be had.
    Result<ListLock> lock(const QString &listName) const;
    Status write(const ListLock &lock, const QString &fileName, const TextList &list) const;
    // Writes every list or none: each goes to a complete temporary file first, and only
    // when all of them are written do they replace their files, in the order given. A
    // list and its backup thus never part over a full disk or an unwritable file.
    Status writeAll(const ListLock &lock, const QList<ListWrite> &writes) const;
    // Reads the list in the first of the files (a missing file is an empty list), adds
    // the line and writes the list to every one of them, all or none, as writeAll does.
    Status appendLine(const ListLock &lock, const QStringList &fileNames,
                      const QString &line) const;
    // Removing a file that is not there succeeds.
    Status remove(const QString &fileName) const;

private:
    struct FileBytes {
        QString fileName;
        QByteArray bytes;
    };
    Result<QByteArray> readBytes(const QString &fileName) const;
    Status writeBytesAll(const QList<FileBytes> &writes) const;

    QString m_folder;
};

} // namespace morvelin
