// The insight window's judging, year choice, readings behind a card and copy.

#include "analysis/insight_window.h"

#include "analysis/card_chart.h"
#include "analysis/chance_texts.h"
#include "analysis/year_filter.h"
#include "catalogue/card_texts.h"
#include "common/dialogs.h"
#include "common/widget_style.h"
#include "history/history_file.h"
#include "history/text_list.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

namespace morvelin {

TInzicht::TInzicht(Dialogs &dialogs, const TextListStore &store, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint),
      m_dialogs(dialogs), m_store(store), m_dates(HistoryDateReader())
{
    createControls();
}

// The year field loses the focus while the window is taken down, which ends its editing:
// there is nothing to judge by then.
TInzicht::~TInzicht()
{
    edJaar->disconnect(this);
}

void TInzicht::showInsight(const QString &year)
{
    setYear(year.isEmpty() ? std::nullopt : std::optional(PromptedYear(year)));
    const QScreen *screen = QGuiApplication::primaryScreen();
    ShowCentred(this, screen ? screen->availableGeometry() : geometry());
    Grafiek->setFocus(Qt::OtherFocusReason);
}

std::optional<QStringView> TInzicht::period() const
{
    return m_year ? std::optional<QStringView>(*m_year) : std::nullopt;
}

void TInzicht::judgeHistory()
{
    Result<TextList> list = ReadHistoryFile(m_store);
    if (!list) {
        m_dialogs.error(list.error());
        return;
    }
    m_history = std::move(list).value().lines;
    m_sample = CollectQuestions(m_history, period());
    m_report = AssessChance(m_sample.questions);
    showReport();
}

void TInzicht::showReport()
{
    lbVragen->setText(SampleHeading(m_report.questions, m_sample.leftOut, period()));
    Grafiek->setReport(m_report);
    lbOpvallend->setText(FlaggedCardSentences(m_report).join(u'\n'));
    lbGeheel->setText(WholeSpreadSentence(m_report));
    lbGeheel->setToolTip(m_report.tooFewToJudge ? QString() : WholeSpreadFigures(m_report));
    lbGeheel->setVisible(!m_report.tooFewToJudge);
    QStringList groups;
    for (const GroupShare &group : m_report.groups)
        groups << GroupShareSentence(group);
    lbGroepen->setText(m_report.questions > 0 ? groups.join(u'\n')
                                              : QStringLiteral("Geen vragen in deze periode."));
    showFocusedCard(Grafiek->focusedRow());
    // The readings listed belong to the history as it was read before.
    m_readings.clear();
    lbxLezingen->clear();
    lbLezingen->setText(QStringLiteral("Kies een staaf (klik erop, of pijltjes en Enter) om de "
                                       "vragen te zien waarin die kaart kwam."));
}

void TInzicht::showFocusedCard(int row)
{
    lbKaart->setText(CardDescription(m_report, row));
}

void TInzicht::listReadings(int row)
{
    m_readings.clear();
    lbxLezingen->clear();
    for (const int index : LinesWithCard(m_sample, row)) {
        m_readings.push_back(ReadHistoryLine(m_history.at(index), m_dates));
        lbxLezingen->addItem(ReadingText(m_readings.back()));
    }
    const int count = int(m_readings.size());
    const QString name = AnalysisCardNames(row);
    if (count == 0) {
        lbLezingen->setText(QStringLiteral("%1 kwam in geen enkele vraag.").arg(name));
        return;
    }
    lbLezingen->setText(QStringLiteral("%1 kwam in %2 %3. Dubbelklik op een vraag (of Enter) "
                                       "om die legging in het hoofdvenster te openen.")
                            .arg(name)
                            .arg(count)
                            .arg(count == 1 ? QStringLiteral("vraag") : QStringLiteral("vragen")));
    lbxLezingen->setCurrentRow(0);
}

QStringList TInzicht::readingTexts() const
{
    QStringList texts;
    for (int row = 0; row < lbxLezingen->count(); ++row)
        texts << lbxLezingen->item(row)->text();
    return texts;
}

void TInzicht::openReading(const QModelIndex &index)
{
    // Every reading listed was taken because its code opens.
    if (const std::optional<SavedSpread> &spread = m_readings.at(index.row()).spread)
        emit savedSpreadChosen(*spread);
}

void TInzicht::btKopieerClick()
{
    QGuiApplication::clipboard()->setText(ChanceTable(m_report));
}

void TInzicht::setYear(std::optional<QString> year)
{
    m_year = std::move(year);
    edJaar->setText(m_year.value_or(QString()));
    judgeHistory();
}

void TInzicht::edJaarEditingFinished()
{
    const QString typed = edJaar->text();
    std::optional<QString> year =
        typed.isEmpty() ? std::nullopt : std::optional(PromptedYear(typed));
    if (year == m_year) {
        edJaar->setText(m_year.value_or(QString()));
        return;
    }
    setYear(std::move(year));
}

// As in the analysis: a step needs a year in force that is a number.
void TInzicht::stepYear(int step)
{
    if (!m_year)
        return;
    if (std::optional<QString> year = StepYear(*m_year, step))
        setYear(std::move(year));
}

void TInzicht::btLessClick()
{
    stepYear(-1);
}

void TInzicht::btMoreClick()
{
    stepYear(+1);
}

void TInzicht::btAllesClick()
{
    setYear(std::nullopt);
}

} // namespace morvelin
