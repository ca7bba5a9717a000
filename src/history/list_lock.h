#pragma once
// @brief The list files of one folder held for one change. Every change reads a list,
// changes it and writes it back whole; two Morvelins saving into the same folder at once
// would each write their own list over the other's new line. The lock makes the second
// wait until the first has written, and a lock left by a program that was killed is
// taken over.

#include "common/result.h"

#include <QString>

#include <memory>

class QLockFile;

namespace morvelin {

// Lies in the lists' folder only while a change is being written, or after a program
// was killed during one.
inline const QString kListLockName = QStringLiteral("Morvelin.lock");

class ListLock {
public:
    // Waits a few seconds for another program's change to end. listName names the list
    // in the Dutch message when the lock cannot be had; nothing may be written then.
    static Result<ListLock> Take(const QString &folder, const QString &listName);

    ListLock(ListLock &&) noexcept;
    ListLock &operator=(ListLock &&) noexcept;
    ~ListLock();

    const QString &folder() const { return m_folder; }

private:
    ListLock(QString folder, std::unique_ptr<QLockFile> file);

    QString m_folder;
    std::unique_ptr<QLockFile> m_file;
};

} // namespace morvelin
