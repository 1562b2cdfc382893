#include "SplashScreen.h"

#include "MonitorVersion.h"
#include "Pause.h"

#include <QFrame>
#include <QLabel>
#include <QtTest>

// The start-up window and the version texts it shows; the two-second wait is
// switched off, as in every test.
class tst_SplashScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void versionTexts();
    void shownAtOnceAsWindow();
    void paintsThePictureUnderWhiteText();
    void closeAfterWaitsThroughPause();
};

void tst_SplashScreen::initTestCase()
{
    Pause::setEnabled(false);
}

void tst_SplashScreen::versionTexts()
{
    const QStringList lines = MonitorVersion::splashText().split('\n');
    QCOMPARE(lines, QStringList({"Addressable Fire System ", "Monitor Software ", "BrelixVersion 1.05", "2020/06/19"}));
    QCOMPARE(MonitorVersion::windowTitle(), QString("Addressable Fire System. Monitor SoftwareVersion 1.05"));
    QVERIFY(!QPixmap(QString(MonitorVersion::WindowIcon)).isNull());
}

void tst_SplashScreen::shownAtOnceAsWindow()
{
    SplashScreen splash(MonitorVersion::splashText());
    QVERIFY(splash.isVisible());
    QVERIFY(splash.isWindow());
    QCOMPARE(splash.windowType(), Qt::Popup);
    QCOMPARE(splash.objectName(), QString("SplashScreen"));
    QCOMPARE(splash.windowTitle(), QString("Brelix"));
    QCOMPARE(splash.size(), QSize(637, 335));
    QCOMPARE(splash.minimumSize(), QSize(637, 335));

    auto *label = splash.findChild<QLabel *>("label");
    QCOMPARE(label->text(), MonitorVersion::splashText());
    QVERIFY(!label->wordWrap());
    QCOMPARE(label->geometry(), QRect(350, 10, 281, 101));
    QCOMPARE(label->font().pointSize(), 12);
    QVERIFY(!label->font().bold());
    QCOMPARE(splash.findChild<QFrame *>("frame")->styleSheet(),
             QString("QFrame {  background-color:\"transparent\";  background-image:url(:res/icons/splash.png); "
                     "background-position:center; background-repeat:no-repeat;}QLabel{background:none}"));
}

// The picture's path has no slash after the colon and must still be found.
void tst_SplashScreen::paintsThePictureUnderWhiteText()
{
    const QImage picture(QString(MonitorVersion::SplashPicture));
    QCOMPARE(picture.size(), QSize(637, 335));

    SplashScreen splash(MonitorVersion::splashText());
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    const QImage shown = splash.grab().toImage();
    const QPoint plain(300, 60);
    QCOMPARE(QColor(shown.pixel(plain)).rgb(), QColor(picture.pixel(plain)).rgb());

    // Some of the label's pixels are (close to) white over the dark picture.
    const QRect text = splash.findChild<QLabel *>("label")->geometry();
    int white = 0;
    for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x)
            if (qGray(shown.pixel(x, y)) > 200)
                ++white;
    QVERIFY(white > 50);
}

void tst_SplashScreen::closeAfterWaitsThroughPause()
{
    SplashScreen splash(MonitorVersion::splashText());
    QVERIFY(splash.isVisible());
    splash.closeAfter();
    QVERIFY(!splash.isVisible());
}

QTEST_MAIN(tst_SplashScreen)
#include "tst_SplashScreen.moc"
