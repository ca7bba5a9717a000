// The main window on a screen 700 pixels high, too low for the full layout: it opens at
// the top left corner and its full layout scrolls, while the compact one never does.

#include "app_fixture.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

using namespace morvelin;
using morvelin::test::AppFixture;

namespace {

QScrollArea *ScrollArea(const AppFixture &f)
{
    return f.find<QScrollArea>("scrollArea");
}

// Where a control stands in the window's client area, as the user sees it.
QRect ShownAt(const AppFixture &f, const char *name)
{
    QWidget *control = f.find(name);
    return QRect(control->mapTo(f.window, QPoint(0, 0)), control->size());
}

} // namespace

class TestMainWindowLowScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1024, 700)); }

    void opensAtTheTopLeftCorner()
    {
        AppFixture f;
        QVERIFY(f.open());
        QCOMPARE(f.window->frameGeometry().topLeft(), QPoint(0, 0));
        QCOMPARE(f.window->size(), QSize(498, 202));
    }

    // The window fits the screen, and its scroll bars reach every control of the full layout.
    void fullLayoutScrollsToEveryControl()
    {
        AppFixture f;
        QVERIFY(f.open());
        f.click("btPlus");
        QVERIFY(f.window->frameGeometry().bottom() < 700);
        QScrollBar *vertical = ScrollArea(f)->verticalScrollBar();
        QScrollBar *horizontal = ScrollArea(f)->horizontalScrollBar();
        // The vertical bar narrows the view below the window's width: both bars show.
        QVERIFY(vertical->isVisible() && horizontal->isVisible());
        const QRect viewport(QPoint(0, 0), ScrollArea(f)->viewport()->size());

        // The lowest control, btMagic, and the rightmost, ComboBox4, come fully into view.
        vertical->setValue(vertical->maximum());
        QVERIFY(viewport.contains(ShownAt(f, "btMagic")));
        vertical->setValue(0);
        horizontal->setValue(horizontal->maximum());
        QVERIFY(viewport.contains(ShownAt(f, "ComboBox4")));

        // Tab brings a control out of view into it.
        f.find("cbDriehoek")->setFocus();
        QTest::keyClick(f.find("cbDriehoek"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "btPenta");
        QVERIFY(viewport.contains(ShownAt(f, "btPenta")));
    }

    // Back in the compact layout, scrolled or not before, the top band is all there is.
    void compactLayoutAfterScrolling()
    {
        AppFixture f;
        QVERIFY(f.open());
        f.click("btPlus");
        ScrollArea(f)->verticalScrollBar()->setValue(ScrollArea(f)->verticalScrollBar()->maximum());
        f.click("btPlus");
        QCOMPARE(f.window->size(), QSize(498, 202));
        QVERIFY(!ScrollArea(f)->verticalScrollBar()->isVisible());
        QVERIFY(!ScrollArea(f)->horizontalScrollBar()->isVisible());
        for (int step = 0; step < 14; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(ShownAt(f, "ComboBox1").topLeft(), QPoint(8, 7));
        }
    }
};

QTEST_MAIN(TestMainWindowLowScreen)
#include "test_main_window_low_screen.moc"
