#pragma once
// @brief The program's list files in one folder, read whole and written whole. A write
// goes to a temporary file that replaces the old one only when it is complete, so a
// crash or a full disk never leaves half a list; every failure names the file and the
// system's reason in Dutch.

#include "common/result.h"
#include "history/text_list.h"

#include <QString>

namespace morvelin {

class TextListStore {
public:
    // The folder the lists lie in: the current directory in the program, a temporary
    // folder in the tests.
    explicit TextListStore(QString folder);

    const QString &folder() const { return m_folder; }
    QString path(const QString &fileName) const;

    bool exists(const QString &fileName) const;
    Result<TextList> read(const QString &fileName) const;
    Status write(const QString &fileName, const TextList &list) const;
    // Removing a file that is not there succeeds.
    Status remove(const QString &fileName) const;

private:
    QString m_folder;
};

} // namespace morvelin
