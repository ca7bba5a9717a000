// Crafted list files opened, analysed and edited through the real windows: binary junk,
// UTF-16 cut in half, a line of a megabyte, mixed line ends, empty and short lines, and a
// diary of 100,000 lines. Each shows its lines or a clear message, and every change the
// windows make keeps the other lines as they were. A hang fails by the test's time-out.

#include "analysis/analyse_box.h"
#include "app/command_line.h"
#include "history/history_export.h"
#include "history/history_reading.h"
#include "history/history_search.h"
#include "history_fixture.h"
#include "pentagram/pentagram_list.h"
#include "pentagram/pentagram_list_window.h"
#include "pentagram/pentagram_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>

using namespace morvelin;
using namespace morvelin::test;

namespace {

const QString kUnreadable =
    QStringLiteral("kan niet gelezen worden: de tekst is geen geldige UTF-16.");

// Every file with what a reader of it must see: its number of lines and its first and
// last line, or (for none) the reason it cannot be read.
void AddHostileFiles()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    const QString one = "02.Feb.26 (Vraag 1) [1] 02 08 14";
    // Junk lines are only counted.
    QTest::addRow("binary junk") << "binary_junk.txt" << 68 << QString() << QString();
    QTest::addRow("UTF-16 with an odd byte count")
        << "utf16_odd_bytes.txt" << -1 << QString() << QString();
    QTest::addRow("a line of a megabyte")
        << "one_megabyte_line.txt" << 3 << one << "04.Apr.26 (Vraag 3) [0] 04 22 40";
    QTest::addRow("mixed line ends")
        << "mixed_line_ends.txt" << 9 << one << "08.Aug.26 (Vraag 7) [1] 08 50 14";
    QTest::addRow("empty lines") << "empty_lines.txt" << 9 << ""
                                 << "";
    QTest::addRow("lines shorter than the code")
        << "short_lines.txt" << 10 << one << "03.Mar.26 (Vraag 2) [2] 03 15 27";
    QTest::addRow("100,000 lines")
        << "hundred_thousand_lines.txt" << 100000 << "01.Jan.00 (Vraag 0) [0] 01 01 01"
        << "12.Apr.26 (Vraag 99999) [0] 04 22 40";
}

QByteArray Hostile(const QString &file)
{
    return ReadBytes(QStringLiteral(MORVELIN_HOSTILE_FILES "/") + file);
}

// The program over the file as its history or its Pentagram list.
struct HostileFixture : HistoryFixture {
    bool start(const QString &listName, const QString &file)
    {
        WriteBytes(path(listName), Hostile(file));
        return openAndAttach();
    }
    QStringList lines(const QString &listName) const
    {
        const Result<TextList> read = app->store().read(listName);
        return read ? read->lines : QStringList{"<unreadable>"};
    }
    // The last message shown, kind and all; none when nothing was shown.
    QString lastShown() const
    {
        return scripted.dialogs.shown.isEmpty() ? QString() : scripted.dialogs.shown.last();
    }
};

// The rows a test walks: the first, one in the middle and the last.
QList<int> SomeRows(int lines)
{
    return {0, lines / 2, lines - 1};
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

private slots:
    void theHistoryWindow_data() { AddHostileFiles(); }
    void theHistoryWindow()
    {
        QFETCH(QString, file);
        QFETCH(int, lines);
        QFETCH(QString, first);
        QFETCH(QString, last);
        HostileFixture f;
        QVERIFY(f.start(kHistoryFileName, file));
        f.openList();
        if (lines < 0) {
            QCOMPARE(f.lastShown(), "error: MorvelLijst.txt " + kUnreadable);
            QVERIFY(!f.verleden->isVisible());
            // Nor can a save append to what it cannot read.
            Press(f.window, "btBewaren");
            QCOMPARE(f.lastShown(), "error: MorvelLijst.txt " + kUnreadable);
            QCOMPARE(f.history(), Hostile(file));
            return;
        }
        QVERIFY(QTest::qWaitForWindowExposed(f.verleden));
        QCOMPARE(f.list->count(), lines);
        if (!first.isNull()) {
            QCOMPARE(f.list->line(0), first);
            QCOMPARE(f.list->line(lines - 1), last);
        }
        QCOMPARE(f.caption("lbAantal"), "Aantal vragen: " + QString::number(lines));
        const QStringList before = f.lines(kHistoryFileName);

        // Opening a line gives its spread or says why it cannot; so does walking the list.
        for (const int row : SomeRows(lines)) {
            const int shownBefore = f.scripted.dialogs.shown.size();
            f.app->shared().spreadSaved = false;
            f.clickRow(row);
            f.press("btKeuze");
            const bool told = f.scripted.dialogs.shown.size() > shownBefore
                              && f.lastShown().startsWith("error: ");
            QVERIFY2(f.app->spreadSaved() != told, qPrintable(f.list->line(row).left(80)));
        }
        f.list->setCursorRow(0);
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End})
            f.key(key);

        f.press("btKopieLst");
        QCOMPARE(QGuiApplication::clipboard()->text(), JoinLinesCrLf(before));

        // An edit changes the one line when it holds the saved form, and nothing otherwise.
        const int edited = lines / 2;
        f.clickRow(edited);
        f.scripted.dialogs.inputs.enqueue(QString("bewerkt"));
        f.press("btBewerk");
        QStringList expected = before;
        if (const auto replaced = ReplaceHistoryComment(before[edited], "bewerkt")) {
            expected[edited] = *replaced;
        } else {
            QVERIFY(f.lastShown().startsWith("message: Deze regel heeft niet de vorm"));
            QCOMPARE(f.history(), Hostile(file));
        }
        QCOMPARE(f.lines(kHistoryFileName), expected);

        // Deleting the first line keeps all the others, and the backup the list before.
        f.clickRow(0);
        f.scripted.dialogs.answers.enqueue(true);
        f.press("btWisSel");
        QCOMPARE(f.lines(kHistoryBackupName), expected);
        QCOMPARE(f.lines(kHistoryFileName), expected.mid(1));
        QCOMPARE(f.list->count(), lines - 1);
        QVERIFY(f.scripted.dialogs.shown.filter("error: ").size()
                <= f.scripted.dialogs.shown.filter("is not a valid integer value").size()
                       + f.scripted.dialogs.shown.filter("is niet te openen").size());
    }

    void theAnalysis_data() { AddHostileFiles(); }
    void theAnalysis()
    {
        QFETCH(QString, file);
        QFETCH(int, lines);
        HostileFixture f;
        QVERIFY(f.start(kHistoryFileName, file));
        TAnalyseBox &box = f.app->analyseBox();
        if (lines < 0) {
            // Shown without the history window, which cannot open the file, it says why.
            box.showAnalysis();
            QCOMPARE(f.lastShown(), "error: MorvelLijst.txt " + kUnreadable);
            return;
        }
        f.openList();
        f.press("btAnalies");
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.lines().size(), 78);
        QCOMPARE(FindControl<QLabel>(&box, "lbAantal")->text(),
                 "Aantal vragen: " + QString::number(lines));
        // Every count is at most the number of questions.
        const auto countsFit = [&box](int questions) {
            for (const QString &line : box.lines()) {
                if (line.section(" x ", 0, 0).toInt() > questions)
                    return false;
            }
            return true;
        };
        QVERIFY(countsFit(lines));

        f.scripted.dialogs.inputs.enqueue(QString("2026"));
        Press(&box, "btFilter");
        QCOMPARE(box.lines().size(), 78);
        const int ofYear = FindControl<QLabel>(&box, "lbAantal")->text().section(": ", 1).toInt();
        QVERIFY(ofYear <= lines);
        QVERIFY(countsFit(ofYear));

        Press(&box, "btSamen");
        QVERIFY(!box.lines().isEmpty());
        Press(&box, "btReset");
        QCOMPARE(box.lines().size(), 78);
        QVERIFY(f.scripted.dialogs.shown.filter("error: ").isEmpty());
        QCOMPARE(f.history(), Hostile(file));
    }

    void thePentagramList_data() { AddHostileFiles(); }
    void thePentagramList()
    {
        QFETCH(QString, file);
        QFETCH(int, lines);
        QFETCH(QString, first);
        HostileFixture f;
        QVERIFY(f.start(kPentagramListName, file));
        f.click("btPenta");
        Click(&f.app->form3(), "btOpe");
        TForm4 &form4 = f.app->form4();
        if (lines < 0) {
            QCOMPARE(f.lastShown(), "error: TarPentLijst.txt " + kUnreadable);
            QVERIFY(!form4.isVisible());
            return;
        }
        QVERIFY(QTest::qWaitForWindowExposed(&form4));
        auto *list = FindControl<QListWidget>(&form4, "lbLijstP");
        QCOMPARE(list->count(), lines);
        if (!first.isNull())
            QCOMPARE(list->item(0)->text(), first);

        // A line opens into the Pentagram window or gives the conversion error.
        for (const int row : SomeRows(lines)) {
            f.scripted.random.numbers = QList<int>(12, 0);
            const int shownBefore = f.scripted.dialogs.shown.size();
            list->setCurrentRow(row);
            if (f.scripted.dialogs.shown.size() > shownBefore)
                QVERIFY2(f.lastShown().endsWith("is not a valid integer value"),
                         qPrintable(f.lastShown().left(200)));
        }
        const QStringList before = f.lines(kPentagramListName);
        list->setCurrentRow(0);
        Click(&form4, "btWisSel");
        QCOMPARE(f.lines(kPentagramBackupName), before);
        QCOMPARE(f.lines(kPentagramListName), before.mid(1));
        QCOMPARE(list->count(), lines - 1);
    }

    // The command line's export reads the file or says why; the search finds within it.
    void exportAndSearch_data() { AddHostileFiles(); }
    void exportAndSearch()
    {
        QFETCH(QString, file);
        QFETCH(int, lines);
        QTemporaryDir folder;
        WriteBytes(folder.filePath(kHistoryFileName), Hostile(file));
        QString errors;
        QTextStream errorStream(&errors);
        const int status =
            RunCommandLine({"--export", "json", "uit.json"}, folder.path(), errorStream);
        if (lines < 0) {
            QCOMPARE(status, 1);
            QCOMPARE(errors, "morvelin: MorvelLijst.txt " + kUnreadable + "\n");
            return;
        }
        QCOMPARE(status, 0);
        const Result<TextList> exported = ReadExportedLines(ReadBytes(folder.filePath("uit.json")));
        QVERIFY2(exported, qPrintable(exported.error()));
        const QStringList history = TextListStore(folder.path()).read(kHistoryFileName)->lines;
        QCOMPARE(exported->lines, history);

        const HistorySearch search(history, HistoryDateReader());
        QCOMPARE(search.size(), lines);
        for (const SearchQuery &query :
             {SearchQuery{"vraag", {}, {}, {}, {}}, SearchQuery{{}, "De Magiër", {}, {}, {}},
              SearchQuery{{}, {}, DeckId(2), QDate(2026, 1, 1), QDate(2026, 12, 31)}}) {
            const QList<int> found = search.find(query);
            QVERIFY(found.size() <= lines);
            QVERIFY(std::is_sorted(found.begin(), found.end()));
        }
    }
};

QTEST_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
