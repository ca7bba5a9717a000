#include "app/command_line.h"

#include "common/safe_file.h"
#include "history/history_export.h"
#include "history/history_file.h"
#include "history/history_reading.h"

#include <QDateTime>
#include <QDir>
#include <QTextStream>

namespace morvelin {

namespace {

const QString kExportOption = QStringLiteral("--export");

int Fail(QTextStream &errors, const QString &message)
{
    errors << "morvelin: " << message << Qt::endl;
    return 1;
}

} // namespace

bool IsCommandLine(const QStringList &arguments)
{
    return !arguments.isEmpty() && arguments.first() == kExportOption;
}

int RunCommandLine(const QStringList &arguments, const QString &folder, QTextStream &errors)
{
    const std::optional<ExportFormat> format =
        arguments.size() == 3 ? ParseExportFormat(arguments[1]) : std::nullopt;
    if (!format)
        return Fail(errors,
                    QStringLiteral("gebruik: morvelin --export csv|csv-excel|json BESTAND"));

    const TextListStore store(folder);
    if (!store.exists(kHistoryFileName))
        return Fail(errors, QStringLiteral("%1 staat niet in %2: er zijn nog geen vragen bewaard.")
                                .arg(kHistoryFileName, QDir::toNativeSeparators(folder)));
    const Result<TextList> history = store.read(kHistoryFileName);
    if (!history)
        return Fail(errors, history.error());

    const QString target = arguments[2];
    const QByteArray exported =
        ExportHistory(*history, *format, QDateTime::currentDateTime(), HistoryDateReader());
    if (const Status saved =
            SaveFileAtomically(QDir(folder).absoluteFilePath(target), exported, target);
        !saved)
        return Fail(errors, saved.error());
    return 0;
}

} // namespace morvelin
