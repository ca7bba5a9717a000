#pragma once
// @brief The history window "MorvelLijst.txt": the saved spreads, one line each, to open
// into the main window (double click, "Kies" or the arrow keys), to edit, delete,
// restore and copy, and to hand to the analysis. It lives hidden for the whole run; the
// main window's save reloads its list even while it is hidden.

#include "common/services.h"
#include "common/shared_state.h"
#include "history/history_line.h"
#include "history/history_list.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace morvelin {

class HistoryListView;
class TextListStore;

class TVerleden : public QWidget {
    Q_OBJECT

public:
    TVerleden(const Services &services, const TextListStore &store, SharedState &shared,
              QWidget *parent = nullptr);
    ~TVerleden() override;

public slots:
    // "&Open Lijst" and "LST" on the main window: shows the list with its cursor on the
    // last line, or says that nothing is saved yet.
    void openList();
    // Reads the history file again, whether the window is shown or not.
    void reloadList();
    void moveCursorToLastLine();
    // Hides the window and runs its closing steps, also when it is hidden already: the
    // analysis closes it before every count.
    void closeList();

    void OpenSavedSpread();
    void lbxLijstDblClick();
    void btKeuzeClick();
    void btTerugClick();
    void btWisLstClick();
    void btWisSelClick();
    void btBewerkClick();
    void btHerstelClick();
    void btKopieLstClick();
    void btAnaliesClick();

signals:
    // A saved spread to open in the main window, its code already checked.
    void savedSpreadChosen(const SavedSpread &spread);
    void analysisRequested();
    // Ctrl+F or "Zoeken…" in the list's right-click menu.
    void searchRequested();
    // The window wrote the history file (or found it changed): a search over it is stale.
    void historyChanged();
    // The window closed: the focus goes back to the main window's deck chooser.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // The list's keys, before the list moves its cursor.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction, in history_window_controls.cpp.
    void createControls();

    void FormShow();
    void FormClose();
    bool FormKeyDown(QKeyEvent *event);
    void lbxLijstKeyDown(QKeyEvent *event);

    // Shows the lines of m_list and their number; the cursor and selection are cleared.
    void showList();
    void showCount();
    void showLineNo();
    // Shows a failure, with the list as the file holds it now; true when there was none.
    bool report(const Status &status);
    // The same after a write to the history file, which others then read again.
    bool reportWrite(const Status &status);

    Services m_services;
    SharedState &m_shared;
    HistoryList m_list;

    int m_lastOpenedLine = 0;
    int m_currentLineNo = 0;
    int m_pendingStep = 0;

    QLabel *lbAantal = nullptr;
    QLabel *lbRegnr = nullptr;
    QPushButton *btWisLst = nullptr;
    QPushButton *btKopieLst = nullptr;
    HistoryListView *lbxLijst = nullptr;
    QPushButton *btWisSel = nullptr;
    QPushButton *btHerstel = nullptr;
    QPushButton *btBewerk = nullptr;
    QPushButton *btAnalies = nullptr;
    QPushButton *btKeuze = nullptr;
    QPushButton *btTerug = nullptr;
};

} // namespace morvelin
