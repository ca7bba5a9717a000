#pragma once
// @brief An editable drop-down list of numbered items that completes typed text to the
// first item beginning with it. Only the user's choices are announced; setting the
// index from code never is. It always shows its text from the start, where the item's
// number stands, and its list is as wide as its longest item.

#include <QComboBox>

namespace morvelin {

class CardChooser : public QComboBox {
    Q_OBJECT

public:
    explicit CardChooser(QWidget *parent = nullptr);

    // Replaces the items; the chooser then has no selection.
    void replaceItems(const QStringList &items);
    // Sets the item index (-1 for none) without announcing a choice.
    void setIndexQuietly(int index);

    void showPopup() override;

signals:
    // The user completed typed text, stepped with the arrow keys or picked with the mouse;
    // currentIndex() is -1 when the typed text begins no item.
    void chosen();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void completeTypedText(const QString &typed);
    void rememberKeptLength();
    void showFromStart();

    // How much of the text the next edit keeps unless it deletes: all but the selection.
    int m_keptLength = 0;
};

// A chooser of one card as the spread windows show it: Arial at 11 pixels, 18 cards at a
// time, and "Kies een kaart" until the user chooses.
void OfferCards(CardChooser &chooser, const QStringList &cards);
// No card chosen: no item, and the words that ask for one.
void ShowNoCardChosen(CardChooser &chooser);

} // namespace morvelin
