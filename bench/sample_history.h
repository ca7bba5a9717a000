#pragma once
// @brief A generated history list for the benchmarks: every line a valid saved spread
// with a comment of the usual length, the three decks in turn.

#include "history/text_list.h"

#include <QString>

inline morvelin::TextList SampleHistory(int lines)
{
    morvelin::TextList history;
    history.lines.reserve(lines);
    for (int n = 0; n < lines; ++n)
        history.lines << QStringLiteral("%1.Dec.26 (Vraag %2 over werk en liefde) [%3] 05 17 78")
                             .arg(n % 28 + 1, 2, 10, QLatin1Char('0'))
                             .arg(n)
                             .arg(n % 3);
    return history;
}
