#pragma once
// @brief The Magic Card box: the picture and caption of the spread's eleventh card,
// always on top, toggled with the space bar.

#include <QWidget>

class QLabel;

namespace morvelin {

class PictureBox;

class TAboutBox : public QWidget {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    PictureBox *magicIcon() const { return MagicIcon; }
    QLabel *magicLabel() const { return lblMagic; }

    // Shows the box centred over the given window and gives it the focus.
    void showOver(const QWidget *window);

private:
    bool FormKeyDown(QKeyEvent *event);

    PictureBox *MagicIcon = nullptr;
    QLabel *lblMagic = nullptr;
};

} // namespace morvelin
