#include "common/focus_cue.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

namespace morvelin {

namespace {

class FocusCueStyle final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        const State focusShown = State_HasFocus | State_KeyboardFocusChange;
        if (element != CE_PushButton || (option->state & focusShown) != focusShown)
            return;
        painter->save();
        painter->setPen(QPen(option->palette.buttonText().color(), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(3, 3, -4, -4));
        painter->restore();
    }
};

// One style for all windows, living as long as the application.
QStyle *FocusCueStyleInstance()
{
    static QStyle *style = [] {
        auto *created = new FocusCueStyle;
        created->setParent(qApp);
        return created;
    }();
    return style;
}

} // namespace

void ShowFocusCues(QWidget *window)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->focusPolicy() != Qt::NoFocus)
            button->setStyle(FocusCueStyleInstance());
    }
}

} // namespace morvelin
