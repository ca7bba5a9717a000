#pragma once
// @brief The program over a history file of made-up saved spreads, with short ways to
// drive its history window and to read the list, the files and the main window's spread.

#include "app_fixture.h"
#include "catalogue/spread_count.h"
#include "file_checks.h"
#include "history/history_file.h"
#include "history/history_list_view.h"
#include "history/history_window.h"

#include <QAbstractItemView>

namespace morvelin::test {

// Line n (1-based) of a made-up history: a deck 0..2 and three different cards.
inline QString SavedLine(int n)
{
    return QStringLiteral("%1.jan.26 (Vraag %2) [%3] %4 %5 %6")
        .arg(n, 2, 10, QLatin1Char('0'))
        .arg(n)
        .arg(n % 3)
        .arg(n, 2, 10, QLatin1Char('0'))
        .arg(n + 20)
        .arg(n + 40);
}

inline QStringList SavedLines(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << SavedLine(n);
    return lines;
}

inline QByteArray Bytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// The main window's spread after opening those three cards: the seven others derived.
inline QList<int> SpreadOf(int c1, int c2, int c3)
{
    QList<int> cards{c1, c2, c3};
    for (const CardNo card : DeriveSpreadCards(c1, c2, c3))
        cards << card;
    return cards;
}

// A click on the row, scrolled into view, as the user chooses it: without modifiers the
// cursor there and only it selected.
inline void ClickRow(QAbstractItemView *view, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                      view->visualRect(index).center());
}

// The program over a history file of these lines, with its history window.
struct HistoryFixture : AppFixture {
    TVerleden *verleden = nullptr;
    HistoryListView *list = nullptr;

    bool start(const QStringList &lines, int a = 1, int b = 2, int c = 3)
    {
        WriteBytes(path(kHistoryFileName), Bytes(lines));
        return openAndAttach(a, b, c);
    }
    // Starts the program over whatever the folder holds and finds its history window.
    bool openAndAttach(int a = 1, int b = 2, int c = 3)
    {
        if (!open(a, b, c))
            return false;
        verleden = &app->verleden();
        list = FindControl<HistoryListView>(verleden, "lbxLijst");
        return true;
    }
    // "LST" on the main window.
    void openList() const { Press(window, "btMC"); }
    void press(const char *name) const { Press(verleden, name); }
    QString caption(const char *name) const { return FindControl<QLabel>(verleden, name)->text(); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        ClickRow(list, row, modifiers);
    }
    void key(Qt::Key key) const { QTest::keyClick(list, key); }
    QByteArray history() const { return ReadBytes(path(kHistoryFileName)); }
    QByteArray backup() const { return ReadBytes(path(kHistoryBackupName)); }
    QStringList shownLines() const
    {
        QStringList lines;
        for (int row = 0; row < list->count(); ++row)
            lines << list->line(row);
        return lines;
    }
};

} // namespace morvelin::test
