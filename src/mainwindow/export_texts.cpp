#include "mainwindow/export_texts.h"

namespace morvelin {

namespace {

constexpr QChar CR = QChar(u'\r');

// One side of the export: either the labels or the hints, with the Magic Card's text.
struct Side {
    const std::array<QString, kSlotCount> &of;
    const QString &magic;
    const QString &operator[](int slot) const { return of[slot - 1]; }
};

// Each block is filled in one pass, so a text holding "%1" is never filled in again.
QString TenCardBlock(const Side &t)
{
    return QStringLiteral(" %1 + %2 + %3 = %4\r").arg(t[1], t[2], t[3], t[4])
           + QStringLiteral(" %1 - %2 - %3\r").arg(t[5], t[6], t[7])
           + QStringLiteral(" %1 - %2 - %3\r").arg(t[8], t[9], t[10])
           + QStringLiteral(" MagicCard: %1\r\r").arg(t.magic);
}

QString FourCardLine(const Side &t)
{
    return QStringLiteral(" %1 + %2 + %3 = %4 / mc: %5\r").arg(t[1], t[2], t[3], t[4], t.magic);
}

QString SixCardBlock(const Side &t)
{
    return QStringLiteral(" %1 + %2 + %3\r").arg(t[1], t[2], t[3])
           + QStringLiteral(" %1 - %2\r").arg(t[5], t[6]) + QStringLiteral(" %1\r").arg(t[8])
           + QStringLiteral(" MagicCard: %1\r\r").arg(t.magic);
}

QString DeckHeading(DeckId deck)
{
    static const char *const kHeadings[kDeckCount] = {
        "Rider-Waite tarot voor ", "Etteilla tarot voor ", "Thierens tarot voor "};
    return QString::fromLatin1(kHeadings[deck]);
}

} // namespace

QString ExportDate(const QDate &date)
{
    return QStringLiteral("%1-%2-%3").arg(date.day()).arg(date.month()).arg(date.year());
}

ExportTexts BuildExportTexts(const ExportInputs &inputs, LabelMode mode, bool triangle,
                             const QDate &date)
{
    const Side labels{inputs.labels, inputs.magicLabel};
    const Side hints{inputs.hints, inputs.magicHint};
    // The names come first: in the name mode they are the labels, otherwise the hints.
    const Side &first = mode == LabelMode::Name ? labels : hints;
    const Side &second = mode == LabelMode::Name ? hints : labels;

    const QString fullBody = triangle ? SixCardBlock(first) + SixCardBlock(second)
                                      : TenCardBlock(first) + TenCardBlock(second);
    const QString fourBody = FourCardLine(first) + FourCardLine(second);

    ExportTexts texts;
    for (DeckId deck = 0; deck < kDeckCount; ++deck) {
        const QString heading = DeckHeading(deck) + ExportDate(date) + QStringLiteral(": ") + CR;
        texts.full[deck] = heading + fullBody;
        texts.four[deck] = heading + fourBody;
    }
    return texts;
}

} // namespace morvelin
