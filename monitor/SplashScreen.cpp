#include "SplashScreen.h"
#include "ui_SplashScreen.h"

#include "MonitorVersion.h"
#include "Pause.h"

#include <QCoreApplication>

SplashScreen::SplashScreen(const QString &text, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::SplashScreen>())
{
    ui->setupUi(this);
    ui->label->setText(text);
    ui->frame->setStyleSheet(QStringLiteral("QFrame {  background-color:\"transparent\";  background-image:url(")
                             + MonitorVersion::SplashPicture
                             + QStringLiteral("); background-position:center; background-repeat:no-repeat;}"
                                              "QLabel{background:none}"));
    setWindowFlags(Qt::Popup);
    show();
}

SplashScreen::~SplashScreen() = default;

void SplashScreen::closeAfter(unsigned long milliseconds)
{
    QCoreApplication::processEvents();
    Pause::ms(milliseconds);
    close();
}
