#include "history/history_search.h"

#include <QRegularExpression>

#include <algorithm>

namespace morvelin {

namespace {

// Qt decomposes a text by replacing character after character inside it, which takes
// time by the square of its length: a hand-edited comment of a megabyte held the search
// for many seconds. Pieces this long decompose alike, since the accents that a cut could
// part from their letter are dropped anyway.
constexpr qsizetype kDecomposedPiece = 256;

} // namespace

QString FoldForSearch(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    for (qsizetype start = 0; start < text.size();) {
        qsizetype length = std::min(kDecomposedPiece, text.size() - start);
        // A character of two UTF-16 units is never cut in half.
        if (start + length < text.size() && text[start + length - 1].isHighSurrogate())
            ++length;
        const QString decomposed =
            text.sliced(start, length).toString().normalized(QString::NormalizationForm_D);
        for (const QChar c : decomposed) {
            if (c.category() != QChar::Mark_NonSpacing)
                folded.append(c);
        }
        start += length;
    }
    return folded.toCaseFolded();
}

std::optional<QDate> ReadDayText(QStringView text)
{
    static const QRegularExpression kDay(
        QStringLiteral(R"(^(\d{1,2})[-./](\d{1,2})[-./](\d{4})$)"));
    const QRegularExpressionMatch match = kDay.match(text.trimmed().toString());
    if (!match.hasMatch())
        return std::nullopt;
    const QDate day(match.captured(3).toInt(), match.captured(2).toInt(),
                    match.captured(1).toInt());
    if (!day.isValid())
        return std::nullopt;
    return day;
}

HistorySearch::HistorySearch(const QStringList &lines, const ListDateReader &dates)
{
    m_entries.reserve(lines.size());
    for (const QString &line : lines) {
        Entry entry{ReadHistoryLine(line, dates), {}, {}};
        // A line out of the saved format is searched whole: its words are all it says.
        entry.foldedComment = FoldForSearch(entry.reading.comment.value_or(line));
        if (const auto &spread = entry.reading.spread) {
            for (int k = 0; k < 3; ++k)
                entry.commonCards[k] =
                    FindCardByName(kRiderWaite, CardName(spread->deck, spread->cards[k]));
        }
        m_entries.push_back(std::move(entry));
    }
}

QList<int> HistorySearch::find(const SearchQuery &query) const
{
    const QStringList foldedWords =
        FoldForSearch(query.words).simplified().split(u' ', Qt::SkipEmptyParts);
    const CardNo commonCard =
        query.cardName.isEmpty() ? 0 : FindCardByName(kRiderWaite, query.cardName);
    QList<int> found;
    for (int i = 0; i < size(); ++i) {
        if (matches(m_entries[i], foldedWords, commonCard, query))
            found.append(i);
    }
    return found;
}

bool HistorySearch::matches(const Entry &entry, const QStringList &foldedWords, CardNo commonCard,
                            const SearchQuery &query)
{
    const HistoryReading &reading = entry.reading;
    // Every word, in any order: "geld werk" finds "werk en geld".
    for (const QString &word : foldedWords) {
        if (!entry.foldedComment.contains(word))
            return false;
    }
    if (!query.cardName.isEmpty()
        && (!reading.spread
            || std::find(entry.commonCards.begin(), entry.commonCards.end(), commonCard)
                   == entry.commonCards.end()))
        return false;
    if (query.deck && (!reading.spread || reading.spread->deck != *query.deck))
        return false;
    if ((query.from || query.to) && !reading.date)
        return false;
    if (query.from && *reading.date < *query.from)
        return false;
    if (query.to && *reading.date > *query.to)
        return false;
    return true;
}

} // namespace morvelin
