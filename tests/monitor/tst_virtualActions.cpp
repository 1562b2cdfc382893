#include "PointActionMask.h"
#include "virtualActions.h"

#include <QPainter>
#include <QPalette>
#include <QtTest>

namespace {
QImage resource(const char *name) { return QImage(QStringLiteral(":/res/icons/") + QLatin1String(name)); }

// The colour of the icon drawn into the 25 x 25 square at (x, y) of a painted image: its centre.
QRgb centre(const QImage &image, int x, int y) { return image.pixel(x + 12, y + 12); }
}

class TestVirtualActions : public QObject {
    Q_OBJECT
private slots:
    void maskTable();
    void imagesByMask_data();
    void imagesByMask();
    void iconsDistinct();
    void imagesDecodedOnce_data();
    void imagesDecodedOnce();
    void geometryAndMetaType();
    void paintChoosesIcons_data();
    void paintChoosesIcons();
    void paintCentresInCell();
};

void TestVirtualActions::maskTable()
{
    const quint8 expected[13] = {5, 5, 5, 5, 5, 5, 5, 3, 0, 5, 5, 0, 4};
    for (int t = 0; t <= 12; ++t)
        QCOMPARE(int(PointActionMask::forType(t)), int(expected[t]));
    QCOMPARE(int(PointActionMask::forType(13)), 0);
    QCOMPARE(int(PointActionMask::forType(250)), 0);
}

void TestVirtualActions::imagesByMask_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("left");
    QTest::addColumn<bool>("led");
    QTest::newRow("fire and led") << 5 << "fire" << true;
    QTest::newRow("output and led") << 3 << "out" << true;
    QTest::newRow("fire") << 4 << "fire" << false;
    QTest::newRow("none") << 0 << "" << false;
}

void TestVirtualActions::imagesByMask()
{
    QFETCH(int, mask);
    QFETCH(QString, left);
    QFETCH(bool, led);
    const virtualActions a(0, quint8(mask));
    if (left.isEmpty()) {
        QVERIFY(a.leftOffImage.isNull());
        QVERIFY(a.leftOnImage.isNull());
    } else {
        QCOMPARE(a.leftOffImage, resource(qPrintable(left + "ActionOff.png")));
        QCOMPARE(a.leftOnImage, resource(qPrintable(left + "ActionOn.png")));
    }
    QCOMPARE(!a.rightOffImage.isNull(), led);
    QCOMPARE(!a.rightOnImage.isNull(), led);
    if (led) {
        QCOMPARE(a.rightOffImage, resource("ledActionOff.png"));
        QCOMPARE(a.rightOnImage, resource("ledActionOn.png"));
    }
}

void TestVirtualActions::iconsDistinct()
{
    const char *names[] = {"fireActionOff.png", "fireActionOn.png", "outActionOff.png", "outActionOn.png",
                           "ledActionOff.png", "ledActionOn.png"};
    QList<QImage> seen;
    for (const char *n : names) {
        const QImage image = resource(n);
        QVERIFY2(!image.isNull(), n);
        QVERIFY2(!seen.contains(image), n);
        seen.append(image);
    }
}

void TestVirtualActions::imagesDecodedOnce_data()
{
    QTest::addColumn<int>("mask");
    QTest::newRow("fire and led") << 5;
    QTest::newRow("output and led") << 3;
    QTest::newRow("fire") << 4;
}

// The model makes a value for every actions cell on every repaint: the values
// share one decoded copy of each icon instead of reading it again.
void TestVirtualActions::imagesDecodedOnce()
{
    QFETCH(int, mask);
    const virtualActions first(0x00, quint8(mask));
    const virtualActions second(0x12, quint8(mask));
    QCOMPARE(second.leftOffImage.cacheKey(), first.leftOffImage.cacheKey());
    QCOMPARE(second.leftOnImage.cacheKey(), first.leftOnImage.cacheKey());
    QCOMPARE(second.rightOffImage.cacheKey(), first.rightOffImage.cacheKey());
    QCOMPARE(second.rightOnImage.cacheKey(), first.rightOnImage.cacheKey());
}

void TestVirtualActions::geometryAndMetaType()
{
    const virtualActions a;
    QCOMPARE(int(a.actions), 0);
    QCOMPARE(int(a.mask), 0);
    QCOMPARE(a.leftRect, QRect(0, 0, 25, 25));
    QCOMPARE(a.rightRect, QRect(45, 0, 25, 25));
    QCOMPARE(a.sizeHint(), QSize(70, 25));
    const QVariant v = QVariant::fromValue(virtualActions(0x12, 3));
    QCOMPARE(QByteArray(v.typeName()), QByteArray("virtualActions"));
    const virtualActions copy = v.value<virtualActions>();
    QCOMPARE(int(copy.actions), 0x12);
    QCOMPARE(copy.leftOnImage, resource("outActionOn.png"));
}

void TestVirtualActions::paintChoosesIcons_data()
{
    QTest::addColumn<int>("actions");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("left");    // icon expected on the left, "" none
    QTest::addColumn<QString>("right");
    QTest::newRow("output on, led on") << 0x12 << 3 << "outActionOn.png" << "ledActionOn.png";
    QTest::newRow("led nibble 1 draws off") << 0x01 << 3 << "outActionOff.png" << "ledActionOff.png";
    QTest::newRow("fire on") << 0x10 << 5 << "fireActionOn.png" << "ledActionOff.png";
    QTest::newRow("beam") << 0x12 << 4 << "fireActionOn.png" << "";
    QTest::newRow("nothing") << 0x12 << 0 << "" << "";
}

void TestVirtualActions::paintChoosesIcons()
{
    QFETCH(int, actions);
    QFETCH(int, mask);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QImage image(70, 25, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        virtualActions(quint8(actions), quint8(mask)).paint(&p, QRect(0, 0, 70, 25), QPalette());
    }
    const QRgb leftPixel = centre(image, 0, 0);
    const QRgb rightPixel = centre(image, 45, 0);
    if (left.isEmpty())
        QCOMPARE(qAlpha(leftPixel), 0);
    else
        QCOMPARE(leftPixel, resource(qPrintable(left)).convertToFormat(QImage::Format_ARGB32).pixel(12, 12));
    if (right.isEmpty())
        QCOMPARE(qAlpha(rightPixel), 0);
    else
        QCOMPARE(rightPixel, resource(qPrintable(right)).convertToFormat(QImage::Format_ARGB32).pixel(12, 12));
}

void TestVirtualActions::paintCentresInCell()
{
    // In a cell of 100 x 31 at (0, 0) the pair starts at (15, 3).
    QImage image(100, 31, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        virtualActions(0, 5).paint(&p, QRect(0, 0, 100, 31), QPalette());
    }
    QCOMPARE(qAlpha(image.pixel(14, 15)), 0);
    QVERIFY(qAlpha(centre(image, 15, 3)) > 0);
    QVERIFY(qAlpha(centre(image, 15 + 45, 3)) > 0);
    QCOMPARE(qAlpha(image.pixel(15 + 70, 15)), 0);
}

QTEST_MAIN(TestVirtualActions)
#include "tst_virtualActions.moc"
