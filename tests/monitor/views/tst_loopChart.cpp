#include "loopChart.h"

#include <QtTest>

class TestLoopChart : public QObject {
    Q_OBJECT
private slots:
    void scaleAndTotal_data();
    void scaleAndTotal();
    void barGeometry();
    void sizeFromParent();
};

void TestLoopChart::scaleAndTotal_data()
{
    QTest::addColumn<QVector<int>>("counts");
    QTest::addColumn<int>("devices");   // -1: the sum of the bars
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("total");
    QTest::newRow("all zero") << QVector<int>(10, 0) << -1 << 1 << 0;
    QTest::newRow("no bars") << QVector<int>() << -1 << 1 << 0;
    QTest::newRow("sum") << QVector<int>{3, 0, 10, 1, 0, 0, 0, 0, 0, 0} << -1 << 10 << 14;
    QTest::newRow("devices without a bar counted")
        << QVector<int>{3, 0, 10, 1, 0, 0, 0, 0, 0, 0} << 16 << 10 << 16;
}

void TestLoopChart::scaleAndTotal()
{
    QFETCH(QVector<int>, counts);
    QFETCH(int, devices);
    QWidget frame;
    loopChart chart(&frame);
    const QVector<QString> labels(counts.size(), QStringLiteral("X"));
    if (devices < 0)
        chart.setData(3, counts, labels);
    else
        chart.setData(3, counts, labels, devices);
    QTEST(chart.largestCount(), "scale");
    QTEST(chart.total(), "total");
    QCOMPARE(chart.loop(), 3);
    // paints without bars as well
    QVERIFY(!chart.grab().isNull());
}

void TestLoopChart::barGeometry()
{
    // 278 x 218 with the largest count 10: bars 27 wide, 17 pixels a device
    QWidget frame;
    frame.resize(278, 218);
    loopChart chart(&frame);
    chart.setMinimumSize(278, 218);
    const QVector<int> counts{10, 1, 2, 0, 0, 0, 0, 0, 0, 0};
    chart.setData(1, counts, QVector<QString>(10));   // no labels: nothing drawn above the bars
    QCOMPARE(chart.size(), QSize(278, 218));
    QImage image(chart.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    chart.render(&image);

    const int H = 218;
    const int barWidth = 27, unit = 17;
    const QColor white(Qt::white);
    for (int i = 0; i < 3; ++i) {
        const int X = 2 + i * barWidth;
        const int e = unit * counts.at(i) + 2;
        const int x = X + 1;   // left of the centred count text
        QCOMPARE(image.pixelColor(x, H - 3 - e), white);          // above the back bar
        QVERIFY(image.pixelColor(x, H - 2 - e) != white);         // back bar top
        QVERIFY(image.pixelColor(x, H - 1 - e) != white);         // front bar top
        QVERIFY(image.pixelColor(X + barWidth - 4, H - 2 - e) != white);   // the back bar shows to the right
        QCOMPARE(image.pixelColor(X + barWidth - 2, H - 10), white);       // the gap to the next bar
    }
    // the title bar
    QCOMPARE(image.pixelColor(5, 5), QColor(0, 71, 131));
}

void TestLoopChart::sizeFromParent()
{
    QWidget frame;
    frame.resize(400, 300);
    loopChart chart(&frame);
    QCOMPARE(chart.size(), QSize(400, 300));
    chart.setMinimumSize(278, 218);
    frame.resize(320, 240);
    chart.setData(1, QVector<int>(10, 0), QVector<QString>(10));
    QCOMPARE(chart.geometry(), QRect(0, 0, 320, 240));
    // a smaller parent leaves the chart at its minimum
    frame.resize(100, 50);
    chart.setData(1, QVector<int>(10, 0), QVector<QString>(10));
    QCOMPARE(chart.geometry(), QRect(0, 0, 278, 218));
}

QTEST_MAIN(TestLoopChart)
#include "tst_loopChart.moc"
