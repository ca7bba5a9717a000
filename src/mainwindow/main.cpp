// Morvelin: sets up the application, creates the windows and runs the event loop.

#include "common/clock.h"
#include "common/message_dialogs.h"
#include "common/random_source.h"
#include "common/services.h"
#include "mainwindow/application_setup.h"
#include "mainwindow/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    morvelin::SetUpApplication(app);

    morvelin::MessageDialogs dialogs;
    morvelin::SeededRandomSource random;
    morvelin::SystemClock clock;
    const morvelin::Services services{dialogs, random, clock};

    morvelin::TForm1 Form1(services);
    Form1.show();
    return app.exec();
}
