// A window sees each key press once, before its controls, whatever its handling does to
// the focus meanwhile.

#include "common/key_preview.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

using namespace morvelin;

class TestKeyPreview : public QObject {
    Q_OBJECT

private slots:
    // Saving from the Pentagram opens a dialog, which takes the focus while the key is
    // still on its way up from the chooser: it must not ask a second time.
    void aPressTravellingUpIsPreviewedOnce_data()
    {
        QTest::addColumn<QString>("focusTo");
        QTest::addColumn<bool>("releasedInDialog");
        QTest::addRow("focus stays") << "inner" << false;
        QTest::addRow("focus gone") << "" << false;
        QTest::addRow("focus to a control beside") << "beside" << false;
        QTest::addRow("a dialog took the focus and the release") << "" << true;
    }
    void aPressTravellingUpIsPreviewedOnce()
    {
        QFETCH(QString, focusTo);
        QFETCH(bool, releasedInDialog);
        QWidget window;
        QWidget dialog;
        auto *middle = new QWidget(&window);
        auto *inner = new QWidget(middle);
        auto *beside = new QWidget(&window);
        inner->setObjectName("inner");
        beside->setObjectName("beside");
        for (QWidget *control : {inner, beside})
            control->setFocusPolicy(Qt::StrongFocus);
        int previewed = 0;
        KeyPreview preview(&window, [&](QKeyEvent *) {
            ++previewed;
            if (QWidget *to = window.findChild<QWidget *>(focusTo))
                to->setFocus();
            else
                inner->clearFocus();
            if (releasedInDialog)
                QTest::keyRelease(&dialog, Qt::Key_Control);
            // Left to the controls, which ignore it: it travels on to their parents.
            return false;
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        inner->setFocus();

        QTest::keyClick(inner, Qt::Key_Control);
        QCOMPARE(previewed, 1);
        // The next press is a press of its own, though it may lie where the last one lay.
        inner->setFocus();
        QTest::keyClick(inner, Qt::Key_Control);
        QCOMPARE(previewed, 2);
    }
};

QTEST_MAIN(TestKeyPreview)
#include "test_key_preview.moc"
