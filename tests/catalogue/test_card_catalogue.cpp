#include <QtTest>
class TestCardCatalogue : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TestCardCatalogue)
#include "test_card_catalogue.moc"
