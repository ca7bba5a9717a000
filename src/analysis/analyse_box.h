#pragma once
// @brief The analysis window: how often each card came up in the history file, over all
// years or one, by count, by name or for the major arcana alone, and the group summary.
// It only ever reads the history file.

#include "analysis/analysis_lines.h"

#include <QStringList>
#include <QStringView>
#include <QWidget>

#include <optional>

class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QStringListModel;

namespace morvelin {

class Dialogs;
class TextListStore;
struct SharedState;

class TAnalyseBox : public QWidget {
    Q_OBJECT

public:
    // The store holds the history file; shared carries the question count handed in by
    // the history window, which a count of an unknown number of lines fills in.
    TAnalyseBox(Dialogs &dialogs, const TextListStore &store, SharedState &shared,
                QWidget *parent = nullptr);

    // Shows the window centred on the desktop; every showing counts all years afresh.
    void showAnalysis();

    // The lines the list shows, in their order.
    QStringList lines() const;

    // Fills the list from all lines of the history file; false when the file was there
    // but could not be read (the error has been shown).
    bool CountAllYears();
    // The same for the lines of the year in FilterYear.
    bool CountOneYear();
    void ResetAnalysis();
    void BuildGroupSummary();

signals:
    // A count over the history file is about to start: the history window closes first.
    void historyWindowCloseRequested();
    // "Inzicht…" (the list's context menu, Ctrl+I): how the counts compare with chance,
    // over the year in force, or all years when the year is empty.
    void insightRequested(const QString &year);

public slots:
    void FormShow();
    void btFilterClick();
    void btLessClick();
    void btMoreClick();
    void rbDefClick();
    void rbSortClick();
    void rbGrArcClick();
    void btKoppieClick();
    void btSamenClick();
    void btResetClick();
    void OKButtonClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    // The list's context menu and Ctrl+I; the window's own controls stay as they are.
    void addInsightAction();
    bool FormKeyDown(QKeyEvent *event);
    AnalysisMode mode() const;
    // "Sorteer op Aantal" selected without the count its selection runs.
    void selectDefaultMode();
    // What the mode buttons and the summary share: the mode changes, a year in force
    // stays. False when the file was there but could not be read (the error has been shown).
    bool recountInMode();
    void stepYear(int step);
    bool yearFilterOn() const;
    void setYearCaption(const QString &caption);
    // Both counts: the lines of the year, or all lines without one. Only the question
    // count shown differs: a year shows its own, all years the count handed in.
    bool count(std::optional<QStringView> year);
    // Reads the history file for a count; false, with the error shown, when it cannot.
    bool readHistory(QStringList &lines);
    void setQuestionCount(const QString &count);

    Dialogs &m_dialogs;
    const TextListStore &m_store;
    SharedState &m_shared;
    // The year the next one-year count looks for, and the year prompt's prefilled text.
    QString m_filterYear;
    // Whether the last count run found the history file; without it the summary has
    // nothing to add up.
    bool m_foundHistory = false;

    QLabel *Label1 = nullptr;
    QLabel *lbAantal = nullptr;
    QListView *lbAnalyse = nullptr;
    QStringListModel *m_lines = nullptr;
    QPushButton *btFilter = nullptr;
    QPushButton *btLess = nullptr;
    QPushButton *btMore = nullptr;
    QPushButton *btKoppie = nullptr;
    QRadioButton *rbDef = nullptr;
    QRadioButton *rbSort = nullptr;
    QRadioButton *rbGrArc = nullptr;
    QPushButton *btSamen = nullptr;
    QPushButton *btReset = nullptr;
    QPushButton *OKButton = nullptr;
};

} // namespace morvelin
