// Morvelin: sets up the application, creates the windows and runs the event loop.

#include "app/application_setup.h"
#include "app/command_line.h"
#include "app/first_paint.h"
#include "app/morvelin_app.h"
#include "common/clock.h"
#include "common/message_dialogs.h"
#include "common/random_source.h"
#include "common/services.h"
#include "mainwindow/main_window.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

QStringList ArgumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    // A command needs no window, and so no display.
    if (const QStringList arguments = ArgumentsOf(argc, argv); morvelin::IsCommandLine(arguments)) {
        QCoreApplication core(argc, argv);
        QTextStream errors(stderr);
        return morvelin::RunCommandLine(arguments, QDir::currentPath(), errors);
    }

    QApplication app(argc, argv);
    morvelin::SetUpApplication(app);

    morvelin::MessageDialogs dialogs;
    morvelin::SeededRandomSource random;
    morvelin::SystemClock clock;
    const morvelin::Services services{dialogs, random, clock};

    // The lists lie where the program was started from; it never changes directory.
    morvelin::MorvelinApp morvelin(services, QDir::currentPath());
    morvelin.start();
    // Watching from here on, the report comes before the work that waits for the same frame.
    morvelin::ReportFirstPaintIfAsked(morvelin.form1());
    return app.exec();
}
