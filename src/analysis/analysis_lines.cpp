#include "analysis/analysis_lines.h"

#include "catalogue/card_texts.h"
#include "common/decimal_field.h"

#include <algorithm>

namespace morvelin {

namespace {

const QString kTimes = QStringLiteral(" x ");

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Blanks and punctuation first (among themselves by their code), then digits, then
// letters.
int CharacterClass(QChar c)
{
    if (IsAsciiDigit(c))
        return 1;
    return c.isLetter() ? 2 : 0;
}

qsizetype DigitRunEnd(QStringView text, qsizetype from)
{
    while (from < text.size() && IsAsciiDigit(text[from]))
        ++from;
    return from;
}

// Two runs of digits by their value, however long they are.
int CompareNumbers(QStringView a, QStringView b)
{
    const auto significant = [](QStringView digits) {
        qsizetype zeros = 0;
        while (zeros < digits.size() && digits[zeros] == u'0')
            ++zeros;
        return digits.sliced(zeros);
    };
    const QStringView x = significant(a);
    const QStringView y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

// Negative, zero or positive as a sorts before, with or after b; texts equal but for
// case or leading zeros compare equal here.
int CompareInListOrder(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const int classA = CharacterClass(a[i]);
        const int classB = CharacterClass(b[j]);
        if (classA != classB)
            return classA - classB;
        if (classA == 1) {
            const qsizetype endA = DigitRunEnd(a, i);
            const qsizetype endB = DigitRunEnd(b, j);
            if (const int order = CompareNumbers(a.sliced(i, endA - i), b.sliced(j, endB - j)))
                return order;
            i = endA;
            j = endB;
            continue;
        }
        const QChar x = classA == 2 ? a[i].toCaseFolded() : a[i];
        const QChar y = classB == 2 ? b[j].toCaseFolded() : b[j];
        if (x != y)
            return x.unicode() - y.unicode();
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return 0;
}

} // namespace

QString CountText(int count)
{
    return TwoDigits(count);
}

QString CountLine(int count, const QString &label)
{
    return CountText(count) + kTimes + label;
}

QString NameLine(int count, const QString &label)
{
    return label + kTimes + CountText(count);
}

bool ListOrderLess(QStringView a, QStringView b)
{
    if (const int order = CompareInListOrder(a, b))
        return order < 0;
    // Still a strict order for texts that differ only in case or leading zeros.
    return a.compare(b) < 0;
}

QStringList CardListLines(const CardTally &tally, AnalysisMode mode)
{
    const int rows = mode == AnalysisMode::MajorArcana ? kMajorArcanaRowCount : kAnalysisRowCount;
    QStringList lines;
    lines.reserve(rows);
    for (int row = 1; row <= rows; ++row) {
        const QString label = AnalysisCardLabels(row);
        lines << (mode == AnalysisMode::ByName ? NameLine(tally.count(row), label)
                                               : CountLine(tally.count(row), label));
    }
    std::sort(lines.begin(), lines.end(), ListOrderLess);
    return lines;
}

} // namespace morvelin
