// The analysis window over a small history: its controls, count runs, year filter and
// steps, modes, summary, copy and keys.

#include "analysis/analyse_box.h"
#include "app_fixture.h"
#include "file_checks.h"
#include "history/history_file.h"
#include "history/history_window.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>

using namespace morvelin;
using morvelin::test::FindControl;

namespace {

// Six questions over the years 26, 25, 09, 99 and 00; De Magiër comes up most (3 times:
// Rider Waite 01 twice, Thierens 01 once); 13 major arcana in all.
const QStringList kHistory{
    "09.dec.26 (De Magiër,Staven Twee,De Zon) [0] 01 28 19",
    "10.dec.26 (kamer 12 [0]) [1] 11 09 19",
    "01.jan.25 (...) [0] 19 20 21",
    "02.jan.09 (...) [2] 01 02 03",
    "31.dec.99 (...) [0] 01 23 24",
    "01.jan.00 (...) [0] 22 23 24",
};
const QString kNoYear = QStringLiteral("Filter Jaar");

struct AnalysisFixture : test::AppFixture {
    TAnalyseBox *box = nullptr;

    // Starts the program, lists the history in the history window and presses its
    // "Analyse", as a user does. With listedLines the history window lists that many
    // lines before the file is changed elsewhere to the given history.
    bool openAnalysis(const QStringList &history = kHistory, int listedLines = -1)
    {
        if (!open())
            return false;
        writeHistory(listedLines < 0 ? history : QStringList(listedLines, history.first()));
        app->verleden().openList();
        if (listedLines >= 0)
            writeHistory(history);
        QTest::mouseClick(FindControl(&app->verleden(), "btAnalies"), Qt::LeftButton);
        box = &app->analyseBox();
        return QTest::qWaitForWindowExposed(box);
    }
    void writeHistory(const QStringList &history) const
    {
        QVERIFY(test::WriteList(app->store(), kHistoryFileName, TextList{history}).ok());
    }
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        return FindControl<T>(box, name);
    }
    void press(const char *name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    // The year prompt answered with this text, or cancelled.
    void promptYear(const std::optional<QString> &answer)
    {
        scripted.dialogs.inputs.enqueue(answer);
        press("btFilter");
    }
    QString yearCaption() const { return control<QPushButton>("btFilter")->text(); }
    QString questions() const { return control<QLabel>("lbAantal")->text(); }
    bool countsByYear(const QString &year, const QString &count) const
    {
        return yearCaption() == year && questions() == "Aantal vragen: " + count
               && box->lines().size() == 78;
    }
};

} // namespace

class TestAnalyseBox : public QObject {
    Q_OBJECT

private slots:
    void theWindowAndItsControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addRow("btFilter") << "btFilter" << QRect(91, 468, 80, 22) << kNoYear
                                  << "Filter Jaartal";
        QTest::addRow("btLess") << "btLess" << QRect(91, 492, 40, 20) << "<<<"
                                << "Vroeger";
        QTest::addRow("btMore") << "btMore" << QRect(131, 492, 40, 20) << ">>>"
                                << "Later";
        QTest::addRow("btKoppie") << "btKoppie" << QRect(10, 479, 75, 24) << "Kopieer"
                                  << "Kopieer lijst naar geheugen.";
        QTest::addRow("rbDef") << "rbDef" << QRect(176, 464, 136, 17) << "Sorteer op Aantal"
                               << "";
        QTest::addRow("rbSort") << "rbSort" << QRect(176, 482, 124, 17) << "Sorteer op Naam"
                                << "";
        QTest::addRow("rbGrArc") << "rbGrArc" << QRect(176, 500, 136, 17) << "Filter Grote Arcana"
                                 << "";
        QTest::addRow("btSamen") << "btSamen" << QRect(316, 466, 94, 24) << "Samenvatting"
                                 << "Toon Groepen Opgeteld";
        QTest::addRow("btReset") << "btReset" << QRect(316, 493, 94, 24) << "Alles"
                                 << "Zet Filter uit + Reset";
        QTest::addRow("OKButton") << "OKButton" << QRect(423, 493, 37, 24) << "Sluit"
                                  << "";
    }
    void theWindowAndItsControls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        QCOMPARE(f.box->windowTitle(), "Analyse");
        QCOMPARE(f.box->size(), QSize(468, 520));
        QVERIFY(f.box->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(f.box->minimumSize(), f.box->maximumSize());
        const auto *button = f.control<QAbstractButton>(qPrintable(name));
        QCOMPARE(button->geometry(), place);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), hint);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f.control("Label1")->geometry(), QRect(8, 5, 248, 16));
        QCOMPARE(f.control<QLabel>("Label1")->text(), "Er wordt 1 dezelfde kaart per vraag geteld");
        QCOMPARE(f.control("lbAantal")->geometry().topLeft(), QPoint(302, 6));
        QVERIFY(f.control("lbAantal")->font().bold());
        QCOMPARE(f.control("lbAnalyse")->geometry(), QRect(8, 27, 452, 430));
        QVERIFY(f.control<QPushButton>("OKButton")->isDefault());
    }

    void showingCountsAllYearsByCount()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        // Within the frame's few pixels, which the first showing does not know yet.
        QVERIFY((f.box->frameGeometry().center() - centre).manhattanLength() <= 4);
        QVERIFY(f.countsByYear(kNoYear, "6"));
        QCOMPARE(f.box->lines().last(), "03 x 01) De Magiër");
        QCOMPARE(f.box->lines().first(), "00 x 04) De Heerser");

        // Shown again after a year in name mode, it opens on all years by count again.
        f.promptYear("25");
        f.press("rbSort");
        QVERIFY(f.box->lines().first().endsWith(" x 00"));
        f.press("OKButton");
        QVERIFY(!f.box->isVisible());
        f.box->showAnalysis();
        QVERIFY(f.control<QRadioButton>("rbDef")->isChecked());
        QVERIFY(f.countsByYear(kNoYear, "6"));
        QCOMPARE(f.box->lines().last(), "03 x 01) De Magiër");
    }

    void theListFillsThreeColumnsFromTopToBottom()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        const auto *list = f.control<QListView>("lbAnalyse");
        const QRect view = list->viewport()->rect();
        const auto cell = [list](int row) {
            return list->visualRect(list->model()->index(row, 0));
        };
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(cell(26 * column).top(), cell(0).top());
            QCOMPARE(cell(26 * column).left(), cell(0).left() + column * cell(0).width());
            QVERIFY(view.contains(cell(26 * column + 25)));
        }
        QVERIFY(3 * cell(0).width() <= view.width());
        QVERIFY(3 * cell(0).width() > view.width() - 3);
    }

    void theQuestionCountLabelGrowsWithItsNumber()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis(kHistory, 25000));
        const auto *label = f.control<QLabel>("lbAantal");
        QCOMPARE(label->text(), "Aantal vragen: 25000");
        QVERIFY(label->width() >= label->sizeHint().width());
        QVERIFY(label->geometry().right() < f.box->width());
    }

    void theQuestionCount_data()
    {
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("shown");
        QTest::addRow("as the history window lists it") << -1 << "6";
        QTest::addRow("an empty list is counted") << 0 << "6";
        QTest::addRow("a stale count is shown as it is") << 17 << "17";
    }
    void theQuestionCount()
    {
        QFETCH(int, listed);
        QFETCH(QString, shown);
        AnalysisFixture f;
        QVERIFY(f.openAnalysis(kHistory, listed));
        QCOMPARE(f.questions(), "Aantal vragen: " + shown);
        QCOMPARE(f.app->shared().questionCountText, shown);
        // The count run closed the history window it was opened from.
        QVERIFY(f.box->isVisible());
        QVERIFY(!f.app->verleden().isVisible());
    }

    void theYearPrompt_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("questions");
        QTest::addRow("2026") << std::optional<QString>("2026") << "26"
                              << "2";
        QTest::addRow("25") << std::optional<QString>("25") << "25"
                            << "1";
        QTest::addRow("letters") << std::optional<QString>("twintig") << "ig"
                                 << "0";
        QTest::addRow("empty") << std::optional<QString>("") << kNoYear << "6";
        QTest::addRow("cancel") << std::optional<QString>() << kNoYear << "6";
    }
    void theYearPrompt()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, caption);
        QFETCH(QString, questions);
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        f.promptYear(answer);
        QCOMPARE(f.scripted.dialogs.shown.last(), "input: Analyseer Jaar: | Jaar:  | ");
        QVERIFY(f.countsByYear(caption, questions));
    }

    void majorArcanaAndModesKeepTheYear()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        f.press("rbGrArc");
        QCOMPARE(f.box->lines().size(), 22);
        QCOMPARE(f.box->lines().last(), "03 x 01) De Magiër");
        f.promptYear("2026");
        QCOMPARE(f.yearCaption(), "26");
        QCOMPARE(f.box->lines().size(), 22);
        QCOMPARE(f.questions(), "Aantal vragen: 2");
        f.press("rbSort");
        QVERIFY(f.countsByYear("26", "2"));
        QVERIFY(f.box->lines().contains("11) De Kracht x 01"));
        QVERIFY(f.box->lines().contains("01) De Magiër x 01"));
        f.press("rbDef");
        QVERIFY(f.countsByYear("26", "2"));
        f.press("btReset");
        QVERIFY(f.countsByYear(kNoYear, "6"));
        QCOMPARE(f.box->lines().last(), "03 x 01) De Magiër");
    }

    void yearSteps_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("stepped");
        QTest::addColumn<QString>("questions");
        QTest::addRow("26 earlier") << "26"
                                    << "btLess"
                                    << "25"
                                    << "1";
        QTest::addRow("25 later") << "25"
                                  << "btMore"
                                  << "26"
                                  << "2";
        QTest::addRow("10 earlier") << "10"
                                    << "btLess"
                                    << "09"
                                    << "1";
        QTest::addRow("00 earlier") << "00"
                                    << "btLess"
                                    << "99"
                                    << "1";
        QTest::addRow("99 later") << "99"
                                  << "btMore"
                                  << "00"
                                  << "1";
    }
    void yearSteps()
    {
        QFETCH(QString, year);
        QFETCH(QString, button);
        QFETCH(QString, stepped);
        QFETCH(QString, questions);
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        f.promptYear(year);
        f.press(qPrintable(button));
        QVERIFY(f.countsByYear(stepped, questions));
    }

    void stepsWithoutANumberDoNothing_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("caption");
        QTest::addRow("no year") << std::optional<QString>() << kNoYear;
        QTest::addRow("letters") << std::optional<QString>("twintig") << "ig";
    }
    void stepsWithoutANumberDoNothing()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, caption);
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        f.promptYear(answer);
        const QStringList lines = f.box->lines();
        const QString questions = f.questions();
        QSignalSpy closeRequests(f.box, &TAnalyseBox::historyWindowCloseRequested);
        f.press("btLess");
        f.press("btMore");
        QCOMPARE(f.yearCaption(), caption);
        QCOMPARE(f.questions(), questions);
        QCOMPARE(f.box->lines(), lines);
        QCOMPARE(closeRequests.count(), 0);
    }

    void everyCountRunThatFindsTheFileClosesTheHistory()
    {
        AnalysisFixture f;
        QVERIFY(f.open());
        f.writeHistory(kHistory);
        TAnalyseBox &box = f.app->analyseBox();
        QSignalSpy closeRequests(&box, &TAnalyseBox::historyWindowCloseRequested);
        f.box = &box;
        box.showAnalysis();
        QCOMPARE(closeRequests.count(), 1);
        f.press("rbSort");
        f.promptYear("26");
        f.press("btLess");
        QCOMPARE(closeRequests.count(), 4);
        QVERIFY(QFile::remove(f.path(kHistoryFileName)));
        f.press("btReset");
        f.promptYear("26");
        f.press("btSamen");
        QCOMPARE(closeRequests.count(), 4);
    }

    void aMissingHistoryLeavesTheListAndSumsNothing()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        f.press("rbSort");
        const QStringList nameLines = f.box->lines();
        QVERIFY(QFile::remove(f.path(kHistoryFileName)));
        f.app->shared().questionCountText = "5";
        f.press("btReset");
        QCOMPARE(f.box->lines(), nameLines);
        QCOMPARE(f.questions(), "Aantal vragen: 5");
        f.promptYear("26");
        QCOMPARE(f.box->lines(), nameLines);
        QCOMPARE(f.questions(), "Aantal vragen: 0");
        f.press("btSamen");
        QCOMPARE(f.box->lines().size(), 24);
        for (const QString &line : f.box->lines())
            QVERIFY2(line.startsWith(" -") || line.contains(":  00 x "), qPrintable(line));
    }

    void anUnreadableHistoryIsReportedAndLeavesTheList()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        const QStringList countLines = f.box->lines();
        QVERIFY(QFile::remove(f.path(kHistoryFileName)));
        QVERIFY(QDir(f.folder.path()).mkdir(kHistoryFileName));
        f.press("btSamen");
        QCOMPARE(f.scripted.dialogs.shown.last(),
                 "error: MorvelLijst.txt kan niet gelezen worden: er staat een map met die naam.");
        QCOMPARE(f.box->lines(), countLines);
    }

    // "Alles", the summary and a new showing go back to "Sorteer op Aantal" themselves:
    // selecting it must not run a count of its own before theirs.
    void backToCountModeCountsOnce_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("year");
        QTest::addRow("Alles from a year") << "btReset"
                                           << "26";
        QTest::addRow("Samenvatting") << "btSamen"
                                      << "";
        QTest::addRow("Samenvatting of a year") << "btSamen"
                                                << "26";
        QTest::addRow("shown again from a year") << "show"
                                                 << "26";
    }
    void backToCountModeCountsOnce()
    {
        QFETCH(QString, action);
        QFETCH(QString, year);
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        const auto fromNameMode = [&] {
            if (!year.isEmpty())
                f.promptYear(year);
            f.press("rbSort");
        };
        const auto act = [&] {
            if (action == "show") {
                f.press("OKButton");
                f.box->showAnalysis();
            } else {
                f.press(qPrintable(action));
            }
        };

        fromNameMode();
        QSignalSpy closeRequests(f.box, &TAnalyseBox::historyWindowCloseRequested);
        act();
        QCOMPARE(closeRequests.count(), 1);
        QVERIFY(f.control<QRadioButton>("rbDef")->isChecked());
        QVERIFY(!f.control<QRadioButton>("rbSort")->isChecked());

        // A folder where the history file should be cannot be read, not even by root.
        fromNameMode();
        QVERIFY(QFile::remove(f.path(kHistoryFileName)));
        QVERIFY(QDir(f.folder.path()).mkdir(kHistoryFileName));
        const qsizetype before = f.scripted.dialogs.shown.size();
        act();
        QCOMPARE(f.scripted.dialogs.shown.mid(before),
                 QStringList{"error: MorvelLijst.txt kan niet gelezen worden: er staat een map "
                             "met die naam."});
        QVERIFY(f.control<QRadioButton>("rbDef")->isChecked());
    }

    void theSummaryFromNameMode()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        f.press("rbSort");
        f.press("btSamen");
        QVERIFY(f.control<QRadioButton>("rbDef")->isChecked());
        QCOMPARE(f.questions(), "Aantal vragen: 6");
        const QStringList summary = f.box->lines();
        QCOMPARE(summary.size(), 24);
        QCOMPARE(summary.mid(0, 3), (QStringList{" ---------------------------------------",
                                                 "  Arca:  13 x Grote Arcana",
                                                 " ---------------------------------------"}));
        QCOMPARE(summary.last(), " ---------------------------------------");
        // The prompt opens on the caption the summary read.
        f.promptYear(std::nullopt);
        QCOMPARE(f.scripted.dialogs.shown.last(), "input: Analyseer Jaar: | Jaar:  | Filter Jaar");
    }

    void theSummaryOfOneYear()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        f.promptYear("2026");
        f.press("btSamen");
        QCOMPARE(f.yearCaption(), "26");
        QCOMPARE(f.questions(), "Aantal vragen: 2");
        QCOMPARE(f.box->lines().at(1), "  Arca:  05 x Grote Arcana");
    }

    void copyPutsEveryLineWithCrLf()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        f.press("btSamen");
        f.press("btKoppie");
        const QString text = QGuiApplication::clipboard()->text();
        QCOMPARE(text, f.box->lines().join("\r\n") + "\r\n");
        QCOMPARE(text.count("\r\n"), 24);
    }

    void escAndEnterClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::addRow("Esc") << int(Qt::Key_Escape);
        QTest::addRow("Enter") << int(Qt::Key_Return);
        QTest::addRow("keypad Enter") << int(Qt::Key_Enter);
    }
    void escAndEnterClose()
    {
        QFETCH(int, key);
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        QTest::mouseClick(f.control("lbAnalyse"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), f.control("lbAnalyse"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!f.box->isVisible());
        QVERIFY(f.window->isVisible());
    }

    void theAnalysisEndsWithTheProgram()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        f.window->close();
        QVERIFY(!f.box->isVisible());
    }

    void enterOnAFocusedButtonPressesThatButton()
    {
        AnalysisFixture f;
        QVERIFY(f.openAnalysis());
        QGuiApplication::clipboard()->clear();
        f.control("btKoppie")->setFocus();
        QTest::keyClick(f.control("btKoppie"), Qt::Key_Return);
        QVERIFY(f.box->isVisible());
        QVERIFY(QGuiApplication::clipboard()->text().endsWith("03 x 01) De Magiër\r\n"));
    }
};

QTEST_MAIN(TestAnalyseBox)
#include "test_analyse_box.moc"
