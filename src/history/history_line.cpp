#include "history/history_line.h"

#include "common/decimal_field.h"

namespace morvelin {

namespace {

bool IsLineBreaking(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator
           || c == QChar::ParagraphSeparator;
}

// The comment cut to its first 80 characters, never through the middle of a character
// that takes two UTF-16 units.
QString CutComment(const QString &comment)
{
    if (comment.size() <= kMaxCommentLength)
        return comment;
    const int end = comment.at(kMaxCommentLength - 1).isHighSurrogate() ? kMaxCommentLength - 1
                                                                        : kMaxCommentLength;
    return comment.left(end);
}

} // namespace

QString CleanComment(const QString &comment)
{
    QString cleaned;
    cleaned.reserve(comment.size());
    bool inBreak = false;
    for (qsizetype i = 0; i < comment.size(); ++i) {
        const QChar c = comment.at(i);
        if (IsLineBreaking(c)) {
            if (!inBreak)
                cleaned.append(u' ');
            inBreak = true;
            continue;
        }
        inBreak = false;
        if (c.isHighSurrogate() && i + 1 < comment.size() && comment.at(i + 1).isLowSurrogate()) {
            cleaned.append(c);
            cleaned.append(comment.at(++i));
        } else if (c.isSurrogate()) {
            // Half a pair is no character: no encoding of the file can hold it, and the
            // line would be written with something else in its place.
            cleaned.append(QChar::ReplacementCharacter);
        } else {
            cleaned.append(c);
        }
    }
    return cleaned;
}

QString ComposeHistoryLine(const HistoryEntry &entry, const MonthNames &monthNames)
{
    const QString comment = CutComment(CleanComment(entry.comment));
    return FormatListDate(entry.date, monthNames) + QStringLiteral(" (")
           + (comment.isEmpty() ? QStringLiteral("...") : comment) + QStringLiteral(") [")
           + QString::number(entry.deck) + QStringLiteral("] ") + TwoDigits(entry.cards[0]) + u' '
           + TwoDigits(entry.cards[1]) + u' ' + TwoDigits(entry.cards[2]);
}

Result<HistoryCode> ParseHistoryCode(QStringView line)
{
    const QStringView code = line.right(kHistoryCodeLength);
    // Field k of the code starts at this offset; a short line leaves fields short or empty.
    const auto field = [code](qsizetype offset, qsizetype length) {
        return offset < code.size() ? code.mid(offset, length) : QStringView();
    };
    HistoryCode parsed;
    const Result<int> deck = ParseDecimalField(field(0, 1));
    if (!deck)
        return Failure{deck.error()};
    parsed.deckCode = *deck;
    for (int k = 0; k < 3; ++k) {
        const Result<int> card = ParseDecimalField(field(3 + 3 * k, 2));
        if (!card)
            return Failure{card.error()};
        parsed.cards[k] = *card;
    }
    return parsed;
}

Result<SavedSpread> ReadSavedSpread(QStringView line)
{
    const Result<HistoryCode> code = ParseHistoryCode(line);
    if (!code)
        return Failure{code.error()};
    SavedSpread spread;
    spread.deck = IsValidDeck(code->deckCode) ? code->deckCode : kRiderWaite;
    for (int k = 0; k < 3; ++k) {
        if (!IsValidCard(code->cards[k]))
            return Failure{QStringLiteral("De code '%1' is niet te openen: kaartnummers lopen "
                                          "van 01 tot 78.")
                               .arg(line.right(kHistoryCodeLength))};
        spread.cards[k] = code->cards[k];
    }
    return spread;
}

std::optional<HistoryLineParts> SplitHistoryLine(QStringView line)
{
    const qsizetype commentLength = line.size() - kHistoryHeadLength - kHistoryTailLength;
    if (commentLength < 0)
        return std::nullopt;
    return HistoryLineParts{line.left(kHistoryHeadLength).toString(),
                            line.mid(kHistoryHeadLength, commentLength).toString(),
                            line.right(kHistoryTailLength).toString()};
}

std::optional<QString> ReplaceHistoryComment(QStringView line, const QString &comment)
{
    const std::optional<HistoryLineParts> parts = SplitHistoryLine(line);
    if (!parts)
        return std::nullopt;
    const QString cleaned = CleanComment(comment);
    return parts->head + (cleaned.isEmpty() ? QStringLiteral("...") : cleaned) + parts->tail;
}

} // namespace morvelin
