// What the main window shows and where the mouse and the keyboard land: the compact
// window keeps its top band, the count lines leave the last card free.

#include "app_fixture.h"
#include "common/picture_box.h"
#include "mainwindow/about_box.h"

#include <QClipboard>
#include <QScrollArea>
#include <QWheelEvent>

using namespace morvelin;
using morvelin::test::AppFixture;

namespace {

// A wheel turn over a widget. The cards and the background take none, so it travels
// up to the scroll area's viewport, where it is delivered here.
void TurnWheel(const AppFixture &f, QWidget *over)
{
    QWidget *viewport = f.find<QScrollArea>("scrollArea")->viewport();
    const QPointF at = over->mapTo(viewport, over->rect().center());
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -360), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

// Where a control stands in the window's client area, as the user sees it.
QPoint ShownAt(const AppFixture &f, const char *name)
{
    return f.find(name)->mapTo(f.window, QPoint(0, 0));
}

// A click at a point of the client area, delivered as the system does: to the widget
// under the mouse, from where it travels up to the first one that takes it.
void ClickAt(const AppFixture &f, QPoint at)
{
    QWidget *under = f.window->childAt(at);
    QVERIFY(under);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(f.window, at));
}

} // namespace

class TestMainWindowView : public QObject {
    Q_OBJECT

private slots:
    // The compact window shows its top band and nothing else, whatever has the focus
    // and whatever the wheel does.
    void compactWindowKeepsItsTopBand_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addRow("Tab through every control") << "tab";
        QTest::addRow("Shift+Tab through every control") << "backtab";
        QTest::addRow("wheel over the cards") << "wheel";
        QTest::addRow("Page Down on a lower button") << "page down";
    }
    void compactWindowKeepsItsTopBand()
    {
        QFETCH(QString, action);
        AppFixture f;
        QVERIFY(f.open());
        for (int step = 0; step < 16; ++step) {
            if (action == "tab")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            else if (action == "backtab")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            else if (action == "wheel")
                TurnWheel(f, f.image(step % 4 + 1));
            else {
                f.find("btOpenen")->setFocus(Qt::TabFocusReason);
                QTest::keyClick(f.find("btOpenen"), Qt::Key_PageDown);
            }
            QCOMPARE(ShownAt(f, "ComboBox1"), QPoint(8, 7));
            QCOMPARE(ShownAt(f, "Image4"), QPoint(381, 37));
            QCOMPARE(ShownAt(f, "Label1"), QPoint(8, 185));
        }
        QCOMPARE(f.window->size(), QSize(498, 202));
    }

    // Every control that takes the focus looks different while it has it.
    void focusIsVisible_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *name :
             {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "btOpenen", "btBewaren",
              "btRndTrefwoord", "RadioGroup1Item0", "RadioGroup1Item1", "RadioGroup1Item2",
              "RadioGroup1Item3", "btBigImg", "cbDriehoek", "btPenta", "btRnd", "bt10X", "btMagic"})
            QTest::addRow("%s", name) << QString::fromLatin1(name);
    }
    void focusIsVisible()
    {
        QFETCH(QString, control);
        AppFixture f;
        QVERIFY(f.open());
        f.click("btPlus");
        QWidget *widget = f.find(qPrintable(control));
        QWidget *elsewhere = widget == f.chooser(1) ? f.chooser(2) : f.chooser(1);
        // Once the keyboard has moved the focus, as Tab does, the window shows where it is.
        f.window->setAttribute(Qt::WA_KeyboardFocusChange);
        elsewhere->setFocus(Qt::TabFocusReason);
        const QImage without = widget->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), widget);
        const QImage with = widget->grab().toImage();
        QVERIFY(with != without);
    }

    // The copied picture shows the cards as the window draws them, and the window's
    // colour where the controls stepped aside for it.
    void spreadPictureShowsTheCards_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("hidden");
        QTest::addRow("compact, reached by keyboard")
            << false << QList<int>{1, 2, 3, 4}
            << QStringList{"btHelp1", "btMC", "btBewr", "bt4X", "btOmsch"}
            << QStringList{"Shape1", "Shape2", "btPlus"};
        QTest::addRow("full") << true << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                              << QStringList{"btPenta"}
                              << QStringList{"Shape1",         "Shape2",      "btPlus",
                                             "btOpenen",       "btBewaren",   "btHelp",
                                             "cbDriehoek",     "btMagic",     "lbQuint",
                                             "btRndTrefwoord", "RadioGroup1", "bt10X",
                                             "btBigImg",       "lbNieuwMc",   "lbOudMc"};
    }
    void spreadPictureShowsTheCards()
    {
        QFETCH(bool, full);
        QFETCH(QList<int>, cards);
        QFETCH(QStringList, kept);
        QFETCH(QStringList, hidden);
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        if (full) {
            f.click("btPlus");
            f.click("btBigImg");
        } else {
            while (QApplication::focusWidget() != f.find("btBigImg"))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(f.scripted.dialogs.shown.last(),
                 "message: Afbeelding is gekopieerd naar Klembord.");
        const QImage picture =
            QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QWidget *canvas = f.find("canvas");
        // The picture starts below the row of choosers, 30 pixels down the client area.
        const auto copied = [&picture](const QRect &area) {
            return picture.copy(area.translated(0, -30));
        };
        const auto drawn = [canvas](const QRect &area) {
            return canvas->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        };
        for (const int slot : cards) {
            for (const QWidget *shown : {f.image(slot), static_cast<QWidget *>(f.label(slot))}) {
                const QRect area = shown->geometry();
                QVERIFY2(copied(area) == drawn(area), qPrintable(shown->objectName()));
            }
        }
        for (const QString &name : kept) {
            const QRect area = f.find(qPrintable(name))->geometry();
            QVERIFY2(copied(area) == drawn(area), qPrintable(name));
        }
        const QColor background(210, 191, 213);
        for (const QString &name : hidden) {
            const QImage area = copied(f.find(qPrintable(name))->geometry());
            for (int y = 0; y < area.height(); ++y) {
                for (int x = 0; x < area.width(); ++x)
                    QVERIFY2(area.pixelColor(x, y) == background, qPrintable(name));
            }
        }
    }

    // The count lines beside the last card leave it and the background their mouse
    // events: every point of Image10 reaches the picture, with its hint and help cursor.
    void lastCardTakesTheMouseEverywhere()
    {
        AppFixture f;
        QVERIFY(f.open());
        f.click("btPlus");
        QWidget *image10 = f.image(10);
        for (int y = 533; y < 533 + 147; y += 7) {
            for (int x = 176; x < 176 + 108; x += 9) {
                QWidget *under = f.window->childAt(x, y);
                QVERIFY2(under == image10,
                         qPrintable(QStringLiteral("(%1, %2): %3")
                                        .arg(x)
                                        .arg(y)
                                        .arg(under ? under->objectName() : "nothing")));
            }
        }
        QCOMPARE(image10->cursor().shape(), Qt::WhatsThisCursor);
        QVERIFY(!image10->toolTip().isEmpty());
    }

    // The triangle switch names its Magic Card by the label mode and leaves the random
    // keywords under the cards as they are.
    void triangleKeepsTheRandomKeywords()
    {
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.click("btPlus");
        f.scripted.random.numbers = QList<int>(10, 0);
        f.click("btRndTrefwoord");
        const QMap<int, QString> drawn = {{1, "Handelen"}, {2, "Intuïtie"}, {3, "Liefde"},
                                          {5, "Liefde"},   {6, "Moraal"},   {8, "Overwicht"}};
        const TAboutBox &box = f.app->aboutBox();
        for (const bool on : {true, false}) {
            f.click("cbDriehoek");
            for (auto it = drawn.cbegin(); it != drawn.cend(); ++it) {
                QCOMPARE(f.label(it.key())->text(), it.value());
                QCOMPARE(f.label(it.key())->palette().color(QPalette::WindowText),
                         QColor(Qt::blue));
            }
            // Label mode 2: the keyword under the Magic Card, its name in the hint.
            QCOMPARE(box.magicLabel()->text(), on ? "Optimisme" : "Zorgen");
            QCOMPARE(box.magicIcon()->toolTip(), on ? "De Dwaas" : "Munten Vijf");
        }
    }

    // The background right of a count line's text closes the Magic Card box.
    void backgroundBesideTheCountLines_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addRow("beside Nieuw MC") << QPoint(170, 584);
        QTest::addRow("beside Quintessence") << QPoint(170, 605);
        QTest::addRow("beside Oud MC") << QPoint(170, 626);
    }
    void backgroundBesideTheCountLines()
    {
        QFETCH(QPoint, at);
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.click("btPlus");
        f.click("btMagic");
        QVERIFY(f.app->aboutBox().isVisible());
        ClickAt(f, at);
        QVERIFY(!f.app->aboutBox().isVisible());
    }
};

QTEST_MAIN(TestMainWindowView)
#include "test_main_window_view.moc"
