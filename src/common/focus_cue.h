#pragma once
// @brief A clear mark on the push button that has the keyboard focus. The toolkit's own
// style marks a focused button the way it marks the default button, so the default
// button showed no change at all when it got the focus.

class QWidget;

namespace morvelin {

// Every push button inside the window draws a dotted frame inside its edge while it has
// the focus and the keyboard has been used to move it.
void ShowFocusCues(QWidget *window);

} // namespace morvelin
