#include "catalogue/card_catalogue.h"

#include <QtTest>

#include <algorithm>

using namespace morvelin;

namespace {

const QStringList kSuits = {"Staven", "Bekers", "Zwaard", "Munten"};
const QStringList kPipRanks = {"Aas", "Twee",  "Drie", "Vier",  "Vijf",
                               "Zes", "Zeven", "Acht", "Negen", "Tien"};
const QStringList kCourtRanks = {"Heer", "Vrouw", "Ridder", "Page"};

// The list value recomputed from a card's name and number, independent of the table.
int ValueByRule(const QString &name, CardNo card)
{
    const QStringList words = name.split(QLatin1Char(' '));
    if (words.size() == 2 && kSuits.contains(words[0])) {
        if (kCourtRanks.contains(words[1]))
            return 0;
        return int(kPipRanks.indexOf(words[1])) + 1;
    }
    return name == QLatin1String("De Dwaas") ? 22 : card;
}

// The minor cards of a deck: each suit in turn, its ranks in the deck's order.
QStringList Minors(const QStringList &suits, const QStringList &ranks)
{
    QStringList names;
    for (const QString &suit : suits) {
        for (const QString &rank : ranks)
            names << suit + QLatin1Char(' ') + rank;
    }
    return names;
}

QStringList NamesOf(DeckId deck)
{
    QStringList names;
    for (CardNo card = 1; card <= kCardsPerDeck; ++card)
        names << CardName(deck, card);
    return names;
}

} // namespace

class TestCardCatalogue : public QObject {
    Q_OBJECT

private slots:
    void namesAndValues_data()
    {
        QTest::addColumn<int>("deck");
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::addRow("RWS 8 is De Kracht") << 0 << 8 << "De Kracht" << 8;
        QTest::addRow("RWS 11 is Gerechtigheid") << 0 << 11 << "Gerechtigheid" << 11;
        QTest::addRow("Thierens 8 is Gerechtigheid") << 2 << 8 << "Gerechtigheid" << 8;
        QTest::addRow("Thierens 11 is De Kracht") << 2 << 11 << "De Kracht" << 11;
        QTest::addRow("RWS Fool") << 0 << 22 << "De Dwaas" << 22;
        QTest::addRow("Etteilla Fool") << 1 << 78 << "De Dwaas" << 22;
        QTest::addRow("Thierens Fool") << 2 << 22 << "De Dwaas" << 22;
        QTest::addRow("Etteilla 1 is De Hogepriester") << 1 << 1 << "De Hogepriester" << 1;
        QTest::addRow("Etteilla 15 is De Magiër") << 1 << 15 << "De Magiër" << 15;
        QTest::addRow("RWS court") << 0 << 23 << "Staven Heer" << 0;
        QTest::addRow("Etteilla court") << 1 << 25 << "Staven Page" << 0;
        QTest::addRow("Thierens court") << 2 << 78 << "Zwaard Ridder" << 0;
        QTest::addRow("RWS last") << 0 << 78 << "Munten Tien" << 10;
        QTest::addRow("Etteilla pip") << 1 << 26 << "Staven Tien" << 10;
        QTest::addRow("Thierens pip") << 2 << 37 << "Munten Aas" << 1;
    }
    void namesAndValues()
    {
        QFETCH(int, deck);
        QFETCH(int, card);
        QFETCH(QString, name);
        QFETCH(int, value);
        QCOMPARE(CardName(deck, card), name);
        QCOMPARE(ListValue(deck, card), value);
        QCOMPARE(FindCardByName(deck, name), card);
    }

    void noCardHasNoValue()
    {
        for (DeckId deck = 0; deck < kDeckCount; ++deck)
            QCOMPARE(ListValue(deck, 0), 0);
    }

    // Each deck's names are a permutation of the same 78 distinct names.
    void decksHoldTheSameNames()
    {
        QStringList reference = NamesOf(kRiderWaite);
        reference.sort();
        QCOMPARE(reference.removeDuplicates(), 0);
        QCOMPARE(reference.size(), 78);
        for (DeckId deck : {kEtteilla, kThierens}) {
            QStringList names = NamesOf(deck);
            names.sort();
            QCOMPARE(names, reference);
        }
    }

    void valuesFollowTheRule()
    {
        for (DeckId deck = 0; deck < kDeckCount; ++deck) {
            for (CardNo card = 1; card <= kCardsPerDeck; ++card) {
                const QString name = CardName(deck, card);
                QVERIFY2(
                    ListValue(deck, card) == ValueByRule(name, card),
                    qPrintable(QStringLiteral("deck %1 card %2 %3").arg(deck).arg(card).arg(name)));
            }
        }
    }

    // Each deck's order rebuilt on its own: the major arcana written out, the minor cards
    // from the deck's suit and rank order. A swap of two cards, even of equal value, shows.
    void deckOrders_data()
    {
        QTest::addColumn<int>("deck");
        QTest::addColumn<QStringList>("order");
        const QStringList rwsMajors = {
            "De Magiër",     "Hogepriesteres", "De Keizerin", "De Heerser",    "De Hogepriester",
            "De Geliefden",  "De Zegewagen",   "De Kracht",   "De Kluizenaar", "Rad v Fortuin",
            "Gerechtigheid", "De Gehangene",   "De Dood",     "Gematigdheid",  "De Duivel",
            "De Toren",      "De Ster",        "De Maan",     "De Zon",        "Het Oordeel",
            "De Wereld",     "De Dwaas"};
        const QStringList etteillaMajors = {
            "De Hogepriester", "De Zon",       "De Maan",        "De Ster",       "De Wereld",
            "De Keizerin",     "De Heerser",   "Hogepriesteres", "Gerechtigheid", "Gematigdheid",
            "De Kracht",       "De Gehangene", "De Geliefden",   "De Duivel",     "De Magiër",
            "Het Oordeel",     "De Dood",      "De Kluizenaar",  "De Toren",      "Rad v Fortuin",
            "De Zegewagen"};
        const QStringList thierensMajors = {
            "De Magiër",    "Hogepriesteres", "De Keizerin",   "De Heerser",    "De Hogepriester",
            "De Geliefden", "De Zegewagen",   "Gerechtigheid", "De Kluizenaar", "Rad v Fortuin",
            "De Kracht",    "De Gehangene",   "De Dood",       "Het Oordeel",   "De Duivel",
            "De Maan",      "De Ster",        "Gematigdheid",  "De Zon",        "De Toren",
            "De Wereld",    "De Dwaas"};
        QStringList pipsDown = kPipRanks;
        std::reverse(pipsDown.begin(), pipsDown.end());

        QTest::addRow("Rider Waite")
            << 0
            << rwsMajors
                   + Minors({"Staven", "Bekers", "Zwaard", "Munten"}, kCourtRanks + kPipRanks);
        QTest::addRow("Etteilla") << 1
                                  << etteillaMajors
                                         + Minors({"Staven", "Bekers", "Zwaard", "Munten"},
                                                  kCourtRanks + pipsDown)
                                         + QStringList{"De Dwaas"};
        QTest::addRow("Thierens")
            << 2
            << thierensMajors
                   + Minors({"Staven", "Munten", "Bekers", "Zwaard"},
                            kPipRanks + QStringList{"Heer", "Vrouw", "Page", "Ridder"});
    }
    void deckOrders()
    {
        QFETCH(int, deck);
        QFETCH(QStringList, order);
        QCOMPARE(order.size(), 78);
        QCOMPARE(NamesOf(deck), order);
    }

    // Every item is its two-digit number, ") " and the common name, except the deck's own titles.
    void numberedLists()
    {
        const QMap<QString, QString> ownTitles[kDeckCount] = {
            {},
            {{"01", "Chaos"},
             {"02", "Het Licht"},
             {"03", "De Planten"},
             {"04", "De Hemel"},
             {"05", "Mens+Dieren"},
             {"06", "De Sterren"},
             {"07", "Vogels+Vissen"},
             {"08", "Rust"},
             {"09", "Rechtspraak"},
             {"11", "Machthebber"},
             {"12", "Voorzichtigheid"},
             {"13", "Hogepriester"},
             {"15", "Valse Waarzegger"},
             {"16", "Laatste oordeel"},
             {"18", "De Monnik"},
             {"19", "Verwoeste Tempel"},
             {"20", "Rad v. Fortuin"},
             {"21", "De Dwingeland"}},
            {{"02", "Hoge Priesteres"},
             {"04", "De Keizer"},
             {"05", "De Hierophant"},
             {"06", "De Liefde"},
             {"07", "De Wagen"},
             {"09", "De Pelgrim"},
             {"18", "Matiging"}},
        };
        for (DeckId deck = 0; deck < kDeckCount; ++deck) {
            const QStringList &items = NumberedCardList(deck);
            QCOMPARE(items.size(), 78);
            for (CardNo card = 1; card <= kCardsPerDeck; ++card) {
                const QString number = QStringLiteral("%1").arg(card, 2, 10, QLatin1Char('0'));
                const QString title = ownTitles[deck].value(number, CardName(deck, card));
                QCOMPARE(items[card - 1], number + QStringLiteral(") ") + title);
            }
        }
        QCOMPARE(NumberedCardList(0).first(), "01) De Magiër");
        QCOMPARE(NumberedCardList(0).last(), "78) Munten Tien");
        QCOMPARE(NumberedCardList(1)[9], "10) Gematigdheid");
        QCOMPARE(NumberedCardList(1).last(), "78) De Dwaas");
        QCOMPARE(NumberedCardList(2)[13], "14) Het Oordeel");
    }

    void listsAreBuiltOnce() { QCOMPARE(&NumberedCardList(1), &NumberedCardList(1)); }

    // The titles differ, the common name does not: only the name carries a card between decks.
    void wheelOfFortuneTitles()
    {
        QCOMPARE(NumberedCardList(0)[9], "10) Rad v Fortuin");
        QCOMPARE(NumberedCardList(2)[9], "10) Rad v Fortuin");
        QCOMPARE(NumberedCardList(1)[19], "20) Rad v. Fortuin");
        for (DeckId deck = 0; deck < kDeckCount; ++deck)
            QVERIFY(FindCardByName(deck, u"Rad v Fortuin") > 0);
        QCOMPARE(FindCardByName(1, u"Rad v. Fortuin"), 0);
    }

    void deckSwitchByName_data()
    {
        QTest::addColumn<int>("fromDeck");
        QTest::addColumn<int>("fromCard");
        QTest::addColumn<int>("toDeck");
        QTest::addColumn<int>("toCard");
        QTest::addColumn<QString>("toItem");
        QTest::addRow("RWS Kluizenaar to Etteilla") << 0 << 9 << 1 << 18 << "18) De Monnik";
        QTest::addRow("and back") << 1 << 18 << 0 << 9 << "09) De Kluizenaar";
        QTest::addRow("RWS Staven Heer to Thierens") << 0 << 23 << 2 << 33 << "33) Staven Heer";
        QTest::addRow("Etteilla Fool to RWS") << 1 << 78 << 0 << 22 << "22) De Dwaas";
    }
    void deckSwitchByName()
    {
        QFETCH(int, fromDeck);
        QFETCH(int, fromCard);
        QFETCH(int, toDeck);
        QFETCH(int, toCard);
        QFETCH(QString, toItem);
        const CardNo found = FindCardByName(toDeck, CardName(fromDeck, fromCard));
        QCOMPARE(found, toCard);
        QCOMPARE(NumberedCardList(toDeck)[found - 1], toItem);
    }

    void findIsExact()
    {
        QCOMPARE(FindCardByName(0, u"de magiër"), 0);
        QCOMPARE(FindCardByName(0, u"De Magier"), 0);
        QCOMPARE(FindCardByName(0, u""), 0);
    }

    void pictureIds()
    {
        QCOMPARE(PictureId(0, 1), 1);
        QCOMPARE(PictureId(1, 1), 79);
        QCOMPARE(PictureId(2, 78), 234);
        QCOMPARE(DeckPictureOffset(2), 156);
    }
};

QTEST_GUILESS_MAIN(TestCardCatalogue)
#include "test_card_catalogue.moc"
