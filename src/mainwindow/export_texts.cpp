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

QString TenCardBlock(const Side &t)
{
    return QStringLiteral(" ") + t[1] + QStringLiteral(" + ") + t[2] + QStringLiteral(" + ") + t[3] + QStringLiteral(" = ") + t[4] + CR
         + QStringLiteral(" ") + t[5] + QStringLiteral(" - ") + t[6] + QStringLiteral(" - ") + t[7] + CR
         + QStringLiteral(" ") + t[8] + QStringLiteral(" - ") + t[9] + QStringLiteral(" - ") + t[10] + CR
         + QStringLiteral(" MagicCard: ") + t.magic + CR + CR;
}

QString FourCardLine(const Side &t)
{
    return QStringLiteral(" ") + t[1] + QStringLiteral(" + ") + t[2] + QStringLiteral(" + ") + t[3] + QStringLiteral(" = ") + t[4] + QStringLiteral(" / mc: ")
         + t.magic + CR;
}

QString SixCardBlock(const Side &t)
{
    return QStringLiteral(" ") + t[1] + QStringLiteral(" + ") + t[2] + QStringLiteral(" + ") + t[3] + CR
         + QStringLiteral(" ") + t[5] + QStringLiteral(" - ") + t[6] + CR
         + QStringLiteral(" ") + t[8] + CR
         + QStringLiteral(" MagicCard: ") + t.magic + CR + CR;
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
