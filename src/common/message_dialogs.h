#pragma once
// @brief The real dialogs service: Qt's message and input boxes with Dutch buttons.

#include "common/dialogs.h"

namespace morvelin {

class MessageDialogs final : public Dialogs {
public:
    void message(const QString &text) override;
    bool listWarning(const QString &text) override;
    bool confirm(const QString &text) override;
    std::optional<QString> textInput(const QString &caption, const QString &prompt,
                                     const QString &prefilled) override;
    void error(const QString &text) override;
};

} // namespace morvelin
