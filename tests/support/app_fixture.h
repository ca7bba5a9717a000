#pragma once
// @brief The whole program per test, its list files in a fresh temporary folder, its
// main window opened with a scripted first draw, and short ways to reach the controls
// of its windows by their names.

#include "app/morvelin_app.h"
#include "common/card_chooser.h"
#include "mainwindow/main_window.h"
#include "scripted_services.h"

#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

namespace morvelin::test {

// The control of that window with that object name; a missing one ends the test run.
template <typename T = QWidget>
T *FindControl(const QWidget *window, const char *name)
{
    T *control = window->findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("no control named %s", name);
    return control;
}

// A mouse click on the named control of that window, as the user clicks it.
inline void Click(const QWidget *window, const char *name)
{
    QTest::mouseClick(FindControl(window, name), Qt::LeftButton);
}

// The named button's click() without any event, for work that must not process events.
inline void Press(const QWidget *window, const char *name)
{
    FindControl<QAbstractButton>(window, name)->click();
}

struct AppFixture {
    ScriptedServices scripted;
    QTemporaryDir folder;
    std::unique_ptr<MorvelinApp> app;
    TForm1 *window = nullptr;
    // Where the program keeps its list files: the temporary folder, unless a test points
    // it elsewhere before open().
    QString listFolder;

    // Starts the program; the main window's first showing draws these three cards (1..78).
    // Nothing is waited for: the main window is shown, its first frame not yet painted.
    void start(int a = 1, int b = 2, int c = 3)
    {
        scripted.random.numbers = {a - 1, b - 1, c - 1};
        app = std::make_unique<MorvelinApp>(scripted.services(),
                                            listFolder.isEmpty() ? folder.path() : listFolder);
        window = &app->form1();
        app->start();
    }
    // Starts the program and waits until its main window is the active one.
    bool open(int a = 1, int b = 2, int c = 3)
    {
        start(a, b, c);
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
    QString path(const QString &fileName) const { return folder.filePath(fileName); }

    // A control of the main window.
    template <typename T = QWidget>
    T *find(const char *name) const
    {
        return FindControl<T>(window, name);
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
    void click(const char *name) const { Click(window, name); }

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
