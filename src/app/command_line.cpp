#include "app/command_line.h"

#include "history/history_transfer.h"

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

    const QString target = QDir(folder).absoluteFilePath(arguments[2]);
    if (const Status exported =
            ExportHistoryFile(TextListStore(folder), *format, target, QDateTime::currentDateTime());
        !exported)
        return Fail(errors, exported.error());
    return 0;
}

} // namespace morvelin
