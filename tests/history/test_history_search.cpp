// Finding saved spreads by words, card, deck and dates.

#include "history/history_search.h"

#include <QtTest>

using namespace morvelin;

namespace {

const QStringList kHistory = {
    "31.dec.25 (Financiën en werk) [0] 05 17 78", // 0: Rider Waite, De Hogepriester
    "01.jan.26 (KRACHT gevonden) [1] 11 02 03",   // 1: Etteilla 11 = De Kracht
    "15.Jan.26 (rust) [0] 08 30 40",              // 2: Rider Waite 08 = De Kracht, English month
    "15.jan.26 (financien, weer) [2] 01 02 03",   // 3: Thierens
    "16.mrt.26 (zomaar) [0] 01 02 03",            // 4: Dutch March
    "hand geschreven",                            // 5: not in the saved format
    "01.jan.70 (lang geleden) [0] 01 02 03",      // 6: 1970 by the POSIX rule
    "01.jan.68 (later) [0] 01 02 03",             // 7: 2068
};

QList<int> Find(const SearchQuery &query)
{
    return HistorySearch(kHistory, HistoryDateReader()).find(query);
}

} // namespace

class TestHistorySearch : public QObject {
    Q_OBJECT

private slots:
    void folding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::addRow("accents") << "Financiën één"
                                 << "financien een";
        QTest::addRow("case") << "KRACHT"
                              << "kracht";
        QTest::addRow("plain") << "rust"
                               << "rust";
        // Folded in pieces, for speed: no accent or pair is lost where a piece ends.
        const QString accented = QString::fromUtf8("é\U0001F31Fe\u0301").repeated(200);
        QTest::addRow("a long comment")
            << accented << QString::fromUtf8("e\U0001F31Fe").repeated(200);
    }
    void folding()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(FoldForSearch(text), folded);
    }

    void filters_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("card");
        QTest::addColumn<int>("deck");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QList<int>>("found");
        const QDate any;
        QTest::addRow("nothing asked finds all")
            << ""
            << "" << -1 << any << any << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::addRow("accents and case ignored") << "financien"
                                                  << "" << -1 << any << any << QList<int>{0, 3};
        QTest::addRow("word in capitals") << "kracht"
                                          << "" << -1 << any << any << QList<int>{1};
        QTest::addRow("every word, in any order") << "  werk   FINANCIEN "
                                                  << "" << -1 << any << any << QList<int>{0};
        QTest::addRow("a word only one of them has") << "werk rust"
                                                     << "" << -1 << any << any << QList<int>{};
        QTest::addRow("a line without comment is searched whole")
            << "geschreven"
            << "" << -1 << any << any << QList<int>{5};
        QTest::addRow("a card by name across decks")
            << ""
            << "De Kracht" << -1 << any << any << QList<int>{1, 2};
        QTest::addRow("card and deck") << ""
                                       << "De Kracht" << 0 << any << any << QList<int>{2};
        QTest::addRow("deck alone") << ""
                                    << "" << 2 << any << any << QList<int>{3};
        QTest::addRow("last day included")
            << ""
            << "" << -1 << QDate(2026, 1, 1) << QDate(2026, 1, 15) << QList<int>{1, 2, 3};
        QTest::addRow("first day included")
            << ""
            << "" << -1 << QDate(2026, 1, 15) << any << QList<int>{2, 3, 4, 7};
        QTest::addRow("POSIX years") << ""
                                     << "" << -1 << any << QDate(1999, 12, 31) << QList<int>{6};
        QTest::addRow("words and dates") << "financien"
                                         << "" << -1 << QDate(2026, 1, 1) << any << QList<int>{3};
        QTest::addRow("no such card") << ""
                                      << "Geen Kaart" << -1 << any << any << QList<int>{};
    }
    void filters()
    {
        QFETCH(QString, words);
        QFETCH(QString, card);
        QFETCH(int, deck);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QList<int>, found);
        SearchQuery query{words, card, std::nullopt, std::nullopt, std::nullopt};
        if (deck >= 0)
            query.deck = deck;
        if (from.isValid())
            query.from = from;
        if (to.isValid())
            query.to = to;
        QCOMPARE(Find(query), found);
    }

    void daysAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("day");
        QTest::addRow("dd-mm-jjjj") << "09-12-2026" << QDate(2026, 12, 9);
        QTest::addRow("one digit, blanks around") << " 9-1-2026 " << QDate(2026, 1, 9);
        QTest::addRow("full stops") << "29.02.2024" << QDate(2024, 2, 29);
        QTest::addRow("no such day") << "29-02-2026" << QDate();
        QTest::addRow("two-digit year") << "09-12-26" << QDate();
        QTest::addRow("half typed") << "09-1" << QDate();
        QTest::addRow("day and month swapped by order") << "12-31-2026" << QDate();
    }
    void daysAsTyped()
    {
        QFETCH(QString, text);
        QFETCH(QDate, day);
        QCOMPARE(ReadDayText(text).value_or(QDate()), day);
    }

    void summaries_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("summary");
        QTest::addRow("saved") << 1
                               << QString("01-01-2026   KRACHT gevonden   \u2014   De Kracht, "
                                          "De Zon, De Maan (Etteilla)");
        QTest::addRow("as it stands") << 5 << QString("hand geschreven");
    }
    void summaries()
    {
        QFETCH(int, line);
        QFETCH(QString, summary);
        const HistorySearch search(kHistory, HistoryDateReader());
        QCOMPARE(ReadingSummary(search.reading(line)), summary);
    }

    void readingsSayWhatTheLineHolds()
    {
        const HistorySearch search(kHistory, HistoryDateReader());
        const HistoryReading &saved = search.reading(4);
        QCOMPARE(saved.date, QDate(2026, 3, 16));
        QCOMPARE(saved.comment, "zomaar");
        QCOMPARE(saved.spread->deck, 0);
        const HistoryReading &hand = search.reading(5);
        QVERIFY(!hand.date && !hand.comment && !hand.spread);
        QCOMPARE(hand.line, "hand geschreven");
    }
};

QTEST_GUILESS_MAIN(TestHistorySearch)
#include "test_history_search.moc"
