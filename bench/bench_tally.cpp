// Tallies generated history files of 10,000, 100,000 and 1,000,000 lines and prints the
// time per line of the tally beside that of merely reading and splitting the same file,
// the part of a count run that no tally can avoid.
#include "analysis/card_tally.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "history/text_list_store.h"
#include "median.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace morvelin;

namespace {

constexpr int kRounds = 7;

const MonthNames kDutchMonths{"jan.", "feb.", "mrt.", "apr.", "mei",  "jun.",
                              "jul.", "aug.", "sep.", "okt.", "nov.", "dec."};
const QStringList kOwnComments{
    "Werk en liefde",
    "Verhuizing naar kamer 12, of toch niet? [2]",
    "Gesprek met Anna om 10 uur",
    "Wat brengt het nieuwe jaar 2026 mij",
    "",
    "Gezondheid van moeder; zie ook [0] van 03.mrt.25",
    "Reis naar Zuid-Frankrijk in de zomer, samen met de kinderen en de hond (14 dagen)",
};

// Saved spreads as users make them: all three decks over fifteen years, most comments
// the three card names the save proposes, others the user's own words and numbers.
QStringList GeneratedHistory(int size)
{
    QRandomGenerator random(size);
    QStringList lines;
    lines.reserve(size);
    for (int i = 0; i < size; ++i) {
        HistoryEntry entry;
        entry.date = QDate(2012, 1, 1).addDays(random.bounded(15 * 365));
        entry.deck = random.bounded(kDeckCount);
        for (CardNo &card : entry.cards)
            card = random.bounded(1, kCardsPerDeck + 1);
        entry.comment = random.bounded(3) != 0 ? CardName(entry.deck, entry.cards[0]) + u','
                                                     + CardName(entry.deck, entry.cards[1]) + u','
                                                     + CardName(entry.deck, entry.cards[2])
                                               : kOwnComments[random.bounded(kOwnComments.size())];
        lines << ComposeHistoryLine(entry, kDutchMonths);
    }
    return lines;
}

// Nanoseconds per line of one round.
template <typename Work>
double RoundTime(int lines, Work work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / double(lines);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::printf("no temporary folder\n");
        return 1;
    }
    const TextListStore store(folder.path());
    std::printf("%9s %10s %10s %10s %11s %9s %9s\n", "lines", "read ns", "tally ns", "year ns",
                "tally/read", "run/read", "run ms");
    for (const int size : {10'000, 100'000, 1'000'000}) {
        const Result<ListLock> lock = store.lock(kHistoryFileName);
        if (!lock || !store.write(*lock, kHistoryFileName, TextList{GeneratedHistory(size)})) {
            std::printf("the history of %d lines could not be written\n", size);
            return 1;
        }
        std::vector<double> reads;
        std::vector<double> tallies;
        std::vector<double> years;
        int questions = 0;
        for (int round = 0; round < kRounds; ++round) {
            QStringList lines;
            reads.push_back(RoundTime(size, [&] { lines = store.read(kHistoryFileName)->lines; }));
            tallies.push_back(RoundTime(size, [&] { questions += TallyCards(lines).questions; }));
            years.push_back(
                RoundTime(size, [&] { questions += TallyCards(lines, u"26").questions; }));
        }
        if (questions < kRounds * size) {
            std::printf("the tally missed lines\n");
            return 1;
        }
        const double read = Median(reads);
        const double tally = Median(tallies);
        // A count run reads the file and tallies it; reading alone is the floor.
        std::printf("%9d %10.1f %10.1f %10.1f %11.2f %9.2f %9.1f\n", size, read, tally,
                    Median(years), tally / read, (read + tally) / read,
                    (read + tally) * size / 1e6);
    }
    std::printf("ns per line, median of %d rounds; year: the tally of one year's lines; "
                "run: reading and tallying all years\n",
                kRounds);
    return 0;
}
