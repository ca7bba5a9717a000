#pragma once
// @brief The Pentagram list window: the saved Pentagrams, one a line; choosing a line
// puts its cards back into the Pentagram window; a line can be deleted (the list goes to
// the backup first) and the list restored from that backup.

#include "common/services.h"
#include "history/text_list.h"
#include "pentagram/pentagram_line.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace morvelin {

class TextListStore;

class TForm4 : public QWidget {
    Q_OBJECT

public:
    TForm4(const Services &services, const TextListStore &store, QWidget *parent = nullptr);

    // Loads the list from its file when there is one (otherwise it keeps the list it last
    // showed) and shows the window. A list that cannot be read is not shown, so that no
    // deletion can write an older list over it.
    void Open();

signals:
    // The cards of the chosen line, as read: a number that is no card means none.
    void pentagramChosen(const std::array<int, kPentagramPositions> &cards);

public slots:
    void lbLijstPClick();
    void btWisSelClick();
    void btHerstelPClick();
    void BtPeClose();

private:
    void showList(const TextList &list);
    // The selected line, or -1.
    int selectedRow() const;
    bool FormKeyDown(QKeyEvent *event);

    Services m_services;
    const TextListStore &m_store;
    // The list as shown, with the encoding its file was read in.
    TextList m_list;

    QListWidget *lbLijstP = nullptr;
    QPushButton *btWisSel = nullptr;
    QPushButton *btHerstelP = nullptr;
    QPushButton *Button2 = nullptr;
};

} // namespace morvelin
