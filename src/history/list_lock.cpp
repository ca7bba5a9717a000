#include "history/list_lock.h"

#include "common/safe_file.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <chrono>
#include <thread>

namespace morvelin {

namespace {

using namespace std::chrono_literals;

// A change writes in milliseconds; a user who saves meanwhile in a second Morvelin
// waits at most this long before being told.
constexpr auto kWaitAtMost = 5s;
constexpr auto kRetryAfter = 10ms;
// A lock whose owner cannot be told from it (a program killed as it made the lock) is
// taken over after this time. A running owner keeps its lock however long it writes:
// the system lock it holds on the file stops its removal.
constexpr auto kLeftOverAfter = 3s;

QString LockFailureReason(QLockFile::LockError error)
{
    switch (error) {
    case QLockFile::LockFailedError:
        return QStringLiteral("een tweede Morvelin of een ander programma bewaart nog in deze "
                              "map; probeer het zo nog eens");
    case QLockFile::PermissionError:
        return QStringLiteral("in deze map mag niet geschreven worden");
    default:
        return QStringLiteral("het slot %1 kan in deze map niet gemaakt worden (bestaat de map, "
                              "is de schijf vol?)")
            .arg(kListLockName);
    }
}

// Qt guards its taking over of a left-over lock with a second lock file beside it
// (and a third beside that when the guard is left over itself). A program killed in that
// moment leaves the guard behind; left empty, it would keep the lock from being taken over
// for half a minute. A guard no running program holds, and that has stood this long, is
// left over: a running program holds its guard only for the moment of the take-over.
void RemoveLeftOverGuards(const QString &lockPath, std::chrono::milliseconds olderThan)
{
    const QFileInfo lock(lockPath);
    const QDir folder = lock.dir();
    const QString prefix = lock.fileName() + QStringLiteral(".rmlock");
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString &name : folder.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden)) {
        const QString path = folder.filePath(name);
        if (name.startsWith(prefix)
            && QFileInfo(path).lastModified().msecsTo(now) >= olderThan.count())
            QLockFile(path).removeStaleLockFile();
    }
}

} // namespace

ListLock::ListLock(QString folder, std::unique_ptr<QLockFile> file)
    : m_folder(std::move(folder)), m_file(std::move(file))
{
}

ListLock::ListLock(ListLock &&) noexcept = default;
ListLock &ListLock::operator=(ListLock &&) noexcept = default;
// QLockFile unlocks, removing the lock file, when it goes.
ListLock::~ListLock() = default;

Result<ListLock> ListLock::Take(const QString &folder, const QString &listName)
{
    const QString path = QDir(folder).filePath(kListLockName);
    auto file = std::make_unique<QLockFile>(path);
    file->setStaleLockTime(kLeftOverAfter);
    // Polled instead of QLockFile's own wait, which sleeps up to seconds between tries
    // and so lets a busy second program take the lock again and again first.
    const QDeadlineTimer deadline(kWaitAtMost);
    while (!file->tryLock(0)) {
        if (file->error() != QLockFile::LockFailedError || deadline.hasExpired())
            return SaveFailure(listName, LockFailureReason(file->error()));
        RemoveLeftOverGuards(path, kLeftOverAfter);
        std::this_thread::sleep_for(kRetryAfter);
    }
    // While the lock is held no one takes it over, so no guard is wanted.
    RemoveLeftOverGuards(path, 0ms);
    return ListLock(folder, std::move(file));
}

} // namespace morvelin
