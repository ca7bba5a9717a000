#pragma once
// @brief What Morvelin does when started with a command instead of for its windows:
// "morvelin --export csv|csv-excel|json FILE" writes the history file of the current
// directory to FILE and ends.

#include <QStringList>

#include <optional>

class QTextStream;

namespace morvelin {

// True when the arguments (without the program's name) ask for a command.
bool IsCommandLine(const QStringList &arguments);

// Runs the command in the given folder; Dutch messages go to errors. The exit status:
// 0 when it succeeded, 1 otherwise.
int RunCommandLine(const QStringList &arguments, const QString &folder, QTextStream &errors);

} // namespace morvelin
