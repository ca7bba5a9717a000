#pragma once
// @brief The search window "Zoeken in MorvelLijst.txt": finds saved spreads by words of
// their comments, by a card, by deck and by a range of days while the user types, and
// opens a found spread in the main window as the history window does. It is opened from
// the history window and lives hidden for the whole run; the history is read in once
// when it opens and again whenever the program changes the history file.

#include "common/services.h"
#include "history/history_line.h"
#include "history/history_search.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace morvelin {

class SearchResultsModel;
class TextListStore;

class TZoeken : public QWidget {
    Q_OBJECT

public:
    TZoeken(const Services &services, const TextListStore &store, QWidget *parent = nullptr);
    ~TZoeken() override;

public slots:
    // Reads the history in and shows the window with the words field ready for typing.
    void openSearch();
    // The program changed the history file: an open window reads it in again.
    void historyChanged();
    // Opens the result under the cursor in the main window.
    void openResult();

signals:
    // A saved spread to open in the main window, its code already checked.
    void savedSpreadChosen(const SavedSpread &spread);

private:
    // Construction, in search_window_controls.cpp.
    void createControls();

    bool readHistory();
    // Runs the search over the controls' present values and shows what it finds.
    void search();
    // Marks a date field whose text is no day; true when it is empty or a day.
    static bool checkDay(QLineEdit *field, std::optional<QDate> &day);
    bool FormKeyDown(QKeyEvent *event);

    Services m_services;
    const TextListStore &m_store;
    std::unique_ptr<HistorySearch> m_search;
    SearchResultsModel *m_results = nullptr;
    bool m_placed = false;

    QLineEdit *edWoorden = nullptr;
    QComboBox *cbKaart = nullptr;
    QComboBox *cbDeck = nullptr;
    QLineEdit *edVan = nullptr;
    QLineEdit *edTot = nullptr;
    QListView *lvResultaten = nullptr;
    QLabel *lbGevonden = nullptr;
    QPushButton *btOpenen = nullptr;
    QPushButton *btSluiten = nullptr;
};

} // namespace morvelin
