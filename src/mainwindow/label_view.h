#pragma once
// @brief What the ten card labels, their hints and the Magic Card box show in each
// label mode: nothing, the name, the keyword or the astrological text.

#include "mainwindow/magic_card_text.h"
#include "mainwindow/main_spread.h"

#include <array>

namespace morvelin {

// The item index of the "LABELS:" radio group.
enum class LabelMode { None = 0, Name = 1, Keyword = 2, Astro = 3 };
inline constexpr int kLabelModeCount = 4;

struct LabelView {
    std::array<QString, kSlotCount> captions;
    std::array<QString, kSlotCount> hints;
    std::array<bool, kSlotCount> captionVisible{};
    // What the Magic Card box shows beside the card.
    MagicCardText magic;
};

// The slots whose labels the six-card triangle hides.
bool IsHiddenByTriangle(int slot);

LabelView ComposeLabelView(LabelMode mode, DeckId deck, bool triangle,
                           const std::array<SlotTexts, kMagicCardSlot> &texts);

// The mode the "O" button steps to: 0, 1, 2, 3 and round again.
constexpr int NextLabelCycle(int cycle)
{
    return (cycle + 1) % kLabelModeCount;
}

} // namespace morvelin
