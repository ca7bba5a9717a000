#pragma once
// @brief What waits for a window's first frame: work that need not hold up the start,
// and the start-up benchmark's report.

#include <functional>

class QWidget;

namespace morvelin {

// Runs the work once, as soon as the window's first frame has been painted and handed to
// the display.
void AfterFirstPaint(QWidget &window, std::function<void()> work);

// With MORVELIN_REPORT_FIRST_PAINT set in the environment, the program prints the
// monotonic clock in nanoseconds on one line of standard output when the window's first
// frame is on the display, and ends once the work queued behind that frame is done.
// Without the variable it does nothing.
inline constexpr char kReportFirstPaintVariable[] = "MORVELIN_REPORT_FIRST_PAINT";
void ReportFirstPaintIfAsked(QWidget &window);

} // namespace morvelin
