#include "mainwindow/about_box.h"

#include "common/key_preview.h"
#include "common/picture_box.h"

#include <QKeyEvent>
#include <QLabel>

namespace morvelin {

TAboutBox::TAboutBox(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Magic Card"));
    setFixedSize(118, 178);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(166, 202, 240));
    setPalette(palette);
    setAutoFillBackground(true);

    MagicIcon = new PictureBox(this);
    MagicIcon->setObjectName(QStringLiteral("MagicIcon"));
    MagicIcon->setGeometry(4, 6, 108, 147);

    lblMagic = new QLabel(QStringLiteral("Kaart"), this);
    lblMagic->setObjectName(QStringLiteral("lblMagic"));
    lblMagic->setGeometry(9, 159, 100, 15);
    lblMagic->setAlignment(Qt::AlignCenter);
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPixelSize(12);
    lblMagic->setFont(labelFont);
    QPalette labelPalette = lblMagic->palette();
    labelPalette.setColor(QPalette::WindowText, QColor(128, 0, 128));
    lblMagic->setPalette(labelPalette);

    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

void TAboutBox::showOver(const QWidget *window)
{
    QRect placed(QPoint(), frameGeometry().size());
    placed.moveCenter(window->frameGeometry().center());
    move(placed.topLeft());
    show();
    raise();
    activateWindow();
}

bool TAboutBox::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        hide();
    return false;
}

} // namespace morvelin
