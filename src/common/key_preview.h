#pragma once
// @brief Lets a window see every key press meant for one of its controls before the
// control does, as the program's windows do.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QKeyEvent;

namespace morvelin {

class KeyPreview final : public QObject {
public:
    // The handler returns true to keep the key from the control.
    using Handler = std::function<bool(QKeyEvent *)>;

    KeyPreview(QWidget *window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    Handler m_handler;
    // The key press last previewed and the control it came to first. Qt hands a press
    // the focused control leaves unhandled to each of its parents in turn; those later
    // deliveries are told apart by this, not by the focus, which a handler that opens a
    // dialog moves before the press travels on.
    const QEvent *m_previewed = nullptr;
    quint64 m_previewedTime = 0;
    QPointer<QWidget> m_firstReceiver;
};

// Enter on a focused push button presses it, in every window of the program: clicks the
// button that has the focus, if any, and says whether there was one.
bool PressFocusedButton();

} // namespace morvelin
