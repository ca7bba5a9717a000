#pragma once
// @brief Stand-ins for the dialogs, the random source and the clock, so that tests see
// every text shown to the user, answer every question and fix what varies.

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/random_source.h"
#include "common/services.h"

#include <QDate>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <optional>

namespace morvelin::test {

class ScriptedDialogs final : public Dialogs {
public:
    // Every text shown, in order, each prefixed by its kind ("message: ", "error: ", ...).
    QStringList shown;
    // Answers for listWarning and confirm, taken in order; OK when the queue is empty.
    QQueue<bool> answers;
    // Answers for textInput; no value means Cancel. Prefilled text when the queue is empty.
    QQueue<std::optional<QString>> inputs;
    // Answers for saveFileName and openFileName, in order; Cancel when the queue is empty.
    QQueue<std::optional<ChosenFile>> files;

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

// Hands out the scripted numbers in order; each must lie in 0..n-1 of its call.
class ScriptedRandom final : public RandomSource {
public:
    QList<int> numbers;
    int uniform(int n) override;
};

class FixedClock final : public Clock {
public:
    QDate date{2026, 12, 9};
    QDate today() const override { return date; }
};

// The three together, as a window is handed them.
struct ScriptedServices {
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    FixedClock clock;
    Services services() { return {dialogs, random, clock}; }
};

} // namespace morvelin::test
