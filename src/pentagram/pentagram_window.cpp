// The Pentagram window's handling: choosing, the sixth card, new keywords, saving, keys.

#include "pentagram/pentagram_window.h"

#include "catalogue/card_texts.h"
#include "common/card_chooser.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/key_preview.h"
#include "common/picture_box.h"
#include "common/widget_style.h"
#include "pentagram/pentagram_list.h"
#include "pentagram/pentagram_spread.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

namespace morvelin {

TForm3::TForm3(const Services &services, const TextListStore &store, const MonthNames &monthNames,
               QWidget *parent)
    : OnDemandWindow(parent), m_services(services), m_store(store), m_monthNames(monthNames)
{
}

TForm3::~TForm3() = default;

void TForm3::buildControls()
{
    createControls();
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

void TForm3::showOver(const QWidget *window)
{
    // Its size is known once it is built.
    ensureBuilt();
    QRect placed(QPoint(), frameGeometry().size());
    placed.moveCenter(window->frameGeometry().center());
    // The window is much taller than the main window in its compact layout: keep its
    // title bar and its lower buttons on the screen.
    if (const QScreen *screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), area.left(),
                                   std::max(area.left(), area.right() + 1 - placed.width())));
        placed.moveTop(std::clamp(placed.top(), area.top(),
                                  std::max(area.top(), area.bottom() + 1 - placed.height())));
    }
    ShowCentred(this, placed);
    // The first chooser starts with its text selected, so typing a card number replaces
    // "Kies een kaart" instead of adding to it.
    if (!m_shownBefore) {
        m_shownBefore = true;
        m_boxes[0]->setFocus();
        m_boxes[0]->lineEdit()->selectAll();
    }
}

void TForm3::BoxChange(int k)
{
    const int index = m_boxes[k - 1]->currentIndex();
    // Typed text that begins no card leaves the position as it is.
    if (index < 0)
        return;
    ShowChosenCard(k, index + 1);
    ComputeSixthCard();
}

void TForm3::ShowChosenCard(int k, CardNo card)
{
    showPositionCard(k, card);
    m_cards[k - 1] = card;
}

void TForm3::ClearPosition(int k)
{
    ShowNoCardChosen(*m_boxes[k - 1]);
    emptyPosition(k);
    m_cards[k - 1] = 0;
    // Without all five cards there is nothing to count out.
    ClearSixthCard();
}

void TForm3::ComputeSixthCard()
{
    if (const CardNo sixth = sixthCard())
        showPositionCard(kSixthPosition, sixth);
}

void TForm3::ClearSixthCard()
{
    emptyPosition(kSixthPosition);
}

void TForm3::showPositionCard(int k, CardNo card)
{
    // Always the Rider Waite pictures, whatever deck the main window shows.
    ShowCardPicture(*m_images[k - 1], kRiderWaite, card, m_services.dialogs);
    drawPositionKeyword(k, card);
}

void TForm3::drawPositionKeyword(int k, CardNo card)
{
    m_labels[k - 1]->setText(PositionCaption(k, RandomRwsKeyword(card, m_services.random)));
}

void TForm3::emptyPosition(int k)
{
    m_images[k - 1]->setPicture(std::nullopt);
    m_labels[k - 1]->setText(EmptyPositionCaption(k));
}

void TForm3::OpenSavedPentagram(const std::array<int, kPentagramPositions> &cards)
{
    ensureBuilt();
    for (int k = 1; k <= kPentagramPositions; ++k) {
        if (IsValidCard(cards[k - 1])) {
            m_boxes[k - 1]->setIndexQuietly(cards[k - 1] - 1);
            BoxChange(k);
        } else {
            ClearPosition(k);
        }
    }
    ComputeSixthCard();
}

void TForm3::btTrefTroefClick()
{
    // Only a full Pentagram, which has its sixth card, draws new keywords.
    const CardNo sixth = sixthCard();
    if (!sixth)
        return;
    // The last position draws first, as the keywords always have been drawn.
    for (int k = kPentagramPositions; k >= 1; --k)
        drawPositionKeyword(k, m_cards[k - 1]);
    drawPositionKeyword(kSixthPosition, sixth);
}

void TForm3::btOpeClick()
{
    emit listRequested();
}

void TForm3::btSaveClick()
{
    SavePentagram();
}

void TForm3::SpeedButton1Click()
{
    emit helpRequested();
}

void TForm3::SavePentagram()
{
    const QString line = ComposePentagramLine({m_services.clock.today(), m_cards}, m_monthNames);
    if (!m_services.dialogs.confirm(QStringLiteral("Pentagram Bewaren?")))
        return;
    // The list window reads the list again when it is opened next, with the new line.
    emit listCloseRequested();
    if (const Status saved = AppendPentagramLine(m_store, line); !saved)
        m_services.dialogs.error(saved.error());
}

bool TForm3::FormKeyDown(QKeyEvent *event)
{
    // Ctrl and Shift act on their own press, also when they start a combination; a key
    // held down asks only once.
    switch (event->key()) {
    case Qt::Key_Control:
        if (!event->isAutoRepeat())
            SavePentagram();
        return false;
    case Qt::Key_Shift:
        if (!event->isAutoRepeat())
            btOpeClick();
        return false;
    case Qt::Key_Escape:
        hide();
        emit listCloseRequested();
        return true;
    default:
        return false;
    }
}

} // namespace morvelin
