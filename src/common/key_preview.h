#pragma once
// @brief Lets a window see every key press meant for one of its controls before the
// control does, as the program's windows do.

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

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
};

// Enter on a focused push button presses it, in every window of the program: clicks the
// button that has the focus, if any, and says whether there was one.
bool PressFocusedButton();

} // namespace morvelin
