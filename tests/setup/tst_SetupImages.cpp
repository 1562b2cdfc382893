#include "SetupVersion.h"

#include <QImage>
#include <QtTest>

// The pictures panelsetup and its libraries reach by resource path.
class tst_setupimages : public QObject {
    Q_OBJECT
private slots:
    void buttons_data();
    void buttons();
    void buttonsAreDistinct();
    void pictures_data();
    void pictures();
};

static const char *const ButtonNames[] = {
    "downloadPanel", "uploadPanel", "exportCSV", "exportTXT", "new",  "open",   "save",     "saveAs",
    "datetime",      "update",      "monitor",   "remove",    "edit", "view",   "addPanel", "AddElement",
};

void tst_setupimages::buttons_data()
{
    QTest::addColumn<QString>("path");
    for (const char *name : ButtonNames)
        QTest::newRow(name) << QStringLiteral(":/buttons/") + QLatin1String(name);
}

void tst_setupimages::buttons()
{
    QFETCH(QString, path);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.hasAlphaChannel());
}

void tst_setupimages::buttonsAreDistinct()
{
    QList<QImage> seen;
    for (const char *name : ButtonNames) {
        const QImage image = QImage(QStringLiteral(":/buttons/") + QLatin1String(name))
                                 .convertToFormat(QImage::Format_ARGB32);
        for (const QImage &other : seen)
            QVERIFY2(image != other, name);
        seen << image;
    }
}

void tst_setupimages::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("minWidth");
    QTest::newRow("splash") << QString::fromLatin1(SetupVersion::SplashPicture) << 300;
    QTest::newRow("about") << QStringLiteral(":/icons/icons/splashScreen.png") << 300;
    QTest::newRow("window logo") << QString::fromLatin1(SetupVersion::LogoIcon) << 32;
}

void tst_setupimages::pictures()
{
    QFETCH(QString, path);
    QFETCH(int, minWidth);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QVERIFY(image.width() >= minWidth);
}

QTEST_MAIN(tst_setupimages)
#include "tst_SetupImages.moc"
