#include "mainwindow/window_placement.h"

#include <algorithm>

namespace morvelin {

MainWindowPlacement PlaceMainWindow(QSize screen)
{
    MainWindowPlacement placement{
        QPoint(0, 0), screen.height() <= kSmallScreenHeight,
        std::clamp(screen.height() - kDesignFrameHeight, kCompactClientHeight, kFullClientHeight)};
    if (screen.height() >= kSmallScreenHeight) {
        // Integer division truncating toward zero: a 708-pixel screen gives top -9.
        placement.topLeft =
            QPoint((screen.width() - kMaxOuterWidth) / 2, (screen.height() - kMaxOuterHeight) / 2);
    }
    return placement;
}

} // namespace morvelin
