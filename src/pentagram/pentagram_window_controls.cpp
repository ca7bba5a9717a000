// Building the Pentagram window's controls at their places, sizes and fonts, with the
// star and circle behind the cards.

#include "pentagram/pentagram_window.h"

#include "catalogue/card_catalogue.h"
#include "catalogue/card_picture.h"
#include "common/card_chooser.h"
#include "common/picture_box.h"
#include "common/placed_controls.h"
#include "common/widget_style.h"
#include "pentagram/pentagram_spread.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace morvelin {

namespace {

constexpr QSize kClientSize(498, 699);
const QColor kAntiqueWhite(250, 235, 215);
const QColor kNavy(0, 0, 128);
const QColor kFuchsia(255, 0, 255);

constexpr int kChooserWidth = 108;
constexpr int kChooserHeight = 22;
constexpr QSize kImageSize(88, 149);
constexpr int kLabelWidth = 108;
constexpr int kLabelHeight = 16;

struct PositionPlace {
    QPoint chooser; // position 6 has none
    QPoint image;
    QPoint label;
};
// The points of the star: 1 at the top, 4 and 3 upper left and right, 2 and 5 lower left
// and right; 6 in the centre.
constexpr PositionPlace kPlaces[kPentagramPositions + 1] = {
    {{192, 10}, {202, 32}, {192, 184}},   {{80, 381}, {90, 402}, {80, 552}},
    {{368, 146}, {378, 168}, {368, 318}}, {{20, 146}, {30, 168}, {20, 318}},
    {{304, 381}, {316, 402}, {304, 552}}, {{}, {202, 211}, {192, 360}},
};

constexpr int kPositionTextLeft = 35;
constexpr int kPositionTextTops[kPentagramPositions + 1] = {573, 589, 605, 622, 638, 655};
const char *const kPositionTexts[kPentagramPositions + 1] = {
    "(1) - Huidige situatie waarvan men vertrekt.",
    "(2) - Je bestemming waar je je van bewust wordt.",
    "(3) - De uitdagingen die je op je weg tegenkomt.",
    "(4) - Wat je geeft en waar je hulp kan verwachten op je weg.",
    "(5) - Het doel dat je probeert te bereiken en hoe dit je aanpakt.",
    "(6) - Advies, de raad die de kaarten je geven. ",
};

QFont SegoeFont(int pixels)
{
    return PixelFont(QStringLiteral("Segoe UI"), pixels);
}

} // namespace

void TForm3::createControls()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Pentagram - De Weg die je gaat"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);
    setFont(SegoeFont(12));
    SetBackground(this, kAntiqueWhite);

    // First, so that it lies behind everything else; drawn from its top-left corner,
    // which puts the star's centre behind the sixth card.
    ImCirkel = Place(new QLabel(this), QStringLiteral("ImCirkel"), QRect(8, 53, 482, 519));
    ImCirkel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImCirkel->setPixmap(QPixmap(QString::fromLatin1(kPentagramPictureResource)));
    ImCirkel->setAttribute(Qt::WA_TransparentForMouseEvents);

    createPositions();
    createPositionTexts();
    createButtons();

    QWidget *const order[] = {m_boxes[0], m_boxes[1], m_boxes[2], m_boxes[3],
                              m_boxes[4], btOpe,      btSave,     btTrefTroef};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm3::createPositions()
{
    for (int k = 1; k <= kPentagramPositions + 1; ++k) {
        const PositionPlace &place = kPlaces[k - 1];
        const QRect imageRect(place.image, kImageSize);
        // The frame lies under the picture, which is narrower than its box.
        auto *bevel = Place(new QFrame(this), QStringLiteral("Bevel%1").arg(k), imageRect);
        bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_images[k - 1] = Place(new PictureBox(this), QStringLiteral("Image%1").arg(k), imageRect);

        auto *label =
            Place(new QLabel(EmptyPositionCaption(k), this), QStringLiteral("Label%1").arg(k),
                  QRect(place.label, QSize(kLabelWidth, kLabelHeight)));
        label->setAlignment(Qt::AlignCenter);
        m_labels[k - 1] = label;

        if (k > kPentagramPositions)
            continue;
        auto *box = Place(new CardChooser(this), QStringLiteral("Box%1").arg(k),
                          QRect(place.chooser, QSize(kChooserWidth, kChooserHeight)));
        box->setCursor(Qt::PointingHandCursor);
        OfferCards(*box, NumberedCardList(kRiderWaite));
        connect(box, &CardChooser::chosen, this, [this, k] { BoxChange(k); });
        m_boxes[k - 1] = box;
    }
}

void TForm3::createPositionTexts()
{
    for (int k = 1; k <= kPentagramPositions + 1; ++k) {
        auto *text = new QLabel(QString::fromUtf8(kPositionTexts[k - 1]), this);
        text->setObjectName(QStringLiteral("Label%1").arg(kPentagramPositions + 1 + k));
        text->setFont(SegoeFont(k <= 2 ? 13 : 12));
        SetTextColour(text, kNavy);
        text->adjustSize();
        text->move(kPositionTextLeft, kPositionTextTops[k - 1]);
    }
}

void TForm3::createButtons()
{
    btTrefTroef =
        MakeButton(this, "btTrefTroef", QRect(415, 578, 75, 24), QStringLiteral("Trefwoord"));
    btOpe = MakeButton(this, "btOpe", QRect(202, 672, 42, 24), QStringLiteral("Open"));
    btSave = MakeButton(this, "btSave", QRect(248, 672, 42, 24), QStringLiteral("Save"));
    SpeedButton1 = MakeButton(this, "SpeedButton1", QRect(465, 661, 25, 32), QStringLiteral("?"));
    SpeedButton1->setFont(PixelFont(QStringLiteral("Segoe Script"), 24, true));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setFlat(true);
    SetTextColour(SpeedButton1, kFuchsia);

    connect(btTrefTroef, &QPushButton::clicked, this, &TForm3::btTrefTroefClick);
    connect(btOpe, &QPushButton::clicked, this, &TForm3::btOpeClick);
    connect(btSave, &QPushButton::clicked, this, &TForm3::btSaveClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm3::SpeedButton1Click);
}

} // namespace morvelin
