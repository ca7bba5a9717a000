#pragma once
// @brief The main window: a spread of up to ten cards of the chosen deck, three of them
// picked or drawn, seven derived, with labels, hints, the count lines and the copy buttons.

#include "common/services.h"
#include "mainwindow/export_texts.h"
#include "mainwindow/label_view.h"
#include "mainwindow/magic_card_text.h"
#include "mainwindow/main_spread.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace morvelin {

class CardChooser;
class PictureBox;

enum class SaveButton { Large, Small };

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(const Services &services, QWidget *parent = nullptr);
    ~TForm1() override;

    // What other windows use to read and replace the spread.
    DeckId deckId() const;
    // Opens a saved spread as a user's choice would: the three cards in their choosers,
    // the deck in its own, then each chooser applied in turn.
    void ApplySavedSpread(DeckId deck, const std::array<CardNo, 3> &cards);
    const MainSpread &spread() const { return m_spread; }
    // The caption under a card, as the label shows it now.
    QString labelCaption(int slot) const;
    LabelMode labelMode() const;
    // Changing the mode runs the radio group's click handling; the same mode runs nothing.
    void setLabelMode(LabelMode mode);
    const ExportTexts &exportTexts() const { return m_exportTexts; }
    bool isCompactLayout() const { return m_compactLayout; }
    // Back from another window: the focus in the deck chooser.
    void focusDeckChooser();

signals:
    // A chooser was applied: the spread on screen is no longer the saved one.
    void spreadChanged();
    // The Magic Card box shows this card; its caption and hint follow magicCardTextChanged.
    void magicCardChanged(DeckId deck, CardNo card);
    void magicCardTextChanged(const MagicCardText &text);
    void magicCardBoxRequested();
    void magicCardBoxDismissed();
    void helpRequested();
    void historyRequested();
    // "&Bewaren" (large) or "Bew" (small): they differ in what follows a refused save.
    void saveRequested(SaveButton button);
    void pentagramRequested();
    void layoutToggled();
    // The window closes, and with it the program.
    void closing();

public slots:
    void btRndClick();
    void btPlusClick();
    void cbDriehoekClick();
    void RadioGroup1Click();
    void btOmschClick();
    void btRndTrefwoordClick();
    void bt10XClick();
    void bt4XClick();
    void btBigImgClick();
    void btHelpClick();
    void btMagicClick();
    void btOpenenClick();
    void btBewarenClick();
    void btBewrClick();
    void btPentaClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction, in main_window_controls.cpp.
    void createControls();
    void createCardSlots();
    void createSideControls();
    void createLowerControls();
    void createRadioGroup();
    void setTabOrderAndFocus();
    void FormCreate();

    // The spread, in main_window.cpp.
    void FormClick();
    void DrawRandomSpread();
    void ApplyChosenCard(int k);
    void ApplyChosenDeck();
    void ShowChosenCard(int k);
    void RefreshSpread();
    void showSlot(int slot);
    void ToggleLayout();
    void applyLayoutSize();
    void hideTriangleLabels();
    bool isTriangle() const;

    // Labels, Magic Card and export, in main_window_labels.cpp.
    void ShowMagicCard();
    void ApplyLabelMode();
    void BuildExportTexts();
    LabelView labelView() const;
    // The Magic Card box's caption and hint by the label mode, the cards' labels untouched.
    void applyMagicCardLabelMode();
    void DrawRandomKeywords();
    void setLabelColour(const QColor &colour);
    ExportInputs readExportInputs() const;
    void CopySpreadPicture();

    // Keys, in main_window_keys.cpp.
    bool FormKeyDown(QKeyEvent *event);
    void moveChooserFocus(QWidget *focused, int step);

    CardChooser *cardChooser(int k) const { return m_cardChoosers[k - 1]; }
    void setMagicCardText(const MagicCardText &text);

    Services m_services;
    MagicCardText m_magicText;

    MainSpread m_spread;
    ExportTexts m_exportTexts;
    std::array<int, 3> m_chosenIndex{};
    int m_lastDeckIndex = 0;
    int m_labelCycle = 0;
    bool m_compactLayout = true;
    bool m_sideControlsShown = false;
    bool m_shownBefore = false;
    bool m_scrollBarsInFullLayout = false;
    int m_fullClientHeight = 0;

    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_canvas = nullptr;
    std::array<CardChooser *, 3> m_cardChoosers{};
    std::array<PictureBox *, kSlotCount> m_images{};
    std::array<QLabel *, kSlotCount> m_labels{};
    QButtonGroup *m_labelModes = nullptr;

    CardChooser *ComboBox4 = nullptr;
    QPushButton *btRnd = nullptr;
    QPushButton *btHelp1 = nullptr;
    QPushButton *btMC = nullptr;
    QPushButton *btBewr = nullptr;
    QPushButton *bt4X = nullptr;
    QPushButton *btOmsch = nullptr;
    QPushButton *btPlus = nullptr;
    QFrame *Shape1 = nullptr;
    QFrame *Shape2 = nullptr;
    QCheckBox *cbDriehoek = nullptr;
    QPushButton *btPenta = nullptr;
    QPushButton *btRndTrefwoord = nullptr;
    QWidget *RadioGroup1 = nullptr;
    QPushButton *btOpenen = nullptr;
    QPushButton *btBewaren = nullptr;
    QLabel *lbNieuwMc = nullptr;
    QLabel *lbQuint = nullptr;
    QLabel *lbOudMc = nullptr;
    QPushButton *bt10X = nullptr;
    QPushButton *btBigImg = nullptr;
    QPushButton *btHelp = nullptr;
    QPushButton *btMagic = nullptr;
};

} // namespace morvelin
