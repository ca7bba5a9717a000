#include <QtTest>
class TestCompanionWindows : public QObject { Q_OBJECT };
QTEST_MAIN(TestCompanionWindows)
#include "test_companion_windows.moc"
