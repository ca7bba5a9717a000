// Opens a history file of 100,000 saved spreads in the history window and prints how long
// the user waits: reading and showing the list, reloading it after a save, walking one
// line with the arrow key, deleting one line (read again, backup and history written)
// and copying the whole list.

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/random_source.h"
#include "common/shared_state.h"
#include "history/history_file.h"
#include "history/history_list_view.h"
#include "history/history_window.h"
#include "history/text_list_store.h"
#include "sample_history.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace morvelin;

namespace {

constexpr int kLines = 100000;

// Every question answered with OK, so the window's own flows run unattended.
class AgreeingDialogs final : public Dialogs {
public:
    void message(const QString &) override {}
    bool listWarning(const QString &) override { return true; }
    bool confirm(const QString &) override { return true; }
    std::optional<QString> textInput(const QString &, const QString &,
                                     const QString &prefilled) override
    {
        return prefilled;
    }
    std::optional<ChosenFile> saveFileName(const QString &, const QString &,
                                           const QStringList &) override
    {
        return std::nullopt;
    }
    std::optional<QString> openFileName(const QString &, const QString &,
                                        const QStringList &) override
    {
        return std::nullopt;
    }
    void error(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};

class NoRandom final : public RandomSource {
public:
    int uniform(int) override { return 0; }
};

void Report(const char *what, const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();
    std::printf("%-44s %8.1f ms\n", what, double(timer.nsecsElapsed()) / 1e6);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const TextListStore store(folder.path());
    if (const Result<ListLock> lock = store.lock(kHistoryFileName);
        !lock || !store.write(*lock, kHistoryFileName, SampleHistory(kLines)))
        return 1;

    AgreeingDialogs dialogs;
    NoRandom random;
    SystemClock clock;
    SharedState shared;
    TVerleden window(Services{dialogs, random, clock}, store, shared);
    auto *list = window.findChild<HistoryListView *>(QStringLiteral("lbxLijst"));

    std::printf("%d lines, %lld bytes\n", kLines,
                static_cast<long long>(QFileInfo(store.path(kHistoryFileName)).size()));
    Report("open the list (read, show, cursor to end)", [&] { window.openList(); });
    Report("reload after a save", [&] { window.reloadList(); });
    Report("arrow up from the last line", [&] {
        QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(list, &up);
    });
    Report("delete one line (check, backup, history)",
           [&] { window.findChild<QPushButton *>(QStringLiteral("btWisSel"))->click(); });
    Report("copy the whole list",
           [&] { window.findChild<QPushButton *>(QStringLiteral("btKopieLst"))->click(); });
    return list->count() == kLines - 1 ? 0 : 1;
}
