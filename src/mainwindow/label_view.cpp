#include "mainwindow/label_view.h"

namespace morvelin {

namespace {

// The text under a card; the Etteilla deck has no astrology and shows its keyword instead.
const QString &CaptionText(LabelMode mode, DeckId deck, const SlotTexts &texts)
{
    switch (mode) {
    case LabelMode::Name:
        return texts.name;
    case LabelMode::Astro:
        if (deck == kRiderWaite)
            return texts.rwsAstro;
        if (deck == kThierens)
            return texts.thierensAstro;
        return texts.keyword;
    case LabelMode::None:
    case LabelMode::Keyword:
        break;
    }
    return texts.keyword;
}

// The hint holds the keyword while the label shows the name, and the name otherwise.
const QString &HintText(LabelMode mode, const SlotTexts &texts)
{
    return mode == LabelMode::Name ? texts.keyword : texts.name;
}

} // namespace

bool IsHiddenByTriangle(int slot)
{
    return slot == 4 || slot == 7 || slot == 9 || slot == 10;
}

LabelView ComposeLabelView(LabelMode mode, DeckId deck, bool triangle,
                           const std::array<SlotTexts, kMagicCardSlot> &texts)
{
    LabelView view;
    const bool labelsOn = mode != LabelMode::None;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotTexts &slotTexts = texts[slot - 1];
        view.captions[slot - 1] = CaptionText(mode, deck, slotTexts);
        view.hints[slot - 1] = HintText(mode, slotTexts);
        view.captionVisible[slot - 1] = labelsOn && !(triangle && IsHiddenByTriangle(slot));
    }
    const SlotTexts &magic = texts[kMagicCardSlot - 1];
    view.magic = {CaptionText(mode, deck, magic),
                  labelsOn && !(mode == LabelMode::Astro && deck == kEtteilla),
                  HintText(mode, magic)};
    return view;
}

} // namespace morvelin
