// The history window: opening and closing it, opening a saved spread from it and its keys.

#include "history/history_window.h"

#include "common/dialogs.h"
#include "common/key_preview.h"
#include "history/history_list_menu.h"
#include "history/history_list_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace morvelin {

TVerleden::TVerleden(const Services &services, const TextListStore &store, SharedState &shared,
                     QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_services(services), m_shared(shared), m_list(store)
{
    createControls();
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
    lbxLijst->installEventFilter(this);
    auto *menu = new HistoryListMenu(lbxLijst, m_services, store);
    connect(menu, &HistoryListMenu::searchRequested, this, &TVerleden::searchRequested);
    connect(menu, &HistoryListMenu::historyImported, this, [this] {
        reloadList();
        emit historyChanged();
    });
}

TVerleden::~TVerleden() = default;

void TVerleden::openList()
{
    if (!m_list.fileExists()) {
        m_services.dialogs.message(QStringLiteral("Er zijn nog geen vragen bewaard!"));
        return;
    }
    if (!report(m_list.reload()))
        return;
    showList();
    show();
    raise();
    activateWindow();
    lbxLijst->moveCursorToLastLine();
    showCount();
    if (m_lastOpenedLine > 0 && m_lastOpenedLine < m_list.count())
        lbxLijst->selectRow(m_lastOpenedLine);
}

void TVerleden::reloadList()
{
    if (report(m_list.reload()))
        showList();
}

void TVerleden::moveCursorToLastLine()
{
    lbxLijst->moveCursorToLastLine();
}

void TVerleden::showList()
{
    lbxLijst->setLines(m_list.lines());
    showCount();
}

void TVerleden::showCount()
{
    lbAantal->setText(QStringLiteral("Aantal vragen: ") + QString::number(m_list.count()));
}

void TVerleden::showLineNo()
{
    lbRegnr->setText(QStringLiteral("Regel: ") + QString::number(m_currentLineNo));
}

bool TVerleden::report(const Status &status)
{
    if (status)
        return true;
    showList();
    m_services.dialogs.error(status.error());
    return false;
}

bool TVerleden::reportWrite(const Status &status)
{
    // Also after a refused write: the list has just taken the file's newer lines.
    emit historyChanged();
    return report(status);
}

void TVerleden::OpenSavedSpread()
{
    const int cursor = lbxLijst->cursorRow();
    if (!lbxLijst->hasSelection() || cursor < 0) {
        showLineNo();
        return;
    }
    m_lastOpenedLine = cursor;
    m_currentLineNo = cursor + 1;
    const int row = cursor + m_pendingStep;
    m_currentLineNo += m_pendingStep;
    if (row < 0 || row >= m_list.count())
        return;
    // The code is checked whole before the main window is touched.
    const Result<SavedSpread> spread = ReadSavedSpread(m_list.lines().at(row));
    if (!spread) {
        m_services.dialogs.error(spread.error());
        return;
    }
    emit savedSpreadChosen(*spread);
    m_pendingStep = 0;
    activateWindow();
    showLineNo();
}

void TVerleden::lbxLijstDblClick()
{
    OpenSavedSpread();
}

void TVerleden::btKeuzeClick()
{
    OpenSavedSpread();
}

// Runs before the list moves its cursor: the arrow opens the line the cursor is about to
// reach, and the list then moves as usual.
void TVerleden::lbxLijstKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down)
        return;
    const bool up = event->key() == Qt::Key_Up;
    m_pendingStep = up ? -1 : +1;
    m_currentLineNo = lbxLijst->cursorRow() + 1;
    if (up ? m_currentLineNo > 1 : m_currentLineNo < m_list.count())
        OpenSavedSpread();
    m_pendingStep = 0;
}

bool TVerleden::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lbxLijst && event->type() == QEvent::KeyPress)
        lbxLijstKeyDown(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

bool TVerleden::FormKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        btTerug->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button takes Enter as a press.
        return PressFocusedButton();
    default:
        return false;
    }
}

void TVerleden::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FormShow();
}

// The list takes the keys as soon as the window shows, so the arrows walk through it.
void TVerleden::FormShow()
{
    lbxLijst->setFocus();
}

void TVerleden::btTerugClick()
{
    close();
}

void TVerleden::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TVerleden::closeList()
{
    hide();
    FormClose();
}

void TVerleden::FormClose()
{
    m_shared.questionCountText = QString::number(m_list.count());
    emit closed();
}

} // namespace morvelin
