#include "fuzz_targets.h"

#include "analysis/card_tally.h"
#include "history/history_line.h"
#include "history/text_list.h"
#include "pentagram/pentagram_line.h"

#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace morvelin::fuzz {

namespace {

// A broken promise stops the run, so that libFuzzer keeps the input and the replay fails.
void Require(bool kept, const char *promise)
{
    if (kept)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

// A line as a list can hold it: one character per byte, as the digits and letters of a
// Windows-1252 list read; or, when the first byte is odd, UTF-16 code units, so that any
// character (a lone surrogate too) reaches the function.
QString LineOf(Input input)
{
    if (input.empty() || input[0] % 2 == 0)
        return QString::fromLatin1(reinterpret_cast<const char *>(input.data()),
                                   qsizetype(input.size()));
    const Input units = input.subspan(1);
    QString line(qsizetype(units.size() / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i + 1 < units.size(); i += 2)
        line[qsizetype(i / 2)] = QChar(char16_t(units[i] | units[i + 1] << 8));
    return line;
}

// The line's characters in a buffer of exactly their size: a QString keeps a zero after
// its last character, which would hide a read past the line's end from AddressSanitizer.
class ExactLine {
public:
    explicit ExactLine(const QString &line)
        : m_chars(std::make_unique<char16_t[]>(std::size_t(line.size()))), m_size(line.size())
    {
        std::copy(line.utf16(), line.utf16() + m_size, m_chars.get());
    }
    QStringView view() const { return {m_chars.get(), m_size}; }

private:
    std::unique_ptr<char16_t[]> m_chars;
    qsizetype m_size;
};

bool IsConversionError(const QString &message)
{
    return message.startsWith(u'\'')
           && message.endsWith(QLatin1String("' is not a valid integer value"));
}

const MonthNames &Months()
{
    static const MonthNames names = LocaleMonthNames(QLocale::c());
    return names;
}

bool operator==(const HistoryCode &a, const HistoryCode &b)
{
    return a.deckCode == b.deckCode && a.cards == b.cards;
}

template <typename T>
bool SameResult(const Result<T> &a, const Result<T> &b)
{
    return a.ok() == b.ok() && (a.ok() ? *a == *b : a.error() == b.error());
}

} // namespace

void ParseHistoryCodeTarget(Input input)
{
    const QString line = LineOf(input);
    const Result<HistoryCode> code = ParseHistoryCode(ExactLine(line).view());
    if (code) {
        Require(code->deckCode >= 0 && code->deckCode <= 9, "the deck code is one digit");
        for (const int card : code->cards)
            Require(card >= 0 && card <= 99, "a card is two digits");
    } else {
        Require(IsConversionError(code.error()), "a damaged field gives the conversion error");
    }
    // Only the last 11 characters are read: a hand-edited comment never changes the code.
    if (line.size() >= kHistoryCodeLength)
        Require(SameResult(code, ParseHistoryCode(QStringLiteral("(Vraag) ") + line)),
                "the code is read from the last 11 characters only");
}

void SplitHistoryLineTarget(Input input)
{
    const QString line = LineOf(input);
    const ExactLine exact(line);
    const std::optional<HistoryLineParts> parts = SplitHistoryLine(exact.view());
    Require(parts.has_value() == (line.size() >= kHistoryHeadLength + kHistoryTailLength),
            "a line splits exactly when it holds head and tail");
    if (!parts)
        return;
    Require(parts->head.size() == kHistoryHeadLength && parts->tail.size() == kHistoryTailLength,
            "head and tail have their fixed lengths");
    Require(parts->head + parts->comment + parts->tail == line, "the parts join to the line");

    // An edit keeps head and tail, and an edit that changes nothing gives the line back.
    const std::optional<QString> edited = ReplaceHistoryComment(exact.view(), parts->comment);
    Require(edited && edited->startsWith(parts->head) && edited->endsWith(parts->tail),
            "an edit keeps the head and the tail");
    if (!parts->comment.isEmpty() && CleanComment(parts->comment) == parts->comment)
        Require(*edited == line, "an unchanged comment gives the line back");
}

void CleanCommentTarget(Input input)
{
    const QString comment = LineOf(input.size() > 2 ? input.subspan(2) : Input());
    const QString cleaned = CleanComment(comment);
    Require(cleaned.size() <= comment.size(), "cleaning never lengthens a comment");
    Require(CleanComment(cleaned) == cleaned, "a cleaned comment is clean");

    // Whatever was typed, the saved spread is one line that reads back as it was saved.
    const DeckId deck = input.empty() ? 0 : DeckId(input[0] % 3);
    const CardNo card = input.size() < 2 ? 1 : input[1] % 78 + 1;
    const HistoryEntry entry{QDate(2026, 12, 9), comment, deck, {card, 78, card}};
    const QString line = ComposeHistoryLine(entry, Months());
    const Result<TextList> read = DecodeTextList(EncodeTextList(TextList{{line}}));
    Require(read && read->lines == QStringList{line}, "a saved spread reads back as one line");
    const Result<SavedSpread> spread = ReadSavedSpread(line);
    Require(spread && spread->deck == deck && spread->cards == entry.cards,
            "a saved spread opens as it was saved");
    const std::optional<HistoryLineParts> parts = SplitHistoryLine(line);
    Require(parts && parts->comment.size() <= kMaxCommentLength, "a saved comment is cut to 80");
}

void ParsePentagramLineTarget(Input input)
{
    const QString line = LineOf(input);
    const Result<std::array<int, kPentagramPositions>> cards =
        ParsePentagramLine(ExactLine(line).view());
    if (!cards) {
        Require(IsConversionError(cards.error()), "a damaged field gives the conversion error");
        return;
    }
    for (const int card : *cards)
        Require(card >= 0 && card <= 99, "a card is two digits");
    // Only the five fields are read, and a line composed from them reads back the same.
    const QString other = QStringLiteral("09.dec.26 : ") + line.mid(12);
    Require(SameResult(cards, ParsePentagramLine(other)), "only the card fields are read");
    const QString composed = ComposePentagramLine({QDate(2026, 12, 9), *cards}, Months());
    Require(SameResult(cards, ParsePentagramLine(composed)), "a composed line reads back");
}

void DecodeTextListTarget(Input input)
{
    const QByteArray bytes(reinterpret_cast<const char *>(input.data()), qsizetype(input.size()));
    const Result<TextList> list = DecodeTextList(bytes);
    if (!list)
        return;
    for (const QString &line : list->lines)
        Require(!line.contains(u'\r') && !line.contains(u'\n'), "a line holds no line break");
    // Written back and read again, a list is what it was, and so are its bytes.
    const QByteArray written = EncodeTextList(*list);
    const Result<TextList> again = DecodeTextList(written);
    Require(again && *again == *list, "a list written back reads the same");
    Require(EncodeTextList(*again) == written, "a list written twice gives the same bytes");
}

void TallyCardsTarget(Input input)
{
    // The first byte asks for a year, whose text is the next two bytes.
    const bool withYear = !input.empty() && input[0] % 2 == 1;
    const QString year =
        withYear ? LineOf(input.subspan(1, std::min<std::size_t>(2, input.size() - 1))) : QString();
    const Input text = input.subspan(std::min<std::size_t>(input.size(), withYear ? 3 : 1));
    const QStringList lines =
        QString::fromLatin1(reinterpret_cast<const char *>(text.data()), qsizetype(text.size()))
            .split(u'\n');

    const CardTally all = TallyCards(lines);
    Require(all.questions == lines.size(), "every line is a question");
    Require(all.counts[0] == 0, "row 0 is not counted");
    int total = 0;
    for (int row = 1; row <= kAnalysisRowCount; ++row) {
        Require(all.count(row) >= 0 && all.count(row) <= all.questions,
                "a card counts at most once per question");
        total += all.count(row);
    }
    Require(total <= 3 * all.questions, "a question holds at most three cards");
    if (!withYear)
        return;
    const CardTally ofYear = TallyCards(lines, year);
    Require(ofYear.questions <= all.questions, "a year holds some of the questions");
    for (int row = 1; row <= kAnalysisRowCount; ++row)
        Require(ofYear.count(row) <= all.count(row), "a year counts some of the cards");
}

} // namespace morvelin::fuzz
