#pragma once
// @brief The application object: it creates the program's windows once, in their
// start-up order, owns what several of them share (whether the spread on screen is
// saved, the folder of the list files), connects them, and cleans up when the main
// window closes. No window creates or reaches into another.

#include "common/list_date.h"
#include "common/services.h"
#include "common/shared_state.h"
#include "history/history_line.h"
#include "history/text_list_store.h"

#include <QObject>
#include <QString>

#include <memory>

namespace morvelin {

class SaveFlow;
class TAboutBox;
class TAnalyseBox;
class TForm1;
class TForm3;
class TForm4;
class THelpInfo;
class TInzicht;
class TVerleden;
class TZoeken;
struct SavedSpread;

class MorvelinApp : public QObject {
    Q_OBJECT

public:
    // listFolder holds the list files: the current directory in the program.
    MorvelinApp(const Services &services, const QString &listFolder);
    ~MorvelinApp() override;

    // Shows the main window, whose first showing draws a spread; the windows built on
    // first need are built once that spread is on the screen.
    void start();

    // A window handed out is built.
    TForm1 &form1() const { return *m_form1; }
    TAboutBox &aboutBox() const { return *m_aboutBox; }
    THelpInfo &helpInfo() const;
    TVerleden &verleden() const { return *m_verleden; }
    TAnalyseBox &analyseBox() const { return *m_analyseBox; }
    TForm3 &form3() const;
    TForm4 &form4() const { return *m_form4; }
    TInzicht &inzicht() const { return *m_inzicht; }
    TZoeken &zoeken() const { return *m_zoeken; }

    bool spreadSaved() const { return m_shared.spreadSaved; }
    const SharedState &shared() const { return m_shared; }
    SharedState &shared() { return m_shared; }
    const TextListStore &store() const { return m_store; }

private:
    void connectMainWindow();
    void connectHistoryWindow();
    void connectPentagram();
    void connectInsight();
    void connectSearchWindow();
    // A saved spread chosen in the history, the insight or the search window, shown as saved.
    void openSavedSpread(const SavedSpread &spread);
    // The end of the program: the other windows close and the backups are deleted;
    // the list files themselves stay.
    void FormClose();

    Services m_services;
    TextListStore m_store;
    MonthNames m_monthNames;
    SharedState m_shared;

    // In the start-up order; destroyed in reverse.
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<THelpInfo> m_helpInfo;
    std::unique_ptr<TVerleden> m_verleden;
    std::unique_ptr<TAnalyseBox> m_analyseBox;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm4> m_form4;
    // Beyond the seven windows of the program's start: created after them.
    std::unique_ptr<TInzicht> m_inzicht;
    std::unique_ptr<TZoeken> m_zoeken;
    std::unique_ptr<SaveFlow> m_saveFlow;
};

} // namespace morvelin
