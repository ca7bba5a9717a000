// Searches a generated history of 100,000 saved spreads as the search window does while
// the user types, and prints the time per keystroke and the time to read the history in.
#include "catalogue/card_catalogue.h"
#include "history/history_line.h"
#include "history/history_search.h"
#include "median.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace morvelin;

namespace {

constexpr int kLines = 100'000;
constexpr int kRounds = 15;

QStringList GenerateHistory()
{
    const QStringList words = {"werk",  "liefde",  "geld",     "financiën", "reis",   "gezondheid",
                               "vraag", "familie", "toekomst", "verhuizen", "kracht", "rust"};
    const MonthNames months = LocaleMonthNames(QLocale(QLocale::Dutch));
    std::mt19937 random(7);
    QStringList lines;
    lines.reserve(kLines);
    QDate date(2000, 1, 1);
    for (int i = 0; i < kLines; ++i) {
        QString comment;
        for (int w = 0; w < 4; ++w)
            comment += words[random() % words.size()] + u' ';
        HistoryEntry entry{
            date.addDays(i / 8),
            comment.trimmed(),
            int(random() % kDeckCount),
            {int(random() % 78) + 1, int(random() % 78) + 1, int(random() % 78) + 1}};
        lines << ComposeHistoryLine(entry, months);
    }
    return lines;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList history = GenerateHistory();

    QElapsedTimer timer;
    timer.start();
    const HistorySearch search(history, HistoryDateReader());
    const double indexMs = double(timer.nsecsElapsed()) / 1e6;

    // Typing "financien" letter by letter, then a card filter and a date range with it.
    const QString typed = QStringLiteral("financien");
    std::vector<double> keystrokes;
    qsizetype found = 0;
    for (int round = 0; round < kRounds; ++round) {
        for (qsizetype n = 1; n <= typed.size(); ++n) {
            SearchQuery query{typed.left(n), QStringLiteral("De Kracht"), std::nullopt,
                              QDate(2005, 1, 1), QDate(2020, 12, 31)};
            if (n % 2 == 0)
                query.cardName.clear();
            timer.restart();
            found += search.find(query).size();
            keystrokes.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::printf("history lines:            %d\n", kLines);
    std::printf("read in once:             %.1f ms\n", indexMs);
    std::printf("search per keystroke:     %.2f ms (median of %zu), worst %.2f ms\n",
                Median(keystrokes), keystrokes.size(),
                *std::max_element(keystrokes.begin(), keystrokes.end()));
    std::printf("(found %lld in all)\n", static_cast<long long>(found));
    return 0;
}
