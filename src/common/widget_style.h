#pragma once
// @brief The few ways the program's windows dress and place their widgets: fonts by
// pixel height, text and background colours, labels sized to their captions, and showing
// a window centred on an area.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace morvelin {

QFont PixelFont(const QString &family, int pixels, bool bold = false);
void SetTextColour(QWidget *widget, const QColor &colour);
void SetBackground(QWidget *widget, const QColor &colour);
// Sets a label's caption and sizes the label to it, so that it covers no more of the
// window than its text: what lies beside the text keeps its mouse events.
void SetFittedCaption(QLabel *label, const QString &caption);
// Moves the window's frame to the centre of the area, shows it on top and gives it the focus.
void ShowCentred(QWidget *window, const QRect &area);

} // namespace morvelin
