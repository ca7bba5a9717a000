#include "app/save_flow.h"

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/shared_state.h"
#include "history/history_file.h"
#include "history/history_line.h"
#include "mainwindow/main_window.h"

namespace morvelin {

SaveFlow::SaveFlow(TForm1 &form1, const Services &services, const TextListStore &store,
                   const MonthNames &monthNames, SharedState &shared)
    : m_form1(form1), m_services(services), m_store(store), m_monthNames(monthNames),
      m_shared(shared)
{
}

void SaveFlow::SaveSpread(SaveButton button)
{
    if (m_shared.spreadSaved) {
        m_services.dialogs.message(QStringLiteral("   Legging is al Bewaard!"));
        if (button == SaveButton::Large)
            emit historyCursorToEnd();
        return;
    }

    // The default comment names the three cards, which only the name mode shows.
    const LabelMode shownMode = m_form1.labelMode();
    if (shownMode != LabelMode::Name)
        m_form1.setLabelMode(LabelMode::Name);

    if (const std::optional<QString> comment = askComment()) {
        const MainSpread &spread = m_form1.spread();
        const HistoryEntry entry{m_services.clock.today(),
                                 *comment,
                                 m_form1.deckId(),
                                 {spread.card(1), spread.card(2), spread.card(3)}};
        // The one write of a save: atomic (QSaveFile, under the folder's lock), history
        // and backup both or neither.
        const Status saved = AppendHistoryLine(m_store, ComposeHistoryLine(entry, m_monthNames));
        if (saved) {
            emit historySaved();
            m_shared.spreadSaved = true;
        } else {
            m_services.dialogs.error(saved.error());
        }
    }

    if (shownMode != LabelMode::Name)
        m_form1.setLabelMode(shownMode);
    emit historyCursorToEnd();
}

std::optional<QString> SaveFlow::askComment()
{
    const QString names =
        m_form1.labelCaption(1) + u',' + m_form1.labelCaption(2) + u',' + m_form1.labelCaption(3);
    return m_services.dialogs.textInput(QStringLiteral("Bewaren in MorvelLijst.txt?"),
                                        QStringLiteral("Omschrijving: Max 80 tekens."), names);
}

} // namespace morvelin
