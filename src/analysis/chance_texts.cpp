#include "analysis/chance_texts.h"

#include "catalogue/card_texts.h"
#include "history/text_list.h"

#include <algorithm>

namespace morvelin {

namespace {

QString Plural(int count, const QString &one, const QString &more)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : more);
}

// How often fair shuffling gives as much, in words: "42 van de 100", "3 van de 1000".
QString ChanceInWords(double p)
{
    if (p >= 0.01)
        return QStringLiteral("%1 van de 100").arg(std::max(1, qRound(p * 100)));
    if (p >= 0.001)
        return QStringLiteral("%1 van de 1000").arg(qRound(p * 1000));
    return QStringLiteral("minder dan 1 van de 1000");
}

// The one-sided tail towards the side the card lies on.
double CardP(const CardChance &card)
{
    return card.observed >= card.expected ? card.pMore : card.pLess;
}

const QString kTooFew = QStringLiteral("te weinig vragen om te oordelen");

QString CardSentence(int row, const CardChance &card, const QString &verdict)
{
    return QStringLiteral("%1: verwacht %2 (±%3), gekomen %4 — %5")
        .arg(AnalysisCardNames(row), DecimalCommaText(card.expected, 1),
             DecimalCommaText(card.deviation, 1), QString::number(card.observed), verdict);
}

} // namespace

QString DecimalCommaText(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(u'.', u',');
}

QString PValueText(double p)
{
    return QString::number(p, 'g', 4).replace(u'.', u',').replace(u'e', u'E');
}

QString ChanceVerdictText(ChanceVerdict verdict)
{
    switch (verdict) {
    case ChanceVerdict::MoreThanChance:
        return QStringLiteral("vaker dan toeval verklaart");
    case ChanceVerdict::LessThanChance:
        return QStringLiteral("minder vaak dan toeval verklaart");
    case ChanceVerdict::WithinChance:
        break;
    }
    return QStringLiteral("binnen toeval");
}

QString CardChanceSentence(int row, const CardChance &card)
{
    return CardSentence(row, card, ChanceVerdictText(card.verdict));
}

QString CardDescription(const ChanceReport &report, int row)
{
    const CardChance &card = report.cards[row - 1];
    return CardSentence(row, card,
                        report.tooFewToJudge ? kTooFew : ChanceVerdictText(card.verdict));
}

QStringList FlaggedCardSentences(const ChanceReport &report)
{
    if (report.tooFewToJudge)
        return {QStringLiteral("Te weinig vragen om te oordelen: pas vanaf %1 vragen komt elke "
                               "kaart naar verwachting minstens één keer.")
                    .arg(kFewestQuestionsToJudge)};
    QStringList sentences;
    for (const ChanceVerdict side :
         {ChanceVerdict::MoreThanChance, ChanceVerdict::LessThanChance}) {
        for (int row = 1; row <= kAnalysisCards; ++row) {
            if (report.cards[row - 1].verdict == side)
                sentences << CardChanceSentence(row, report.cards[row - 1]);
        }
    }
    if (sentences.isEmpty())
        sentences << QStringLiteral(
            "Geen enkele kaart komt vaker of minder vaak dan toeval verklaart.");
    return sentences;
}

QString WholeSpreadSentence(const ChanceReport &report)
{
    if (report.tooFewToJudge)
        return {};
    const auto flagged =
        std::count_if(report.cards.begin(), report.cards.end(), [](const CardChance &card) {
            return card.verdict != ChanceVerdict::WithinChance;
        });
    const QString chance = ChanceInWords(report.chiSquareP);
    if (report.chiSquareP < kChanceLevel) {
        QString sentence = QStringLiteral("Alle kaarten samen: de aantallen lopen verder uiteen "
                                          "dan toeval verklaart; bij eerlijk schudden gebeurt "
                                          "dat maar in %1 gevallen.")
                               .arg(chance);
        if (flagged == 0)
            sentence += QStringLiteral(" Geen kaart valt op zichzelf op: het zit in veel "
                                       "kaarten een beetje.");
        return sentence;
    }
    // One card far off shows little in the sum over all 78: say where it stands out.
    QString sentence = QStringLiteral("Alle kaarten samen: de verdeling als geheel is niet "
                                      "ongewoon; bij eerlijk schudden lopen de aantallen in %1 "
                                      "gevallen even ver of verder uiteen.")
                           .arg(chance);
    if (flagged == 1)
        sentence += QStringLiteral(" Wat opvalt, zit in die ene kaart hierboven, niet in de "
                                   "hele verdeling.");
    else if (flagged > 1)
        sentence += QStringLiteral(" Wat opvalt, zit in de kaarten hierboven, niet in de hele "
                                   "verdeling.");
    return sentence;
}

QString WholeSpreadFigures(const ChanceReport &report)
{
    QString figures =
        QStringLiteral("X² = %1 (Pearson, geschaald met 77/75 voor drie "
                       "verschillende kaarten per vraag), 77 vrijheidsgraden, "
                       "p = %2")
            .arg(DecimalCommaText(report.chiSquare, 1), PValueText(report.chiSquareP));
    if (report.simulated)
        figures +=
            QStringLiteral("; p nagebootst met %1 eerlijke geschiedenissen van %2")
                .arg(kChanceSimulations)
                .arg(Plural(report.questions, QStringLiteral("vraag"), QStringLiteral("vragen")));
    return figures;
}

QString GroupShareSentence(const GroupShare &group)
{
    return QStringLiteral("%1: %2 % (verwacht %3 %)")
        .arg(group.name, DecimalCommaText(100 * group.share, 1),
             DecimalCommaText(100 * group.expectedShare, 1));
}

QString SampleHeading(int questions, int leftOut, std::optional<QStringView> year)
{
    QString heading =
        Plural(questions, QStringLiteral("vraag"), QStringLiteral("vragen")) + QStringLiteral(", ")
        + (year ? QStringLiteral("jaar ") + year->toString() : QStringLiteral("alle jaren"));
    if (leftOut > 0)
        heading += QStringLiteral(" (%1 zonder leesbare kaarten niet meegeteld)")
                       .arg(Plural(leftOut, QStringLiteral("regel"), QStringLiteral("regels")));
    return heading;
}

QString ChanceTable(const ChanceReport &report)
{
    const QChar tab = u'\t';
    QStringList lines{QStringList{QStringLiteral("Kaart"), QStringLiteral("Gekomen"),
                                  QStringLiteral("Verwacht"), QStringLiteral("p"),
                                  QStringLiteral("Oordeel")}
                          .join(tab)};
    for (int row = 1; row <= kAnalysisCards; ++row) {
        const CardChance &card = report.cards[row - 1];
        lines << QStringList{AnalysisCardNames(row), QString::number(card.observed),
                             DecimalCommaText(card.expected, 2), PValueText(CardP(card)),
                             report.tooFewToJudge ? kTooFew : ChanceVerdictText(card.verdict)}
                     .join(tab);
    }
    return JoinLinesCrLf(lines);
}

QString ReadingText(const HistoryReading &reading)
{
    if (!reading.comment)
        return reading.line;
    const QString date =
        reading.date ? reading.date->toString(QStringLiteral("dd-MM-yyyy")) : reading.line.left(9);
    return date + QStringLiteral("  ") + *reading.comment;
}

} // namespace morvelin
