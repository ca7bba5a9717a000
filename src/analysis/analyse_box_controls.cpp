// Building the analysis window's controls at their places, sizes, captions and hints.

#include "analysis/analyse_box.h"

#include "common/key_preview.h"
#include "common/placed_controls.h"
#include "common/widget_style.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

namespace morvelin {

namespace {

constexpr QSize kClientSize(468, 520);
constexpr int kListColumns = 3;
// The height of a line of Tahoma at 13 pixels: 26 lines fill a column, so the 78 cards
// fill the three columns exactly.
constexpr int kListRowHeight = 16;

// Every button and mode button of the window shows a hand.
QPushButton *MakeHandButton(QWidget *parent, const char *name, const QRect &geometry,
                            const QString &caption, const QString &hint = {})
{
    QPushButton *button = MakeButton(parent, name, geometry, caption, hint);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

// The year buttons act on the year shown and never take the focus from the list.
QPushButton *MakeSpeedButton(QWidget *parent, const char *name, const QRect &geometry,
                             const QString &caption, const QString &hint)
{
    QPushButton *button = MakeHandButton(parent, name, geometry, caption, hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QRadioButton *MakeModeButton(QWidget *parent, const char *name, const QRect &geometry,
                             const QString &caption)
{
    auto *button = Place(new QRadioButton(caption, parent), name, geometry);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

// Three columns of equal width, filled from top to bottom and then from left to right.
QListView *MakeColumnList(QWidget *parent, QStringListModel *model)
{
    auto *list = Place(new QListView(parent), "lbAnalyse", QRect(8, 27, 452, 430));
    list->setFont(PixelFont(QStringLiteral("Tahoma"), 13));
    list->setFocusPolicy(Qt::ClickFocus);
    list->setViewMode(QListView::ListMode);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The 78 lines fit the three columns exactly; a scroll bar would take the room of
    // the last row and push three lines into a fourth column.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setGridSize(QSize(list->contentsRect().width() / kListColumns, kListRowHeight));
    list->setModel(model);
    return list;
}

} // namespace

void TAnalyseBox::createControls()
{
    setObjectName(QStringLiteral("AnalyseBox"));
    setWindowTitle(QStringLiteral("Analyse"));
    setFixedSize(kClientSize);
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13));

    Label1 = Place(new QLabel(QStringLiteral("Er wordt 1 dezelfde kaart per vraag geteld"), this),
                   "Label1", QRect(8, 5, 248, 16));
    lbAantal = Place(new QLabel(QStringLiteral("Aantal vragen: "), this), "lbAantal",
                     QRect(302, 6, 105, 16));
    lbAantal->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13, true));

    m_lines = new QStringListModel(this);
    lbAnalyse = MakeColumnList(this, m_lines);

    btFilter = MakeSpeedButton(this, "btFilter", QRect(91, 468, 80, 22),
                               QStringLiteral("Filter Jaar"), QStringLiteral("Filter Jaartal"));
    btLess = MakeSpeedButton(this, "btLess", QRect(91, 492, 40, 20), QStringLiteral("<<<"),
                             QStringLiteral("Vroeger"));
    btMore = MakeSpeedButton(this, "btMore", QRect(131, 492, 40, 20), QStringLiteral(">>>"),
                             QStringLiteral("Later"));
    btKoppie = MakeHandButton(this, "btKoppie", QRect(10, 479, 75, 24), QStringLiteral("Kopieer"),
                              QStringLiteral("Kopieer lijst naar geheugen."));

    rbDef = MakeModeButton(this, "rbDef", QRect(176, 464, 136, 17),
                           QStringLiteral("Sorteer op Aantal"));
    rbSort =
        MakeModeButton(this, "rbSort", QRect(176, 482, 124, 17), QStringLiteral("Sorteer op Naam"));
    rbGrArc = MakeModeButton(this, "rbGrArc", QRect(176, 500, 136, 17),
                             QStringLiteral("Filter Grote Arcana"));
    auto *modes = new QButtonGroup(this);
    for (QRadioButton *button : {rbDef, rbSort, rbGrArc})
        modes->addButton(button);
    rbDef->setChecked(true);

    btSamen =
        MakeHandButton(this, "btSamen", QRect(316, 466, 94, 24), QStringLiteral("Samenvatting"),
                       QStringLiteral("Toon Groepen Opgeteld"));
    btReset = MakeHandButton(this, "btReset", QRect(316, 493, 94, 24), QStringLiteral("Alles"),
                             QStringLiteral("Zet Filter uit + Reset"));
    OKButton = MakeHandButton(this, "OKButton", QRect(423, 493, 37, 24), QStringLiteral("Sluit"));
    OKButton->setDefault(true);

    connect(btFilter, &QPushButton::clicked, this, &TAnalyseBox::btFilterClick);
    connect(btLess, &QPushButton::clicked, this, &TAnalyseBox::btLessClick);
    connect(btMore, &QPushButton::clicked, this, &TAnalyseBox::btMoreClick);
    connect(btKoppie, &QPushButton::clicked, this, &TAnalyseBox::btKoppieClick);
    connect(btSamen, &QPushButton::clicked, this, &TAnalyseBox::btSamenClick);
    connect(btReset, &QPushButton::clicked, this, &TAnalyseBox::btResetClick);
    connect(OKButton, &QPushButton::clicked, this, &TAnalyseBox::OKButtonClick);
    // A mode button runs its handling when it becomes selected, by a click or from code;
    // a click on the selected one changes nothing.
    const auto onSelected = [this](QRadioButton *button, void (TAnalyseBox::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    };
    onSelected(rbDef, &TAnalyseBox::rbDefClick);
    onSelected(rbSort, &TAnalyseBox::rbSortClick);
    onSelected(rbGrArc, &TAnalyseBox::rbGrArcClick);

    addInsightAction();
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

void TAnalyseBox::addInsightAction()
{
    auto *insight = new QAction(QStringLiteral("Inzicht…"), lbAnalyse);
    insight->setObjectName(QStringLiteral("acInzicht"));
    insight->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    insight->setShortcutContext(Qt::WindowShortcut);
    lbAnalyse->addAction(insight);
    lbAnalyse->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(insight, &QAction::triggered, this,
            [this] { emit insightRequested(yearFilterOn() ? btFilter->text() : QString()); });
}

} // namespace morvelin
