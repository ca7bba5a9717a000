#include "catalogue/card_texts.h"

#include <QtTest>

#include <QRegularExpression>

using namespace morvelin;

namespace {

const QStringList kSuits = {"Staven", "Bekers", "Zwaard", "Munten"};
const QStringList kElements = {"Fire", "Water", "Air", "Earth"};

} // namespace

class TestCardTexts : public QObject {
    Q_OBJECT

private slots:
    void rowsByNumber_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QStringList>("keywords"); // Rider Waite, Etteilla, Thierens
        QTest::addColumn<QString>("rwsAstro");
        QTest::addColumn<QString>("thierensAstro");
        QTest::addRow("1") << 1 << QStringList{"Leiding", "Vragensteller", "Persoonlijkheid"}
                           << "Mercury"
                           << "Ram";
        QTest::addRow("6") << 6 << QStringList{"Keuzes", "Nacht/Dag", "Werk"} << "Gemini"
                           << "Maagd";
        QTest::addRow("8") << 8 << QStringList{"Verantwoording", "Vragenstelster", "Seksualiteit"}
                           << "Leo"
                           << "Schorp.";
        QTest::addRow("32") << 32 << QStringList{"Dienstbaar", "Gezelschap", "Verantwoordelijkh."}
                            << "Jup in Leo"
                            << "Hs 10 Steenbok";
        QTest::addRow("55") << 55 << QStringList{"Ideeën", "Argwaan", "Vrijmaken"} << "Air"
                            << "Hs 01 Ram";
        QTest::addRow("73") << 73 << QStringList{"Zorgen", "Minnaar(es)", "Veroordeling"}
                            << "Mer in Tau"
                            << "Hs 09 Boogsch.";
        QTest::addRow("78") << 78 << QStringList{"Geluk", "De Dwaas", "Indiscretie"} << "Mer in Vir"
                            << "Hs 04 Kreeft";
    }
    void rowsByNumber()
    {
        QFETCH(int, card);
        QFETCH(QStringList, keywords);
        QFETCH(QString, rwsAstro);
        QFETCH(QString, thierensAstro);
        for (DeckId deck = 0; deck < kDeckCount; ++deck)
            QCOMPARE(DeckKeywords(deck, card), keywords[deck]);
        QCOMPARE(RwsAstro(card), rwsAstro);
        QCOMPARE(ThierensAstro(card), thierensAstro);
        QCOMPARE(AstroText(kRiderWaite, card), rwsAstro);
        QCOMPARE(AstroText(kThierens, card), thierensAstro);
        QVERIFY(!AstroText(kEtteilla, card).has_value());
    }

    // The Rider Waite minor arcana follow one pattern per rank: a slip in any row shows here.
    void rwsAstroOfMinorCards()
    {
        const QRegularExpression planetInSign(QStringLiteral("^[A-Z][a-z]{2} in [A-Z][a-z]{2}$"));
        for (CardNo card = 23; card <= kCardsPerDeck; ++card) {
            const QStringList words = CardName(kRiderWaite, card).split(QLatin1Char(' '));
            const QString element = kElements[kSuits.indexOf(words[0])];
            const QString astro = RwsAstro(card);
            if (words[1] == QLatin1String("Page"))
                QCOMPARE(astro, QStringLiteral("Ven - ") + element);
            else if (words[1] == QLatin1String("Aas"))
                QCOMPARE(astro, element);
            else if (words[1] == QLatin1String("Heer") || words[1] == QLatin1String("Vrouw")
                     || words[1] == QLatin1String("Ridder"))
                QVERIFY2(!astro.contains(QLatin1Char(' ')), qPrintable(astro));
            else
                QVERIFY2(planetInSign.match(astro).hasMatch(), qPrintable(astro));
        }
    }

    void thierensAstroOfMinorCards()
    {
        const QRegularExpression house(QStringLiteral("^Hs (0[1-9]|1[0-2]) \\S+$"));
        for (CardNo card = 23; card <= kCardsPerDeck; ++card)
            QVERIFY2(house.match(ThierensAstro(card)).hasMatch(), qPrintable(ThierensAstro(card)));
    }

    // 624 keywords, 617 distinct: exactly seven words stand on two cards.
    void rwsKeywordsRepeatOnlyWhereKnown()
    {
        QMap<QString, QList<int>> cardsOfWord;
        for (CardNo card = 1; card <= kCardsPerDeck; ++card) {
            QSet<QString> ofCard;
            for (int position = 1; position <= kRwsKeywordsPerCard; ++position) {
                const QString word = RwsKeywords(card, position);
                QVERIFY(!word.isEmpty() && !word.contains(QLatin1Char(' ')));
                ofCard.insert(word);
                cardsOfWord[word].append(card);
            }
            QCOMPARE(ofCard.size(), kRwsKeywordsPerCard);
        }
        QCOMPARE(cardsOfWord.size(), 617);

        QMap<QString, QList<int>> repeats;
        for (auto it = cardsOfWord.cbegin(); it != cardsOfWord.cend(); ++it) {
            if (it.value().size() > 1)
                repeats.insert(it.key(), it.value());
        }
        const QMap<QString, QList<int>> expected = {
            {"Communicatie", {1, 29}}, {"Carrière", {7, 32}}, {"Instorting", {16, 64}},
            {"Perfectie", {21, 69}},   {"Vertrek", {25, 48}}, {"Rivaliteit", {25, 31}},
            {"Alertheid", {29, 54}},
        };
        QCOMPARE(repeats, expected);
    }

    void rwsKeywordSamples()
    {
        QCOMPARE(RwsKeywords(1, 1), "Handelen");
        QCOMPARE(RwsKeywords(51, 8), "Zelfbeheersing");
        QCOMPARE(RwsKeywords(60, 2), "Ander_Werk");
        QCOMPARE(RwsKeywords(70, 8), "Hier-en-Nu");
        QCOMPARE(RwsKeywords(78, 8), "Onbezorgdheid");
    }

    void cardNumberCodes()
    {
        for (int n = 1; n <= kCardsPerDeck; ++n)
            QCOMPARE(CardNumberCodes(n), QStringLiteral(" %1").arg(n, 2, 10, QLatin1Char('0')));
        QCOMPARE(CardNumberCodes(1), " 01");
        QCOMPARE(CardNumberCodes(78), " 78");
    }

    // Analysis rows: 21 majors in their own order, the Fool, then Bekers, Munten, Staven, Zwaard.
    void analysisRows()
    {
        const QStringList majors = {
            "De Magiër",    "Hogepriesteres", "De Keizerin",   "De Heerser",    "De Hogepriester",
            "De Geliefden", "De Zegewagen",   "Gerechtigheid", "De Kluizenaar", "Rad v Fortuin",
            "De Kracht",    "De Gehangene",   "De Dood",       "Gematigdheid",  "De Duivel",
            "De Toren",     "De Ster",        "De Maan",       "De Zon",        "Het Oordeel",
            "De Wereld"};
        const QStringList ranks = {"Heer", "Vrouw", "Ridder", "Page",  "Aas",  "Twee",  "Drie",
                                   "Vier", "Vijf",  "Zes",    "Zeven", "Acht", "Negen", "Tien"};
        for (int row = 1; row <= 21; ++row) {
            QCOMPARE(AnalysisCardNames(row), majors[row - 1]);
            QCOMPARE(
                AnalysisCardLabels(row),
                QStringLiteral("%1) %2").arg(row, 2, 10, QLatin1Char('0')).arg(majors[row - 1]));
        }
        QCOMPARE(AnalysisCardNames(22), "De Dwaas");
        QCOMPARE(AnalysisCardLabels(22), "00) De Dwaas");

        int row = 23;
        for (const QString suit : {"Bekers", "Munten", "Staven", "Zwaard"}) {
            for (int rank = 0; rank < ranks.size(); ++rank, ++row) {
                QCOMPARE(AnalysisCardNames(row), suit + QLatin1Char(' ') + ranks[rank]);
                QString label;
                if (rank < 4)
                    label = QStringLiteral("%1 %2 %3").arg(suit).arg(14 - rank).arg(ranks[rank]);
                else if (rank == 4)
                    label = suit + QStringLiteral(" 01 Aas");
                else
                    label =
                        QStringLiteral("%1 %2").arg(suit).arg(rank - 3, 2, 10, QLatin1Char('0'));
                QCOMPARE(AnalysisCardLabels(row), label);
            }
        }
        QCOMPARE(AnalysisCardLabels(23), "Bekers 14 Heer");
        QCOMPARE(AnalysisCardLabels(78), "Zwaard 10");

        // Every analysis name is found in every deck.
        for (int r = 1; r <= kCardsPerDeck; ++r) {
            for (DeckId deck = 0; deck < kDeckCount; ++deck)
                QVERIFY(FindCardByName(deck, AnalysisCardNames(r)) > 0);
        }
    }

    void summaryGroupWords()
    {
        QStringList words;
        for (int i = 1; i <= kSummaryGroupCount; ++i)
            words << SummaryGroupWords(i);
        QCOMPARE(words, (QStringList{"Aas", " 02", " 03", " 04", " 05", " 06", " 07", " 08", " 09",
                                     " 10", ") ", "Heer", "Vrouw", "Ridder", "Page", "Bekers",
                                     "Munten", "Zwaard", "Staven"}));
    }
};

QTEST_GUILESS_MAIN(TestCardTexts)
#include "test_card_texts.moc"
