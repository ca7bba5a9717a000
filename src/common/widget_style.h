#pragma once
// @brief The few ways the program's windows dress and place their widgets: fonts by
// pixel height, text and background colours, and showing a window centred on an area.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace morvelin {

QFont PixelFont(const QString &family, int pixels, bool bold = false);
void SetTextColour(QWidget *widget, const QColor &colour);
void SetBackground(QWidget *widget, const QColor &colour);
// Moves the window's frame to the centre of the area, shows it on top and gives it the focus.
void ShowCentred(QWidget *window, const QRect &area);

} // namespace morvelin
