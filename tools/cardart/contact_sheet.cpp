#include "contact_sheet.h"

#include "catalogue/card_catalogue.h"

#include <QPainter>

namespace cardart {

QImage ContactSheet(const std::vector<QImage> &cards, int scale)
{
    constexpr int kColumns = 13;
    constexpr int kCellWidth = 95 + 6;
    constexpr int kCellHeight = 147 + 6;
    constexpr int kRowsPerDeck = morvelin::kCardsPerDeck / kColumns;
    constexpr int kDeckGap = 12;
    const QSize size(kColumns * kCellWidth + 6,
                     morvelin::kDeckCount * (kRowsPerDeck * kCellHeight + kDeckGap) + 6);
    QImage sheet(size * scale, QImage::Format_RGB32);
    sheet.fill(QColor(0x80, 0x80, 0x80));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.scale(scale, scale);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int deck = int(i) / morvelin::kCardsPerDeck;
        const int n = int(i) % morvelin::kCardsPerDeck;
        const int x = 6 + (n % kColumns) * kCellWidth;
        const int y =
            6 + deck * (kRowsPerDeck * kCellHeight + kDeckGap) + (n / kColumns) * kCellHeight;
        p.drawImage(QPoint(x, y), cards[i]);
    }
    return sheet;
}

} // namespace cardart
