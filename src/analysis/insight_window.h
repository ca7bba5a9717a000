#pragma once
// @brief The insight window "Inzicht": which cards came up more or less often than chance
// explains, over all years or one, as a chart with the sentences behind it, and the
// readings behind each card, which open in the main window. It only reads the history.

#include "analysis/chance_baseline.h"
#include "analysis/chance_sample.h"
#include "history/history_line.h"
#include "history/history_reading.h"

#include <QStringList>
#include <QStringView>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QModelIndex;
class QPushButton;

namespace morvelin {

class CardChart;
class Dialogs;
class TextListStore;

class TInzicht : public QWidget {
    Q_OBJECT

public:
    TInzicht(Dialogs &dialogs, const TextListStore &store, QWidget *parent = nullptr);
    ~TInzicht() override;

    // Shows the window centred on the desktop over the year given in the analysis's
    // rules, or over all years when it is empty, and judges the history afresh.
    void showInsight(const QString &year);

    // Reads the history file and judges its questions in the period chosen; a history that
    // is there but cannot be read is reported, and what is shown stays.
    void judgeHistory();

    const ChanceReport &report() const { return m_report; }
    // The texts of the readings listed for the card last chosen.
    QStringList readingTexts() const;

signals:
    // A reading behind a card to open in the main window, its code already checked.
    void savedSpreadChosen(const SavedSpread &spread);

public slots:
    void listReadings(int row);
    void btKopieerClick();
    void btLessClick();
    void btMoreClick();
    void btAllesClick();
    void edJaarEditingFinished();

private:
    void createControls();
    void openReading(const QModelIndex &index);
    void showReport();
    void showFocusedCard(int row);
    void stepYear(int step);
    void setYear(std::optional<QString> year);
    std::optional<QStringView> period() const;

    Dialogs &m_dialogs;
    const TextListStore &m_store;
    ListDateReader m_dates;
    // The year in the analysis's two-character form; none for all years.
    std::optional<QString> m_year;
    QStringList m_history;
    ChanceSample m_sample;
    ChanceReport m_report;
    std::vector<HistoryReading> m_readings;

    QLabel *lbVragen = nullptr;
    QLineEdit *edJaar = nullptr;
    QPushButton *btLess = nullptr;
    QPushButton *btMore = nullptr;
    QPushButton *btAlles = nullptr;
    CardChart *Grafiek = nullptr;
    QLabel *lbKaart = nullptr;
    QLabel *lbOpvallend = nullptr;
    QLabel *lbGeheel = nullptr;
    QLabel *lbGroepen = nullptr;
    QLabel *lbLezingen = nullptr;
    QListWidget *lbxLezingen = nullptr;
    QPushButton *btKopieer = nullptr;
    QPushButton *btSluit = nullptr;
};

} // namespace morvelin
