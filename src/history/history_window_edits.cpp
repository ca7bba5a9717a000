// The history window's changes to the list: clearing it, deleting a selection, editing a
// comment, restoring the backup, and handing the list to the clipboard and the analysis.

#include "history/history_window.h"

#include "common/dialogs.h"
#include "history/history_list_view.h"
#include "history/text_list.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScopeGuard>

namespace morvelin {

void TVerleden::btWisLstClick()
{
    if (m_list.count() == 0)
        return;
    // The window takes no input while the question is open.
    setEnabled(false);
    const auto enable = qScopeGuard([this] {
        showCount();
        setEnabled(true);
    });
    if (m_services.dialogs.listWarning(QStringLiteral("Hele Lijst Wissen?!"))
        && reportWrite(m_list.clear()))
        showList();
}

void TVerleden::btWisSelClick()
{
    setEnabled(false);
    const auto enable = qScopeGuard([this] {
        setEnabled(true);
        lbxLijst->moveCursorToLastLine();
    });
    const QList<int> rows = lbxLijst->selectedRows();
    if (rows.isEmpty())
        return;
    // The spread on screen may be the one saved last: once it may be gone from the list,
    // it can be saved again, whatever the answer.
    if (lbxLijst->cursorRow() == m_list.count() - 1)
        m_shared.spreadSaved = false;
    if (!m_services.dialogs.listWarning(QStringLiteral("Selectie wordt verwijderd!")))
        return;
    if (!reportWrite(m_list.removeRows(rows)))
        return;
    showList();
    m_lastOpenedLine = 0;
}

void TVerleden::btBewerkClick()
{
    const QList<int> rows = lbxLijst->selectedRows();
    if (rows.size() != 1)
        return;
    const int row = rows.first();
    const QString line = m_list.lines().at(row);
    const std::optional<HistoryLineParts> parts = SplitHistoryLine(line);
    if (!parts) {
        m_services.dialogs.message(QStringLiteral(
            "Deze regel heeft niet de vorm van een bewaarde legging; de opmerking kan niet "
            "bewerkt worden. Er is niets veranderd."));
        return;
    }
    // The backup holds the list before the edit, also when the edit is then cancelled.
    if (!report(m_list.writeBackup()))
        return;
    const std::optional<QString> answer =
        m_services.dialogs.textInput(QStringLiteral("Bewerk Selectie:"),
                                     QStringLiteral("Max. Ongeveer 80 tekens."), parts->comment);
    if (!answer)
        return;
    const QString edited = *ReplaceHistoryComment(line, *answer);
    if (!reportWrite(m_list.replaceLine(row, edited)))
        return;
    lbxLijst->setLine(row, edited);
    lbxLijst->setCursorRow(row);
    lbxLijst->selectRow(row);
}

void TVerleden::btHerstelClick()
{
    if (!m_services.dialogs.listWarning(
            QStringLiteral("Lijst Herstellen naar laatst bewerkte versie?")))
        return;
    if (!m_list.backupExists()) {
        m_services.dialogs.message(
            QStringLiteral("Niets Hersteld. MorvelLijst.bak niet gevonden!"));
        return;
    }
    if (!reportWrite(m_list.restoreBackup()))
        return;
    showList();
    lbxLijst->moveCursorToLastLine();
    m_lastOpenedLine = 0;
}

void TVerleden::btKopieLstClick()
{
    QGuiApplication::clipboard()->setText(JoinLinesCrLf(m_list.lines()));
}

void TVerleden::btAnaliesClick()
{
    m_shared.questionCountText = QString::number(m_list.count());
    emit analysisRequested();
}

} // namespace morvelin
