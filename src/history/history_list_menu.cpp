#include "history/history_list_menu.h"

#include "common/dialogs.h"
#include "history/history_file.h"
#include "history/history_transfer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace morvelin {

namespace {

struct ExportChoice {
    const char *filter;
    ExportFormat format;
    const char *suffix;
};
// In the order of the save dialog's filters.
const ExportChoice kExportChoices[] = {{"CSV (*.csv)", ExportFormat::Csv, "csv"},
                                       {"CSV voor Excel (*.csv)", ExportFormat::CsvExcel, "csv"},
                                       {"JSON (*.json)", ExportFormat::Json, "json"}};

QStringList ExportFilters()
{
    QStringList filters;
    for (const ExportChoice &choice : kExportChoices)
        filters << QString::fromUtf8(choice.filter);
    return filters;
}

// A name typed without an extension gets the one of the chosen kind.
QString WithSuffix(const QString &path, const char *suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + u'.' + QLatin1String(suffix) : path;
}

QString AddedText(int added)
{
    if (added == 0)
        return QStringLiteral("Niets toegevoegd: alle lezingen staan er al.");
    return added == 1 ? QStringLiteral("1 lezing toegevoegd.")
                      : QStringLiteral("%1 lezingen toegevoegd.").arg(added);
}

QAction *AddAction(QWidget *list, const QString &text)
{
    auto *action = new QAction(text, list);
    list->addAction(action);
    return action;
}

} // namespace

HistoryListMenu::HistoryListMenu(QWidget *list, const Services &services,
                                 const TextListStore &store)
    : QObject(list), m_services(services), m_store(store)
{
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    QAction *search = AddAction(list, QStringLiteral("Zoeken…"));
    search->setObjectName(QStringLiteral("acZoeken"));
    search->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    // Anywhere in the history window, whichever control has the focus.
    search->setShortcutContext(Qt::WindowShortcut);
    connect(search, &QAction::triggered, this, &HistoryListMenu::searchRequested);
    QAction *exporting = AddAction(list, QStringLiteral("Exporteren…"));
    exporting->setObjectName(QStringLiteral("acExporteren"));
    connect(exporting, &QAction::triggered, this, &HistoryListMenu::exportHistory);
    QAction *importing = AddAction(list, QStringLiteral("Importeren…"));
    importing->setObjectName(QStringLiteral("acImporteren"));
    connect(importing, &QAction::triggered, this, &HistoryListMenu::importHistory);
}

void HistoryListMenu::exportHistory()
{
    const std::optional<ChosenFile> chosen = m_services.dialogs.saveFileName(
        QStringLiteral("MorvelLijst.txt exporteren"),
        m_store.path(QStringLiteral("MorvelLijst.csv")), ExportFilters());
    if (!chosen)
        return;
    const ExportChoice &choice =
        kExportChoices[qBound(0, chosen->filter, int(std::size(kExportChoices)) - 1)];
    const QString target = WithSuffix(chosen->path, choice.suffix);
    if (const Status exported =
            ExportHistoryFile(m_store, choice.format, target, QDateTime::currentDateTime());
        !exported) {
        m_services.dialogs.error(exported.error());
        return;
    }
    m_services.dialogs.message(QStringLiteral("%1 is geëxporteerd naar %2.")
                                   .arg(kHistoryFileName, QDir::toNativeSeparators(target)));
}

void HistoryListMenu::importHistory()
{
    const std::optional<QString> path = m_services.dialogs.openFileName(
        QStringLiteral("Lezingen importeren"), m_store.folder(),
        {QStringLiteral("JSON-export (*.json)"), QStringLiteral("Alle bestanden (*)")});
    if (!path)
        return;
    const Result<int> added = ImportHistoryFile(m_store, *path);
    if (!added) {
        m_services.dialogs.error(added.error());
        return;
    }
    // The list shows the new lines before the message tells of them.
    if (*added > 0)
        emit historyImported();
    m_services.dialogs.message(AddedText(*added));
}

} // namespace morvelin
