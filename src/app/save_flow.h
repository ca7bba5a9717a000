#pragma once
// @brief Saving the spread on the main window as one line of the history file, with
// the comment the user gives it: the flow behind "&Bewaren" and "Bew".

#include "common/list_date.h"
#include "common/services.h"

#include <QObject>

namespace morvelin {

class TForm1;
struct SharedState;
class TextListStore;
enum class SaveButton;

class SaveFlow : public QObject {
    Q_OBJECT

public:
    SaveFlow(TForm1 &form1, const Services &services, const TextListStore &store,
             const MonthNames &monthNames, SharedState &shared);

    void SaveSpread(SaveButton button);

signals:
    // The history file got a new line: a list that shows it must read it again.
    void historySaved();
    // The flow of the large button ends with the history list's cursor on its last line.
    void historyCursorToEnd();

private:
    // Asks for the comment with the names of the three cards filled in; nothing when
    // the user cancels.
    std::optional<QString> askComment();

    TForm1 &m_form1;
    Services m_services;
    const TextListStore &m_store;
    const MonthNames &m_monthNames;
    SharedState &m_shared;
};

} // namespace morvelin
