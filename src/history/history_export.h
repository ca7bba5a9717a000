#pragma once
// @brief The history file in forms other programs read: CSV as RFC 4180 writes it, CSV
// for Dutch spreadsheet programs, and JSON that keeps every original line, so that it
// can be read back without losing anything.

#include "common/list_date.h"
#include "common/result.h"
#include "history/text_list.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include <optional>

namespace morvelin {

enum class ExportFormat { Csv, CsvExcel, Json };

// "csv", "csv-excel" or "json".
std::optional<ExportFormat> ParseExportFormat(QStringView name);

// One row or reading per line of the history, in file order; a line that is not in the
// saved format keeps the fields that can be read, and its original line. The JSON export
// also keeps the file's encoding.
QByteArray ExportHistory(const TextList &history, ExportFormat format, const QDateTime &exported,
                         const ListDateReader &dates);

// The original lines of a JSON export in their order, with the encoding of the file they
// came from; fails, in Dutch, on anything that is not such an export (and on a line that
// would break into two).
Result<TextList> ReadExportedLines(const QByteArray &json);

// What an import adds to a history: the exported lines that the history does not hold yet,
// counted line for line, in their exported order. Importing the same export twice adds
// nothing; an export holding the same line twice into an empty history gives it twice.
QStringList LinesToImport(const QStringList &history, const QStringList &exported);

} // namespace morvelin
