#pragma once
// @brief The history list's right-click menu: searching the saved spreads (also Ctrl+F in
// the history window), exporting the history file as CSV, CSV for Excel or JSON, and
// importing a JSON export back. The window's own buttons and places stay as designed.

#include "common/services.h"

#include <QObject>

class QWidget;

namespace morvelin {

class TextListStore;

class HistoryListMenu : public QObject {
    Q_OBJECT

public:
    HistoryListMenu(QWidget *list, const Services &services, const TextListStore &store);

    void exportHistory();
    void importHistory();

signals:
    void searchRequested();
    // An import added lines at the end of the history file.
    void historyImported();

private:
    Services m_services;
    const TextListStore &m_store;
};

} // namespace morvelin
