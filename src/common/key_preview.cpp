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
    const bool press = event->type() == QEvent::KeyPress;
    if ((!press && event->type() != QEvent::KeyRelease) || !watched->isWidgetType())
        return false;
    auto *receiver = static_cast<QWidget *>(watched);
    if (receiver->window() != m_window)
        return false;
    // A release in this window ends the press, so a later press that comes in the same
    // place in memory is one of its own. A release in a dialog the handling opened does
    // not: the press may still travel on here.
    if (!press) {
        m_previewed = nullptr;
        return false;
    }
    auto *key = static_cast<QKeyEvent *>(event);
    // A key the first control left unhandled travels on to its parents: preview it once.
    if (event == m_previewed && key->timestamp() == m_previewedTime && m_firstReceiver
        && receiver->isAncestorOf(m_firstReceiver))
        return false;
    m_previewed = event;
    m_previewedTime = key->timestamp();
    m_firstReceiver = receiver;
    return m_handler(key);
}

bool PressFocusedButton()
{
    auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (button)
        button->click();
    return button != nullptr;
}

} // namespace morvelin
