#include "MyMainWindow.h"
#include "Pause.h"
#include "SetupVersion.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QSplashScreen>
#include <QStyle>
#include <QStyleFactory>

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

    // The program's own style exists only on Windows; elsewhere the default stays.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("windowsvista")))
        QApplication::setStyle(style);
    // "Trebuchet MS" or the font fontconfig puts in its place.
    QFont font(QStringLiteral("Trebuchet MS"), 8, QFont::Thin, false);
    QApplication::setFont(font);

    return app.exec();
}
