// The insight window over generated histories: opened from the analysis window, its chart
// drawn to the counts, the readings behind a bar by mouse and keyboard, opening one in the
// main window, the copied table, too few questions, the year chooser and a failed read.

#include "analysis/analyse_box.h"
#include "analysis/card_chart.h"
#include "analysis/insight_window.h"
#include "app_fixture.h"
#include "catalogue/card_texts.h"
#include "common/list_date.h"
#include "file_checks.h"
#include "history/history_file.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>

#include <random>

using namespace morvelin;
using morvelin::test::Click;
using morvelin::test::FindControl;

namespace {

constexpr int kToren = 16;

// A generated history: one question a day from 1 January 2025, the decks in turn, three
// different cards drawn fairly, and De Toren put into every fourth question. Each line's
// comment is "vraag" and its number, so a test knows which lines hold which card.
struct GeneratedHistory {
    QStringList lines;
    // For each analysis row, the readings as the insight window lists them.
    QMap<int, QStringList> readings;
};

GeneratedHistory Generate(int questions, int torenEvery = 4)
{
    GeneratedHistory history;
    std::mt19937 random(2025);
    std::uniform_int_distribution<int> card(1, 78);
    const MonthNames months = LocaleMonthNames(QLocale::c());
    for (int q = 0; q < questions; ++q) {
        const DeckId deck = DeckId(q % 3);
        std::array<int, 3> cards{};
        for (int k = 0; k < 3; ++k) {
            do
                cards[k] = card(random);
            while (std::find(cards.begin(), cards.begin() + k, cards[k]) != cards.begin() + k);
        }
        const int toren = FindCardByName(deck, AnalysisCardNames(kToren));
        if (q % torenEvery == 0 && std::find(cards.begin(), cards.end(), toren) == cards.end())
            cards[0] = toren;
        const QDate date = QDate(2025, 1, 1).addDays(q);
        const QString comment = QStringLiteral("vraag %1").arg(q + 1);
        history.lines << QStringLiteral("%1 (%2) [%3] %4 %5 %6")
                             .arg(FormatListDate(date, months), comment)
                             .arg(deck)
                             .arg(cards[0], 2, 10, QLatin1Char('0'))
                             .arg(cards[1], 2, 10, QLatin1Char('0'))
                             .arg(cards[2], 2, 10, QLatin1Char('0'));
        for (const int number : cards) {
            for (int row = 1; row <= 78; ++row) {
                if (FindCardByName(deck, AnalysisCardNames(row)) == number)
                    history.readings[row] << date.toString("dd-MM-yyyy") + "  " + comment;
            }
        }
    }
    return history;
}

struct InsightFixture : test::AppFixture {
    TAnalyseBox *box = nullptr;
    TInzicht *insight = nullptr;
    CardChart *chart = nullptr;

    // Starts the program over the history and shows the analysis window.
    bool openAnalysis(const QStringList &history)
    {
        if (!open())
            return false;
        if (!test::WriteList(app->store(), kHistoryFileName, TextList{history}).ok())
            return false;
        box = &app->analyseBox();
        insight = &app->inzicht();
        chart = FindControl<CardChart>(insight, "Grafiek");
        box->showAnalysis();
        return QTest::qWaitForWindowActive(box);
    }
    // The same, then Ctrl+I on the analysis window.
    bool openInsight(const QStringList &history)
    {
        if (!openAnalysis(history))
            return false;
        QTest::keyClick(box, Qt::Key_I, Qt::ControlModifier);
        return QTest::qWaitForWindowExposed(insight);
    }
    QString heading() const { return FindControl<QLabel>(insight, "lbVragen")->text(); }
    QString text(const char *name) const { return FindControl<QLabel>(insight, name)->text(); }
    int count(int row) const { return insight->report().cards[row - 1].observed; }
};

// The colour that runs up the bar's left edge from its foot, and where it stops.
struct PaintedBar {
    QRgb colour;
    int top;
};
PaintedBar Painted(const QImage &image, const QRect &bar)
{
    const int x = bar.left();
    const QRgb colour = image.pixel(x, bar.bottom());
    int y = bar.bottom();
    // The expected count's dark line crosses the bars.
    while (y > 0 && (image.pixel(x, y - 1) == colour || qGray(image.pixel(x, y - 1)) < 80))
        --y;
    while (qGray(image.pixel(x, y)) < 80)
        ++y;
    return {colour, y};
}

} // namespace

class TestInsightWindow : public QObject {
    Q_OBJECT

private slots:
    void opensFromTheAnalysisWindow_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("heading");
        QTest::addRow("Ctrl+I") << false << ""
                                << "400 vragen, alle jaren";
        QTest::addRow("Ctrl+I with a year") << false << "2025"
                                            << "365 vragen, jaar 25";
        QTest::addRow("context menu") << true << ""
                                      << "400 vragen, alle jaren";
        QTest::addRow("context menu with a year") << true << "26"
                                                  << "35 vragen, jaar 26";
    }
    void opensFromTheAnalysisWindow()
    {
        QFETCH(bool, byMenu);
        QFETCH(QString, year);
        QFETCH(QString, heading);
        InsightFixture f;
        QVERIFY(f.openAnalysis(Generate(400).lines));
        if (!year.isEmpty()) {
            f.scripted.dialogs.inputs.enqueue(year);
            Click(f.box, "btFilter");
        }
        QVERIFY(!f.insight->isVisible());
        if (byMenu) {
            auto *list = FindControl<QListView>(f.box, "lbAnalyse");
            QStringList offered;
            QTimer::singleShot(0, [&offered] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                QVERIFY(menu);
                for (const QAction *action : menu->actions())
                    offered << action->text();
                QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
            });
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(40, 40),
                                    list->viewport()->mapToGlobal(QPoint(40, 40)));
            QApplication::sendEvent(list->viewport(), &click);
            QCOMPARE(offered, QStringList{"Inzicht…"});
        } else {
            QTest::keyClick(f.box, Qt::Key_I, Qt::ControlModifier);
        }
        QVERIFY(QTest::qWaitForWindowExposed(f.insight));
        QCOMPARE(f.insight->windowTitle(), "Inzicht");
        QVERIFY(f.insight->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!f.insight->isModal());
        QCOMPARE(f.heading(), heading);
        QVERIFY(f.box->isVisible());

        // The analysis window keeps exactly its own controls, where they were.
        QStringList controls;
        for (const QWidget *child :
             f.box->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            controls << child->objectName();
        controls.sort();
        QCOMPARE(controls, (QStringList{"Label1", "OKButton", "btFilter", "btKoppie", "btLess",
                                        "btMore", "btReset", "btSamen", "lbAantal", "lbAnalyse",
                                        "rbDef", "rbGrArc", "rbSort"}));
        QCOMPARE(f.box->size(), QSize(468, 520));
        QCOMPARE(FindControl(f.box, "lbAnalyse")->geometry(), QRect(8, 27, 452, 430));
        QCOMPARE(FindControl(f.box, "btKoppie")->geometry(), QRect(10, 479, 75, 24));
        QCOMPARE(FindControl(f.box, "OKButton")->geometry(), QRect(423, 493, 37, 24));
    }

    void theBarsShowTheCounts()
    {
        InsightFixture f;
        const GeneratedHistory history = Generate(1100);
        QVERIFY(f.openInsight(history.lines));
        QCOMPARE(f.heading(), "1100 vragen, alle jaren");
        for (int row = 1; row <= 78; ++row)
            QCOMPARE(f.count(row), int(history.readings.value(row).size()));

        const QImage image = f.chart->grab().toImage();
        const QRect toren = f.chart->barRect(kToren);
        const double perCount = double(toren.height()) / f.count(kToren);
        QRgb within = 0;
        for (int row = 1; row <= 78; ++row) {
            const QRect bar = f.chart->barRect(row);
            QVERIFY2(std::abs(bar.height() - f.count(row) * perCount) <= 1,
                     qPrintable(AnalysisCardNames(row)));
            QCOMPARE(bar.bottom(), toren.bottom());
            // Where the expected count's line covers a bar's top, the top shows just below it.
            const PaintedBar painted = Painted(image, bar);
            const bool underTheLine = qGray(image.pixel(bar.left(), painted.top - 1)) < 80;
            QVERIFY2(
                painted.top == bar.top()
                    || (underTheLine && painted.top > bar.top() && painted.top - bar.top() <= 2),
                qPrintable(AnalysisCardNames(row)));
            if (row != kToren)
                within = painted.colour;
        }
        // De Toren, in every fourth question, is marked; the others are drawn alike.
        QCOMPARE(f.insight->report().cards[kToren - 1].verdict, ChanceVerdict::MoreThanChance);
        QVERIFY(Painted(image, toren).colour != within);
        QVERIFY(f.text("lbOpvallend").startsWith("De Toren: verwacht 42,3 (±6,4), gekomen "));
        QVERIFY(f.text("lbOpvallend").endsWith(" — vaker dan toeval verklaart"));
        QVERIFY(f.text("lbGroepen").startsWith("Grote Arcana: "));
    }

    void choosingABarListsItsReadings_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::addColumn<int>("row");
        QTest::addRow("click on De Toren") << false << kToren;
        QTest::addRow("click on Zwaard Tien") << false << 78;
        QTest::addRow("Enter on De Toren") << true << kToren;
        QTest::addRow("Enter on De Magiër") << true << 1;
    }
    void choosingABarListsItsReadings()
    {
        QFETCH(bool, byKeyboard);
        QFETCH(int, row);
        InsightFixture f;
        const GeneratedHistory history = Generate(400);
        QVERIFY(f.openInsight(history.lines));
        if (byKeyboard) {
            QCOMPARE(QApplication::focusWidget(), f.chart);
            QTest::keyClick(f.chart, Qt::Key_End);
            for (int step = 78; step > row; --step)
                QTest::keyClick(f.chart, Qt::Key_Left);
            QCOMPARE(f.chart->focusedRow(), row);
            QVERIFY(f.text("lbKaart").startsWith(AnalysisCardNames(row) + ": verwacht "));
            QTest::keyClick(f.chart, Qt::Key_Return);
        } else {
            QTest::mouseClick(f.chart, Qt::LeftButton, {}, f.chart->barRect(row).center());
            QCOMPARE(f.chart->focusedRow(), row);
        }
        QCOMPARE(f.insight->readingTexts(), history.readings.value(row));
        QCOMPARE(int(f.insight->readingTexts().size()), f.count(row));
        QVERIFY(f.text("lbLezingen")
                    .startsWith(QStringLiteral("%1 kwam in %2 vragen.")
                                    .arg(AnalysisCardNames(row))
                                    .arg(f.count(row))));
    }

    void aReadingOpensInTheMainWindow_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::addRow("double click") << false;
        QTest::addRow("Enter") << true;
    }
    void aReadingOpensInTheMainWindow()
    {
        QFETCH(bool, byKeyboard);
        InsightFixture f;
        const GeneratedHistory history = Generate(400);
        QVERIFY(f.openInsight(history.lines));
        QTest::mouseClick(f.chart, Qt::LeftButton, {}, f.chart->barRect(kToren).center());
        auto *list = FindControl<QListWidget>(f.insight, "lbxLezingen");
        // The second reading of De Toren is question 5, a line of the Etteilla deck.
        QCOMPARE(list->item(1)->text(), "05-01-2025  vraag 5");
        const QString line = history.lines.at(4);
        QVERIFY(!f.app->spreadSaved());
        if (byKeyboard) {
            list->setFocus();
            list->setCurrentRow(1);
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            // A double click's first press, which QTest::mouseDClick leaves out.
            const QPoint at = list->visualItemRect(list->item(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QVERIFY(!f.app->spreadSaved());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
        QCOMPARE(f.window->deckId(), kEtteilla);
        QCOMPARE(f.slotCards().mid(0, 3),
                 (QList<int>{line.right(8).left(2).toInt(), line.right(5).left(2).toInt(),
                             line.right(2).toInt()}));
        QVERIFY(f.app->spreadSaved());
        QVERIFY(f.insight->isVisible());
    }

    void copyPutsTheTableOnTheClipboard()
    {
        InsightFixture f;
        QVERIFY(f.openInsight(Generate(400).lines));
        QGuiApplication::clipboard()->clear();
        Click(f.insight, "btKopieer");
        const QString table = QGuiApplication::clipboard()->text();
        QVERIFY(table.startsWith("Kaart\tGekomen\tVerwacht\tp\tOordeel\r\n"));
        QCOMPARE(table.count("\r\n"), 79);
        QVERIFY(table.endsWith("\r\n"));
        const QString toren = table.split("\r\n").at(kToren);
        QVERIFY2(toren.startsWith(QStringLiteral("De Toren\t%1\t15,38\t").arg(f.count(kToren))),
                 qPrintable(toren));
        QVERIFY(toren.endsWith("\tvaker dan toeval verklaart"));
    }

    void tooFewQuestionsAreNotJudged()
    {
        InsightFixture f;
        // De Toren in every one of 25 questions: far more than chance, but too few to say.
        QVERIFY(f.openInsight(Generate(25, 1).lines));
        QCOMPARE(f.count(kToren), 25);
        QCOMPARE(f.heading(), "25 vragen, alle jaren");
        QVERIFY(f.text("lbOpvallend").startsWith("Te weinig vragen om te oordelen"));
        QVERIFY(!FindControl(f.insight, "lbGeheel")->isVisible());
        for (const CardChance &card : f.insight->report().cards)
            QCOMPARE(card.verdict, ChanceVerdict::WithinChance);
        const QImage image = f.chart->grab().toImage();
        int other = 1;
        while (f.count(other) == 0)
            ++other;
        QCOMPARE(Painted(image, f.chart->barRect(kToren)).colour,
                 Painted(image, f.chart->barRect(other)).colour);
        QVERIFY(f.text("lbKaart").endsWith(" — te weinig vragen om te oordelen"));

        // With one more question it is judged.
        QVERIFY(test::WriteList(f.app->store(), kHistoryFileName, TextList{Generate(26, 1).lines})
                    .ok());
        f.box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.box));
        QTest::keyClick(f.box, Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(f.insight->report().cards[kToren - 1].verdict, ChanceVerdict::MoreThanChance);
    }

    void theYearChooser_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("heading");
        QTest::addRow("2025") << "2025"
                              << ""
                              << "365 vragen, jaar 25";
        QTest::addRow("26") << "26"
                            << ""
                            << "35 vragen, jaar 26";
        QTest::addRow("earlier") << "26"
                                 << "btLess"
                                 << "365 vragen, jaar 25";
        QTest::addRow("later") << "2025"
                               << "btMore"
                               << "35 vragen, jaar 26";
        QTest::addRow("00 earlier wraps") << "00"
                                          << "btLess"
                                          << "0 vragen, jaar 99";
        QTest::addRow("99 later wraps") << "99"
                                        << "btMore"
                                        << "0 vragen, jaar 00";
        QTest::addRow("letters do not step") << "twintig"
                                             << "btLess"
                                             << "0 vragen, jaar ig";
        QTest::addRow("all years again") << "26"
                                         << "btAlles"
                                         << "400 vragen, alle jaren";
        QTest::addRow("no year does not step") << ""
                                               << "btMore"
                                               << "400 vragen, alle jaren";
    }
    void theYearChooser()
    {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, heading);
        InsightFixture f;
        QVERIFY(f.openInsight(Generate(400).lines));
        auto *year = FindControl<QLineEdit>(f.insight, "edJaar");
        year->setFocus();
        year->clear();
        QTest::keyClicks(year, typed);
        QTest::keyClick(year, Qt::Key_Return);
        if (!button.isEmpty())
            Click(f.insight, qPrintable(button));
        QCOMPARE(f.heading(), heading);
    }

    void anUnreadableHistoryIsReported()
    {
        InsightFixture f;
        QVERIFY(f.openInsight(Generate(30).lines));
        const QString heading = f.heading();
        QVERIFY(QFile::remove(f.path(kHistoryFileName)));
        QVERIFY(QDir(f.folder.path()).mkdir(kHistoryFileName));
        Click(f.insight, "btAlles");
        QCOMPARE(f.scripted.dialogs.shown.last(),
                 "error: MorvelLijst.txt kan niet gelezen worden: er staat een map met die naam.");
        QCOMPARE(f.heading(), heading);
    }

    // As before the first save: no questions, and nothing to report.
    void aMissingHistoryHasNoQuestions()
    {
        InsightFixture f;
        QVERIFY(f.openInsight(Generate(30).lines));
        QVERIFY(QFile::remove(f.path(kHistoryFileName)));
        const QStringList shown = f.scripted.dialogs.shown;
        Click(f.insight, "btAlles");
        QCOMPARE(f.scripted.dialogs.shown, shown);
        QCOMPARE(f.heading(), "0 vragen, alle jaren");
        QCOMPARE(f.text("lbGroepen"), "Geen vragen in deze periode.");
    }

    void theInsightEndsWithTheProgram()
    {
        InsightFixture f;
        QVERIFY(f.openInsight(Generate(30).lines));
        f.window->close();
        QVERIFY(!f.insight->isVisible());
    }
};

QTEST_MAIN(TestInsightWindow)
#include "test_insight_window.moc"
