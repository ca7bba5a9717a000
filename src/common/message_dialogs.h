#pragma once
// @brief The real dialogs service: Qt's message, input and file boxes with Dutch buttons.

#include "common/dialogs.h"

namespace morvelin {

class MessageDialogs final : public Dialogs {
public:
    void message(const QString &text) override;
    bool listWarning(const QString &text) override;
    bool confirm(const QString &text) override;
    std::optional<QString> textInput(const QString &caption, const QString &prompt,
                                     const QString &prefilled) override;
    std::optional<ChosenFile> saveFileName(const QString &caption, const QString &suggested,
                                           const QStringList &filters) override;
    std::optional<QString> openFileName(const QString &caption, const QString &folder,
                                        const QStringList &filters) override;
    void error(const QString &text) override;
};

} // namespace morvelin
