#pragma once
// @brief The Pentagram window: five Rider Waite cards chosen for the points of a star,
// a sixth counted out from them in the centre, a random keyword under each, saved as one
// line of the Pentagram list. It shares nothing with the main window's spread.

#include "common/list_date.h"
#include "common/on_demand_window.h"
#include "common/services.h"
#include "pentagram/pentagram_line.h"
#include "pentagram/pentagram_spread.h"

#include <array>

class QLabel;
class QPushButton;

namespace morvelin {

class CardChooser;
class PictureBox;
class TextListStore;

// Built on first need: its background picture and five choosers would keep the main
// window from the screen.
class TForm3 : public OnDemandWindow {
    Q_OBJECT

public:
    TForm3(const Services &services, const TextListStore &store, const MonthNames &monthNames,
           QWidget *parent = nullptr);
    ~TForm3() override;

    const PentagramCards &pentagramCards() const { return m_cards; }
    CardNo sixthCard() const { return SixthCard(m_cards); }

    // Shows the window centred over the given one, as far as the screen allows; what it
    // showed last is kept.
    void showOver(const QWidget *window);

    // A saved Pentagram back in the window: each chooser set to its card and handled as a
    // choice; a number that is no card (the "00" of a position saved without one) clears
    // that position. The sixth card is counted out once more at the end.
    void OpenSavedPentagram(const std::array<int, kPentagramPositions> &cards);

signals:
    void listRequested();
    void listCloseRequested();
    void helpRequested();

public slots:
    // Box1Change .. Box5Change: the user chose in chooser k.
    void BoxChange(int k);
    void btTrefTroefClick();
    void btOpeClick();
    void btSaveClick();
    void SpeedButton1Click();
    void SavePentagram();

protected:
    void buildControls() override;

private:
    // Construction, in pentagram_window_controls.cpp.
    void createControls();
    void createPositions();
    void createPositionTexts();
    void createButtons();

    void ShowChosenCard(int k, CardNo card);
    void ClearPosition(int k);
    void ComputeSixthCard();
    void ClearSixthCard();
    // A position's picture and a keyword drawn for its card, or neither.
    void showPositionCard(int k, CardNo card);
    void drawPositionKeyword(int k, CardNo card);
    void emptyPosition(int k);
    bool FormKeyDown(QKeyEvent *event);

    Services m_services;
    const TextListStore &m_store;
    const MonthNames &m_monthNames;

    PentagramCards m_cards{};
    bool m_shownBefore = false;

    QLabel *ImCirkel = nullptr;
    std::array<CardChooser *, kPentagramPositions> m_boxes{};
    std::array<PictureBox *, kPentagramPositions + 1> m_images{};
    std::array<QLabel *, kPentagramPositions + 1> m_labels{};
    QPushButton *btTrefTroef = nullptr;
    QPushButton *btOpe = nullptr;
    QPushButton *btSave = nullptr;
    QPushButton *SpeedButton1 = nullptr;
};

} // namespace morvelin
