#pragma once
// @brief Where the main window opens and when its full layout needs scroll bars,
// by the size of the screen.

#include <QPoint>
#include <QSize>

namespace morvelin {

inline constexpr int kMainClientWidth = 498;
inline constexpr int kCompactClientHeight = 202;
// The full layout asks for 726 but the window's outer height is limited to 726, so the
// client area ends at the frame: 687 pixels with a 39-pixel frame.
inline constexpr int kFullClientHeight = 687;
inline constexpr int kMaxOuterWidth = 514;
inline constexpr int kMaxOuterHeight = 726;
inline constexpr int kDesignFrameHeight = kMaxOuterHeight - kFullClientHeight;
// Screens up to this height are too low for the full layout.
inline constexpr int kSmallScreenHeight = 708;

struct MainWindowPlacement {
    QPoint topLeft;              // of the window's frame
    bool scrollBarsInFullLayout; // the full layout does not fit the screen
    int fullClientHeight;        // as much of the full layout as the screen holds
};

MainWindowPlacement PlaceMainWindow(QSize screen);

} // namespace morvelin
