// The history line: how a save writes it and how opening and editing take it apart.

#include "common/list_date.h"
#include "history/history_line.h"

#include <QtTest>

using namespace morvelin;

namespace {

MonthNames DutchNames()
{
    return {"jan.", "feb.", "mrt.", "apr.", "mei",  "jun.",
            "jul.", "aug.", "sep.", "okt.", "nov.", "dec."};
}

HistoryEntry Entry(const QString &comment, DeckId deck = 0,
                   std::array<CardNo, 3> cards = {5, 17, 78})
{
    return {QDate(2026, 12, 9), comment, deck, cards};
}

} // namespace

class TestHistoryLine : public QObject {
    Q_OBJECT

private slots:
    void theExampleLineAndItsParts()
    {
        const QString line = ComposeHistoryLine(Entry("Werk en liefde"), DutchNames());
        QCOMPARE(line, "09.dec.26 (Werk en liefde) [0] 05 17 78");
        QCOMPARE(line.size(), 39);
        const auto parts = SplitHistoryLine(line);
        QVERIFY(parts);
        QCOMPARE(parts->head, "09.dec.26 (");
        QCOMPARE(parts->comment, "Werk en liefde");
        QCOMPARE(parts->tail, ") [0] 05 17 78");
        const Result<HistoryCode> code = ParseHistoryCode(line);
        QVERIFY(code);
        QCOMPARE(code->deckCode, 0);
        QCOMPARE(code->cards, (std::array<int, 3>{5, 17, 78}));
    }

    void comments_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("stored");
        QTest::addRow("empty") << ""
                               << "...";
        QTest::addRow("80 kept") << QString(80, 'a') << QString(80, 'a');
        QTest::addRow("81 cut") << QString(81, 'b') << QString(80, 'b');
        QTest::addRow("200 cut") << QString(200, 'c') << QString(80, 'c');
        QTest::addRow("brackets kept") << "(a) [2] b]"
                                       << "(a) [2] b]";
        QTest::addRow("line breaks become one space") << "een\r\ntwee\ndrie\tvier"
                                                      << "een twee drie vier";
        QTest::addRow("only breaks") << "\r\n"
                                     << " ";
        QTest::addRow("no pair cut in half")
            << QString(79, 'd') + QString::fromUcs4(U"\U0001F31F") << QString(79, 'd');
        // Half a pair could not be written as it stands: the line would change on disk.
        QTest::addRow("half a pair replaced")
            << QStringLiteral("a") + QChar(0xDE00) + u'b' + QChar(0xD83C)
            << QStringLiteral("a\uFFFDb\uFFFD");
        QTest::addRow("a whole pair kept")
            << QString::fromUcs4(U"\U0001F31F") << QString::fromUcs4(U"\U0001F31F");
    }
    void comments()
    {
        QFETCH(QString, comment);
        QFETCH(QString, stored);
        const QString line = ComposeHistoryLine(Entry(comment), DutchNames());
        QCOMPARE(line, "09.dec.26 (" + stored + ") [0] 05 17 78");
        // Whatever the comment held, the code still opens the spread.
        const Result<SavedSpread> spread = ReadSavedSpread(line);
        QVERIFY(spread);
        QCOMPARE(spread->cards, (std::array<CardNo, 3>{5, 17, 78}));
        QCOMPARE(SplitHistoryLine(line)->comment, stored);
    }

    void cardsAndDecksInTheCode()
    {
        QCOMPARE(ComposeHistoryLine(Entry("x", 2, {1, 9, 10}), DutchNames()),
                 "09.dec.26 (x) [2] 01 09 10");
        QCOMPARE(ComposeHistoryLine(Entry("x", 1, {0, 0, 0}), DutchNames()),
                 "09.dec.26 (x) [1] 00 00 00");
    }

    void readSavedSpread_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("deck");
        QTest::addColumn<QString>("error");
        QTest::addRow("deck 2") << "09.dec.26 (x) [2] 01 28 19" << 2 << "";
        QTest::addRow("old deck 5 opens Rider Waite") << "01.jan.99 (x) [5] 01 28 19" << 0 << "";
        QTest::addRow("just the code") << "1] 78 01 02" << 1 << "";
        QTest::addRow("letter in a card")
            << "09.dec.26 (x) [0] 0a 17 78" << -1 << "'0a' is not a valid integer value";
        QTest::addRow("letter as deck")
            << "09.dec.26 (x) [R] 05 17 78" << -1 << "'R' is not a valid integer value";
        QTest::addRow("blank in a card")
            << "09.dec.26 (x) [0] 05  7 78" << -1 << "' 7' is not a valid integer value";
        QTest::addRow("sign in a card")
            << "09.dec.26 (x) [0] 05 -7 78" << -1 << "'-7' is not a valid integer value";
        QTest::addRow("short line") << "0] 05" << -1 << "'' is not a valid integer value";
        QTest::addRow("empty line") << "" << -1 << "'' is not a valid integer value";
        QTest::addRow("card 00 refused") << "09.dec.26 (x) [0] 00 17 78" << -1
                                         << "De code '0] 00 17 78' is niet te openen: "
                                            "kaartnummers lopen van 01 tot 78.";
        QTest::addRow("card 79 refused") << "09.dec.26 (x) [1] 05 79 78" << -1
                                         << "De code '1] 05 79 78' is niet te openen: "
                                            "kaartnummers lopen van 01 tot 78.";
    }
    void readSavedSpread()
    {
        QFETCH(QString, line);
        QFETCH(int, deck);
        QFETCH(QString, error);
        const Result<SavedSpread> spread = ReadSavedSpread(line);
        QCOMPARE(spread.error(), error);
        if (deck >= 0)
            QCOMPARE(spread->deck, deck);
    }

    void splitNeedsTwentyFiveCharacters_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("split");
        QTest::addRow("24") << QString(24, 'x') << false;
        QTest::addRow("25, empty comment") << "09.dec.26 () [0] 05 17 78" << true;
        QTest::addRow("empty") << QString() << false;
    }
    void splitNeedsTwentyFiveCharacters()
    {
        QFETCH(QString, line);
        QFETCH(bool, split);
        const auto parts = SplitHistoryLine(line);
        QCOMPARE(parts.has_value(), split);
        if (parts)
            QCOMPARE(parts->head + parts->comment + parts->tail, line);
    }

    // The comment editor keeps the first 11 and the last 14 characters as they were.
    void editedComments_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("edited");
        const QString line = "09.dec.26 (Werk en liefde) [0] 05 17 78";
        QTest::addRow("new text") << line << "Reis"
                                  << "09.dec.26 (Reis) [0] 05 17 78";
        QTest::addRow("empty") << line << ""
                               << "09.dec.26 (...) [0] 05 17 78";
        QTest::addRow("line breaks become spaces") << line << "een\ntwee\r\n"
                                                   << "09.dec.26 (een twee ) [0] 05 17 78";
        QTest::addRow("not cut") << line << QString(120, 'z')
                                 << "09.dec.26 (" + QString(120, 'z') + ") [0] 05 17 78";
        QTest::addRow("shortest saved line") << "09.dec.26 () [2] 01 02 03"
                                             << "x"
                                             << "09.dec.26 (x) [2] 01 02 03";
        QTest::addRow("hand-edited short line") << "09.dec.26 [2] 01 02 03"
                                                << "x" << QString();
    }
    void editedComments()
    {
        QFETCH(QString, line);
        QFETCH(QString, answer);
        QFETCH(QString, edited);
        const std::optional<QString> replaced = ReplaceHistoryComment(line, answer);
        QCOMPARE(replaced.has_value(), !edited.isNull());
        if (replaced)
            QCOMPARE(*replaced, edited);
    }

    void monthNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addRow("Dutch with its full stop") << "dec."
                                                  << "09.dec.26";
        QTest::addRow("English") << "Dec"
                                 << "09.Dec.26";
        QTest::addRow("four letters cut") << "Dez.."
                                          << "09.Dez.26";
        QTest::addRow("long name cut") << "desember"
                                       << "09.des.26";
        QTest::addRow("too short takes English") << "d."
                                                 << "09.Dec.26";
    }
    void monthNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, date);
        MonthNames names = DutchNames();
        names[11] = name;
        QCOMPARE(FormatListDate(QDate(2026, 12, 9), names), date);
        // The year always stands at characters 8 and 9.
        QCOMPARE(FormatListDate(QDate(2007, 12, 31), names).mid(7, 2), "07");
    }

    void localeNamesOfTheSystem()
    {
        const MonthNames dutch = LocaleMonthNames(QLocale(QLocale::Dutch, QLocale::Netherlands));
        QCOMPARE(FormatListDate(QDate(2026, 3, 1), dutch), "01.mrt.26");
        QCOMPARE(FormatListDate(QDate(2026, 5, 1), dutch), "01.mei.26");
    }
};

QTEST_GUILESS_MAIN(TestHistoryLine)
#include "test_history_line.moc"
