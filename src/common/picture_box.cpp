#include "common/picture_box.h"

#include "catalogue/card_picture.h"
#include "common/dialogs.h"

#include <QPixmap>

namespace morvelin {

PictureBox::PictureBox(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::WhatsThisCursor);
}

void PictureBox::setPicture(const std::optional<QImage> &picture)
{
    if (!picture) {
        clear();
        return;
    }
    QImage shown = *picture;
    if (shown.width() > width() || shown.height() > height())
        shown = shown.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    setPixmap(QPixmap::fromImage(shown));
}

bool PictureBox::hasPicture() const
{
    return !pixmap().isNull();
}

void ShowCardPicture(PictureBox &box, DeckId deck, CardNo card, Dialogs &dialogs)
{
    const std::optional<QImage> picture = LoadCardPicture(deck, card);
    if (!picture)
        dialogs.message(QString::fromUtf8(kMissingCardPictureMessage));
    box.setPicture(picture);
}

} // namespace morvelin
