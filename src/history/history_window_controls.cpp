// Building the history window's controls at their places, sizes, captions and hints.

#include "history/history_window.h"

#include "common/placed_controls.h"
#include "common/widget_style.h"
#include "history/history_list_view.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace morvelin {

namespace {

constexpr QSize kClientSize(436, 582);
constexpr QPoint kDesignedPlace(267, 175);

struct ButtonLayout {
    QPushButton *TVerleden::*member;
    const char *name;
    QRect geometry;
    const char *caption;
    const char *hint;
    // Buttons without a tab stop take the focus only when clicked.
    bool tabStop;
    void (TVerleden::*handler)();
};

// The copy button's glyph: a clipboard with a sheet of lines on it.
QIcon ClipboardGlyph()
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setPen(QColor(90, 60, 20));
    painter.setBrush(QColor(190, 140, 70));
    painter.drawRect(2, 2, 11, 13);
    painter.setBrush(Qt::white);
    painter.setPen(QColor(110, 110, 110));
    painter.drawRect(4, 4, 7, 9);
    for (int y = 6; y <= 11; y += 2)
        painter.drawLine(5, y, 9, y);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRect(5, 0, 5, 3);
    return QIcon(glyph);
}

QLabel *MakeLabel(QWidget *parent, const char *name, QPoint at, int width, const QFont &font)
{
    auto *label = Place(new QLabel(parent), name, QRect(at, QSize(width, 16)));
    label->setFont(font);
    return label;
}

} // namespace

void TVerleden::createControls()
{
    setObjectName(QStringLiteral("Verleden"));
    setWindowTitle(QStringLiteral("MorvelLijst.txt"));
    setFixedSize(kClientSize);
    move(kDesignedPlace);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13));

    lbAantal = MakeLabel(this, "lbAantal", {79, 10}, 140,
                         PixelFont(QStringLiteral("MS Sans Serif"), 13, true));
    lbAantal->setText(QStringLiteral("Aantal vragen: "));
    lbRegnr = MakeLabel(this, "lbRegnr", {222, 10}, 72, font());
    lbRegnr->setText(QStringLiteral("Regel: "));

    lbxLijst = Place(new HistoryListView(this), "lbxLijst", QRect(9, 34, 416, 511));
    lbxLijst->setFont(PixelFont(QStringLiteral("Tahoma"), 13));
    lbxLijst->setFocusPolicy(Qt::ClickFocus);
    connect(lbxLijst, &QAbstractItemView::doubleClicked, this, &TVerleden::lbxLijstDblClick);

    // In the tab order, after the list: the order of creation is the focus chain.
    // clang-format off
    const ButtonLayout buttons[] = {
        {&TVerleden::btKeuze, "btKeuze", {339, 553, 39, 24}, "Kies",
         "Of Dubbelklik op een keuze", true, &TVerleden::btKeuzeClick},
        {&TVerleden::btTerug, "btTerug", {384, 553, 41, 24}, "&Sluit",
         "", true, &TVerleden::btTerugClick},
        {&TVerleden::btWisSel, "btWisSel", {9, 553, 93, 24}, "Wis Selectie",
         "Selectie = Klik (+ Ctrl / Shift)", false, &TVerleden::btWisSelClick},
        {&TVerleden::btWisLst, "btWisLst", {9, 5, 65, 24}, "Wis Lijst",
         "", false, &TVerleden::btWisLstClick},
        {&TVerleden::btKopieLst, "btKopieLst", {297, 5, 128, 24}, "Lijst naar Klembord",
         "Kopieer Lijst naar Geheugen", false, &TVerleden::btKopieLstClick},
        {&TVerleden::btBewerk, "btBewerk", {171, 553, 91, 24}, "Bewerk Opm.",
         "Bewerk geselecteerd Item", true, &TVerleden::btBewerkClick},
        {&TVerleden::btAnalies, "btAnalies", {267, 553, 66, 24}, "Analyse",
         "Tijdelijk uitgeschakeld / Telt het aantal dezelfde kaarten op.", true,
         &TVerleden::btAnaliesClick},
        {&TVerleden::btHerstel, "btHerstel", {106, 553, 61, 24}, "Herstel",
         "Herstel naar laatst bewaarde bewerking", true, &TVerleden::btHerstelClick},
    };
    // clang-format on
    for (const ButtonLayout &row : buttons) {
        QPushButton *button = MakeButton(this, row.name, row.geometry, QLatin1String(row.caption),
                                         QLatin1String(row.hint));
        button->setFocusPolicy(row.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        button->setAutoDefault(false);
        // Every button but "Herstel" shows a hand.
        if (row.member != &TVerleden::btHerstel)
            button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, row.handler);
        this->*row.member = button;
    }
    btKopieLst->setIcon(ClipboardGlyph());
}

} // namespace morvelin
