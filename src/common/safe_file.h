#pragma once
// @brief Reading a file whole, and writing it whole or not at all: the bytes go to a
// temporary file beside it, which replaces the old file only when every byte is written,
// so a crash or a full disk never leaves half a file.

#include "common/result.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <memory>

namespace morvelin {

// "<shownName> kan niet gelezen worden: <reason>."
Failure ReadFailure(const QString &shownName, const QString &reason);

// Every byte of the file, or the read failure with the system's reason.
Result<QByteArray> ReadWholeFile(const QString &path, const QString &shownName);

// "<shownName> kan niet bewaard worden: <reason>. Het bestand is niet veranderd."
Failure SaveFailure(const QString &shownName, const QString &reason);

// The bytes written out completely to the temporary file that will replace path; the
// old file is untouched until commitFile. shownName names the file in a failure's
// Dutch message. A prepared file that is never committed is removed with it.
Result<std::unique_ptr<QSaveFile>> PrepareFile(const QString &path, const QByteArray &bytes,
                                               const QString &shownName);
Status CommitFile(QSaveFile &file, const QString &shownName);

// Both steps at once.
Status SaveFileAtomically(const QString &path, const QByteArray &bytes, const QString &shownName);

} // namespace morvelin
