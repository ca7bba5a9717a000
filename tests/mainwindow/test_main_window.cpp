#include <QtTest>
class TestMainWindow : public QObject { Q_OBJECT };
QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
