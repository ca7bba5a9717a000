#pragma once
// @brief The history file "MorvelLijst.txt" and its backup "MorvelLijst.bak", and the
// one way a save adds a line to them.

#include "common/result.h"
#include "history/text_list_store.h"

#include <QString>

namespace morvelin {

inline const QString kHistoryFileName = QStringLiteral("MorvelLijst.txt");
inline const QString kHistoryBackupName = QStringLiteral("MorvelLijst.bak");

// Reads the history (a missing file is an empty list), appends the line and writes the
// list to the history file and the same list to the backup, both or neither: when
// either cannot be written, both files stay as they were. Both go through the store's
// QSaveFile writes, so a crash mid-save leaves the old files whole.
Status AppendHistoryLine(const TextListStore &store, const QString &line);

// The history as the file holds it; a missing file holds no lines, as before the first save.
Result<TextList> ReadHistoryFile(const TextListStore &store);

} // namespace morvelin
