#pragma once
// @brief What the tests of the list files check on disk: the bytes of a file, the files
// of a folder, and a write that meets a full disk, as root meets it too.

#include "history/text_list_store.h"

#include <QtTest>

#include <QDir>
#include <QFile>

#include <functional>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace morvelin::test {

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A list written whole into a test's folder, holding the folder's lock as every change does.
inline Status WriteList(const TextListStore &store, const QString &fileName, const TextList &list)
{
    const Result<ListLock> lock = store.lock(fileName);
    if (!lock)
        return Failure{lock.error()};
    return store.write(*lock, fileName, list);
}

// Every file and folder in the folder: a failed write leaves no temporary file behind.
inline QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

// A full disk for a change: room for the folder's lock file (its owner's process number,
// program and machine, a few hundred bytes at most), none for a list longer than this.
inline constexpr rlim_t kFullDiskRoom = 1024;

// The line repeated until the list no longer fits on that disk.
inline QByteArray TooLongForAFullDisk(const QByteArray &line)
{
    return line.repeated(int(kFullDiskRoom) / int(line.size()) + 1);
}

// Runs work in a forked child that may not grow any file beyond the given size (a full
// disk that stops root too); true when work returned true there. The child has no event
// loop worth the name: work must not process events.
inline bool SucceedsUnderFileSizeLimit(rlim_t bytes, const std::function<bool()> &work)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace morvelin::test
