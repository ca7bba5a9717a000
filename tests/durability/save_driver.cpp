// A second program on the list folder for the tests: it saves line after line through
// the very calls the program's own saves make (the folder's lock, the list read whole,
// the list and its backup written), reporting each save once it is complete, or it
// takes the folder's lock and holds it until it is killed.
//
//     save_driver save FOLDER history|pentagram WRITER FIRST COUNT [PAUSE_MS]
//     save_driver hold FOLDER
//
// COUNT -1 saves until killed; PAUSE_MS waits up to that long (at random) between saves,
// as a user does.

#include "driver_lines.h"
#include "history/history_file.h"
#include "pentagram/pentagram_list.h"

#include <QByteArray>
#include <QRandomGenerator>

#include <chrono>
#include <cstdio>
#include <thread>

#include <unistd.h>

using namespace morvelin;
using namespace morvelin::test;

namespace {

// Straight to the pipe, unbuffered: a report the test reads is a save that is done.
void Report(const QByteArray &text)
{
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t written = ::write(STDOUT_FILENO, text.constData() + done, text.size() - done);
        if (written <= 0)
            return;
        done += written;
    }
}

int Save(const TextListStore &store, DriverList list, int writer, int first, int count, int pauseMs)
{
    for (int n = first; count < 0 || n < first + count; ++n) {
        const QString line = DriverLine(list, writer, n);
        const Status saved = list == DriverList::History ? AppendHistoryLine(store, line)
                                                         : AppendPentagramLine(store, line);
        if (!saved) {
            std::fprintf(stderr, "save %d failed: %s\n", n, qPrintable(saved.error()));
            return 1;
        }
        Report(QByteArray("saved ") + QByteArray::number(n) + '\n');
        if (pauseMs > 0)
            std::this_thread::sleep_for(
                std::chrono::milliseconds(QRandomGenerator::global()->bounded(pauseMs + 1)));
    }
    return 0;
}

int Hold(const TextListStore &store)
{
    const Result<ListLock> lock = store.lock(kHistoryFileName);
    if (!lock) {
        std::fprintf(stderr, "%s\n", qPrintable(lock.error()));
        return 1;
    }
    Report("locked\n");
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}

} // namespace

int main(int argc, char **argv)
{
    const QByteArray mode = argc > 2 ? argv[1] : "";
    const TextListStore store(QString::fromLocal8Bit(argv[argc > 2 ? 2 : 0]));
    if (mode == "hold" && argc == 3)
        return Hold(store);
    if (mode == "save" && (argc == 7 || argc == 8)) {
        const DriverList list =
            QByteArray(argv[3]) == "pentagram" ? DriverList::Pentagram : DriverList::History;
        return Save(store, list, std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]),
                    argc == 8 ? std::atoi(argv[7]) : 0);
    }
    std::fprintf(stderr, "usage: save_driver save FOLDER history|pentagram WRITER FIRST COUNT "
                         "[PAUSE_MS] | save_driver hold FOLDER\n");
    return 2;
}
