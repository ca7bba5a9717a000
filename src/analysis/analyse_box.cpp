// The analysis window's count runs, year filter, modes, summary, copy and keys.

#include "analysis/analyse_box.h"

#include "analysis/card_tally.h"
#include "analysis/group_summary.h"
#include "analysis/year_filter.h"
#include "common/decimal_field.h"
#include "common/dialogs.h"
#include "common/key_preview.h"
#include "common/shared_state.h"
#include "common/widget_style.h"
#include "history/history_file.h"
#include "history/text_list.h"
#include "history/text_list_store.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStringListModel>

namespace morvelin {

namespace {

const QString kNoYear = QStringLiteral("Filter Jaar");
const QString kQuestions = QStringLiteral("Aantal vragen: ");

} // namespace

TAnalyseBox::TAnalyseBox(Dialogs &dialogs, const TextListStore &store, SharedState &shared,
                         QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint),
      m_dialogs(dialogs), m_store(store), m_shared(shared)
{
    createControls();
}

void TAnalyseBox::showAnalysis()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ShowCentred(this, screen ? screen->availableGeometry() : geometry());
}

QStringList TAnalyseBox::lines() const
{
    return m_lines->stringList();
}

void TAnalyseBox::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Coming back from being minimised is not a new showing.
    if (!event->spontaneous())
        FormShow();
}

void TAnalyseBox::FormShow()
{
    // Every showing starts over as "Alles" does.
    ResetAnalysis();
}

void TAnalyseBox::selectDefaultMode()
{
    // Selecting the mode from code would run its own recount; every caller counts next.
    const QSignalBlocker quiet(rbDef);
    rbDef->setChecked(true);
}

bool TAnalyseBox::readHistory(QStringList &lines)
{
    emit historyWindowCloseRequested();
    Result<TextList> list = m_store.read(kHistoryFileName);
    if (!list) {
        m_dialogs.error(list.error());
        return false;
    }
    lines = std::move(list).value().lines;
    return true;
}

void TAnalyseBox::setQuestionCount(const QString &count)
{
    lbAantal->setText(kQuestions + count);
    // The label grows with its number, to the right, as far as the window allows.
    lbAantal->resize(lbAantal->sizeHint().width(), lbAantal->height());
}

bool TAnalyseBox::CountAllYears()
{
    return count(std::nullopt);
}

bool TAnalyseBox::CountOneYear()
{
    return count(m_filterYear);
}

bool TAnalyseBox::count(std::optional<QStringView> year)
{
    setQuestionCount(m_shared.questionCountText);
    m_foundHistory = m_store.exists(kHistoryFileName);
    if (!m_foundHistory) {
        // Without a file a year has no questions; all years keep the count handed in.
        if (year)
            setQuestionCount(QStringLiteral("0"));
        return true;
    }
    QStringList history;
    if (!readHistory(history))
        return false;
    const CardTally tally = TallyCards(history, year);
    m_lines->setStringList(CardListLines(tally, mode()));
    if (year) {
        setQuestionCount(QString::number(tally.questions));
        return true;
    }
    // An unknown count (none handed in yet) is counted here, as a count of 0 is.
    const Result<int> known = ParseDecimalField(m_shared.questionCountText);
    if (!known || *known == 0) {
        m_shared.questionCountText = QString::number(tally.questions);
        setQuestionCount(m_shared.questionCountText);
    }
    return true;
}

void TAnalyseBox::ResetAnalysis()
{
    setYearCaption(kNoYear);
    selectDefaultMode();
    CountAllYears();
}

void TAnalyseBox::btFilterClick()
{
    const std::optional<QString> typed = m_dialogs.textInput(
        QStringLiteral("Analyseer Jaar:"), QStringLiteral("Jaar: "), m_filterYear);
    if (typed && !typed->isEmpty()) {
        m_filterYear = PromptedYear(*typed);
        setYearCaption(m_filterYear);
        CountOneYear();
        m_filterYear.clear();
        return;
    }
    if (!typed)
        m_filterYear.clear();
    setYearCaption(kNoYear);
    CountAllYears();
}

void TAnalyseBox::stepYear(int step)
{
    if (!yearFilterOn())
        return;
    const std::optional<QString> year = StepYear(btFilter->text(), step);
    if (!year)
        return;
    setYearCaption(*year);
    m_filterYear = *year;
    CountOneYear();
}

void TAnalyseBox::btLessClick()
{
    stepYear(-1);
}

void TAnalyseBox::btMoreClick()
{
    stepYear(+1);
}

bool TAnalyseBox::recountInMode()
{
    if (yearFilterOn()) {
        m_filterYear = btFilter->text();
        return CountOneYear();
    }
    setYearCaption(kNoYear);
    return CountAllYears();
}

void TAnalyseBox::rbDefClick()
{
    recountInMode();
}

void TAnalyseBox::rbSortClick()
{
    recountInMode();
}

void TAnalyseBox::rbGrArcClick()
{
    recountInMode();
}

void TAnalyseBox::btSamenClick()
{
    selectDefaultMode();
    // The year prompt opens on the caption the summary read, "Filter Jaar" too.
    m_filterYear = btFilter->text();
    if (recountInMode())
        BuildGroupSummary();
}

void TAnalyseBox::BuildGroupSummary()
{
    // After a count that found no history the list may hold anything: there is nothing
    // to add up, so every group is 00.
    const GroupTotalList totals = m_foundHistory ? GroupTotals(lines()) : GroupTotalList{};
    m_lines->setStringList(GroupSummaryLines(totals));
}

void TAnalyseBox::btResetClick()
{
    ResetAnalysis();
}

void TAnalyseBox::btKoppieClick()
{
    QGuiApplication::clipboard()->setText(JoinLinesCrLf(lines()));
}

void TAnalyseBox::OKButtonClick()
{
    hide();
}

bool TAnalyseBox::FormKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        hide();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A focused button takes Enter itself; everywhere else it presses "Sluit".
        if (!PressFocusedButton())
            OKButton->click();
        return true;
    }
    default:
        return false;
    }
}

AnalysisMode TAnalyseBox::mode() const
{
    if (rbSort->isChecked())
        return AnalysisMode::ByName;
    return rbGrArc->isChecked() ? AnalysisMode::MajorArcana : AnalysisMode::ByCount;
}

bool TAnalyseBox::yearFilterOn() const
{
    return btFilter->text() != kNoYear;
}

void TAnalyseBox::setYearCaption(const QString &caption)
{
    btFilter->setText(caption);
}

} // namespace morvelin
