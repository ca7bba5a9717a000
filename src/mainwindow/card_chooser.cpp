#include "mainwindow/card_chooser.h"

#include <QLineEdit>

namespace morvelin {

CardChooser::CardChooser(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion is ours: Qt's completer would pick its own matches and announce nothing.
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, &CardChooser::chosen);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CardChooser::completeTypedText);
}

void CardChooser::replaceItems(const QStringList &items)
{
    const QString text = currentText();
    clear();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(text);
}

void CardChooser::setIndexQuietly(int index)
{
    setCurrentIndex(index);
    // Show the item from its number on, also when it is wider than the box.
    lineEdit()->setCursorPosition(0);
}

void CardChooser::completeTypedText(const QString &typed)
{
    int match = -1;
    if (!typed.isEmpty()) {
        for (int i = 0; i < count(); ++i) {
            if (itemText(i).startsWith(typed, Qt::CaseInsensitive)) {
                match = i;
                break;
            }
        }
    }
    setCurrentIndex(match);
    if (match >= 0) {
        // The completed part stays selected, so the next key typed replaces it.
        const int completed = int(itemText(match).size());
        lineEdit()->setSelection(completed, int(typed.size()) - completed);
    }
    emit chosen();
}

} // namespace morvelin
