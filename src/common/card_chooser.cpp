#include "common/card_chooser.h"

#include "common/widget_style.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace morvelin {

CardChooser::CardChooser(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion is ours: Qt's completer would pick its own matches and announce nothing.
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this] {
        showFromStart();
        emit chosen();
    });
    QLineEdit *edit = lineEdit();
    connect(edit, &QLineEdit::textEdited, this, &CardChooser::completeTypedText);
    // The line edit announces an edit before the changes it makes, so at textEdited
    // the length remembered is still the one from before the edit.
    connect(edit, &QLineEdit::textChanged, this, &CardChooser::rememberKeptLength);
    connect(edit, &QLineEdit::selectionChanged, this, &CardChooser::rememberKeptLength);
    connect(edit, &QLineEdit::cursorPositionChanged, this, &CardChooser::rememberKeptLength);
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
    showFromStart();
}

void CardChooser::showPopup()
{
    // The list is as wide as its longest item, also where the box is narrower.
    QAbstractItemView *list = view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth()
                          + list->verticalScrollBar()->sizeHint().width());
    QComboBox::showPopup();
}

void CardChooser::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    // A click places the cursor itself; entered any other way the chooser shows its
    // item from the number on, ready to be typed over.
    if (event->reason() != Qt::MouseFocusReason)
        showFromStart();
}

void CardChooser::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    // Text cut back by the user names no card: leaving shows the chosen item again.
    if (event->reason() != Qt::PopupFocusReason && currentIndex() >= 0
        && currentText() != itemText(currentIndex()))
        setIndexQuietly(currentIndex());
}

void CardChooser::showFromStart()
{
    QLineEdit *edit = lineEdit();
    const int length = int(edit->text().size());
    // With the cursor at the start the line edit shows the text from there. While the
    // chooser has the focus the whole text is selected, so the next key typed replaces it.
    if (hasFocus())
        edit->setSelection(length, -length);
    else
        edit->setCursorPosition(0);
}

void CardChooser::rememberKeptLength()
{
    m_keptLength = int(lineEdit()->text().size() - lineEdit()->selectedText().size());
}

void CardChooser::completeTypedText(const QString &typed)
{
    // Only text that grew is completed: a key that deletes the completed part leaves
    // the typed digits standing, and nothing is chosen.
    if (typed.size() <= m_keptLength)
        return;
    int match = -1;
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).startsWith(typed, Qt::CaseInsensitive)) {
            match = i;
            break;
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

void OfferCards(CardChooser &chooser, const QStringList &cards)
{
    chooser.setFont(PixelFont(QStringLiteral("Arial"), 11));
    chooser.setMaxVisibleItems(18);
    chooser.replaceItems(cards);
    ShowNoCardChosen(chooser);
}

void ShowNoCardChosen(CardChooser &chooser)
{
    chooser.setIndexQuietly(-1);
    chooser.setEditText(QStringLiteral("Kies een kaart"));
}

} // namespace morvelin
