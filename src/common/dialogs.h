#pragma once
// @brief Every modal question and message of the program goes through this service,
// so that no window talks to message boxes directly and tests can answer them.

#include <QString>

#include <optional>

namespace morvelin {

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
    // The program's general error handling: the operation has ended, the program goes on.
    virtual void error(const QString &text) = 0;
};

} // namespace morvelin
