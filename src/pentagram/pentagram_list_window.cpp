#include "pentagram/pentagram_list_window.h"

#include "common/dialogs.h"
#include "common/key_preview.h"
#include "common/placed_controls.h"
#include "common/widget_style.h"
#include "pentagram/pentagram_list.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace morvelin {

namespace {

constexpr QSize kClientSize(315, 385);
constexpr QPoint kDesignedPlace(380, 323);
constexpr int kLineHeight = 15;

// Every line as high as the list's design says, and all alike, so a long list opens at once.
class FixedLineHeight final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kLineHeight};
    }
};

} // namespace

TForm4::TForm4(const Services &services, const TextListStore &store, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_services(services), m_store(store)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Pentagram Lijst"));
    setFixedSize(kClientSize);
    setFont(PixelFont(QStringLiteral("Segoe UI"), 12));
    move(kDesignedPlace);

    lbLijstP = new QListWidget(this);
    lbLijstP->setObjectName(QStringLiteral("lbLijstP"));
    lbLijstP->setGeometry(8, 8, 299, 337);
    lbLijstP->setSelectionMode(QAbstractItemView::SingleSelection);
    lbLijstP->setUniformItemSizes(true);
    lbLijstP->setItemDelegate(new FixedLineHeight(lbLijstP));
    // By mouse or by keyboard, every line chosen opens. Only a selection counts: the list
    // makes its first line current on its own when it takes the focus.
    connect(lbLijstP->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TForm4::lbLijstPClick);

    btWisSel = MakeButton(this, "btWisSel", QRect(8, 353, 75, 24), QStringLiteral("Wis Selectie"));
    btHerstelP = MakeButton(this, "btHerstelP", QRect(89, 353, 58, 25), QStringLiteral("Herstel"));
    Button2 = MakeButton(this, "Button2", QRect(232, 353, 75, 24), QStringLiteral("Sluiten"));
    connect(btWisSel, &QPushButton::clicked, this, &TForm4::btWisSelClick);
    connect(btHerstelP, &QPushButton::clicked, this, &TForm4::btHerstelPClick);
    connect(Button2, &QPushButton::clicked, this, &TForm4::BtPeClose);

    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

void TForm4::Open()
{
    const Result<std::optional<TextList>> read = ReadPentagramList(m_store);
    if (!read) {
        hide();
        m_services.dialogs.error(read.error());
        return;
    }
    if (read.value())
        showList(*read.value());
    show();
    raise();
    activateWindow();
}

void TForm4::showList(const TextList &list)
{
    m_list = list;
    // Loading is no choice of a line: nothing opens. No line is current afterwards, so
    // that the first Down chooses the first line.
    const QSignalBlocker quiet(lbLijstP->selectionModel());
    lbLijstP->clear();
    lbLijstP->addItems(m_list.lines);
    lbLijstP->setCurrentIndex(QModelIndex());
}

int TForm4::selectedRow() const
{
    const QList<QListWidgetItem *> selected = lbLijstP->selectedItems();
    return selected.isEmpty() ? -1 : lbLijstP->row(selected.first());
}

void TForm4::lbLijstPClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const auto cards = ParsePentagramLine(m_list.lines.at(row));
    if (!cards) {
        m_services.dialogs.error(cards.error());
        return;
    }
    emit pentagramChosen(*cards);
}

void TForm4::btWisSelClick()
{
    const Result<TextList> remaining = DeletePentagramLine(m_store, m_list, selectedRow());
    if (!remaining) {
        m_services.dialogs.error(remaining.error());
        // The list shows what its file holds now, as a list changed elsewhere is told.
        if (const auto now = ReadPentagramList(m_store); now && now.value())
            showList(*now.value());
        return;
    }
    showList(*remaining);
}

void TForm4::btHerstelPClick()
{
    const Result<std::optional<TextList>> restored = RestorePentagramList(m_store);
    if (!restored) {
        m_services.dialogs.error(restored.error());
        return;
    }
    if (restored.value())
        showList(*restored.value());
}

void TForm4::BtPeClose()
{
    hide();
}

bool TForm4::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return false;
}

} // namespace morvelin
