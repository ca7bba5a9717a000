// The yardstick of the start-up benchmark: an empty Qt window of the main window's
// compact size, reporting its first paint the way Morvelin does.

#include "app/first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(498, 202);
    morvelin::ReportFirstPaintIfAsked(window);
    window.show();
    return app.exec();
}
