// Building the main window's controls at their places, sizes, captions and hints.

#include "mainwindow/main_window.h"

#include "catalogue/card_catalogue.h"
#include "common/card_chooser.h"
#include "common/focus_cue.h"
#include "common/picture_box.h"
#include "common/placed_controls.h"
#include "common/widget_style.h"
#include "mainwindow/window_placement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace morvelin {

namespace {

const QColor kWindowColour(210, 191, 213);
const QColor kRadioGroupColour(219, 204, 221);
const QColor kPurple(128, 0, 128);

struct SlotPlace {
    QPoint image;
    QPoint label;
};
// The pyramid of four, three, two and one cards; each lower card stands between its two sources.
constexpr SlotPlace kSlotPlaces[kSlotCount] = {
    {{8, 37}, {8, 185}},      {{121, 37}, {121, 185}},  {{235, 37}, {235, 185}},
    {{381, 37}, {381, 185}},  {{62, 202}, {62, 350}},   {{176, 202}, {176, 349}},
    {{289, 202}, {289, 350}}, {{121, 367}, {121, 515}}, {{235, 367}, {235, 515}},
    {{176, 533}, {287, 660}},
};
constexpr QSize kImageSize(108, 147);
constexpr QSize kLabelSize(108, 14);

// The compact layout's small flat buttons never take the focus.
QPushButton *MakeSmallButton(QWidget *parent, const char *name, const QRect &geometry,
                             const QString &caption, const QString &hint)
{
    QPushButton *button = MakeButton(parent, name, geometry, caption, hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFlat(true);
    button->hide();
    return button;
}

QLabel *MakeCountLabel(QWidget *parent, const char *name, QPoint at, const QString &caption)
{
    auto *label = Place(new QLabel(parent), name, QRect(at, QSize()));
    SetFittedCaption(label, caption);
    return label;
}

} // namespace

void TForm1::createControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvelin - Herziene Versie 2.2"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(PixelFont(QStringLiteral("Tahoma"), 13));

    // The full layout's controls live on one canvas; the window shows its top band
    // (compact) or all of it, with scroll bars on screens too low for it.
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_canvas = new QWidget;
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_scrollArea->setWidget(m_canvas);
    m_canvas->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);

    createCardSlots();
    createSideControls();
    createLowerControls();
    createRadioGroup();
    setTabOrderAndFocus();
    ShowFocusCues(this);
}

void TForm1::createCardSlots()
{
    for (int k = 1; k <= 3; ++k) {
        auto *chooser = new CardChooser(m_canvas);
        Place(chooser, QStringLiteral("ComboBox%1").arg(k), QRect(8 + 114 * (k - 1), 7, 110, 22));
        OfferCards(*chooser, NumberedCardList(kRiderWaite));
        connect(chooser, &CardChooser::chosen, this, [this, k] { ApplyChosenCard(k); });
        m_cardChoosers[k - 1] = chooser;
    }

    ComboBox4 = Place(new CardChooser(m_canvas), "ComboBox4", QRect(376, 7, 113, 22));
    ComboBox4->setFont(PixelFont(QStringLiteral("Arial"), 11));
    ComboBox4->replaceItems({QStringLiteral("Rider Waite Tarot"), QStringLiteral("Etteilla Tarot"),
                             QStringLiteral("Thierens Tarot")});
    ComboBox4->setIndexQuietly(kRiderWaite);
    connect(ComboBox4, &CardChooser::chosen, this, &TForm1::ApplyChosenDeck);

    btRnd = MakeButton(m_canvas, "btRnd", QRect(347, 7, 28, 22), QStringLiteral("Rnd"),
                       QStringLiteral("Trek de kaarten!"));
    btRnd->setFocusPolicy(Qt::ClickFocus);
    connect(btRnd, &QPushButton::clicked, this, &TForm1::btRndClick);

    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotPlace &place = kSlotPlaces[slot - 1];
        auto *image =
            Place(new PictureBox(m_canvas), qPrintable(QStringLiteral("Image%1").arg(slot)),
                  QRect(place.image, kImageSize));
        m_images[slot - 1] = image;

        auto *label = Place(new QLabel(m_canvas), qPrintable(QStringLiteral("Label%1").arg(slot)),
                            QRect(place.label, kLabelSize));
        label->setFont(PixelFont(QStringLiteral("Arial"), 12));
        label->setAlignment(slot == 10 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        label->hide();
        m_labels[slot - 1] = label;
    }

    // The blue equals sign between the three chosen cards and the fourth.
    for (QFrame **shape : {&Shape1, &Shape2}) {
        const bool upper = shape == &Shape1;
        *shape = Place(new QFrame(m_canvas), upper ? "Shape1" : "Shape2",
                       QRect(348, upper ? 155 : 160, 30, 3));
        (*shape)->setStyleSheet(QStringLiteral("background: blue; border-radius: 1px;"));
        (*shape)->hide();
    }
}

void TForm1::createSideControls()
{
    btHelp1 = MakeSmallButton(m_canvas, "btHelp1", QRect(347, 37, 30, 25), QStringLiteral("?"),
                              QStringLiteral("Help"));
    btMC = MakeSmallButton(m_canvas, "btMC", QRect(347, 62, 30, 22), QStringLiteral("LST"),
                           QStringLiteral("Open Leggingen Lijst"));
    btBewr = MakeSmallButton(m_canvas, "btBewr", QRect(347, 84, 30, 22), QStringLiteral("Bew"),
                             QStringLiteral("Bewaar de Legging"));
    bt4X = MakeSmallButton(m_canvas, "bt4X", QRect(347, 107, 30, 22), QStringLiteral("TxT"),
                           QStringLiteral("4K.Text naar klembord"));
    btOmsch = MakeSmallButton(m_canvas, "btOmsch", QRect(347, 131, 30, 22), QStringLiteral("O"),
                              QStringLiteral("Wissel Labels"));
    btPlus = MakeSmallButton(m_canvas, "btPlus", QRect(347, 164, 30, 22), QStringLiteral("10K"),
                             QStringLiteral("Meer / Minder"));

    connect(btHelp1, &QPushButton::clicked, this, &TForm1::btHelpClick);
    connect(btMC, &QPushButton::clicked, this, &TForm1::btOpenenClick);
    connect(btBewr, &QPushButton::clicked, this, &TForm1::btBewrClick);
    connect(bt4X, &QPushButton::clicked, this, &TForm1::bt4XClick);
    connect(btOmsch, &QPushButton::clicked, this, &TForm1::btOmschClick);
    connect(btPlus, &QPushButton::clicked, this, &TForm1::btPlusClick);
}

void TForm1::createLowerControls()
{
    cbDriehoek = Place(new QCheckBox(QStringLiteral("6-Kaart"), m_canvas), "cbDriehoek",
                       QRect(18, 417, 67, 23));
    cbDriehoek->setToolTip(QStringLiteral("Driehoek van 6 kaarten"));
    connect(cbDriehoek, &QCheckBox::clicked, this, &TForm1::cbDriehoekClick);

    btPenta = MakeButton(m_canvas, "btPenta", QRect(18, 446, 75, 25), QStringLiteral("Pentagram"),
                         QStringLiteral("Een 5-Kaarts legging"));
    connect(btPenta, &QPushButton::clicked, this, &TForm1::btPentaClick);
    btRndTrefwoord = MakeButton(m_canvas, "btRndTrefwoord", QRect(360, 467, 112, 24),
                                QStringLiteral("RWS Trefwoord"),
                                QStringLiteral("Random Trefwoorden bij de RWS Tarot"));
    btRndTrefwoord->setDefault(true);
    connect(btRndTrefwoord, &QPushButton::clicked, this, &TForm1::btRndTrefwoordClick);

    btOpenen =
        MakeButton(m_canvas, "btOpenen", QRect(18, 515, 75, 24), QStringLiteral("&Open Lijst"),
                   QStringLiteral("Open de Historylijst voor Keuzelegging, Bewerken of Analyse"));
    btBewaren = MakeButton(m_canvas, "btBewaren", QRect(18, 545, 75, 24),
                           QStringLiteral("&Bewaren"), QStringLiteral("Bewaar deze Legging"));
    connect(btOpenen, &QPushButton::clicked, this, &TForm1::btOpenenClick);
    connect(btBewaren, &QPushButton::clicked, this, &TForm1::btBewarenClick);

    lbNieuwMc = MakeCountLabel(m_canvas, "lbNieuwMc", QPoint(18, 578), QStringLiteral("Nieuw MC:"));
    lbQuint =
        MakeCountLabel(m_canvas, "lbQuint", QPoint(18, 598), QStringLiteral("Quintessence: "));
    lbOudMc = MakeCountLabel(m_canvas, "lbOudMc", QPoint(18, 620), QStringLiteral("Oud MC: "));

    bt10X = MakeButton(m_canvas, "bt10X", QRect(360, 602, 112, 24), QStringLiteral("Kopieer Tekst"),
                       QStringLiteral("Kopieer Text naar klembord"));
    bt10X->setFocusPolicy(Qt::ClickFocus);
    connect(bt10X, &QPushButton::clicked, this, &TForm1::bt10XClick);

    btBigImg = Place(new QPushButton(QStringLiteral("Kopieer Plaatje"), m_canvas), "btBigImg",
                     QRect(360, 626, 112, 24));
    // Its hint is kept for assistive tools but, unlike the others, never pops up.
    btBigImg->setAccessibleDescription(QStringLiteral("Kopieer Afbeelding naar klembord"));
    connect(btBigImg, &QPushButton::clicked, this, &TForm1::btBigImgClick);

    btHelp = MakeButton(m_canvas, "btHelp", QRect(18, 646, 26, 24), QStringLiteral("?"),
                        QStringLiteral("Help"));
    btHelp->setFont(PixelFont(QStringLiteral("Times New Roman"), 15, true));
    btHelp->setFocusPolicy(Qt::NoFocus);
    btHelp->setFlat(true);
    SetTextColour(btHelp, kPurple);
    connect(btHelp, &QPushButton::clicked, this, &TForm1::btHelpClick);

    btMagic = MakeButton(m_canvas, "btMagic", QRect(52, 646, 84, 24), QStringLiteral("Magic Card "),
                         QStringLiteral("Totaal van 10 kaarten"));
    btMagic->setFocusPolicy(Qt::ClickFocus);
    SetTextColour(btMagic, kPurple);
    connect(btMagic, &QPushButton::clicked, this, &TForm1::btMagicClick);
}

void TForm1::createRadioGroup()
{
    RadioGroup1 = Place(new QWidget(m_canvas), "RadioGroup1", QRect(360, 495, 112, 103));
    auto *caption = new QLabel(QStringLiteral("LABELS:"), RadioGroup1);
    caption->setGeometry(6, 2, 100, 16);

    m_labelModes = new QButtonGroup(this);
    const QString items[kLabelModeCount] = {QStringLiteral("&Geen"), QStringLiteral("&RWS naam"),
                                            QStringLiteral("&Trefwoord"),
                                            QStringLiteral("&Astro / Div.")};
    for (int mode = 0; mode < kLabelModeCount; ++mode) {
        auto *radio = new QRadioButton(items[mode], RadioGroup1);
        radio->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(mode));
        radio->setGeometry(8, 20 + 20 * mode, 100, 19);
        radio->setFocusPolicy(Qt::ClickFocus);
        m_labelModes->addButton(radio, mode);
    }
    m_labelModes->button(int(LabelMode::Name))->setChecked(true);
    // Tab enters the group at its checked item; the arrow keys move within it.
    m_labelModes->button(int(LabelMode::Name))->setFocusPolicy(Qt::StrongFocus);
    // Every change of the checked item, by a click or by code, runs the click handling.
    connect(m_labelModes, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        m_labelModes->button(id)->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        if (checked)
            RadioGroup1Click();
    });
}

void TForm1::setTabOrderAndFocus()
{
    QWidget *const order[] = {m_cardChoosers[0],
                              m_cardChoosers[1],
                              m_cardChoosers[2],
                              ComboBox4,
                              btOpenen,
                              btBewaren,
                              btRndTrefwoord,
                              m_labelModes->button(0),
                              m_labelModes->button(1),
                              m_labelModes->button(2),
                              m_labelModes->button(3),
                              btBigImg,
                              cbDriehoek,
                              btPenta};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::FormCreate()
{
    // Fill the three numbered lists now, before the window is first shown.
    for (DeckId deck = 0; deck < kDeckCount; ++deck)
        NumberedCardList(deck);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const MainWindowPlacement placement = PlaceMainWindow(screen ? screen->size() : QSize());
    m_scrollBarsInFullLayout = placement.scrollBarsInFullLayout;
    m_fullClientHeight = placement.fullClientHeight;
    move(placement.topLeft);
    m_compactLayout = true;
    applyLayoutSize();
    m_sideControlsShown = false;
    m_labelCycle = 0;

    SetBackground(this, kWindowColour);
    SetBackground(m_canvas, kWindowColour);
    SetBackground(RadioGroup1, kRadioGroupColour);
}

} // namespace morvelin
