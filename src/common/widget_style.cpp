#include "common/widget_style.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace morvelin {

QFont PixelFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void SetBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetFittedCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
    label->adjustSize();
}

void ShowCentred(QWidget *window, const QRect &area)
{
    QRect placed(QPoint(), window->frameGeometry().size());
    placed.moveCenter(area.center());
    window->move(placed.topLeft());
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace morvelin
