#include "QMessageCustom.h"

#include "ModalScript.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The monitor's own message box, run modally over a main window as the monitor
// runs it; answers come from ModalScript.
class tst_QMessageCustom : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void isAModalWindowOfItsOwn();
    void formHoldsTheScanQuestion();
    void results_data();
    void results();
    void checkBoxReportsEachClick();
    void pictureAndCheckBoxSetters();
    void dragging_data();
    void dragging();

private:
    std::unique_ptr<QMainWindow> window;
};

void tst_QMessageCustom::init()
{
    window = std::make_unique<QMainWindow>();
    window->resize(800, 600);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void tst_QMessageCustom::cleanup()
{
    window.reset();
}

// With title-bar hints dropped the box must still be a window of its own that
// blocks the main window while it runs, not a child drawn inside it.
void tst_QMessageCustom::isAModalWindowOfItsOwn()
{
    auto *box = new QMessageCustom(window.get());
    bool isWindow = false, isActiveModal = false, ownWindow = false, visible = false;
    Qt::WindowFlags flags;
    ModalScript script;
    script.on([box](QWidget *w) { return w == box; },
              [&](QWidget *w) {
                  isWindow = w->isWindow();
                  isActiveModal = QApplication::activeModalWidget() == w;
                  ownWindow = w->windowHandle() && w->windowHandle() != window->windowHandle();
                  visible = w->isVisible();
                  flags = w->windowFlags();
                  ModalScript::clickStandardButton(w, QDialogButtonBox::Ok);
              },
              "the message box");
    // Should the box not run as a modal window, the script cannot answer it.
    connect(&script, &ModalScript::failed, box, [box] { box->done(-1); });
    script.start(2000);
    QCOMPARE(box->exec(), 1);
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QVERIFY(visible);
    QVERIFY(isWindow);
    QVERIFY(isActiveModal);
    QVERIFY(ownWindow);
    QCOMPARE(box->windowType(), Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(box->windowModality() != Qt::NonModal);
    delete box;
}

void tst_QMessageCustom::formHoldsTheScanQuestion()
{
    QMessageCustom box(window.get());
    // Until the style sheet takes over the painting when the box is shown.
    QVERIFY(box.autoFillBackground());
    QCOMPARE(box.objectName(), QString("QMessageCustom"));
    QCOMPARE(box.windowTitle(), QString());
    QCOMPARE(box.findChild<QLabel *>("lblText")->text(),
             QString("Do you want to scan the loop?\nThis could be useful to find some problems in the loop, like "
                     "missing elements or duplicated addresses.\n(This process might take few minutes...)"));
    QVERIFY(box.findChild<QLabel *>("lblText")->wordWrap());
    auto *check = box.findChild<QCheckBox *>("chkShowAgain");
    QCOMPARE(check->text(), QString("Don't ask me again "));
    QVERIFY(!check->isChecked());
    QVERIFY(!check->isHidden());
    auto *buttons = box.findChild<QDialogButtonBox *>("buttonBox");
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QVERIFY(!box.findChild<QLabel *>("lblImg")->pixmap().isNull());
    QCOMPARE(box.styleSheet(), QString("QDialog{border:1px solid #333;background-color:#ece9d8}"));
    QVERIFY(!box.windowIcon().isNull());
}

void tst_QMessageCustom::results_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("answer"); // a standard button, or 0 for Escape
    QTest::addColumn<int>("result");
    const int okCancel = QDialogButtonBox::Ok | QDialogButtonBox::Cancel;
    const int retryCancel = QDialogButtonBox::Retry | QDialogButtonBox::Cancel;
    const int yesNo = QDialogButtonBox::Yes | QDialogButtonBox::No;
    QTest::newRow("Ok") << okCancel << int(QDialogButtonBox::Ok) << 1;
    QTest::newRow("Cancel") << okCancel << int(QDialogButtonBox::Cancel) << 0;
    QTest::newRow("Escape") << okCancel << 0 << 0;
    QTest::newRow("Retry") << retryCancel << int(QDialogButtonBox::Retry) << 1;
    QTest::newRow("Cancel after a failed connection") << retryCancel << int(QDialogButtonBox::Cancel) << 0;
    QTest::newRow("Yes") << yesNo << int(QDialogButtonBox::Yes) << 1;
    QTest::newRow("No") << yesNo << int(QDialogButtonBox::No) << 0;
}

void tst_QMessageCustom::results()
{
    QFETCH(int, buttons);
    QFETCH(int, answer);
    auto box = std::make_unique<QMessageCustom>(window.get());
    box->setButtons(QDialogButtonBox::StandardButtons(buttons));
    ModalScript script;
    script.dialog<QMessageCustom>([answer](QMessageCustom *w) {
        if (answer == 0) {
            QTest::keyClick(w, Qt::Key_Escape);
            return;
        }
        QAbstractButton *b = w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::StandardButton(answer));
        QTest::mouseClick(b, Qt::LeftButton);
    });
    QMessageCustom *b = box.get();
    connect(&script, &ModalScript::failed, b, [b] { b->done(-1); });
    script.start();
    QFETCH(int, result);
    QCOMPARE(box->exec(), result);
    QVERIFY2(script.finished(), qPrintable(script.failure()));
}

void tst_QMessageCustom::checkBoxReportsEachClick()
{
    QMessageCustom box(window.get());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy spy(&box, &QMessageCustom::checkboxChange);
    auto *check = box.findChild<QCheckBox *>("chkShowAgain");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(1).at(0).toBool(), false);

    // Only the user's clicks count.
    check->setChecked(true);
    QCOMPARE(spy.count(), 2);
}

void tst_QMessageCustom::pictureAndCheckBoxSetters()
{
    QMessageCustom box(window.get());
    box.setText("Error connecting to panel\nPlease check the connection between the computer and the panel.");
    box.setIcon(":/res/usb_bg");
    box.setButtons(QDialogButtonBox::Retry | QDialogButtonBox::Cancel);
    box.setCheckboxVisible(false);
    auto *img = box.findChild<QLabel *>("lblImg");
    const QPixmap usb(":/res/usb_bg");
    QVERIFY(!usb.isNull());
    QCOMPARE(img->pixmap().toImage(), usb.toImage());
    QCOMPARE(img->minimumSize(), usb.size());
    QCOMPARE(box.findChild<QLabel *>("lblText")->text(),
             QString("Error connecting to panel\nPlease check the connection between the computer and the panel."));
    QVERIFY(box.findChild<QCheckBox *>("chkShowAgain")->isHidden());
    QCOMPARE(box.findChild<QDialogButtonBox *>()->standardButtons(),
             QDialogButtonBox::Retry | QDialogButtonBox::Cancel);
}

void tst_QMessageCustom::dragging_data()
{
    QTest::addColumn<int>("held");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left button") << int(Qt::LeftButton) << true;
    QTest::newRow("no button") << int(Qt::NoButton) << false;
    QTest::newRow("right button") << int(Qt::RightButton) << false;
}

void tst_QMessageCustom::dragging()
{
    QFETCH(int, held);
    QMessageCustom box(window.get());
    box.move(100, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint start = box.pos();

    const QPoint pressAt(10, 12);
    const Qt::MouseButton button = held == Qt::NoButton ? Qt::LeftButton : Qt::MouseButton(held);
    QMouseEvent press(QEvent::MouseButtonPress, pressAt, box.mapToGlobal(pressAt), button, button, {});
    QApplication::sendEvent(&box, &press);
    const QPoint moveTo(40, 27);
    QMouseEvent move(QEvent::MouseMove, moveTo, box.mapToGlobal(moveTo), Qt::NoButton,
                     Qt::MouseButtons(held), {});
    QApplication::sendEvent(&box, &move);

    QFETCH(bool, moves);
    QCOMPARE(box.pos(), moves ? start + (moveTo - pressAt) : start);
}

QTEST_MAIN(tst_QMessageCustom)
#include "tst_QMessageCustom.moc"
