// The search window: reading the history in, searching as the user types, opening a
// found spread and its keys.

#include "history/search_window.h"

#include "common/dialogs.h"
#include "common/key_preview.h"
#include "common/widget_style.h"
#include "history/history_file.h"
#include "history/history_reading.h"
#include "history/search_results_model.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>

namespace morvelin {

namespace {

QString FoundText(qsizetype found, int total)
{
    if (found == 0)
        return QStringLiteral("Geen lezingen gevonden (van %1).").arg(total);
    return QStringLiteral("%1 %2 gevonden (van %3).")
        .arg(found)
        .arg(found == 1 ? QStringLiteral("lezing") : QStringLiteral("lezingen"))
        .arg(total);
}

} // namespace

TZoeken::TZoeken(const Services &services, const TextListStore &store, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(services), m_store(store)
{
    createControls();
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

TZoeken::~TZoeken() = default;

void TZoeken::openSearch()
{
    // Read again on every opening: the file may have changed outside the program.
    if (!readHistory())
        return;
    // Centred the first time; after that where the user left it.
    const QScreen *screen = QGuiApplication::primaryScreen();
    ShowCentred(this, m_placed || !screen ? frameGeometry() : screen->availableGeometry());
    m_placed = true;
    edWoorden->setFocus();
    edWoorden->selectAll();
}

void TZoeken::historyChanged()
{
    if (isVisible())
        readHistory();
}

bool TZoeken::readHistory()
{
    const Result<TextList> history = ReadHistoryFile(m_store);
    if (!history) {
        m_services.dialogs.error(history.error());
        return false;
    }
    // The old results point into the old search: they go before it does.
    m_results->setResults(nullptr, {});
    m_search = std::make_unique<HistorySearch>(history->lines, HistoryDateReader());
    search();
    return true;
}

bool TZoeken::checkDay(QLineEdit *field, std::optional<QDate> &day)
{
    const bool empty = field->text().trimmed().isEmpty();
    day = empty ? std::nullopt : ReadDayText(field->text());
    const bool fits = empty || day;
    // Red text until the field holds a whole day.
    QPalette palette;
    if (!fits)
        palette.setColor(QPalette::Text, Qt::red);
    field->setPalette(palette);
    return fits;
}

void TZoeken::search()
{
    if (!m_search)
        return;
    SearchQuery query{edWoorden->text(), {}, std::nullopt, std::nullopt, std::nullopt};
    if (cbKaart->currentIndex() > 0)
        query.cardName = cbKaart->currentText();
    if (cbDeck->currentIndex() > 0)
        query.deck = cbDeck->currentIndex() - 1;
    const bool fromFits = checkDay(edVan, query.from);
    const bool toFits = checkDay(edTot, query.to);
    if (!fromFits || !toFits) {
        m_results->setResults(m_search.get(), {});
        lbGevonden->setText(QStringLiteral("Vul de dag in als dd-mm-jjjj, of laat het veld leeg."));
        return;
    }
    m_results->setResults(m_search.get(), m_search->find(query));
    lbGevonden->setText(FoundText(m_results->rowCount(), m_search->size()));
    // Enter opens the first reading found, and Down walks on from it.
    if (m_results->rowCount() > 0)
        lvResultaten->setCurrentIndex(m_results->index(0));
}

void TZoeken::openResult()
{
    const QModelIndex current = lvResultaten->currentIndex();
    if (!current.isValid())
        return;
    // The code is checked whole before the main window is touched.
    const Result<SavedSpread> spread = ReadSavedSpread(m_results->readingAt(current.row()).line);
    if (!spread) {
        m_services.dialogs.error(spread.error());
        return;
    }
    emit savedSpreadChosen(*spread);
    // The search goes on where it was.
    activateWindow();
}

bool TZoeken::FormKeyDown(QKeyEvent *event)
{
    QWidget *focus = QApplication::focusWidget();
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button takes Enter as a press; anywhere else Enter opens the result.
        if (!PressFocusedButton())
            openResult();
        return true;
    case Qt::Key_Down:
        // From the words straight into what they found.
        if (focus != edWoorden || m_results->rowCount() == 0)
            return false;
        lvResultaten->setFocus();
        return true;
    default:
        return false;
    }
}

} // namespace morvelin
