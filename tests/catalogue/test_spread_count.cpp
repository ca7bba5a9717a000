#include <QtTest>
class TestSpreadCount : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TestSpreadCount)
#include "test_spread_count.moc"
