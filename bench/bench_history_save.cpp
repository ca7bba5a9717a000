// Saves a spread into a history of 100,000 lines the way the save flow does (read the
// history, add the line, write history and backup together) and, in turn with it, writes
// the same bytes with a plain QSaveFile, and prints the medians of both.

#include "history/history_file.h"
#include "history/text_list_store.h"
#include "median.h"
#include "sample_history.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace morvelin;

namespace {

constexpr int kLines = 100000;
constexpr int kRounds = 21;

double Milliseconds(const std::function<bool()> &work)
{
    QElapsedTimer timer;
    timer.start();
    if (!work()) {
        std::fprintf(stderr, "a write failed\n");
        std::exit(1);
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

bool PlainWrite(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const TextListStore store(folder.path());
    if (const Result<ListLock> lock = store.lock(kHistoryFileName);
        !lock || !store.write(*lock, kHistoryFileName, SampleHistory(kLines)))
        return 1;
    const QString line = QStringLiteral("09.Dec.26 (Werk en liefde) [0] 09 40 61");

    std::vector<double> saves;
    std::vector<double> plainBoth;
    std::vector<double> plainOne;
    for (int round = 0; round < kRounds; ++round) {
        saves.push_back(Milliseconds([&] { return bool(AppendHistoryLine(store, line)); }));
        // What the save has just written, history and backup alike.
        const QByteArray bytes = ReadBytes(store.path(kHistoryFileName));
        plainBoth.push_back(Milliseconds([&] {
            return PlainWrite(folder.filePath(QStringLiteral("plain.txt")), bytes)
                   && PlainWrite(folder.filePath(QStringLiteral("plain.bak")), bytes);
        }));
        plainOne.push_back(Milliseconds(
            [&] { return PlainWrite(folder.filePath(QStringLiteral("plain.txt")), bytes); }));
    }

    std::printf("%d lines, %lld bytes, median of %d rounds\n", kLines,
                static_cast<long long>(ReadBytes(store.path(kHistoryFileName)).size()), kRounds);
    const double save = Median(saves);
    const double both = Median(plainBoth);
    std::printf("save (read, add the line, write history and backup) %8.1f ms\n", save);
    std::printf("plain QSaveFile of the same bytes, both files        %8.1f ms\n", both);
    std::printf("plain QSaveFile of the history file alone            %8.1f ms\n",
                Median(plainOne));
    std::printf("save %.2f x the plain write of the same bytes (target under 1.5 x)\n",
                save / both);
    return 0;
}
