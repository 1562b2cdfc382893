#include "MonitorViewsFixture.h"

#include "pointsActionDelegate.h"
#include "virtualActions.h"

#include <QtTest>

namespace {
constexpr int Address = 10;

enum Icon { Left, Right, Between, Below };
enum Gesture {
    Click,
    PressOnly,            // pressed on the icon, released on another cell
    PressElsewhere,       // pressed on another cell, released on the icon
    DoubleClick,
    RightClick,
    PressLeftReleaseRight,
};
}
Q_DECLARE_METATYPE(Icon)
Q_DECLARE_METATYPE(Gesture)

class TestPointsActionDelegate : public QObject {
    Q_OBJECT
private slots:
    void clicks_data();
    void clicks();
    void ledMovesBetweenPoints();
    void iconsShowWhatThePanelAccepted();
    void sizeHint();

private:
    static QPoint iconPoint(const QRect &cell, Icon icon);
};

QPoint TestPointsActionDelegate::iconPoint(const QRect &cell, Icon icon)
{
    const int origin = cell.left() + cell.width() / 2 - 35;
    switch (icon) {
    case Left: return QPoint(origin + 12, cell.top() + 12);
    case Right: return QPoint(origin + 57, cell.top() + 12);
    case Between: return QPoint(origin + 35, cell.top() + 12);
    case Below: return QPoint(origin + 12, cell.top() + 25);
    }
    return QPoint();
}

void TestPointsActionDelegate::clicks_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("before");   // actions the panel already accepted
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<QList<QByteArray>>("sent");

    const QByteArray alarm = bytes({0x0B, 0, Address});
    const QByteArray ledOn = bytes({0x0D, 0, Address, 2});
    const QByteArray ledOff = bytes({0x0D, 0, Address, 0});
    const QByteArray outputOn = bytes({0x17, 0, Address, 0x10});
    const QByteArray outputOff = bytes({0x17, 0, Address, 0});
    const QList<QByteArray> none;

    QTest::newRow("detector fire") << 1 << 0 << Left << Click << QList<QByteArray>{alarm};
    QTest::newRow("detector fire already on") << 1 << 0x10 << Left << Click << none;
    QTest::newRow("detector led on") << 1 << 0 << Right << Click << QList<QByteArray>{ledOn};
    QTest::newRow("detector led off") << 1 << 0x02 << Right << Click << QList<QByteArray>{ledOff};
    QTest::newRow("detector between icons") << 1 << 0 << Between << Click << none;
    QTest::newRow("detector below icons") << 1 << 0 << Below << Click << none;
    QTest::newRow("detector press only") << 1 << 0 << Left << PressOnly << none;
    QTest::newRow("detector press elsewhere") << 1 << 0 << Left << PressElsewhere << none;
    QTest::newRow("detector double click fire") << 1 << 0 << Left << DoubleClick << QList<QByteArray>{alarm};
    QTest::newRow("detector double click led") << 1 << 0 << Right << DoubleClick << QList<QByteArray>{ledOn};
    QTest::newRow("detector right button fire") << 1 << 0 << Left << RightClick << none;
    QTest::newRow("detector right button led") << 1 << 0 << Right << RightClick << none;
    QTest::newRow("detector press fire release led") << 1 << 0 << Left << PressLeftReleaseRight << none;
    QTest::newRow("mcp fire") << 4 << 0 << Left << Click << QList<QByteArray>{alarm};
    QTest::newRow("output on") << 7 << 0 << Left << Click << QList<QByteArray>{outputOn};
    QTest::newRow("output off") << 7 << 0x10 << Left << Click << QList<QByteArray>{outputOff};
    QTest::newRow("output led") << 7 << 0x10 << Right << Click << QList<QByteArray>{ledOn};
    QTest::newRow("output double click") << 7 << 0 << Left << DoubleClick << QList<QByteArray>{outputOn};
    QTest::newRow("output right button") << 7 << 0 << Left << RightClick << none;
    QTest::newRow("beam fire") << 12 << 0 << Left << Click << QList<QByteArray>{alarm};
    QTest::newRow("beam has no led") << 12 << 0 << Right << Click << none;
    QTest::newRow("beam double click on led place") << 12 << 0 << Right << DoubleClick << none;
    QTest::newRow("sounder") << 8 << 0 << Left << Click << none;
    QTest::newRow("sounder led place") << 8 << 0 << Right << Click << none;
    QTest::newRow("remote indicator") << 11 << 0 << Left << Click << none;
}

void TestPointsActionDelegate::clicks()
{
    QFETCH(int, type);
    QFETCH(int, before);
    QFETCH(Icon, icon);
    QFETCH(Gesture, gesture);

    MonitorViewsFixture f;
    f.configure(0, Address, type);
    QVERIFY(f.load());
    if (before != 0) {
        QVERIFY(f.model->applyActions(Address, quint8(before & 0xF0), quint8(before & 0x0F)));
        f.clearRequests();
    }
    QVERIFY(f.createWidget());
    QWidget *viewport = f.table()->viewport();
    const QRect cell = f.cellRect(Address, PanelModel::ColActions);
    QVERIFY(cell.isValid());
    const QPoint at = iconPoint(cell, icon);
    const QPoint elsewhere = f.cellRect(Address, PanelModel::ColAddress).center();

    switch (gesture) {
    case Click:
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        break;
    case PressOnly:
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, elsewhere);
        break;
    case PressElsewhere:
        QTest::mousePress(viewport, Qt::LeftButton, {}, elsewhere);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
        break;
    case DoubleClick:
        doubleClick(viewport, at);
        break;
    case RightClick:
        QTest::mouseClick(viewport, Qt::RightButton, {}, at);
        break;
    case PressLeftReleaseRight:
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, iconPoint(cell, Right));
        break;
    }
    QTEST(f.requests(), "sent");
}

void TestPointsActionDelegate::ledMovesBetweenPoints()
{
    MonitorViewsFixture f;
    f.configure(0, 3, 1);
    f.configure(0, 7, 1);
    QVERIFY(f.load());
    QVERIFY(f.createWidget());
    QWidget *viewport = f.table()->viewport();

    QTest::mouseClick(viewport, Qt::LeftButton, {}, iconPoint(f.cellRect(3, PanelModel::ColActions), Right));
    QCOMPARE(f.requests(), QList<QByteArray>{bytes({0x0D, 0, 3, 2})});
    f.clearRequests();
    // lighting another point puts the first one out before
    QTest::mouseClick(viewport, Qt::LeftButton, {}, iconPoint(f.cellRect(7, PanelModel::ColActions), Right));
    const QList<QByteArray> sent = f.requests();
    QVERIFY(sent.size() >= 2);
    QCOMPARE(sent.first(), bytes({0x0D, 0, 3, 0}));
    QCOMPARE(sent.last(), bytes({0x0D, 0, 7, 2}));
    QCOMPARE(int(f.model->loopPoint(0, 3).actions), 0);
    QCOMPARE(int(f.model->loopPoint(0, 7).actions), 2);
}

void TestPointsActionDelegate::iconsShowWhatThePanelAccepted()
{
    MonitorViewsFixture f;
    f.configure(0, Address, 7);
    QVERIFY(f.load());
    QVERIFY(f.createWidget());
    QWidget *viewport = f.table()->viewport();
    const QRect cell = f.cellRect(Address, PanelModel::ColActions);
    // a pixel inside the output icon's box, left of its arrow
    const QPoint probe = iconPoint(cell, Left) + QPoint(-8, -8);
    const QPoint inImage = probe - QPoint(cell.left() + (cell.width() - 70) / 2, cell.top() + (cell.height() - 25) / 2);
    const QColor off = QImage(QStringLiteral(":/res/icons/outActionOff.png")).pixelColor(inImage);
    const QColor on = QImage(QStringLiteral(":/res/icons/outActionOn.png")).pixelColor(inImage);
    QVERIFY(off != on);
    auto shown = [&] { return viewport->grab().toImage().pixelColor(probe * viewport->devicePixelRatio()); };
    QCOMPARE(shown(), off);

    f.sim->setOutputReply(bytes({0}));   // refused
    QTest::mouseClick(viewport, Qt::LeftButton, {}, iconPoint(cell, Left));
    QCOMPARE(f.requests().size(), 1);
    QCOMPARE(shown(), off);

    f.sim->setOutputReply(bytes({1}));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, iconPoint(cell, Left));
    QCOMPARE(shown(), on);
}

void TestPointsActionDelegate::sizeHint()
{
    MonitorViewsFixture f;
    f.configure(0, 1, 1);
    f.configure(0, 2, 8);
    QVERIFY(f.load());
    QVERIFY(f.createWidget());
    pointsActionDelegate delegate;
    QStyleOptionViewItem option;
    option.initFrom(f.table());
    QCOMPARE(delegate.sizeHint(option, f.viewIndex(1, PanelModel::ColActions)), QSize(70, 25));
    QVERIFY(delegate.sizeHint(option, f.viewIndex(2, PanelModel::ColActions)) != QSize(70, 25));
}

QTEST_MAIN(TestPointsActionDelegate)
#include "tst_pointsActionDelegate.moc"
