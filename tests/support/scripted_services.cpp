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

std::optional<ChosenFile> ScriptedDialogs::saveFileName(const QString &caption,
                                                        const QString &suggested,
                                                        const QStringList &filters)
{
    shown << QStringLiteral("save: %1 | %2 | %3").arg(caption, suggested, filters.join(u';'));
    return files.isEmpty() ? std::nullopt : files.dequeue();
}

std::optional<QString> ScriptedDialogs::openFileName(const QString &caption, const QString &folder,
                                                     const QStringList &filters)
{
    shown << QStringLiteral("open: %1 | %2 | %3").arg(caption, folder, filters.join(u';'));
    if (files.isEmpty())
        return std::nullopt;
    const std::optional<ChosenFile> file = files.dequeue();
    return file ? std::optional<QString>(file->path) : std::nullopt;
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
