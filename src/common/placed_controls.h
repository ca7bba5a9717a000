#pragma once
// @brief Controls put at their places in a window under the names the program and its
// tests know them by.

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace morvelin {

template <typename Widget>
Widget *Place(Widget *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// A button in place with its caption and hint.
QPushButton *MakeButton(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &caption, const QString &hint);

} // namespace morvelin
