#include "analysis/group_summary.h"

#include "analysis/analysis_lines.h"

#include <algorithm>

namespace morvelin {

namespace {

const QString kMajorArcanaWord = QStringLiteral(") ");
const QString kSeparator = QStringLiteral(" ---------------------------------------");

// The summary's rows in block order: the word that picks the cards, the block and the
// words of the line.
struct Group {
    QStringView word;
    QStringView prefix;
    QStringView suffix;
};

const Group kGroups[] = {
    {u") ", u"  Arca:", u" x Grote Arcana"}, {u"Heer", u"  HofK:", u" x Koning"},
    {u"Vrouw", u"  HofK:", u" x Koningin"},  {u"Ridder", u"  HofK:", u" x Ridder"},
    {u"Page", u"  HofK:", u" x Page"},       {u"Staven", u"  Kleur:", u" x Staven"},
    {u"Bekers", u"  Kleur:", u" x Bekers"},  {u"Zwaard", u"  Kleur:", u" x Zwaarden"},
    {u"Munten", u"  Kleur:", u" x Munten"},  {u"Aas", u"  Numr:", u" x Aas"},
    {u" 10", u"  Numr:", u" x Tien"},        {u" 09", u"  Numr:", u" x Negen"},
    {u" 08", u"  Numr:", u" x Acht"},        {u" 07", u"  Numr:", u" x Zeven"},
    {u" 06", u"  Numr:", u" x Zes"},         {u" 05", u"  Numr:", u" x Vijf"},
    {u" 04", u"  Numr:", u" x Vier"},        {u" 03", u"  Numr:", u" x Drie"},
    {u" 02", u"  Numr:", u" x Twee"},
};

// The count at the start of a count line, all its digits.
int LeadingCount(const QString &line)
{
    int count = 0;
    for (const QChar c : line) {
        if (c < u'0' || c > u'9')
            break;
        count = count * 10 + (c.unicode() - u'0');
    }
    return count;
}

int TotalOf(const GroupTotalList &totals, QStringView word)
{
    for (int index = 1; index <= kSummaryGroupCount; ++index) {
        if (SummaryGroupWords(index) == word)
            return totals[index - 1];
    }
    Q_UNREACHABLE();
    return 0;
}

} // namespace

GroupTotalList GroupTotals(const QStringList &countLines)
{
    QStringList words;
    for (int index = 1; index <= kSummaryGroupCount; ++index)
        words << SummaryGroupWords(index);
    GroupTotalList totals{};
    for (const QString &line : countLines) {
        const int count = LeadingCount(line);
        const bool major = line.contains(kMajorArcanaWord);
        for (int index = 0; index < kSummaryGroupCount; ++index) {
            if (words[index] == kMajorArcanaWord ? major : !major && line.contains(words[index]))
                totals[index] += count;
        }
    }
    return totals;
}

QStringList GroupSummaryLines(const GroupTotalList &totals)
{
    QStringList lines{kSeparator};
    const auto end = std::end(kGroups);
    for (auto block = std::begin(kGroups); block != end;) {
        const auto blockEnd = std::find_if(
            block, end, [block](const Group &group) { return group.prefix != block->prefix; });
        QStringList blockLines;
        for (auto group = block; group != blockEnd; ++group) {
            QString line = group->prefix.toString();
            line += u"  ";
            line += CountText(TotalOf(totals, group->word));
            line += group->suffix;
            blockLines << line;
        }
        std::sort(blockLines.begin(), blockLines.end(), ListOrderLess);
        lines << blockLines << kSeparator;
        block = blockEnd;
    }
    return lines;
}

} // namespace morvelin
