// Morvelin: sets up the application, creates the windows and runs the event loop.

#include "app/application_setup.h"
#include "app/morvelin_app.h"
#include "common/clock.h"
#include "common/message_dialogs.h"
#include "common/random_source.h"
#include "common/services.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    morvelin::SetUpApplication(app);

    morvelin::MessageDialogs dialogs;
    morvelin::SeededRandomSource random;
    morvelin::SystemClock clock;
    const morvelin::Services services{dialogs, random, clock};

    // The lists lie where the program was started from; it never changes directory.
    morvelin::MorvelinApp morvelin(services, QDir::currentPath());
    morvelin.start();
    return app.exec();
}
