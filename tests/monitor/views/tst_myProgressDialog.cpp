#include "myProgressDialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

class TestMyProgressDialog : public QObject {
    Q_OBJECT
private slots:
    void shownAtOnceAsModalWindow();
    void valueAtMaximumHides();
    void cancelButton();
    void dragMovesWindow_data();
    void dragMovesWindow();

private:
    static void send(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
};

void TestMyProgressDialog::shownAtOnceAsModalWindow()
{
    QWidget main;
    main.show();
    myProgressDialog d(&main, QStringLiteral("Scaning"), QStringLiteral("Please wait..."));
    QVERIFY(d.isVisible());
    QCOMPARE(d.windowTitle(), QStringLiteral("Scaning"));
    QCOMPARE(d.labelText(), QStringLiteral("Please wait..."));
    // its own window, blocking the rest, not a child drawn inside the parent
    QVERIFY(d.isWindow());
    QCOMPARE(d.windowType(), Qt::Dialog);
    QVERIFY(d.windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(!(d.windowFlags() & (Qt::WindowTitleHint | Qt::WindowCloseButtonHint)));
    QVERIFY(d.isModal());
    QCOMPARE(QApplication::activeModalWidget(), &d);
    QCOMPARE(d.minimum(), 0);
    QCOMPARE(d.maximum(), 100);
    QVERIFY(d.minimumWidth() >= 400);
    QVERIFY(d.minimumHeight() >= 120);
    QVERIFY(d.styleSheet().startsWith(QStringLiteral("QLabel{font-weight:bold; font-size:12px;}")));
}

void TestMyProgressDialog::valueAtMaximumHides()
{
    myProgressDialog d(nullptr, QStringLiteral("t"), QStringLiteral("l"));
    d.setValue(99);
    QVERIFY(d.isVisible());
    d.setValue(100);
    QVERIFY(!d.isVisible());
}

void TestMyProgressDialog::cancelButton()
{
    myProgressDialog d(nullptr, QStringLiteral("t"), QStringLiteral("l"));
    auto *cancel = d.findChild<QPushButton *>();
    QVERIFY(cancel);
    QVERIFY(!d.wasCanceled());
    cancel->click();
    QVERIFY(d.wasCanceled());
}

void TestMyProgressDialog::dragMovesWindow_data()
{
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::addColumn<QPoint>("moved");
    QTest::newRow("left held") << Qt::MouseButtons(Qt::LeftButton) << QPoint(20, 15);
    QTest::newRow("no button") << Qt::MouseButtons(Qt::NoButton) << QPoint(0, 0);
    QTest::newRow("right held") << Qt::MouseButtons(Qt::RightButton) << QPoint(0, 0);
}

void TestMyProgressDialog::dragMovesWindow()
{
    QFETCH(Qt::MouseButtons, held);
    myProgressDialog d(nullptr, QStringLiteral("t"), QStringLiteral("l"));
    d.move(100, 100);
    const QPoint start = d.pos();
    const Qt::MouseButton button = held == Qt::NoButton ? Qt::LeftButton : Qt::MouseButton(int(held));
    send(&d, QEvent::MouseButtonPress, QPoint(10, 10), button, button);
    if (held == Qt::NoButton)
        send(&d, QEvent::MouseButtonRelease, QPoint(10, 10), button, Qt::NoButton);
    send(&d, QEvent::MouseMove, QPoint(30, 25), Qt::NoButton, held);
    QTEST(d.pos() - start, "moved");
}

QTEST_MAIN(TestMyProgressDialog)
#include "tst_myProgressDialog.moc"
