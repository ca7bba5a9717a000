// The main window's spread: the random draw, the card and deck choosers, the derived
// slots and the layouts.

#include "mainwindow/main_window.h"

#include "catalogue/card_catalogue.h"
#include "common/card_chooser.h"
#include "common/key_preview.h"
#include "common/picture_box.h"
#include "mainwindow/spread_draw.h"
#include "mainwindow/window_placement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>

namespace morvelin {

namespace {

void SetVisible(std::initializer_list<QWidget *> widgets, bool visible)
{
    for (QWidget *widget : widgets)
        widget->setVisible(visible);
}

} // namespace

TForm1::TForm1(const Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    createControls();
    FormCreate();
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

TForm1::~TForm1() = default;

DeckId TForm1::deckId() const
{
    return ComboBox4->currentIndex();
}

bool TForm1::isTriangle() const
{
    return cbDriehoek->isChecked();
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The program always opens with a random spread.
    if (!m_shownBefore) {
        m_shownBefore = true;
        btRndClick();
    }
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    // Only a press on the canvas itself, not one passed on by a card or a label.
    if (watched == m_canvas && event->type() == QEvent::MouseButtonPress
        && !m_canvas->childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
        FormClick();
    return QWidget::eventFilter(watched, event);
}

// A click on the window's background, not on a card or control, closes the Magic Card box.
void TForm1::FormClick()
{
    emit magicCardBoxDismissed();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The other windows go with the main window: closing it ends the program.
    emit closing();
    event->accept();
}

void TForm1::btRndClick()
{
    DrawRandomSpread();
}

void TForm1::DrawRandomSpread()
{
    const auto cards = DrawThreeDifferentCards(m_services.random);
    for (int k = 1; k <= 3; ++k)
        cardChooser(k)->setIndexQuietly(cards[k - 1] - 1);
    for (int k = 1; k <= 3; ++k)
        ApplyChosenCard(k);
    ApplyChosenDeck();
    cardChooser(1)->setFocus();
}

void TForm1::ApplyChosenCard(int k)
{
    CardChooser *chooser = cardChooser(k);
    m_chosenIndex[k - 1] = chooser->currentIndex();
    if (m_chosenIndex[k - 1] >= 0) {
        m_images[k - 1]->show();
        ShowChosenCard(k);
    } else {
        // Text that begins no item: the chooser names the card its slot shows again, in
        // the deck shown now, and nothing is redrawn.
        m_chosenIndex[k - 1] = m_spread.card(k) - 1;
        chooser->setIndexQuietly(m_chosenIndex[k - 1]);
    }
    if (isTriangle())
        hideTriangleLabels();
    emit spreadChanged();
}

void TForm1::ShowChosenCard(int k)
{
    const CardNo card = cardChooser(k)->currentIndex() + 1;
    m_spread.setSlotCard(k, deckId(), card);
    showSlot(k);
    RefreshSpread();
}

void TForm1::showSlot(int slot)
{
    ShowCardPicture(*m_images[slot - 1], deckId(), m_spread.card(slot), m_services.dialogs);
    m_labels[slot - 1]->setText(m_spread.texts(slot).name);
    m_images[slot - 1]->setToolTip(m_spread.texts(slot).keyword);
}

void TForm1::RefreshSpread()
{
    if (!m_spread.isComplete())
        return;
    if (!m_sideControlsShown) {
        SetVisible({btHelp1, btOmsch, btBewr, btPlus, bt4X, btMC, Shape1, Shape2}, true);
        m_sideControlsShown = true;
    }
    m_spread.deriveSlots(deckId());
    for (int slot = 4; slot <= kSlotCount; ++slot)
        showSlot(slot);
    ShowMagicCard();
    ApplyLabelMode();
    BuildExportTexts();
}

void TForm1::ApplyChosenDeck()
{
    if (ComboBox4->currentIndex() >= 0)
        m_lastDeckIndex = ComboBox4->currentIndex();
    else
        ComboBox4->setIndexQuietly(m_lastDeckIndex);
    const DeckId deck = deckId();

    for (int k = 1; k <= 3; ++k)
        cardChooser(k)->replaceItems(NumberedCardList(deck));
    // The same three cards, by name, stay chosen under their numbers in the new deck.
    for (int k = 1; k <= 3; ++k) {
        const CardNo found = FindCardByName(deck, m_spread.texts(k).name);
        if (found > 0)
            m_chosenIndex[k - 1] = found - 1;
    }
    m_labelModes->button(int(LabelMode::Astro))->setEnabled(deck != kEtteilla);

    for (int k = 1; k <= 3; ++k) {
        if (m_spread.card(k) != 0) {
            cardChooser(k)->setIndexQuietly(m_chosenIndex[k - 1]);
            ShowChosenCard(k);
        }
    }
    if (isTriangle())
        hideTriangleLabels();
    emit spreadChanged();
}

void TForm1::ApplySavedSpread(DeckId deck, const std::array<CardNo, 3> &cards)
{
    for (int k = 1; k <= 3; ++k)
        cardChooser(k)->setIndexQuietly(cards[k - 1] - 1);
    ComboBox4->setIndexQuietly(deck);
    for (int k = 1; k <= 3; ++k)
        ApplyChosenCard(k);
    ApplyChosenDeck();
}

void TForm1::focusDeckChooser()
{
    activateWindow();
    ComboBox4->setFocus();
}

void TForm1::hideTriangleLabels()
{
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (IsHiddenByTriangle(slot))
            m_labels[slot - 1]->hide();
    }
}

void TForm1::btPlusClick()
{
    ToggleLayout();
}

void TForm1::ToggleLayout()
{
    const bool toFull = m_compactLayout;
    m_compactLayout = !toFull;
    applyLayoutSize();
    btPlus->setText(toFull ? QStringLiteral("4K") : QStringLiteral("10K"));
    // The compact layout carries its own small buttons; the full one uses the large ones.
    SetVisible({btMC, btHelp1, btOmsch, btBewr, bt4X}, !toFull);
    emit layoutToggled();
    cardChooser(1)->setFocus();
}

void TForm1::applyLayoutSize()
{
    // The canvas is only as high as the layout shows: the compact window has nothing to
    // scroll to, whatever takes the focus or turns the wheel. The full layout scrolls
    // only on a screen too low for it, both ways, as automatic scroll bars do.
    const bool scrolls = !m_compactLayout && m_scrollBarsInFullLayout;
    const Qt::ScrollBarPolicy policy = scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    m_scrollArea->setVerticalScrollBarPolicy(policy);
    m_scrollArea->setHorizontalScrollBarPolicy(policy);
    m_canvas->setFixedSize(kMainClientWidth,
                           m_compactLayout ? kCompactClientHeight : kFullClientHeight);
    setFixedSize(kMainClientWidth, m_compactLayout ? kCompactClientHeight : m_fullClientHeight);
}

void TForm1::cbDriehoekClick()
{
    const bool on = isTriangle();
    SetVisible({Shape1, Shape2, btPlus}, !on);
    const bool labelsOn = labelMode() != LabelMode::None;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (IsHiddenByTriangle(slot)) {
            m_images[slot - 1]->setVisible(!on);
            m_labels[slot - 1]->setVisible(!on && labelsOn);
        }
    }
    // The Magic Card's caption and hint, and with them the clipboard texts, both name
    // the triangle's Magic Card by the label mode; the captions under the cards, random
    // keywords included, stay as they are.
    ShowMagicCard();
    applyMagicCardLabelMode();
    BuildExportTexts();
}

void TForm1::btHelpClick()
{
    emit helpRequested();
}

void TForm1::btMagicClick()
{
    emit magicCardBoxRequested();
}

void TForm1::btOpenenClick()
{
    emit historyRequested();
}

void TForm1::btBewarenClick()
{
    emit saveRequested(SaveButton::Large);
}

void TForm1::btBewrClick()
{
    emit saveRequested(SaveButton::Small);
}

void TForm1::btPentaClick()
{
    emit pentagramRequested();
}

} // namespace morvelin
