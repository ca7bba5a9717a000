#include "mainwindow/help_info.h"

#include "common/key_preview.h"
#include "common/widget_style.h"

#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>

namespace morvelin {

namespace {

constexpr QSize kClientSize(471, 600);

QFont TahomaFont(int pixels)
{
    return PixelFont(QStringLiteral("Tahoma"), pixels);
}

} // namespace

QString HelpText()
{
    QFile file(QStringLiteral(":/help/help_text.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

THelpInfo::THelpInfo(QWidget *parent)
    : OnDemandWindow(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("HelpInfo"));
    setWindowTitle(QStringLiteral("Help Info"));
    setFixedSize(kClientSize);
}

void THelpInfo::buildControls()
{
    setFont(TahomaFont(11));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    // Kept inside the window, so that its scroll bar can be reached.
    Memo1->setGeometry(8, 8, kClientSize.width() - 16, 561);
    Memo1->setFont(TahomaFont(13));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setPlainText(HelpText());

    btSluitH = new QPushButton(QStringLiteral("Sluiten"), this);
    btSluitH->setObjectName(QStringLiteral("btSluitH"));
    btSluitH->setGeometry(391, 573, 75, 22);
    connect(btSluitH, &QPushButton::clicked, this, &THelpInfo::btSluitHClick);

    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

void THelpInfo::showHelp()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ShowCentred(this, screen ? screen->availableGeometry() : geometry());
}

void THelpInfo::showAtHeading(const QString &heading)
{
    showHelp();
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next()) {
        if (block.text() != heading)
            continue;
        QTextCursor selection(block);
        selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        Memo1->setTextCursor(selection);
        Memo1->verticalScrollBar()->setValue(block.firstLineNumber());
        return;
    }
}

void THelpInfo::btSluitHClick()
{
    hide();
}

bool THelpInfo::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return false;
}

} // namespace morvelin
