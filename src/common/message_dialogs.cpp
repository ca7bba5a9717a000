#include "common/message_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace morvelin {

namespace {

// Without an owner the box is centred on the screen, as the program's messages are.
QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons);
    box.setDefaultButton(QMessageBox::Ok);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void MessageDialogs::message(const QString &text)
{
    Ask(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok);
}

bool MessageDialogs::listWarning(const QString &text)
{
    return Ask(QMessageBox::Warning, QStringLiteral("Lijst"), text,
               QMessageBox::Ok | QMessageBox::Cancel)
           == QMessageBox::Ok;
}

bool MessageDialogs::confirm(const QString &text)
{
    return Ask(QMessageBox::Question, QApplication::applicationName(), text,
               QMessageBox::Ok | QMessageBox::Cancel)
           == QMessageBox::Ok;
}

std::optional<QString> MessageDialogs::textInput(const QString &caption, const QString &prompt,
                                                 const QString &prefilled)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(prefilled);
    // Wide enough to show a whole comment of 80 characters while it is typed or edited.
    dialog.resize(qMax(dialog.sizeHint().width(), dialog.fontMetrics().averageCharWidth() * 84),
                  dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<ChosenFile> MessageDialogs::saveFileName(const QString &caption,
                                                       const QString &suggested,
                                                       const QStringList &filters)
{
    QFileDialog dialog(QApplication::activeWindow(), caption, suggested);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ChosenFile{dialog.selectedFiles().first(),
                      int(qMax(qsizetype(0), filters.indexOf(dialog.selectedNameFilter())))};
}

std::optional<QString> MessageDialogs::openFileName(const QString &caption, const QString &folder,
                                                    const QStringList &filters)
{
    QFileDialog dialog(QApplication::activeWindow(), caption, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

void MessageDialogs::error(const QString &text)
{
    Ask(QMessageBox::Critical, QStringLiteral("Fout"), text, QMessageBox::Ok);
}

} // namespace morvelin
