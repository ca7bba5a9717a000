#include <QtTest>
class TestCardTexts : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TestCardTexts)
#include "test_card_texts.moc"
