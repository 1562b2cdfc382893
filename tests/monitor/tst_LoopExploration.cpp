#include "LoopExploration.h"

#include "FilePrompt.h"
#include "MonitorWindowFixture.h"
#include "PanelModel.h"
#include "PointCommand.h"
#include "PointState.h"

#include <QAction>
#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using sim::SimPanel;

// Exploring the shown loop from the real main window: answered from the scan
// question, address by address under a modal progress window, cancelled part
// way, refused while polling, stopped by a lost link; polling follows.
class tst_LoopExploration : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void exploresEveryAddressThenPolls();
    void cancelAfterThreeAddressesSendsNoMore();
    void refusedWhilePolling();
    void commandsRefusedWhileExploring();
    void lostLinkEndsTheExploration();
    void loopChangeWhileDisconnectedExploresNothing();

private:
    std::unique_ptr<MonitorWindowFixture> f;
};

void tst_LoopExploration::init()
{
    f = std::make_unique<MonitorWindowFixture>();
    f->configure(0, 2, 1);
    f->configure(0, 7, 4);
    QVERIFY(f->createWindow());
}

void tst_LoopExploration::cleanup()
{
    f.reset();
}

void tst_LoopExploration::exploresEveryAddressThenPolls()
{
    // An element the panel finds where none is configured.
    f->sim->setExplore(0, 11, sim::SimPointCommands::exploreReply(0, 2, 0));
    QString title, label;
    bool modalWindow = false;
    QObject::connect(f->model(), &QAbstractItemModel::dataChanged, f->window.get(), [&] {
        auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        if (!progress || !title.isEmpty() || f->requests(CmdExplorePoint).isEmpty())
            return;
        title = progress->windowTitle();
        label = progress->labelText();
        modalWindow = progress->isWindow() && progress->isVisible();
    });
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Ok, &why), qPrintable(why));

    QCOMPARE(title, QString("Scaning Loop"));
    QCOMPARE(label, QString("Scaning loop. Please wait..."));
    QVERIFY(modalWindow);
    const QList<QByteArray> explored = f->requests(CmdExplorePoint);
    QCOMPARE(explored.size(), 250);
    for (int a = 0; a < 250; ++a)
        QCOMPARE(explored[a], bytes({CmdExplorePoint, 0, a}));
    // The counters of each element follow its explore request, also of the one
    // found unconfigured (address 0 was read by the connection).
    QCOMPARE(f->requests(CmdPointCounters),
             QList<QByteArray>({bytes({CmdPointCounters, 0, 0}), bytes({CmdPointCounters, 0, 2}),
                                bytes({CmdPointCounters, 0, 7}), bytes({CmdPointCounters, 0, 11})}));
    QCOMPARE(f->model()->loopPoint(0, 11).detectedType, quint8(2));
    QVERIFY(f->window->findChildren<QProgressDialog *>().isEmpty());
    QVERIFY(f->model()->isPollingActive());
    QVERIFY(!f->action("playAction")->isEnabled());
}

// The progress window's Cancel is seen before the next address: three explore
// requests and no more; polling still starts.
void tst_LoopExploration::cancelAfterThreeAddressesSendsNoMore()
{
    bool clicked = false;
    bool modalWindow = false;
    QObject::connect(f->model(), &QAbstractItemModel::dataChanged, f->window.get(), [&] {
        if (clicked || f->requests(CmdExplorePoint).size() != 3)
            return;
        auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        if (!progress)
            return;
        clicked = true;
        modalWindow = progress->isWindow();
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    });
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Ok, &why), qPrintable(why));
    QVERIFY(clicked);
    QVERIFY(modalWindow);
    QCOMPARE(f->requests(CmdExplorePoint).size(), 3);
    QVERIFY(f->model()->isPollingActive());
    QVERIFY(f->refreshTimer()->isActive());
}

void tst_LoopExploration::refusedWhilePolling()
{
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
    f->clearRequests();
    bool modal = false;
    QString title;
    ModalScript script;
    script.on([](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
              [&](QWidget *w) {
                  auto *box = qobject_cast<QMessageBox *>(w);
                  modal = box->isWindow() && QApplication::activeModalWidget() == box;
                  title = box->windowTitle();
                  QCOMPARE(box->text(), QString("Explore loops is disabled during the loop polling"));
                  QVERIFY(!box->windowIcon().isNull());
                  box->button(QMessageBox::Ok)->click();
              },
              "the refusal");
    QVERIFY2(f->drive(script, [&] { f->action("exploreAction")->trigger(); }, &why), qPrintable(why));
    QVERIFY(modal);
    QCOMPARE(title, QString("USB connection alert"));
    QVERIFY(f->requests(CmdExplorePoint).isEmpty());
    QVERIFY(f->model()->isPollingActive());
}

// The exploration lets events through between addresses: nothing started then
// runs inside it, and it goes on address by address to its end.
void tst_LoopExploration::commandsRefusedWhileExploring()
{
    f->destroyWindow();
    f->setLoops(2, bytes({1, 1}));
    f->configure(1, 0, 1);
    QVERIFY(f->createWindow());
    int prompts = 0;
    FilePrompt::setAnswerer([&](const FilePrompt::Request &) {
        ++prompts;
        return QString();
    });
    bool tried = false;
    bool connectEnabled = true, exportEnabled = true;
    QObject::connect(f->model(), &QAbstractItemModel::dataChanged, f->window.get(), [&] {
        if (tried || f->requests(CmdExplorePoint).size() != 5)
            return;
        tried = true;
        connectEnabled = f->action("connectAction")->isEnabled();
        exportEnabled = f->action("exportAction")->isEnabled();
        f->giveEveryCommand();
    });
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Ok, &why), qPrintable(why));
    QVERIFY(tried);
    QVERIFY(!connectEnabled);
    QVERIFY(!exportEnabled);
    QCOMPARE(prompts, 0);
    QCOMPARE(f->requests(CmdPanelInfo).size(), 1);
    QVERIFY(f->requests(CmdPanelKey).isEmpty());
    QVERIFY(f->requests(CmdReadPointParam).isEmpty());
    const QList<QByteArray> explored = f->requests(CmdExplorePoint);
    QCOMPARE(explored.size(), 250);
    for (int a = 0; a < 250; ++a)
        QCOMPARE(explored[a], bytes({CmdExplorePoint, 0, a}));
    QCOMPARE(f->model()->currentLoop(), quint8(0));
    QCOMPARE(f->selectorText(), QString("1/2"));
    QVERIFY(f->model()->isPollingActive());
    QVERIFY(f->action("connectAction")->isEnabled());
    QVERIFY(f->action("exportAction")->isEnabled());
}

// Once the link is gone the remaining addresses are not waited for: the window
// shows the link down, and starting polling offers the connection again.
void tst_LoopExploration::lostLinkEndsTheExploration()
{
    int faultAt = 0;
    QObject::connect(f->model(), &QAbstractItemModel::dataChanged, f->window.get(), [&] {
        if (faultAt == 0 && f->requests(CmdExplorePoint).size() == 5) {
            faultAt = SimPanel::instance().requestCount() + 1;
            SimPanel::instance().injectFault(sim::ReplyFault::NoReply);
        }
    });
    ModalScript script;
    answerScanQuestion(script, QDialogButtonBox::Ok);
    answerConnectionError(script, QDialogButtonBox::Cancel);
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("connectAction")->trigger(); }, &why), qPrintable(why));
    QVERIFY(faultAt > 0);
    QCOMPARE(f->requests(CmdExplorePoint).size(), 6);
    QVERIFY(!f->model()->isConnected());
    QVERIFY(!f->model()->isPollingActive());
    QCOMPARE(f->status(), QString("Panel disconnected"));
    QCOMPARE(f->action("connectAction")->text(), QString("Connect"));
}

// The loop selector's menu stays open while disconnected: a change of loop
// there with the scan question accepted offers the connection instead of
// exploring a closed link.
void tst_LoopExploration::loopChangeWhileDisconnectedExploresNothing()
{
    ModalScript script;
    answerScanQuestion(script, QDialogButtonBox::Ok);
    answerConnectionError(script, QDialogButtonBox::Cancel);
    QString why;
    QVERIFY2(f->drive(script, [&] { f->window->slotChangeLoop(0); }, &why), qPrintable(why));
    QVERIFY(f->requests().isEmpty());
    QVERIFY(f->window->findChildren<QProgressDialog *>().isEmpty());
}

QTEST_MAIN(tst_LoopExploration)
#include "tst_LoopExploration.moc"
