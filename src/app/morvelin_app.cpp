#include "app/morvelin_app.h"

#include "analysis/analyse_box.h"
#include "analysis/insight_window.h"
#include "app/first_paint.h"
#include "app/save_flow.h"
#include "history/history_file.h"
#include "history/history_window.h"
#include "history/search_window.h"
#include "mainwindow/about_box.h"
#include "mainwindow/help_info.h"
#include "mainwindow/main_window.h"
#include "pentagram/pentagram_list.h"
#include "pentagram/pentagram_list_window.h"
#include "pentagram/pentagram_window.h"

#include <QLocale>

namespace morvelin {

MorvelinApp::MorvelinApp(const Services &services, const QString &listFolder)
    : m_services(services), m_store(listFolder), m_monthNames(LocaleMonthNames(QLocale()))
{
    m_form1 = std::make_unique<TForm1>(m_services);
    m_aboutBox = std::make_unique<TAboutBox>(m_services.dialogs);
    m_helpInfo = std::make_unique<THelpInfo>();
    m_verleden = std::make_unique<TVerleden>(m_services, m_store, m_shared);
    m_analyseBox = std::make_unique<TAnalyseBox>(m_services.dialogs, m_store, m_shared);
    m_form3 = std::make_unique<TForm3>(m_services, m_store, m_monthNames);
    m_form4 = std::make_unique<TForm4>(m_services, m_store);
    m_inzicht = std::make_unique<TInzicht>(m_services.dialogs, m_store);
    m_zoeken = std::make_unique<TZoeken>(m_services, m_store);
    m_saveFlow = std::make_unique<SaveFlow>(*m_form1, m_services, m_store, m_monthNames, m_shared);
    connectMainWindow();
    connectHistoryWindow();
    connectPentagram();
    connectInsight();
    connectSearchWindow();
}

MorvelinApp::~MorvelinApp() = default;

void MorvelinApp::start()
{
    m_form1->show();
    AfterFirstPaint(*m_form1, [this] {
        m_helpInfo->ensureBuilt();
        m_form3->ensureBuilt();
    });
}

THelpInfo &MorvelinApp::helpInfo() const
{
    m_helpInfo->ensureBuilt();
    return *m_helpInfo;
}

TForm3 &MorvelinApp::form3() const
{
    m_form3->ensureBuilt();
    return *m_form3;
}

void MorvelinApp::connectMainWindow()
{
    TForm1 *form1 = m_form1.get();
    connect(form1, &TForm1::spreadChanged, this, [this] { m_shared.spreadSaved = false; });
    connect(form1, &TForm1::magicCardChanged, m_aboutBox.get(), &TAboutBox::showCard);
    connect(form1, &TForm1::magicCardTextChanged, m_aboutBox.get(), &TAboutBox::showText);
    connect(form1, &TForm1::magicCardBoxRequested, this,
            [this] { m_aboutBox->showOver(m_form1.get()); });
    connect(form1, &TForm1::magicCardBoxDismissed, m_aboutBox.get(), &QWidget::hide);
    connect(form1, &TForm1::helpRequested, m_helpInfo.get(), &THelpInfo::showHelp);
    connect(form1, &TForm1::saveRequested, m_saveFlow.get(), &SaveFlow::SaveSpread);
    connect(form1, &TForm1::closing, this, &MorvelinApp::FormClose);
}

void MorvelinApp::connectHistoryWindow()
{
    TVerleden *verleden = m_verleden.get();
    connect(m_form1.get(), &TForm1::historyRequested, verleden, &TVerleden::openList);
    connect(m_form1.get(), &TForm1::layoutToggled, verleden, &QWidget::hide);
    connect(m_saveFlow.get(), &SaveFlow::historySaved, verleden, &TVerleden::reloadList);
    connect(m_saveFlow.get(), &SaveFlow::historyCursorToEnd, verleden,
            &TVerleden::moveCursorToLastLine);
    connect(verleden, &TVerleden::savedSpreadChosen, this, &MorvelinApp::openSavedSpread);
    connect(verleden, &TVerleden::closed, m_form1.get(), &TForm1::focusDeckChooser);
    connect(verleden, &TVerleden::analysisRequested, m_analyseBox.get(),
            &TAnalyseBox::showAnalysis);
    // Direct: a count run reads the question count that the closing steps have just set.
    connect(m_analyseBox.get(), &TAnalyseBox::historyWindowCloseRequested, verleden,
            &TVerleden::closeList, Qt::DirectConnection);
}

// The Pentagram windows talk to each other and to the help window, never to the main window.
void MorvelinApp::connectPentagram()
{
    connect(m_form1.get(), &TForm1::pentagramRequested, this,
            [this] { m_form3->showOver(m_form1.get()); });
    connect(m_form3.get(), &TForm3::listRequested, m_form4.get(), &TForm4::Open);
    connect(m_form3.get(), &TForm3::listCloseRequested, m_form4.get(), &TForm4::BtPeClose);
    connect(m_form3.get(), &TForm3::helpRequested, this,
            [this] { m_helpInfo->showAtHeading(QStringLiteral("Pentagram:")); });
    connect(m_form4.get(), &TForm4::pentagramChosen, m_form3.get(), &TForm3::OpenSavedPentagram);
}

void MorvelinApp::connectInsight()
{
    connect(m_analyseBox.get(), &TAnalyseBox::insightRequested, m_inzicht.get(),
            &TInzicht::showInsight);
    connect(m_inzicht.get(), &TInzicht::savedSpreadChosen, this, &MorvelinApp::openSavedSpread);
}

void MorvelinApp::connectSearchWindow()
{
    TZoeken *zoeken = m_zoeken.get();
    connect(m_verleden.get(), &TVerleden::searchRequested, zoeken, &TZoeken::openSearch);
    connect(m_verleden.get(), &TVerleden::historyChanged, zoeken, &TZoeken::historyChanged);
    connect(m_saveFlow.get(), &SaveFlow::historySaved, zoeken, &TZoeken::historyChanged);
    connect(zoeken, &TZoeken::savedSpreadChosen, this, &MorvelinApp::openSavedSpread);
}

void MorvelinApp::openSavedSpread(const SavedSpread &spread)
{
    m_form1->ApplySavedSpread(spread.deck, spread.cards);
    // Applying the choosers has just cleared it: the spread on screen is a saved one.
    m_shared.spreadSaved = true;
}

void MorvelinApp::FormClose()
{
    m_aboutBox->close();
    m_helpInfo->close();
    // Hidden, not closed: its closing steps would hand the focus to the closing main window.
    m_verleden->hide();
    m_analyseBox->close();
    m_form3->close();
    m_form4->close();
    m_inzicht->close();
    m_zoeken->close();
    // Nothing is left to tell a failed removal to: the program is ending, and the
    // backup only ever holds what the list holds or held.
    (void)m_store.remove(kHistoryBackupName);
    (void)m_store.remove(kPentagramBackupName);
}

} // namespace morvelin
