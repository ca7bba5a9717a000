#include "mainwindow/about_box.h"

#include "common/key_preview.h"
#include "common/picture_box.h"
#include "common/widget_style.h"
#include "mainwindow/magic_card_text.h"

#include <QKeyEvent>
#include <QLabel>

namespace morvelin {

TAboutBox::TAboutBox(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint),
      m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Magic Card"));
    setFixedSize(118, 178);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    SetBackground(this, QColor(166, 202, 240));

    MagicIcon = new PictureBox(this);
    MagicIcon->setObjectName(QStringLiteral("MagicIcon"));
    MagicIcon->setGeometry(4, 6, 108, 147);

    lblMagic = new QLabel(QStringLiteral("Kaart"), this);
    lblMagic->setObjectName(QStringLiteral("lblMagic"));
    lblMagic->setGeometry(9, 159, 100, 15);
    lblMagic->setAlignment(Qt::AlignCenter);
    lblMagic->setFont(PixelFont(QStringLiteral("Arial"), 12));
    SetTextColour(lblMagic, QColor(128, 0, 128));

    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

void TAboutBox::showOver(const QWidget *window)
{
    ShowCentred(this, window->frameGeometry());
}

void TAboutBox::showCard(DeckId deck, CardNo card)
{
    ShowCardPicture(*MagicIcon, deck, card, m_dialogs);
}

void TAboutBox::showText(const MagicCardText &text)
{
    lblMagic->setText(text.caption);
    lblMagic->setVisible(text.captionVisible);
    MagicIcon->setToolTip(text.hint);
}

bool TAboutBox::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        hide();
    return false;
}

} // namespace morvelin
