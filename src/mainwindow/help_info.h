#pragma once
// @brief The help window: a fixed Dutch help text the user may read (and scribble in,
// for as long as the program runs).

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace morvelin {

class THelpInfo : public QWidget {
    Q_OBJECT

public:
    explicit THelpInfo(QWidget *parent = nullptr);

    QPlainTextEdit *memo() const { return Memo1; }
    // Shows the window in the centre of the desktop.
    void showHelp();
    // Shows the window with the line that is exactly this heading selected and at the top
    // of the text; a heading the user has edited away only shows the window.
    void showAtHeading(const QString &heading);

public slots:
    void btSluitHClick();

private:
    bool FormKeyDown(QKeyEvent *event);

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *btSluitH = nullptr;
};

// The help text as the program carries it.
QString HelpText();

} // namespace morvelin
