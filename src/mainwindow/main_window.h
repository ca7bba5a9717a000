#pragma once
// @brief The main window: a spread of up to ten cards of the chosen deck, three of them
// picked or drawn, seven derived, with labels, hints, the count lines and the copy buttons.

#include "common/services.h"
#include "mainwindow/export_texts.h"
#include "mainwindow/label_view.h"
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
class TAboutBox;
class THelpInfo;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(const Services &services, QWidget *parent = nullptr);
    ~TForm1() override;

    // The Magic Card box and the help window, created right after this window's controls.
    TAboutBox *aboutBox() const { return m_aboutBox; }
    THelpInfo *helpInfo() const { return m_helpInfo; }

    // What other windows use to read and replace the spread.
    DeckId deckId() const;
    CardChooser *cardChooser(int k) const { return m_cardChoosers[k - 1]; }
    CardChooser *deckChooser() const { return ComboBox4; }
    void ApplyChosenCard(int k);
    void ApplyChosenDeck();
    const MainSpread &spread() const { return m_spread; }
    LabelMode labelMode() const;
    // Changing the mode runs the radio group's click handling; the same mode runs nothing.
    void setLabelMode(LabelMode mode);
    void ApplyLabelMode();
    void BuildExportTexts();
    const ExportTexts &exportTexts() const { return m_exportTexts; }
    bool spreadSaved() const { return m_spreadSaved; }
    void setSpreadSaved(bool saved) { m_spreadSaved = saved; }
    bool isCompactLayout() const { return m_compactLayout; }

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
    void ShowChosenCard(int k);
    void RefreshSpread();
    void showSlot(int slot);
    void ToggleLayout();
    void hideTriangleLabels();
    bool isTriangle() const;

    // Labels, Magic Card and export, in main_window_labels.cpp.
    void ShowMagicCard();
    void DrawRandomKeywords();
    void setLabelColour(const QColor &colour);
    ExportInputs readExportInputs() const;
    void CopySpreadPicture();

    // Keys, in main_window_keys.cpp.
    bool FormKeyDown(QKeyEvent *event);
    void moveChooserFocus(QWidget *focused, int step);

    Services m_services;
    TAboutBox *m_aboutBox = nullptr;
    THelpInfo *m_helpInfo = nullptr;

    MainSpread m_spread;
    ExportTexts m_exportTexts;
    std::array<int, 3> m_chosenIndex{};
    std::array<int, 3> m_lastChosenIndex{};
    int m_lastDeckIndex = 0;
    int m_labelCycle = 0;
    bool m_compactLayout = true;
    bool m_sideControlsShown = false;
    bool m_spreadSaved = false;
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
