#pragma once
// @brief Every modal question and message of the program goes through this service,
// so that no window talks to message boxes directly and tests can answer them.

#include <QString>
#include <QStringList>

#include <optional>

namespace morvelin {

// A file chosen in a save dialog, with the filter it was chosen under (its place in the
// list handed in): the filter says what kind of file to write.
struct ChosenFile {
    QString path;
    int filter = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A plain message with OK.
    virtual void message(const QString &text) = 0;
    // The "Lijst" warning: exclamation icon, OK and Cancel; true only for OK.
    virtual bool listWarning(const QString &text) = 0;
    // A confirmation with OK and Cancel; true only for OK.
    virtual bool confirm(const QString &text) = 0;
    // An input box with one prefilled field; no value when the user cancels.
    virtual std::optional<QString> textInput(const QString &caption, const QString &prompt,
                                             const QString &prefilled) = 0;
    // A save dialog over these filters ("JSON (*.json)"), starting at the suggested path;
    // no value when the user cancels.
    virtual std::optional<ChosenFile> saveFileName(const QString &caption, const QString &suggested,
                                                   const QStringList &filters) = 0;
    // An open dialog in that folder; no value when the user cancels.
    virtual std::optional<QString> openFileName(const QString &caption, const QString &folder,
                                                const QStringList &filters) = 0;
    // The program's general error handling: the operation has ended, the program goes on.
    virtual void error(const QString &text) = 0;
};

} // namespace morvelin
