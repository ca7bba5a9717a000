#pragma once
// @brief Controls put at their places in a window under the names the program and its
// tests know them by.

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace morvelin {

template <typename Widget>
Widget *Place(Widget *widget, const QString &name, const QRect &geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

template <typename Widget>
Widget *Place(Widget *widget, const char *name, const QRect &geometry)
{
    return Place(widget, QString(QLatin1String(name)), geometry);
}

// A button in place with its caption and hint (none when hint is empty).
QPushButton *MakeButton(QWidget *parent, const char *name, const QRect &geometry,
                        const QString &caption, const QString &hint = {});

} // namespace morvelin
