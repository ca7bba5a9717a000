// Building the insight window: the period and year chooser above, the chart, the card in
// focus, what stands out and the group shares beside the readings behind a card, and the
// buttons below.

#include "analysis/insight_window.h"

#include "analysis/card_chart.h"
#include "common/focus_cue.h"
#include "common/key_preview.h"
#include "common/widget_style.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace morvelin {

namespace {

constexpr QSize kStartSize(900, 700);

QLabel *MakeText(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton *MakeInsightButton(QWidget *parent, const char *name, const QString &caption,
                               const QString &hint)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    return button;
}

QLabel *Heading(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setFont(PixelFont(parent->font().family(), 13, true));
    return label;
}

} // namespace

void TInzicht::createControls()
{
    setObjectName(QStringLiteral("Inzicht"));
    setWindowTitle(QStringLiteral("Inzicht"));
    setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13));
    resize(kStartSize);

    lbVragen = MakeText(this, "lbVragen");
    lbVragen->setFont(PixelFont(font().family(), 15, true));
    edJaar = new QLineEdit(this);
    edJaar->setObjectName(QStringLiteral("edJaar"));
    edJaar->setPlaceholderText(QStringLiteral("alle"));
    edJaar->setFixedWidth(48);
    edJaar->setToolTip(QStringLiteral("Typ een jaar (26 of 2026) en Enter; leeg is alle jaren"));
    btLess = MakeInsightButton(this, "btLess", QStringLiteral("<<<"), QStringLiteral("Vroeger"));
    btMore = MakeInsightButton(this, "btMore", QStringLiteral(">>>"), QStringLiteral("Later"));
    for (QPushButton *step : {btLess, btMore})
        step->setFixedWidth(44);
    btAlles = MakeInsightButton(this, "btAlles", QStringLiteral("Alle jaren"),
                                QStringLiteral("Zet het jaarfilter uit"));
    auto *top = new QHBoxLayout;
    top->addWidget(lbVragen, 1);
    top->addWidget(new QLabel(QStringLiteral("Jaar:"), this));
    top->addWidget(edJaar);
    top->addWidget(btLess);
    top->addWidget(btMore);
    top->addWidget(btAlles);

    auto *explanation = MakeText(this, "lbUitleg");
    explanation->setText(
        QStringLiteral("Elke staaf telt in hoeveel vragen een kaart bij de drie gekozen "
                       "kaarten zat. De zwarte streep is wat eerlijk schudden gemiddeld geeft "
                       "('verwacht'), het grijze vlak de gewone speling daaromheen: tot twee keer "
                       "de ± achter 'verwacht'. Door toeval steken er altijd wel een paar kaarten "
                       "buiten het vlak uit; gemarkeerd wordt alleen een kaart waarvan toeval de "
                       "afwijking niet meer verklaart."));

    Grafiek = new CardChart(this);
    Grafiek->setObjectName(QStringLiteral("Grafiek"));
    lbKaart = MakeText(this, "lbKaart");

    lbOpvallend = MakeText(this, "lbOpvallend");
    lbGeheel = MakeText(this, "lbGeheel");
    lbGroepen = MakeText(this, "lbGroepen");
    auto *findings = new QVBoxLayout;
    findings->addWidget(Heading(this, QStringLiteral("Wat opvalt")));
    findings->addWidget(lbOpvallend);
    findings->addWidget(lbGeheel);
    findings->addSpacing(6);
    findings->addWidget(
        Heading(this, QStringLiteral("Groepen: hun deel van alle gekomen kaarten")));
    findings->addWidget(lbGroepen);
    findings->addStretch(1);

    lbLezingen = MakeText(this, "lbLezingen");
    lbxLezingen = new QListWidget(this);
    lbxLezingen->setObjectName(QStringLiteral("lbxLezingen"));
    lbxLezingen->setUniformItemSizes(true);
    auto *readings = new QVBoxLayout;
    readings->addWidget(lbLezingen);
    readings->addWidget(lbxLezingen, 1);

    auto *middle = new QHBoxLayout;
    middle->addLayout(findings, 1);
    middle->addSpacing(12);
    middle->addLayout(readings, 1);

    btKopieer = MakeInsightButton(this, "btKopieer", QStringLiteral("Kopieer"),
                                  QStringLiteral("Kopieer de tabel naar het geheugen, om in een "
                                                 "rekenblad te plakken."));
    btSluit = MakeInsightButton(this, "btSluit", QStringLiteral("Sluit"), QString());
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btKopieer);
    bottom->addWidget(btSluit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(explanation);
    layout->addWidget(Grafiek, 1);
    layout->addWidget(lbKaart);
    layout->addLayout(middle);
    layout->addLayout(bottom);

    connect(edJaar, &QLineEdit::editingFinished, this, &TInzicht::edJaarEditingFinished);
    connect(btLess, &QPushButton::clicked, this, &TInzicht::btLessClick);
    connect(btMore, &QPushButton::clicked, this, &TInzicht::btMoreClick);
    connect(btAlles, &QPushButton::clicked, this, &TInzicht::btAllesClick);
    connect(btKopieer, &QPushButton::clicked, this, &TInzicht::btKopieerClick);
    connect(btSluit, &QPushButton::clicked, this, &QWidget::hide);
    connect(Grafiek, &CardChart::focusedRowChanged, this, &TInzicht::showFocusedCard);
    connect(Grafiek, &CardChart::cardChosen, this, &TInzicht::listReadings);
    connect(lbxLezingen, &QListWidget::activated, this, &TInzicht::openReading);

    ShowFocusCues(this);
    new KeyPreview(this, [this](QKeyEvent *event) {
        if (event->key() != Qt::Key_Escape)
            return false;
        hide();
        return true;
    });
}

} // namespace morvelin
