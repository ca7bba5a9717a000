#pragma once
// @brief The list files as the tests see them: raw bytes in and out, every file of a
// folder, and a write made to fail in a child process whose files may not grow, the
// way a full disk stops root too.

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

// Every file of the folder: a failed write leaves no temporary file behind.
inline QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Runs the work in a child that may grow no file beyond fileLimit bytes; true when the
// child exits with work's answer true.
inline bool InChildWithFileLimit(rlim_t fileLimit, const std::function<bool()> &work)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileLimit, fileLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace morvelin::test
