#include "common/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace morvelin {

KeyPreview::KeyPreview(QWidget *window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *receiver = static_cast<QWidget *>(watched);
    if (receiver->window() != m_window)
        return false;
    // A key the focused control left unhandled travels on to its parents: preview it once.
    QWidget *focus = QApplication::focusWidget();
    if (receiver != focus && receiver->isAncestorOf(focus))
        return false;
    return m_handler(static_cast<QKeyEvent *>(event));
}

bool PressFocusedButton()
{
    auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (button)
        button->click();
    return button != nullptr;
}

} // namespace morvelin
