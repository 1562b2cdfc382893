#include "MyMainWindow.h"

#include <QApplication>

// loopwatch reads no argument of its own. The window connects to the panel once
// the event loop runs and the window is on screen.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MyMainWindow window;
    window.showAndConnect();
    return app.exec();
}
