// The keys of the main window, the Magic Card box and the help window.

#include "app/application_setup.h"
#include "app_fixture.h"
#include "common/picture_box.h"
#include "mainwindow/about_box.h"
#include "mainwindow/help_info.h"
#include "pentagram/pentagram_window.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace morvelin;
using morvelin::test::AppFixture;
using morvelin::test::FindControl;

namespace {

// The window of that class, found without asking the application (which would build it).
template <typename Window>
Window *TopLevel()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<Window *>(window))
            return found;
    }
    return nullptr;
}

// The program just started: its main window shown, its first frame not yet painted.
struct JustStarted : AppFixture {
    THelpInfo *help = nullptr;
    TForm3 *form3 = nullptr;

    JustStarted()
    {
        start(1, 2, 3);
        help = TopLevel<THelpInfo>();
        form3 = TopLevel<TForm3>();
    }
};

} // namespace

class TestCompanionWindows : public QObject {
    Q_OBJECT

private slots:
    void escEndsTheProgram()
    {
        AppFixture f;
        QVERIFY(f.open());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!f.window->isVisible());
    }

    void spaceShowsAndHidesTheMagicCardBox()
    {
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        TAboutBox *box = &f.app->aboutBox();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(box->isVisible());
        QVERIFY(box->testAttribute(Qt::WA_WState_Visible));
        QVERIFY(box->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(box->windowTitle(), "Magic Card");
        QCOMPARE(box->size(), QSize(118, 178));
        QCOMPARE(box->magicLabel()->text(), "Munten Vijf");
        QCOMPARE(box->magicIcon()->toolTip(), "Zorgen");
        QVERIFY(box->magicIcon()->hasPicture());
        QTRY_COMPARE(QApplication::activeWindow(), box);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box,
                        Qt::Key_Space);
        QVERIFY(!box->isVisible());
    }

    void aClickOnTheBackgroundClosesTheBox()
    {
        AppFixture f;
        QVERIFY(f.open());
        f.click("btMagic");
        QVERIFY(f.app->aboutBox().isVisible());
        QTest::mouseClick(f.image(1), Qt::LeftButton);
        QVERIFY(f.app->aboutBox().isVisible());
        QTest::mouseClick(f.find("canvas"), Qt::LeftButton, {}, QPoint(200, 33));
        QVERIFY(!f.app->aboutBox().isVisible());
    }

    void keypadPlusTogglesTheLayout()
    {
        AppFixture f;
        QVERIFY(f.open());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::KeypadModifier);
        QVERIFY(!f.window->isCompactLayout());
        // The plain plus key is not the keypad's.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus);
        QVERIFY(!f.window->isCompactLayout());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::KeypadModifier);
        QVERIFY(f.window->isCompactLayout());
    }

    void arrowsMoveThroughTheChoosersInARing()
    {
        AppFixture f;
        QVERIFY(f.open());
        QList<QWidget *> visited;
        for (int step = 0; step < 4; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited,
                 (QList<QWidget *>{f.chooser(2), f.chooser(3), f.chooser(4), f.chooser(1)}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), f.chooser(4));
    }

    void altLettersChooseTheLabelMode_data()
    {
        QTest::addColumn<int>("deck");
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("mode");
        QTest::addRow("Alt+G") << 0 << 'G' << 0;
        QTest::addRow("Alt+T") << 0 << 'T' << 2;
        QTest::addRow("Alt+A") << 0 << 'A' << 3;
        QTest::addRow("Alt+R from Alt+T") << 0 << 'R' << 1;
        QTest::addRow("Alt+A on Etteilla does nothing") << 1 << 'A' << 1;
    }
    void altLettersChooseTheLabelMode()
    {
        QFETCH(int, deck);
        QFETCH(char, letter);
        QFETCH(int, mode);
        AppFixture f;
        QVERIFY(f.open());
        f.chooseDeck(deck);
        if (letter == 'R')
            f.window->setLabelMode(LabelMode::Keyword);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(letter), Qt::AltModifier);
        QTRY_COMPARE(int(f.window->labelMode()), mode);
    }

    void enterInAChooserPressesRwsTrefwoord()
    {
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.chooser(2)->setFocus();
        f.scripted.random.numbers = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::keyClick(f.chooser(2), Qt::Key_Return);
        QCOMPARE(f.window->labelMode(), LabelMode::Keyword);
        QCOMPARE(f.label(1)->text(), "Handelen");
        QCOMPARE(f.label(1)->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }

    void tabOrder()
    {
        AppFixture f;
        QVERIFY(f.open());
        const QStringList expected = {
            "ComboBox2",      "ComboBox3",        "ComboBox4", "btOpenen",   "btBewaren",
            "btRndTrefwoord", "RadioGroup1Item1", "btBigImg",  "cbDriehoek", "btPenta"};
        f.click("btPlus");
        f.chooser(1)->setFocus();
        QStringList visited;
        for (int step = 0; step < expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    // Qt's own dialog buttons speak Dutch once the application is set up.
    void standardButtonsAreDutch()
    {
        SetUpApplication(*qApp);
        QCOMPARE(QApplication::applicationName(), "Morvelin");
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), "OK");
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), "Annuleren");
    }

    void helpWindow()
    {
        AppFixture f;
        QVERIFY(f.open());
        f.click("btHelp1");
        THelpInfo *help = &f.app->helpInfo();
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), "Help Info");
        QCOMPARE(help->size(), QSize(471, 600));
        QTRY_COMPARE(QApplication::activeWindow(), help);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        QVERIFY(f.window->isVisible());
    }

    // The windows the start does not show wait until the main window's first frame is on
    // the screen, and are then built without being asked.
    void hiddenWindowsAreBuiltBehindTheFirstFrame()
    {
        JustStarted s;
        QVERIFY(s.help && s.form3);
        QVERIFY(!s.help->isBuilt() && !s.form3->isBuilt());
        QVERIFY(QTest::qWaitForWindowExposed(&s.app->form1()));
        QTRY_VERIFY(s.help->isBuilt() && s.form3->isBuilt());
        QVERIFY(!s.help->isVisible() && !s.form3->isVisible());
    }

    // Asked for before the first frame, a window is built at once, whole and only once.
    void aWindowAskedForEarlyIsWhole()
    {
        JustStarted s;
        TForm3 *form3 = s.form3;
        THelpInfo *help = s.help;
        s.app->form1().btPentaClick();
        s.app->form1().btHelpClick();
        QVERIFY(form3->isVisible() && help->isVisible());
        QCOMPARE(form3->size(), QSize(498, 699));
        QCOMPARE(FindControl<QLabel>(form3, "ImCirkel")->pixmap().size(), QSize(475, 475));
        QCOMPARE(FindControl<QComboBox>(form3, "Box5")->count(), kCardsPerDeck);
        QCOMPARE(FindControl<QPlainTextEdit>(help, "Memo1")->toPlainText(), HelpText());

        // The first frame comes and goes; showing again builds nothing more.
        form3->hide();
        QVERIFY(QTest::qWaitForWindowExposed(&s.app->form1()));
        QTest::qWait(20);
        s.app->form1().btPentaClick();
        QCOMPARE(form3->findChildren<QComboBox *>("Box5").size(), 1);
        QCOMPARE(help->findChildren<QPlainTextEdit *>("Memo1").size(), 1);
    }

    // The lines the help text must hold exactly, in their order.
    void helpText()
    {
        const QStringList lines = HelpText().split(QLatin1Char('\n'));
        const QStringList headings = {"Kies een kaart:",
                                      "Pentagram:",
                                      "Bewaren:",
                                      "Bewaren / Openen vd Herziene Versie:",
                                      "Sneltoetsen:",
                                      "Telling:",
                                      "Info gebruikte waarden:",
                                      "Bronnen:",
                                      "History:"};
        qsizetype at = 0;
        for (const QString &heading : headings) {
            const qsizetype found = lines.indexOf(heading, at);
            QVERIFY2(found > at || (at == 0 && found >= 0), qPrintable(heading));
            at = found;
        }
        const qsizetype keys = lines.indexOf("Sneltoetsen:");
        QCOMPARE(lines.mid(keys + 1, 8),
                 (QStringList{"  Pijltoetsen: spring naar volgende keuzevak.",
                              "  Numblock [+] toets: wisselt tussen 4 of 10 kaarten,",
                              "  Pijltoets up-down: blader door bewaarde leggingen.",
                              "  Spatiebalk: toont/sluit MagicCard.", "  Esc= Stoppen.",
                              "  Alt + Onderstreepte Letter op de knoppen / keuzerondjes",
                              "  Houdt de muis boven een kaart voor info!!", ""}));
        const qsizetype counting = lines.indexOf("Telling:");
        QCOMPARE(lines[counting + 1], "  De 4e Kaart = Totaal van eerste drie kaarten (-78)");
        QCOMPARE(lines[counting + 8],
                 "   bv.: 88 wordt 8+8 = 16. Alleen het totaal + optelling wordt vermeld.");
        for (const char *line :
             {"  begin met een 0 voor kaartnummers 1 t/m 9",
              "  Er zijn 8 unieke trefwoorden per kaart die dus ook niet bij",
              "  andere kaarten voorkomen.", "  Bewaren: Sneltoets CTRL / Openen: Sneltoets SHIFT.",
              "  Heb je nog een oude lijst?",
              "  Dan worden alle codes hoger dan [2] geopend in het RWS deck.",
              "  Goddelijke Driehoek: Vuur > Water > Lucht > Aarde +  H-V-R-P > 1-10",
              "  Pentagram: Naar eigen inzicht."})
            QVERIFY2(lines.contains(QString::fromUtf8(line)), line);
        QVERIFY(lines[lines.indexOf("Bronnen:") + 1].startsWith("  "));
    }
};

QTEST_MAIN(TestCompanionWindows)
#include "test_companion_windows.moc"
