// The chance baseline over the history lines: which lines are its questions, the readings
// behind a card, and the Dutch sentences, shares and table the insight window shows.

#include "analysis/card_tally.h"
#include "analysis/chance_sample.h"
#include "analysis/chance_texts.h"
#include "catalogue/card_texts.h"
#include "history/history_reading.h"

#include <QtTest>

#include <random>

using namespace morvelin;

namespace {

// Every card equally often: question q holds rows 3q+1, 3q+2, 3q+3 (wrapping at 78), so
// each run of 26 questions shows all 78 cards once.
std::vector<QuestionCards> EvenHistory(int questions)
{
    std::vector<QuestionCards> history;
    for (int q = 0; q < questions; ++q)
        history.push_back({3 * q % 78 + 1, (3 * q + 1) % 78 + 1, (3 * q + 2) % 78 + 1});
    return history;
}

// 365 questions in which De Toren (row 16) came up 29 times: far more than chance explains.
std::vector<QuestionCards> TorenHistory()
{
    std::vector<QuestionCards> history = EvenHistory(365);
    for (int q = 6; q < 21; ++q)
        history[q][0] = 16;
    return history;
}

// De Toren in every other question, De Hogepriester (row 5) never, the other cards in turn.
std::vector<QuestionCards> LeaningHistory()
{
    std::vector<int> others;
    for (int row = 1; row <= 78; ++row) {
        if (row != 16 && row != 5)
            others.push_back(row);
    }
    std::vector<QuestionCards> history;
    std::size_t next = 0;
    const auto another = [&] { return others[next++ % others.size()]; };
    for (int q = 0; q < 364; ++q) {
        const int first = q % 2 == 0 ? 16 : another();
        const int second = another();
        history.push_back({first, second, another()});
    }
    return history;
}

QStringList Split(const QString &table)
{
    return table.split(QStringLiteral("\r\n"));
}

} // namespace

class TestChanceSample : public QObject {
    Q_OBJECT

private slots:
    void theQuestionsOfAPeriod_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QList<int>>("indexes");
        QTest::addColumn<int>("leftOut");
        const QStringList history{
            "09.dec.26 (De Magiër,Staven Twee,De Zon) [0] 01 28 19",
            "10.dec.26 (...) [1] 01 28 19",
            "11.dec.26 (met de hand) [0] 01 28",
            "12.dec.26 (kaart 99) [0] 01 28 99",
            "01.jan.25 (oude code) [5] 01 02 03",
            "",
            "1.jan.25 (maand te kort) [0] 04 05 06",
        };
        QTest::addRow("all years") << history << "" << QList<int>{0, 1, 4, 6} << 3;
        QTest::addRow("year 26") << history << "26" << QList<int>{0, 1} << 2;
        QTest::addRow("year 25: a short date is in no year")
            << history << "25" << QList<int>{4} << 0;
        QTest::addRow("a year without lines") << history << "24" << QList<int>{} << 0;
        QTest::addRow("no history") << QStringList{} << "" << QList<int>{} << 0;
    }
    void theQuestionsOfAPeriod()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, year);
        QFETCH(QList<int>, indexes);
        QFETCH(int, leftOut);
        const std::optional<QStringView> period =
            year.isEmpty() ? std::nullopt : std::optional<QStringView>(year);
        const ChanceSample sample = CollectQuestions(lines, period);
        QCOMPARE(QList<int>(sample.lineIndexes.begin(), sample.lineIndexes.end()), indexes);
        QCOMPARE(sample.leftOut, leftOut);
        // The analysis counts the same cards; only its lines without cards are left out here.
        const CardTally tally = TallyCards(lines, period);
        QCOMPARE(int(sample.questions.size()), tally.questions - leftOut);
        const ChanceReport report = AssessChance(sample.questions);
        for (int row = 1; row <= 78; ++row)
            QCOMPARE(report.cards[row - 1].observed, tally.count(row));
    }

    void theCardsOfALineAreItsDeck_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("names");
        QTest::addRow("Rider Waite")
            << "09.dec.26 (...) [0] 01 28 19" << QStringList{"De Magiër", "Staven Twee", "De Zon"};
        QTest::addRow("Etteilla") << "09.dec.26 (...) [1] 01 28 19"
                                  << QStringList{"De Hogepriester", "Staven Acht", "De Toren"};
        QTest::addRow("older code is Rider Waite")
            << "09.dec.26 (...) [7] 08 11 78"
            << QStringList{"De Kracht", "Gerechtigheid", "Munten Tien"};
    }
    void theCardsOfALineAreItsDeck()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, names);
        const ChanceSample sample = CollectQuestions({line});
        QCOMPARE(sample.questions.size(), std::size_t(1));
        QStringList found;
        for (const int row : sample.questions.front())
            found << AnalysisCardNames(row);
        QCOMPARE(found, names);
    }

    void theReadingsBehindACard()
    {
        const QStringList lines{
            "01.jan.26 (een) [0] 01 02 03",       "02.jan.26 (geen) [0] 04 05 06",
            "03.jan.26 (twee keer) [0] 01 01 07", "kapot",
            "04.jan.26 (Thierens) [2] 01 09 10",  "05.jan.25 (ander jaar) [0] 01 11 12",
        };
        const ChanceSample year26 = CollectQuestions(lines, u"26");
        // De Magiër: 01 in Rider Waite and in Thierens; once for the line that names it twice.
        QCOMPARE(LinesWithCard(year26, 1), (std::vector<int>{0, 2, 4}));
        QCOMPARE(LinesWithCard(CollectQuestions(lines), 1), (std::vector<int>{0, 2, 4, 5}));
        QCOMPARE(LinesWithCard(year26, 78), std::vector<int>{});

        // Over a random history every card has as many readings as its count.
        std::mt19937 random(5);
        QStringList history;
        for (int q = 0; q < 500; ++q)
            history << QStringLiteral("01.jan.26 (...) [%1] %2 %3 %4")
                           .arg(int(random() % 3))
                           .arg(int(random() % 78 + 1), 2, 10, QLatin1Char('0'))
                           .arg(int(random() % 78 + 1), 2, 10, QLatin1Char('0'))
                           .arg(int(random() % 78 + 1), 2, 10, QLatin1Char('0'));
        const ChanceSample sample = CollectQuestions(history);
        const ChanceReport report = AssessChance(sample.questions);
        for (int row = 1; row <= 78; ++row)
            QCOMPARE(int(LinesWithCard(sample, row).size()), report.cards[row - 1].observed);
    }

    void numbersWithADecimalComma_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addRow("expected count") << DecimalCommaText(365 * 3.0 / 78, 1) << "14,0";
        QTest::addRow("deviation") << DecimalCommaText(3.674, 1) << "3,7";
        QTest::addRow("no thousands separator") << DecimalCommaText(3846.154, 2) << "3846,15";
        QTest::addRow("p") << PValueText(0.045712) << "0,04571";
        QTest::addRow("tiny p") << PValueText(1.2345e-7) << "1,235E-07";
        QTest::addRow("p of one") << PValueText(1.0) << "1";
    }
    void numbersWithADecimalComma()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void whatStandsOut_data()
    {
        QTest::addColumn<int>("history");
        QTest::addColumn<QStringList>("sentences");
        QTest::addColumn<QString>("whole");
        QTest::addRow("one card more often")
            << 0
            << QStringList{"De Toren: verwacht 14,0 (±3,7), gekomen 29 — vaker dan toeval "
                           "verklaart"}
            << "niet ongewoon; bij eerlijk schudden lopen de aantallen in 100 van de 100 "
               "gevallen even ver of verder uiteen. Wat opvalt, zit in die ene kaart hierboven";
        QTest::addRow("more first, then less")
            << 1
            << QStringList{"De Toren: verwacht 14,0 (±3,7), gekomen 182 — vaker dan toeval "
                           "verklaart",
                           "De Hogepriester: verwacht 14,0 (±3,7), gekomen 0 — minder vaak dan "
                           "toeval verklaart"}
            << "verder uiteen dan toeval verklaart; bij eerlijk schudden gebeurt dat maar in "
               "minder dan 1 van de 1000 gevallen.";
        QTest::addRow("nothing stands out")
            << 2 << QStringList{"Geen enkele kaart komt vaker of minder vaak dan toeval verklaart."}
            << "niet ongewoon; bij eerlijk schudden lopen de aantallen in 100 van de 100 gevallen "
               "even ver of verder uiteen.";
        QTest::addRow("a little in many cards")
            << 3 << QStringList{"Geen enkele kaart komt vaker of minder vaak dan toeval verklaart."}
            << "verder uiteen dan toeval verklaart; bij eerlijk schudden gebeurt dat maar in "
               "minder dan 1 van de 1000 gevallen. Geen kaart valt op zichzelf op";
        QTest::addRow("too few questions")
            << 4
            << QStringList{"Te weinig vragen om te oordelen: pas vanaf 26 vragen komt elke kaart "
                           "naar verwachting minstens één keer."}
            << "";
    }
    void whatStandsOut()
    {
        QFETCH(int, history);
        QFETCH(QStringList, sentences);
        QFETCH(QString, whole);
        // Half the cards 19 times, the other half 9 times: each within chance on its own.
        std::vector<int> halves;
        for (int round = 0; round < 19; ++round) {
            for (int row = 1; row <= (round < 9 ? 78 : 39); ++row)
                halves.push_back(row);
        }
        std::vector<QuestionCards> apart;
        for (std::size_t k = 0; k + 2 < halves.size(); k += 3)
            apart.push_back({halves[k], halves[k + 1], halves[k + 2]});
        const std::vector<QuestionCards> histories[] = {
            TorenHistory(), LeaningHistory(), EvenHistory(364), apart,
            std::vector<QuestionCards>(25, QuestionCards{16, 1, 2})};
        const ChanceReport report = AssessChance(histories[history]);
        QCOMPARE(FlaggedCardSentences(report), sentences);
        const QString sentence = WholeSpreadSentence(report);
        QVERIFY2(whole.isEmpty() ? sentence.isEmpty() : sentence.contains(whole),
                 qPrintable(sentence));
    }

    void theCardLineSaysWhenThereAreTooFew()
    {
        const ChanceReport few = AssessChance(std::vector<QuestionCards>(25, {16, 1, 2}));
        QCOMPARE(CardDescription(few, 16),
                 "De Toren: verwacht 1,0 (±1,0), gekomen 25 — te weinig vragen om te oordelen");
        QCOMPARE(CardDescription(AssessChance(TorenHistory()), 17),
                 "De Ster: verwacht 14,0 (±3,7), gekomen 14 — binnen toeval");
    }

    void groupSharesAndTheHeading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addRow("group share")
            << GroupShareSentence({QStringLiteral("Grote Arcana"), 342, 0.3124, 22.0 / 78})
            << "Grote Arcana: 31,2 % (verwacht 28,2 %)";
        QTest::addRow("a year") << SampleHeading(365, 0, u"26") << "365 vragen, jaar 26";
        QTest::addRow("one of each")
            << SampleHeading(1, 1, std::nullopt)
            << "1 vraag, alle jaren (1 regel zonder leesbare kaarten niet meegeteld)";
        QTest::addRow("lines left out")
            << SampleHeading(1095, 3, std::nullopt)
            << "1095 vragen, alle jaren (3 regels zonder leesbare kaarten niet meegeteld)";
    }
    void groupSharesAndTheHeading()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void theTableForASpreadsheet()
    {
        const ChanceReport report = AssessChance(TorenHistory());
        const QStringList lines = Split(ChanceTable(report));
        // A heading, the 78 cards, and the CR LF after the last one.
        QCOMPARE(lines.size(), 80);
        QCOMPARE(lines.last(), "");
        QCOMPARE(lines.first(), "Kaart\tGekomen\tVerwacht\tp\tOordeel");
        QCOMPARE(lines.at(16), "De Toren\t29\t14,04\t0,0002268\tvaker dan toeval verklaart");
        QCOMPARE(lines.at(78), "Zwaard Tien\t14\t14,04\t0,5873\tbinnen toeval");
        for (const QString &line : lines.mid(1, 78)) {
            const QStringList fields = line.split(u'\t');
            QCOMPARE(fields.size(), 5);
            QVERIFY2(!fields.at(2).contains(u'.') && !fields.at(3).contains(u'.'),
                     qPrintable(line));
            QVERIFY(!line.contains(u'\r') && !line.contains(u'\n'));
        }
        // A card below its expected count shows the tail on its own side, among the places
        // De Toren left the others.
        QCOMPARE(lines.at(19), "De Zon\t13\t14,04\t0,4793\tbinnen toeval");

        const QStringList few = Split(ChanceTable(AssessChance(EvenHistory(25))));
        QVERIFY(few.at(1).endsWith("\tte weinig vragen om te oordelen"));
    }

    void aReadingAsItsListShowsIt_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        QTest::addRow("date and comment") << "09.dec.26 (Werk en liefde) [0] 05 17 78"
                                          << "09-12-2026  Werk en liefde";
        QTest::addRow("empty comment") << "01.mrt.25 (...) [1] 05 17 78"
                                       << "01-03-2025  ...";
        QTest::addRow("no date") << "99.xyz.26 (feest) [0] 05 17 78"
                                 << "99.xyz.26  feest";
        QTest::addRow("no comment where a save puts it") << "09.dec.26 Werk [0] 05 17 78"
                                                         << "09.dec.26 Werk [0] 05 17 78";
    }
    void aReadingAsItsListShowsIt()
    {
        QFETCH(QString, line);
        QFETCH(QString, shown);
        QCOMPARE(ReadingText(ReadHistoryLine(line, HistoryDateReader())), shown);
    }
};

QTEST_GUILESS_MAIN(TestChanceSample)
#include "test_chance_sample.moc"
