#pragma once
// @brief A card picture on a window: centred, scaled down proportionally when it is
// larger than the box, with the help cursor and the card's hint.

#include "catalogue/card_catalogue.h"

#include <QImage>
#include <QLabel>

#include <optional>

namespace morvelin {

class Dialogs;

class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Shows the picture, or leaves the box empty.
    void setPicture(const std::optional<QImage> &picture);
    bool hasPicture() const;
};

// Loads a card's picture into the box; when it cannot be loaded the user is told once
// and the box stays empty.
void ShowCardPicture(PictureBox &box, DeckId deck, CardNo card, Dialogs &dialogs);

} // namespace morvelin
