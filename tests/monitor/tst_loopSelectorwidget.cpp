#include "loopSelectorwidget.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The loop selector on its own, shown as a window and driven by its arrows and
// its context menu as a user would.
class tst_loopSelectorwidget : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsDisabledWithoutCount();
    void arrowRule_data();
    void arrowRule();
    void arrowsSkipAbsentLoops_data();
    void arrowsSkipAbsentLoops();
    void countsAndIndexesBoundedToEightLoops();
    void contextMenuOffersEveryLoop();
    void contextMenuChoiceEmitsAlsoForShownLoop();
    void rightClickWhileMenuShownClosesIt();
    void emptyMenuWithoutLoops();
    void arrowPictures();

private:
    void setUp(int count, const QByteArray &present, int current, bool enabled = true);
    void openMenu();
    QMenu *openedMenu() const;
    QString loopText() const { return sel->findChild<QLabel *>("lblLoop")->text(); }
    QPushButton *prev() const { return sel->findChild<QPushButton *>("butPrevLoop"); }
    QPushButton *next() const { return sel->findChild<QPushButton *>("butNextLoop"); }

    std::unique_ptr<loopSelectorwidget> sel;
};

void tst_loopSelectorwidget::init()
{
    sel = std::make_unique<loopSelectorwidget>();
    sel->show();
    QVERIFY(QTest::qWaitForWindowExposed(sel.get()));
}

void tst_loopSelectorwidget::cleanup()
{
    sel.reset();
}

void tst_loopSelectorwidget::setUp(int count, const QByteArray &present, int current, bool enabled)
{
    sel->setLoopCount(static_cast<unsigned char>(count));
    sel->setPresentLoops(reinterpret_cast<const unsigned char *>(present.constData()), int(present.size()));
    sel->setCurrentLoop(static_cast<unsigned char>(current));
    sel->setControlsEnabled(enabled);
}

void tst_loopSelectorwidget::openMenu()
{
    const QPoint at(20, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, sel->mapToGlobal(at));
    QApplication::sendEvent(sel.get(), &event);
}

QMenu *tst_loopSelectorwidget::openedMenu() const
{
    // A closed menu is gone once the deferred deletions have run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto menus = sel->findChildren<QMenu *>();
    return menus.size() == 1 ? menus.first() : nullptr;
}

void tst_loopSelectorwidget::startsDisabledWithoutCount()
{
    QCOMPARE(loopText(), QString("--/--"));
    QCOMPARE(sel->findChild<QLabel *>("label")->text(), QString("Loop"));
    QVERIFY(!prev()->isEnabled());
    QVERIFY(!next()->isEnabled());
    QVERIFY(!sel->findChild<QLabel *>("lblLoop")->isEnabled());
    QVERIFY(sel->findChild<QLabel *>("label")->isEnabled());
    QCOMPARE(sel->toolTip(), QString("Loop selector"));
    QCOMPARE(prev()->toolTip(), QString("Prev loop"));
    QCOMPARE(next()->toolTip(), QString("Next loop"));
}

void tst_loopSelectorwidget::arrowRule_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("prevOn");
    QTest::addColumn<bool>("nextOn");
    QTest::newRow("no loops") << 0 << 0 << true << "1/0" << false << false;
    QTest::newRow("one loop") << 1 << 0 << true << "1/1" << false << false;
    QTest::newRow("first of 8") << 8 << 0 << true << "1/8" << false << true;
    QTest::newRow("last of 8") << 8 << 7 << true << "8/8" << true << false;
    QTest::newRow("middle") << 8 << 3 << true << "4/8" << true << true;
    QTest::newRow("controls off") << 8 << 3 << false << "4/8" << false << false;
}

void tst_loopSelectorwidget::arrowRule()
{
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(bool, enabled);
    setUp(count, QByteArray(8, 1), current, enabled);
    QFETCH(QString, text);
    QCOMPARE(loopText(), text);
    QFETCH(bool, prevOn);
    QCOMPARE(prev()->isEnabled(), prevOn);
    QFETCH(bool, nextOn);
    QCOMPARE(next()->isEnabled(), nextOn);
}

void tst_loopSelectorwidget::arrowsSkipAbsentLoops_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("present");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("expected"); // -1: no loop in that direction, nothing emitted
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("prevOn");
    QTest::addColumn<bool>("nextOn");
    const QByteArray p03("\x01\x00\x00\x01\x00\x00\x00\x00", 8);
    QTest::newRow("next skips 2 and 3") << 8 << p03 << 0 << true << 3 << "4/8" << true << true;
    QTest::newRow("prev skips 2 and 3") << 8 << p03 << 3 << false << 0 << "1/8" << false << true;
    QTest::newRow("next to the last loop") << 8 << QByteArray("\x00\x01\x00\x00\x00\x00\x00\x01", 8) << 1 << true << 7
                                           << "8/8" << true << false;
    QTest::newRow("nothing present after") << 8 << QByteArray("\x01\x00\x01\x00\x00\x00\x00\x00", 8) << 2 << true
                                           << -1 << "3/8" << true << true;
    QTest::newRow("lowest present, prev stays on") << 8 << QByteArray("\x00\x01\x01\x00\x00\x00\x00\x00", 8) << 1
                                                   << false << -1 << "2/8" << true << true;
    QTest::newRow("flag past the count ignored") << 4 << QByteArray("\x01\x00\x00\x00\x01\x00\x00\x00", 8) << 0
                                                 << true << -1 << "1/4" << false << true;
}

void tst_loopSelectorwidget::arrowsSkipAbsentLoops()
{
    QFETCH(int, count);
    QFETCH(QByteArray, present);
    QFETCH(int, current);
    QFETCH(bool, forward);
    QFETCH(int, expected);
    setUp(count, present, current);
    QSignalSpy spy(sel.get(), &loopSelectorwidget::loopChange);

    QPushButton *arrow = forward ? next() : prev();
    QVERIFY(arrow->isEnabled());
    QTest::mouseClick(arrow, Qt::LeftButton);

    if (expected < 0) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<unsigned char>(), static_cast<unsigned char>(expected));
    }
    QFETCH(QString, text);
    QCOMPARE(loopText(), text);
    QFETCH(bool, prevOn);
    QCOMPARE(prev()->isEnabled(), prevOn);
    QFETCH(bool, nextOn);
    QCOMPARE(next()->isEnabled(), nextOn);
}

// The selector holds 8 loops whatever it is fed: no flag is read or written past them.
void tst_loopSelectorwidget::countsAndIndexesBoundedToEightLoops()
{
    const QByteArray twelve(12, 1);
    setUp(12, twelve, 7);
    QCOMPARE(loopText(), QString("8/8"));
    QVERIFY(!next()->isEnabled());
    QSignalSpy spy(sel.get(), &loopSelectorwidget::loopChange);
    sel->SetNextLoop();
    QCOMPARE(spy.count(), 0);

    sel->setCurrentLoop(9);
    QCOMPARE(loopText(), QString("8/8"));
    QTest::mouseClick(prev(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<unsigned char>(), static_cast<unsigned char>(6));
}

void tst_loopSelectorwidget::contextMenuOffersEveryLoop()
{
    setUp(3, QByteArray("\x01\x00\x01", 3), 0);
    openMenu();
    QMenu *menu = openedMenu();
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QStringList texts;
    for (QAction *a : menu->actions()) {
        texts << a->text();
        QVERIFY(a->isCheckable());
        QVERIFY(!a->isChecked());
        QVERIFY(a->isEnabled());
    }
    QCOMPARE(texts, QStringList({"Loop 1", "Loop 2", "Loop 3"}));
}

void tst_loopSelectorwidget::contextMenuChoiceEmitsAlsoForShownLoop()
{
    setUp(3, QByteArray("\x01\x01\x01", 3), 0);
    QSignalSpy spy(sel.get(), &loopSelectorwidget::loopChange);

    openMenu();
    QMenu *menu = openedMenu();
    QVERIFY(menu);
    menu->actions().at(0)->trigger();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<unsigned char>(), static_cast<unsigned char>(0));
    QCOMPARE(openedMenu(), nullptr);

    // The next right-click builds a new menu, with nothing checked again.
    openMenu();
    menu = openedMenu();
    QVERIFY(menu);
    for (QAction *a : menu->actions())
        QVERIFY(!a->isChecked());
    menu->actions().at(2)->trigger();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).value<unsigned char>(), static_cast<unsigned char>(2));
    QCOMPARE(loopText(), QString("3/3"));
    QVERIFY(prev()->isEnabled());
    QVERIFY(!next()->isEnabled());
    QCOMPARE(openedMenu(), nullptr);
}

void tst_loopSelectorwidget::rightClickWhileMenuShownClosesIt()
{
    setUp(2, QByteArray("\x01\x01", 2), 0);
    openMenu();
    QMenu *menu = openedMenu();
    QVERIFY(menu && menu->isVisible());
    openMenu();
    QCOMPARE(openedMenu(), nullptr);

    // A menu closed without a choice (Escape) is forgotten too.
    openMenu();
    menu = openedMenu();
    QVERIFY(menu);
    QSignalSpy spy(sel.get(), &loopSelectorwidget::loopChange);
    QTest::keyClick(menu, Qt::Key_Escape);
    QCOMPARE(openedMenu(), nullptr);
    QCOMPARE(spy.count(), 0);
    openMenu();
    QVERIFY(openedMenu());
}

void tst_loopSelectorwidget::emptyMenuWithoutLoops()
{
    openMenu();
    QMenu *menu = openedMenu();
    QVERIFY(menu);
    QVERIFY(menu->actions().isEmpty());
}

void tst_loopSelectorwidget::arrowPictures()
{
    for (const char *path : {":/res/icons/leftArrowOn.png", ":/res/icons/leftArrowOff.png",
                             ":/res/icons/rightArrowOn.png", ":/res/icons/rightArrowOff.png",
                             ":/res/icons/bgArrows.png"})
        QVERIFY2(!QPixmap(QString::fromLatin1(path)).isNull(), path);
    // Enabled and disabled arrows look different.
    const QIcon icon = next()->icon();
    QVERIFY(icon.pixmap(QSize(24, 24), QIcon::Normal).toImage() != icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage());
}

QTEST_MAIN(tst_loopSelectorwidget)
#include "tst_loopSelectorwidget.moc"
