#pragma once
// @brief Writing a file whole or not at all: the bytes go to a temporary file beside it,
// which replaces the old file only when every byte is written, so a crash or a full
// disk never leaves half a file.

#include "common/result.h"

#include <QByteArray>
#include <QString>

namespace morvelin {

// shownName is how the file is named in the Dutch message of a failure.
Status SaveFileAtomically(const QString &path, const QByteArray &bytes, const QString &shownName);

} // namespace morvelin
