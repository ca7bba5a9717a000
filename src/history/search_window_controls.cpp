// Building the search window's controls: the search fields on top, the found readings
// below them, the count and the buttons at the bottom.

#include "history/search_window.h"

#include "catalogue/card_catalogue.h"
#include "history/history_reading.h"
#include "history/search_results_model.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace morvelin {

namespace {

constexpr QSize kStartSize(640, 460);

template <typename Widget>
Widget *Named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A caption whose Alt+letter takes the focus to its field.
QLabel *Caption(const QString &text, QWidget *field)
{
    auto *label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    return label;
}

QLineEdit *DayField(QWidget *parent, const char *name)
{
    auto *field = Named(new QLineEdit(parent), name);
    field->setPlaceholderText(QStringLiteral("dd-mm-jjjj"));
    field->setToolTip(QStringLiteral("Leeg laten: geen grens. De dag zelf telt mee."));
    field->setClearButtonEnabled(true);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(R"([0-9./-]{0,10})")), field));
    return field;
}

} // namespace

void TZoeken::createControls()
{
    setObjectName(QStringLiteral("Zoeken"));
    setWindowTitle(QStringLiteral("Zoeken in MorvelLijst.txt"));
    resize(kStartSize);

    // Created in the tab order.
    edWoorden = Named(new QLineEdit(this), "edWoorden");
    edWoorden->setPlaceholderText(QStringLiteral("woorden uit de opmerking, in elke volgorde"));
    edWoorden->setClearButtonEnabled(true);

    cbKaart = Named(new QComboBox(this), "cbKaart");
    cbKaart->addItem(QStringLiteral("alle kaarten"));
    for (CardNo card = 1; card <= kCardsPerDeck; ++card)
        cbKaart->addItem(CardName(kRiderWaite, card));
    cbKaart->setToolTip(QStringLiteral("Op een van de drie plaatsen, in welk deck ook"));
    cbKaart->setMaxVisibleItems(20);

    cbDeck = Named(new QComboBox(this), "cbDeck");
    cbDeck->addItem(QStringLiteral("alle decks"));
    for (DeckId deck = 0; deck < kDeckCount; ++deck)
        cbDeck->addItem(DeckName(deck));

    edVan = DayField(this, "edVan");
    edTot = DayField(this, "edTot");

    m_results = new SearchResultsModel(this);
    lvResultaten = Named(new QListView(this), "lvResultaten");
    lvResultaten->setModel(m_results);
    lvResultaten->setUniformItemSizes(true);
    lvResultaten->setSelectionMode(QAbstractItemView::SingleSelection);
    lvResultaten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvResultaten->setToolTip(QStringLiteral("Dubbelklik of Enter: open de legging"));

    lbGevonden = Named(new QLabel(this), "lbGevonden");
    btOpenen = Named(new QPushButton(QStringLiteral("&Openen"), this), "btOpenen");
    btOpenen->setToolTip(QStringLiteral("Open de gekozen legging in het hoofdvenster"));
    btSluiten = Named(new QPushButton(QStringLiteral("&Sluiten"), this), "btSluiten");
    for (QPushButton *button : {btOpenen, btSluiten})
        button->setAutoDefault(false);

    auto *fields = new QGridLayout;
    fields->addWidget(Caption(QStringLiteral("&Woorden:"), edWoorden), 0, 0);
    fields->addWidget(edWoorden, 0, 1, 1, 3);
    fields->addWidget(Caption(QStringLiteral("&Kaart:"), cbKaart), 1, 0);
    fields->addWidget(cbKaart, 1, 1);
    fields->addWidget(Caption(QStringLiteral("&Deck:"), cbDeck), 1, 2);
    fields->addWidget(cbDeck, 1, 3);
    fields->addWidget(Caption(QStringLiteral("&Van:"), edVan), 2, 0);
    fields->addWidget(edVan, 2, 1);
    fields->addWidget(Caption(QStringLiteral("&tot en met:"), edTot), 2, 2);
    fields->addWidget(edTot, 2, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lbGevonden, 1);
    bottom->addWidget(btOpenen);
    bottom->addWidget(btSluiten);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(lvResultaten, 1);
    layout->addLayout(bottom);

    for (QLineEdit *field : {edWoorden, edVan, edTot})
        connect(field, &QLineEdit::textChanged, this, &TZoeken::search);
    for (QComboBox *chooser : {cbKaart, cbDeck})
        connect(chooser, &QComboBox::currentIndexChanged, this, &TZoeken::search);
    connect(lvResultaten, &QAbstractItemView::doubleClicked, this, &TZoeken::openResult);
    connect(btOpenen, &QPushButton::clicked, this, &TZoeken::openResult);
    connect(btSluiten, &QPushButton::clicked, this, &QWidget::close);
}

} // namespace morvelin
