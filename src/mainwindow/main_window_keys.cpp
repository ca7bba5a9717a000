// The main window's keys: it sees every key before the focused control does.

#include "mainwindow/main_window.h"

#include "common/card_chooser.h"
#include "common/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace morvelin {

bool TForm1::FormKeyDown(QKeyEvent *event)
{
    QWidget *focused = QApplication::focusWidget();
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Space:
        btMagicClick();
        return false;
    case Qt::Key_Plus:
        if (event->modifiers() & Qt::KeypadModifier)
            ToggleLayout();
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A focused button takes Enter itself; everywhere else it presses the default button.
        if (!PressFocusedButton())
            btRndTrefwoord->click();
        return true;
    }
    case Qt::Key_Left:
        moveChooserFocus(focused, -1);
        return false;
    case Qt::Key_Right:
        moveChooserFocus(focused, +1);
        return false;
    default:
        return false;
    }
}

// The left and right arrows move the focus through the four choosers in a ring.
void TForm1::moveChooserFocus(QWidget *focused, int step)
{
    const std::array<CardChooser *, 4> ring = {cardChooser(1), cardChooser(2), cardChooser(3),
                                               ComboBox4};
    for (int i = 0; i < int(ring.size()); ++i) {
        if (focused && (focused == ring[i] || ring[i]->isAncestorOf(focused))) {
            ring[(i + step + int(ring.size())) % int(ring.size())]->setFocus();
            return;
        }
    }
}

} // namespace morvelin
