#include "MonitorConnection.h"

#include "FilePrompt.h"
#include "MonitorWindowFixture.h"
#include "PanelCommand.h"
#include "PanelMemoryMap.h"
#include "MyMainWidget.h"
#include "PanelModel.h"
#include "PointCommand.h"
#include "loopChart.h"
#include "loopSelectorwidget.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using sim::SimPanel;

// Connecting loopwatch's real main window to the simulated panel: the loops the
// panel reports, the connection error box, a link lost during the panel
// download, Cancel in its progress window, disconnecting, and the commands
// refused while the download runs.
class tst_MonitorConnection : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstPresentLoopIsShownEverywhere();
    void scanQuestionCancelledStartsPolling();
    void noDeviceOffersRetryAndCancel();
    void retryAfterPluggingInConnects();
    void linkLostDuringDownloadEndsDisconnected_data();
    void linkLostDuringDownloadEndsDisconnected();
    void retryAfterLostDownloadConnects();
    void cancelWhileDownloadingEndsDisconnected_data();
    void cancelWhileDownloadingEndsDisconnected();
    void unreadablePanelInformationReadsEveryLoop();
    void panelWithoutLoopsConnects();
    void disconnectStopsPollingAtOnce();
    void commandsRefusedWhileTheDownloadRuns();
    void entryConnectsOnceTheWindowIsShown();
    void connectingAHiddenWindowEnds();

private:
    std::unique_ptr<MonitorWindowFixture> f;
};

namespace {
// The window's disconnected state after a download that did not end as a
// connection: connect offered again, every panel command closed, nothing polling.
void verifyShowsDisconnected(MonitorWindowFixture &f)
{
    QCOMPARE(f.status(), QString("Panel disconnected"));
    QAction *connectAction = f.action("connectAction");
    QCOMPARE(connectAction->text(), QString("Connect"));
    QCOMPARE(connectAction->icon().pixmap(36).toImage(), QIcon(":/res/icons/unplug.png").pixmap(36).toImage());
    QVERIFY(connectAction->isEnabled());
    QVERIFY(!f.menu("panelMenu")->isEnabled());
    QVERIFY(!f.toolBar("panelKeysToolBar")->isEnabled());
    QVERIFY(!f.toolBar("panelLoopToolBar")->isEnabled());
    QVERIFY(!f.selectorEnabled());
    QVERIFY(!f.model()->isPollingActive());
    QVERIFY(!f.refreshTimer()->isActive());
}
} // namespace

void tst_MonitorConnection::init()
{
    f = std::make_unique<MonitorWindowFixture>();
}

void tst_MonitorConnection::cleanup()
{
    f.reset();
}

// A panel whose only present loop is loop 2: the selector, the "Loop" menu's
// check, the table, the statistics and the model's own loop all show loop 2.
void tst_MonitorConnection::firstPresentLoopIsShownEverywhere()
{
    f->setLoops(2, bytes({0, 1}));
    for (int a : {0, 4, 9})
        f->configure(1, a, 1);
    for (int a = 0; a < 5; ++a)
        f->configure(0, a, 2);   // loop 1 is not present: never read
    QVERIFY(f->createWindow());
    // What the window shows while the panel is read.
    QString title, label, status;
    QObject::connect(f->model(), &QAbstractItemModel::dataChanged, f->window.get(), [&] {
        auto *progress = f->window->findChild<QProgressDialog *>();
        if (!title.isEmpty() || !progress || !progress->isVisible())
            return;
        title = progress->windowTitle();
        label = progress->labelText();
        status = f->status();
    });
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
    QCOMPARE(title, QString("Downloading panel"));
    QCOMPARE(label, QString("Downloading panel settings. Please wait..."));
    QCOMPARE(status, QString("Downloading panel settings"));

    QCOMPARE(f->selectorText(), QString("2/2"));
    QVERIFY(f->selectorEnabled());
    const QList<QAction *> entries = f->loopEntries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]->text(), QString("Loop 1"));
    QVERIFY(!entries[0]->isEnabled());
    QVERIFY(!entries[0]->isChecked());
    QCOMPARE(entries[1]->text(), QString("Loop 2"));
    QVERIFY(entries[1]->isEnabled());
    QVERIFY(entries[1]->isChecked());

    QCOMPARE(f->model()->currentLoop(), quint8(1));
    QCOMPARE(f->table()->model()->rowCount(), 3);
    QCOMPARE(f->chart()->loop(), 2);
    QCOMPARE(f->chart()->total(), 3);
    QCOMPARE(f->mainWidget()->findChild<QLabel *>("lblMaxLoops")->text(), QString("Max loops: 2"));
    QCOMPARE(f->mainWidget()->findChild<QLabel *>("lblMaxElements")->text(), QString("Max points per loop: 250"));

    // Only loop 2 was read: its version and its element pages.
    QCOMPARE(f->requests(CmdLoopVersion), QList<QByteArray>({bytes({CmdLoopVersion, 1})}));
    for (int page : SimPanel::instance().pageReads())
        QVERIFY2(page == PanelMemoryMap::DeviceFirstPage
                     || (page >= PanelMemoryMap::devicePage(1, 0) && page <= PanelMemoryMap::devicePage(1, 249)),
                 qPrintable(QString::number(page, 16)));
    QCOMPARE(f->requests(CmdPointCounters), QList<QByteArray>({bytes({CmdPointCounters, 1, 0})}));

    QCOMPARE(f->status(), QString("Panel connected"));
    QCOMPARE(f->action("connectAction")->text(), QString("Disconnect"));
    QVERIFY(f->menu("panelMenu")->isEnabled());
    QVERIFY(f->toolBar("panelKeysToolBar")->isEnabled());
    QVERIFY(f->toolBar("panelLoopToolBar")->isEnabled());
    QVERIFY(f->toolBar("panelLoopToolBar")->isHidden());
}

void tst_MonitorConnection::scanQuestionCancelledStartsPolling()
{
    f->configure(0, 3, 1);
    QVERIFY(f->createWindow());
    bool modalWindow = false;
    ModalScript script;
    answerScanQuestion(script, QDialogButtonBox::Cancel, &modalWindow);
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("connectAction")->trigger(); }, &why), qPrintable(why));
    QVERIFY(modalWindow);

    QVERIFY(f->requests(CmdExplorePoint).isEmpty());
    QVERIFY(f->model()->isPollingActive());
    QVERIFY(f->refreshTimer()->isActive());
    QCOMPARE(f->refreshTimer()->interval(), 1500);
    QVERIFY(!f->action("playAction")->isEnabled());
    f->clearRequests();
    f->model()->timerSlot();
    // Normalized values are polled by default.
    QCOMPARE(f->requests(CmdPollPoint), QList<QByteArray>({bytes({CmdPollPoint, 0, 3, 1})}));
}

void tst_MonitorConnection::noDeviceOffersRetryAndCancel()
{
    SimPanel::instance().setNoDevice();
    QVERIFY(f->createWindow());
    QString text;
    QDialogButtonBox::StandardButtons buttons;
    bool firstModal = false, secondModal = false;
    ModalScript script;
    script.on(isConnectionError, [&](QWidget *w) {
        text = w->findChild<QLabel *>("lblText")->text();
        buttons = w->findChild<QDialogButtonBox *>("buttonBox")->standardButtons();
        firstModal = w->isWindow() && QApplication::activeModalWidget() == w;
        ModalScript::clickStandardButton(w, QDialogButtonBox::Retry);
    });
    answerConnectionError(script, QDialogButtonBox::Cancel, &secondModal);
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("connectAction")->trigger(); }, &why), qPrintable(why));

    QCOMPARE(text, QString("Error connecting to panel\nPlease check the connection between the computer and the panel."));
    QCOMPARE(buttons, QDialogButtonBox::Retry | QDialogButtonBox::Cancel);
    QVERIFY(firstModal);
    QVERIFY(secondModal);
    // Cancel leaves everything as it was.
    QVERIFY(!f->model()->isConnected());
    QVERIFY(f->requests().isEmpty());
    QCOMPARE(f->action("connectAction")->text(), QString("connect"));
    QCOMPARE(f->status(), QString("Program ready"));
    QVERIFY(!f->menu("panelMenu")->isEnabled());
    QVERIFY(!f->toolBar("panelKeysToolBar")->isEnabled());
    QVERIFY(!f->selectorEnabled());
}

void tst_MonitorConnection::retryAfterPluggingInConnects()
{
    SimPanel::instance().setNoDevice();
    QVERIFY(f->createWindow());
    ModalScript script;
    script.on(isConnectionError, [](QWidget *w) {
        SimPanel::instance().setBuses({{qMakePair(quint16(0x15A2), quint16(0x0040))}});
        ModalScript::clickStandardButton(w, QDialogButtonBox::Retry);
    });
    answerScanQuestion(script, QDialogButtonBox::Cancel);
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("connectAction")->trigger(); }, &why), qPrintable(why));
    QVERIFY(f->model()->isConnected());
    QCOMPARE(f->status(), QString("Panel connected"));
    QVERIFY(f->model()->isPollingActive());
}

void tst_MonitorConnection::linkLostDuringDownloadEndsDisconnected_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("panel information") << int(CmdPanelInfo);
    QTest::newRow("loop version") << int(CmdLoopVersion);
    QTest::newRow("element page") << int(CmdReadPage);
    QTest::newRow("counters of the first point") << int(CmdPointCounters);
}

// The link goes down at the first request of a command: the connection ends
// disconnected with the connection error box, never "Panel connected" nor the
// scan question.
void tst_MonitorConnection::linkLostDuringDownloadEndsDisconnected()
{
    QFETCH(int, code);
    f->configure(0, 0, 1);
    // Where that request falls in a whole connection.
    int number = 0;
    {
        QVERIFY(f->createWindow());
        QString why;
        QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
        const QList<QByteArray> all = SimPanel::instance().requests();
        for (int i = 0; i < all.size() && number == 0; ++i)
            if (quint8(all[i].at(0)) == code)
                number = i + 1;
        f->destroyWindow();
    }
    QVERIFY(number > 0);
    f->resetPanel();
    f->configure(0, 0, 1);
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply, number);
    QVERIFY(f->createWindow());

    bool progressGone = false;
    ModalScript script;
    script.on(isConnectionError, [&](QWidget *w) {
        progressGone = true;
        for (QProgressDialog *p : f->window->findChildren<QProgressDialog *>())
            if (p->isVisible())
                progressGone = false;
        ModalScript::clickStandardButton(w, QDialogButtonBox::Cancel);
    });
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("connectAction")->trigger(); }, &why), qPrintable(why));

    QVERIFY(progressGone);
    QVERIFY(!f->model()->isConnected());
    verifyShowsDisconnected(*f);
}

void tst_MonitorConnection::retryAfterLostDownloadConnects()
{
    f->configure(0, 0, 1);
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply, 2);   // the loop version
    QVERIFY(f->createWindow());
    ModalScript script;
    answerConnectionError(script, QDialogButtonBox::Retry);
    answerScanQuestion(script, QDialogButtonBox::Cancel);
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("connectAction")->trigger(); }, &why), qPrintable(why));
    QVERIFY(f->model()->isConnected());
    QCOMPARE(f->status(), QString("Panel connected"));
    QCOMPARE(f->action("connectAction")->text(), QString("Disconnect"));
    QCOMPARE(f->table()->model()->rowCount(), 1);
    QCOMPARE(f->requests(CmdPanelInfo).size(), 2);
}

void tst_MonitorConnection::cancelWhileDownloadingEndsDisconnected_data()
{
    // The request in flight when Cancel is pressed: the nth of its command from
    // the download's 25 %. The click lands inside that request, or waits there
    // like a user's click until the window next looks at its events.
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("nth");
    QTest::addColumn<bool>("atOnce");
    QTest::newRow("loop version, clicked inside the request") << int(CmdLoopVersion) << 1 << true;
    QTest::newRow("loop version, click seen after the request") << int(CmdLoopVersion) << 1 << false;
    QTest::newRow("element page, click seen after the request") << int(CmdReadPage) << 10 << false;
}

// Three loops, the second read from 25 %. Cancel pressed there ends the
// connection after the request in flight: nothing else reaches the panel, the
// link is closed, the window shows the disconnected state with no box and no
// polling, and the connect action afterwards connects and polls as usual.
void tst_MonitorConnection::cancelWhileDownloadingEndsDisconnected()
{
    QFETCH(int, code);
    QFETCH(int, nth);
    QFETCH(bool, atOnce);
    f->setLoops(3, bytes({1, 1, 1}));
    for (int loop = 0; loop < 3; ++loop)
        f->configure(loop, 0, 1);
    QVERIFY(f->createWindow());

    int seen = 0;
    int inFlight = 0;
    int progressAtClick = -1;
    SimPanel::instance().setRequestHook([&](const QByteArray &request) {
        auto *progress = f->window->findChild<QProgressDialog *>();
        if (inFlight != 0 || !progress || !progress->isVisible() || progress->value() < 25
            || quint8(request.at(0)) != code || ++seen < nth)
            return;
        inFlight = SimPanel::instance().requestCount();
        progressAtClick = progress->value();
        QPushButton *cancel = progress->findChild<QPushButton *>();
        if (atOnce)
            QTest::mouseClick(cancel, Qt::LeftButton);
        else
            QTimer::singleShot(0, cancel, [cancel] { QTest::mouseClick(cancel, Qt::LeftButton); });
    });
    ModalScript noBox;
    QString why;
    QVERIFY2(f->drive(noBox, [&] { f->action("connectAction")->trigger(); }, &why), qPrintable(why));
    SimPanel::instance().setRequestHook({});

    QVERIFY(inFlight > 0);
    QCOMPARE(progressAtClick, 25);
    QCOMPARE(SimPanel::instance().requestCount(), inFlight);
    QVERIFY(f->requests(CmdPointCounters).isEmpty());
    QVERIFY(!f->model()->isConnected());
    QCOMPARE(SimPanel::instance().openHandleCount(), 0);
    QVERIFY(f->window->findChildren<QProgressDialog *>().isEmpty());

    verifyShowsDisconnected(*f);
    if (QTest::currentTestFailed())
        return;
    QAction *connectAction = f->action("connectAction");

    f->clearRequests();
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
    QCOMPARE(f->requests(CmdPanelInfo).size(), 1);
    QCOMPARE(f->requests(CmdLoopVersion).size(), 3);
    QCOMPARE(f->requests(CmdPointCounters), QList<QByteArray>({bytes({CmdPointCounters, 0, 0})}));
    QCOMPARE(f->status(), QString("Panel connected"));
    QCOMPARE(connectAction->text(), QString("Disconnect"));
    QCOMPARE(connectAction->icon().pixmap(36).toImage(), QIcon(":/res/icons/plug.png").pixmap(36).toImage());
    QVERIFY(f->menu("panelMenu")->isEnabled());
    QVERIFY(f->selectorEnabled());
    QCOMPARE(f->selectorText(), QString("1/3"));
    QCOMPARE(f->table()->model()->rowCount(), 1);
    QVERIFY(f->model()->isPollingActive());
    QVERIFY(f->refreshTimer()->isActive());
    f->clearRequests();
    f->model()->timerSlot();
    QCOMPARE(f->requests(CmdPollPoint), QList<QByteArray>({bytes({CmdPollPoint, 0, 0, 1})}));
}

// A panel information reply too short to read: every loop the monitor holds is
// read, and each one that could be read is present.
void tst_MonitorConnection::unreadablePanelInformationReadsEveryLoop()
{
    f->sim->setPanelInfo(QByteArrayLiteral("2.1"));
    f->configure(3, 7, 4);
    QVERIFY(f->createWindow());
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
    QCOMPARE(f->requests(CmdLoopVersion).size(), 8);
    const QList<QAction *> entries = f->loopEntries();
    QCOMPARE(entries.size(), 8);
    for (QAction *entry : entries)
        QVERIFY(entry->isEnabled());
    QVERIFY(entries[0]->isChecked());
    QCOMPARE(f->selectorText(), QString("1/8"));
    QCOMPARE(f->model()->loopPoint(3, 7).type, quint8(4));
    QCOMPARE(f->status(), QString("Panel connected"));
}

// No loop at all: no division by the loop count, an empty "Loop" menu and the
// loop on show kept.
void tst_MonitorConnection::panelWithoutLoopsConnects()
{
    f->setLoops(0, QByteArray());
    QVERIFY(f->createWindow());
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
    QVERIFY(f->model()->isConnected());
    QVERIFY(f->loopEntries().isEmpty());
    QCOMPARE(f->selectorText(), QString("1/0"));
    QCOMPARE(f->model()->currentLoop(), quint8(0));
    QVERIFY(f->requests(CmdLoopVersion).isEmpty());
    QCOMPARE(f->mainWidget()->findChild<QLabel *>("lblMaxLoops")->text(), QString("Max loops: 0"));
    QCOMPARE(f->status(), QString("Panel connected"));
}

// Disconnecting ends polling with the link, so a quick reconnect finds Play
// enabled and its exploration is not refused as "during the loop polling".
void tst_MonitorConnection::disconnectStopsPollingAtOnce()
{
    f->configure(0, 1, 1);
    QVERIFY(f->createWindow());
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
    QVERIFY(f->refreshTimer()->isActive());

    f->action("connectAction")->trigger();
    QVERIFY(!f->model()->isConnected());
    QVERIFY(!f->model()->isPollingActive());
    QVERIFY(!f->refreshTimer()->isActive());
    QVERIFY(f->action("playAction")->isEnabled());
    QCOMPARE(f->status(), QString("Panel disconnected"));
    QCOMPARE(f->action("connectAction")->text(), QString("Connect"));
    QVERIFY(!f->menu("panelMenu")->isEnabled());
    QVERIFY(!f->selectorEnabled());

    f->clearRequests();
    QVERIFY2(f->connect(QDialogButtonBox::Ok, &why), qPrintable(why));
    QCOMPARE(f->requests(CmdExplorePoint).size(), 250);
    QVERIFY(f->model()->isPollingActive());
}

// The download lets events through between its steps; commands that come in
// meanwhile (a timer, a shortcut, a queued call) do not run inside it.
void tst_MonitorConnection::commandsRefusedWhileTheDownloadRuns()
{
    f->setLoops(2, bytes({1, 1}));
    f->configure(0, 0, 1);
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
        if (tried || !f->window->findChild<QProgressDialog *>())
            return;
        tried = true;
        connectEnabled = f->action("connectAction")->isEnabled();
        exportEnabled = f->action("exportAction")->isEnabled();
        f->giveEveryCommand();
    });
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
    QVERIFY(tried);
    QVERIFY(!connectEnabled);
    QVERIFY(!exportEnabled);
    QVERIFY(f->action("connectAction")->isEnabled());
    QVERIFY(f->action("exportAction")->isEnabled());
    QCOMPARE(prompts, 0);
    QCOMPARE(f->requests(CmdPanelInfo).size(), 1);
    QVERIFY(f->requests(CmdPanelKey).isEmpty());
    QVERIFY(f->requests(CmdExplorePoint).isEmpty());
    QVERIFY(f->requests(CmdReadPointParam).isEmpty());
    QVERIFY(f->table()->isColumnHidden(PanelModel::ColThreshold));
    QCOMPARE(f->model()->currentLoop(), quint8(0));
    QCOMPARE(f->selectorText(), QString("1/2"));
    QVERIFY(f->model()->isPollingActive());
    QCOMPARE(f->status(), QString("Panel connected"));
}

// The entry shows the window and connects from the event loop: nothing is sent
// before the window is on screen, and no wait is needed for it.
void tst_MonitorConnection::entryConnectsOnceTheWindowIsShown()
{
    f->window = std::make_unique<MyMainWindow>();
    f->clearRequests();
    f->window->showAndConnect();
    QVERIFY(f->window->isVisible());
    QVERIFY(f->requests().isEmpty());
    ModalScript script;
    answerScanQuestion(script, QDialogButtonBox::Cancel);
    script.setRejectUnexpected(true);
    script.start(5000);
    QTRY_VERIFY2(script.finished(), qPrintable(script.failure()));
    QTRY_VERIFY(f->model()->isPollingActive());
    script.stop();
    QVERIFY(script.unexpected().isEmpty());
    QCOMPARE(f->requests(CmdPanelInfo).size(), 1);
}

// A window that is never shown does not hold the connection up for ever.
void tst_MonitorConnection::connectingAHiddenWindowEnds()
{
    f->window = std::make_unique<MyMainWindow>();
    QVERIFY(!f->mainWidget()->isVisible());
    ModalScript script;
    answerScanQuestion(script, QDialogButtonBox::Cancel);
    QString why;
    QVERIFY2(f->drive(script, [&] { f->window->USBconnect(); }, &why), qPrintable(why));
    QVERIFY(f->model()->isConnected());
}

QTEST_MAIN(tst_MonitorConnection)
#include "tst_MonitorConnection.moc"
