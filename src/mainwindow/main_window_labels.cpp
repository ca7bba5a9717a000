// The main window's labels and hints, the Magic Card, random keywords and the clipboard.

#include "mainwindow/main_window.h"

#include "catalogue/card_texts.h"
#include "common/card_chooser.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/picture_box.h"
#include "common/random_source.h"
#include "common/widget_style.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace morvelin {

LabelMode TForm1::labelMode() const
{
    return LabelMode(m_labelModes->checkedId());
}

void TForm1::setLabelMode(LabelMode mode)
{
    if (mode != labelMode())
        m_labelModes->button(int(mode))->setChecked(true);
}

void TForm1::setLabelColour(const QColor &colour)
{
    for (QLabel *label : m_labels)
        SetTextColour(label, colour);
}

LabelView TForm1::labelView() const
{
    return ComposeLabelView(labelMode(), deckId(), isTriangle(), m_spread.allTexts());
}

void TForm1::ApplyLabelMode()
{
    setLabelColour(Qt::black);
    const LabelView view = labelView();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        m_labels[slot - 1]->setText(view.captions[slot - 1]);
        m_images[slot - 1]->setToolTip(view.hints[slot - 1]);
        m_labels[slot - 1]->setVisible(view.captionVisible[slot - 1]);
    }
    setMagicCardText(view.magic);
}

void TForm1::applyMagicCardLabelMode()
{
    setMagicCardText(labelView().magic);
}

QString TForm1::labelCaption(int slot) const
{
    return m_labels[slot - 1]->text();
}

void TForm1::setMagicCardText(const MagicCardText &text)
{
    m_magicText = text;
    emit magicCardTextChanged(m_magicText);
}

void TForm1::ShowMagicCard()
{
    if (!m_spread.isComplete())
        return;
    const DeckId deck = deckId();
    const SpreadCount count = m_spread.count(deck, isTriangle());
    const CountLineTexts lines = ComposeCountLines(deck, count);
    SetFittedCaption(lbOudMc, lines.oldMagicCard);
    SetFittedCaption(lbQuint, lines.quintessence);
    m_spread.setMagicCard(deck, count);
    emit magicCardChanged(deck, count.magicCard);
    lbNieuwMc->setVisible(lines.newMagicCard.has_value());
    if (lines.newMagicCard) {
        SetFittedCaption(lbNieuwMc, *lines.newMagicCard);
        setMagicCardText({CardName(deck, count.newMagicCard), true, m_magicText.hint});
    }
}

void TForm1::RadioGroup1Click()
{
    m_labelCycle = int(labelMode());
    ApplyLabelMode();
    BuildExportTexts();
    ComboBox4->setFocus();
}

void TForm1::btOmschClick()
{
    m_labelCycle = NextLabelCycle(m_labelCycle);
    setLabelMode(LabelMode(m_labelCycle));
    ApplyLabelMode();
    BuildExportTexts();
    ComboBox4->setFocus();
}

void TForm1::btRndTrefwoordClick()
{
    setLabelMode(LabelMode::Keyword);
    ComboBox4->setIndexQuietly(kRiderWaite);
    ApplyChosenDeck();
    DrawRandomKeywords();
}

void TForm1::DrawRandomKeywords()
{
    if (!m_spread.isComplete())
        return;
    setLabelColour(Qt::blue);
    // Each slot draws on its own: the same card twice may show two different keywords.
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        m_labels[slot - 1]->setText(RandomRwsKeyword(m_spread.card(slot), m_services.random));
    }
}

ExportInputs TForm1::readExportInputs() const
{
    ExportInputs inputs;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        inputs.labels[slot - 1] = m_labels[slot - 1]->text();
        inputs.hints[slot - 1] = m_images[slot - 1]->toolTip();
    }
    inputs.magicLabel = m_magicText.caption;
    inputs.magicHint = m_magicText.hint;
    return inputs;
}

void TForm1::BuildExportTexts()
{
    m_exportTexts = morvelin::BuildExportTexts(readExportInputs(), labelMode(), isTriangle(),
                                               m_services.clock.today());
}

void TForm1::bt10XClick()
{
    QGuiApplication::clipboard()->setText(m_exportTexts.full[deckId()]);
}

void TForm1::bt4XClick()
{
    QGuiApplication::clipboard()->setText(m_exportTexts.four[deckId()]);
}

void TForm1::btBigImgClick()
{
    CopySpreadPicture();
}

void TForm1::CopySpreadPicture()
{
    // The picture shows the cards and their labels only; the controls step aside for it.
    QWidget *const controls[] = {
        Shape1,  Shape2, btPlus,         btOpenen,    btBewaren, btHelp,   cbDriehoek, btMagic,
        lbQuint, btRnd,  btRndTrefwoord, RadioGroup1, bt10X,     btBigImg, lbNieuwMc,  lbOudMc};
    bool wasShown[std::size(controls)];
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        wasShown[i] = !controls[i]->isHidden();
        controls[i]->hide();
    }
    // Rendered from the window itself, below the row of choosers: nothing lying over the
    // window on screen ends up in the picture.
    constexpr int kChooserRowHeight = 30;
    const QImage picture =
        grab(QRect(0, kChooserRowHeight, width(), height() - kChooserRowHeight)).toImage();
    for (std::size_t i = 0; i < std::size(controls); ++i)
        controls[i]->setVisible(wasShown[i]);

    QGuiApplication::clipboard()->setImage(picture);
    m_services.dialogs.message(QStringLiteral("Afbeelding is gekopieerd naar Klembord."));
}

} // namespace morvelin
