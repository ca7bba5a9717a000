#pragma once
// @brief The Pentagram list "TarPentLijst.txt" and its backup "TarPentLijst.bak": the
// ways the Pentagram window and its list window read and change them. Every change is
// checked before the next file is touched, so a failure leaves the list as it was.

#include "common/result.h"
#include "history/text_list_store.h"

#include <QString>

#include <optional>

namespace morvelin {

inline const QString kPentagramListName = QStringLiteral("TarPentLijst.txt");
inline const QString kPentagramBackupName = QStringLiteral("TarPentLijst.bak");

// The list as it stands in its file; nothing while the file does not exist.
Result<std::optional<TextList>> ReadPentagramList(const TextListStore &store);

// Reads the list (a missing file is an empty list), appends the line and writes it back.
// A save writes no backup.
Status AppendPentagramLine(const TextListStore &store, const QString &line);

// Writes the shown list to the backup first, then the list without the line at row
// (unchanged when row is no line) to the list file, and gives the list as that file now
// holds it. When the backup cannot be written the list file is not touched; when the file
// no longer holds the shown list (a second Morvelin saved to it), nothing is written.
Result<TextList> DeletePentagramLine(const TextListStore &store, const TextList &shown, int row);

// Writes the backup's list to the list file and gives it as that file now holds it;
// nothing, and no change, when there is no backup.
Result<std::optional<TextList>> RestorePentagramList(const TextListStore &store);

} // namespace morvelin
