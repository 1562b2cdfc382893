#include "ApplicationLook.h"
#include "MyMainWindow.h"
#include "Pause.h"
#include "SetupVersion.h"

#include <QApplication>
#include <QPixmap>
#include <QSplashScreen>

// panelsetup: the splash, then the main window maximized. No command-line
// arguments of its own.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MyMainWindow window;

    QPixmap picture(QString::fromLatin1(SetupVersion::SplashPicture));
    QSplashScreen splash(picture);
    splash.show();
    splash.showMessage(QLatin1String(SetupVersion::ProductLine) + QLatin1String(SetupVersion::VersionText),
                       Qt::AlignRight, Qt::black);
    app.processEvents();
    // The splash holds the program still for its time, as it always did.
    Pause::ms(2500);

    splash.finish(&window);
    window.showMaximized();

    ApplicationLook::apply();

    return app.exec();
}
