#pragma once
// @brief The help window: a fixed Dutch help text the user may read (and scribble in,
// for as long as the program runs).

#include "common/on_demand_window.h"

class QPlainTextEdit;
class QPushButton;

namespace morvelin {

// Built on first need: its long text need not be laid out before the main window shows.
class THelpInfo : public OnDemandWindow {
    Q_OBJECT

public:
    explicit THelpInfo(QWidget *parent = nullptr);

    QPlainTextEdit *memo()
    {
        ensureBuilt();
        return Memo1;
    }
    // Shows the window in the centre of the desktop.
    void showHelp();
    // Shows the window with the line that is exactly this heading selected and at the top
    // of the text; a heading the user has edited away only shows the window.
    void showAtHeading(const QString &heading);

public slots:
    void btSluitHClick();

protected:
    void buildControls() override;

private:
    bool FormKeyDown(QKeyEvent *event);

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *btSluitH = nullptr;
};

// The help text as the program carries it.
QString HelpText();

} // namespace morvelin
