#pragma once
// @brief A fresh main window per test, opened with a scripted first draw, and short
// ways to reach its controls by their names.

#include "mainwindow/card_chooser.h"
#include "mainwindow/main_window.h"
#include "scripted_services.h"

#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include <memory>

namespace morvelin::test {

struct MainWindowFixture {
    ScriptedServices scripted;
    std::unique_ptr<TForm1> window;

    // Opens the window; its first showing draws these three cards (numbers 1..78).
    bool open(int a = 1, int b = 2, int c = 3)
    {
        scripted.random.numbers = {a - 1, b - 1, c - 1};
        window = std::make_unique<TForm1>(scripted.services());
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *control = window->findChild<T *>(QLatin1String(name));
        if (!control)
            qFatal("no control named %s", name);
        return control;
    }
    QLabel *label(int slot) const
    {
        return find<QLabel>(qPrintable(QStringLiteral("Label%1").arg(slot)));
    }
    QWidget *image(int slot) const { return find(qPrintable(QStringLiteral("Image%1").arg(slot))); }
    CardChooser *chooser(int k) const
    {
        return find<CardChooser>(qPrintable(QStringLiteral("ComboBox%1").arg(k)));
    }
    void click(const char *name) const { QTest::mouseClick(find(name), Qt::LeftButton); }

    // Types into a chooser as a user does, after selecting its whole text.
    void type(int k, const QString &keys) const
    {
        CardChooser *combo = chooser(k);
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, keys);
    }
    // Steps the deck chooser with the arrow keys to the given deck.
    void chooseDeck(DeckId deck) const
    {
        CardChooser *combo = chooser(4);
        combo->setFocus();
        while (window->deckId() < deck)
            QTest::keyClick(combo, Qt::Key_Down);
        while (window->deckId() > deck)
            QTest::keyClick(combo, Qt::Key_Up);
    }
    QList<int> slotCards() const
    {
        QList<int> cards;
        for (int slot = 1; slot <= kSlotCount; ++slot)
            cards << window->spread().card(slot);
        return cards;
    }
};

} // namespace morvelin::test
