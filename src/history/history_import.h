#pragma once
// @brief Reading a JSON export back into the history file: the readings it does not
// hold yet are added at its end, after the backup holds the list as it was.

#include "common/result.h"
#include "history/text_list_store.h"

#include <QByteArray>

namespace morvelin {

// The number of lines added; nothing is written when there are none, or on any failure.
Result<int> ImportHistory(const TextListStore &store, const QByteArray &json);

} // namespace morvelin
