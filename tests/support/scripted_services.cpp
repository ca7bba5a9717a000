#include "scripted_services.h"

#include <QTest>

namespace morvelin::test {

void ScriptedDialogs::message(const QString &text)
{
    shown << QStringLiteral("message: ") + text;
}

bool ScriptedDialogs::listWarning(const QString &text)
{
    shown << QStringLiteral("warning: ") + text;
    return answers.isEmpty() ? true : answers.dequeue();
}

bool ScriptedDialogs::confirm(const QString &text)
{
    shown << QStringLiteral("confirm: ") + text;
    return answers.isEmpty() ? true : answers.dequeue();
}

std::optional<QString> ScriptedDialogs::textInput(const QString &caption, const QString &prompt,
                                                  const QString &prefilled)
{
    shown << QStringLiteral("input: %1 | %2 | %3").arg(caption, prompt, prefilled);
    return inputs.isEmpty() ? std::optional<QString>(prefilled) : inputs.dequeue();
}

void ScriptedDialogs::error(const QString &text)
{
    shown << QStringLiteral("error: ") + text;
}

int ScriptedRandom::uniform(int n)
{
    // A test that runs out of numbers has a wrong script: say so instead of guessing.
    if (numbers.isEmpty()) {
        qFatal("ScriptedRandom: no number left for uniform(%d)", n);
    }
    const int number = numbers.takeFirst();
    if (number < 0 || number >= n)
        qFatal("ScriptedRandom: %d is not in 0..%d", number, n - 1);
    return number;
}

} // namespace morvelin::test
