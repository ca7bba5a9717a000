#pragma once
// @brief The Magic Card box: the picture and caption of the spread's eleventh card,
// always on top, toggled with the space bar.

#include "catalogue/card_catalogue.h"

#include <QWidget>

class QLabel;

namespace morvelin {

class Dialogs;
class PictureBox;
struct MagicCardText;

class TAboutBox : public QWidget {
    Q_OBJECT

public:
    // The dialogs tell the user when a card's picture cannot be loaded.
    explicit TAboutBox(Dialogs &dialogs, QWidget *parent = nullptr);

    PictureBox *magicIcon() const { return MagicIcon; }
    QLabel *magicLabel() const { return lblMagic; }

    // Shows the box centred over the given window and gives it the focus.
    void showOver(const QWidget *window);

    void showCard(DeckId deck, CardNo card);
    void showText(const MagicCardText &text);

private:
    bool FormKeyDown(QKeyEvent *event);

    Dialogs &m_dialogs;
    PictureBox *MagicIcon = nullptr;
    QLabel *lblMagic = nullptr;
};

} // namespace morvelin
