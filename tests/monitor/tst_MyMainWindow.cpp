#include "MyMainWindow.h"

#include "DialogOptions.h"
#include "FilePrompt.h"
#include "MonitorWindowFixture.h"
#include "MyConfigOptions.h"
#include "MyMainWidget.h"
#include "PanelModel.h"
#include "PointCommand.h"
#include "loopChart.h"
#include "loopSelectorwidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using sim::SimPanel;

// loopwatch's real main window over the simulated panel: its menus and
// toolbars, the statistics pane and the options, the change of loop, the panel
// keys, reset counters, clear data, the export of analog values and the refresh
// tick.
class tst_MyMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsIdleWithItsMenusAndToolbars();
    void shortcutsAndIcons_data();
    void shortcutsAndIcons();
    void startsWithTheStatisticsPaneWhenStored();
    void statisticsToggleWritesTheSettings();
    void optionsOkReappliesEverything();
    void optionsCancelChangesNothing();
    void panelKeys_data();
    void panelKeys();
    void keyWhileDisconnected_data();
    void keyWhileDisconnected();
    void changeOfLoopThroughSelectorAndMenu();
    void loopChosenInTheSelectorsContextMenu();
    void resetCountersWhilePolling_data();
    void resetCountersWhilePolling();
    void resetCountersWithoutPollingAsksNothing();
    void clearData_data();
    void clearData();
    void exportAppendsTheShownLoop();
    void failedExportIsReported_data();
    void failedExportIsReported();
    void lostLinkStopsPollingAtTheNextRefresh();
    void reconnectBeforeTheRefreshTickExplores();
    void parameterScanIsOneProcedureAtATime_data();
    void parameterScanIsOneProcedureAtATime();
    void closeWhilePollingAsksNothing();

private:
    // Connected with polling running on loop 1 and one poll of each element done.
    void connectAndPollOnce();
    static QStringList texts(const QList<QAction *> &actions);

    std::unique_ptr<MonitorWindowFixture> f;
};

void tst_MyMainWindow::init()
{
    f = std::make_unique<MonitorWindowFixture>();
}

void tst_MyMainWindow::cleanup()
{
    f.reset();
}

QStringList tst_MyMainWindow::texts(const QList<QAction *> &actions)
{
    QStringList l;
    for (QAction *a : actions)
        l << (a->isSeparator() ? QStringLiteral("|") : a->text());
    return l;
}

void tst_MyMainWindow::connectAndPollOnce()
{
    f->configure(0, 1, 1);
    f->configure(0, 5, 2);
    QVERIFY(f->createWindow());
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
    QVERIFY(f->model()->isPollingActive());
    f->model()->timerSlot();
    f->model()->timerSlot();
    f->clearRequests();
}

void tst_MyMainWindow::startsIdleWithItsMenusAndToolbars()
{
    QVERIFY(f->createWindow());
    QCOMPARE(f->window->windowTitle(), QString("Addressable Fire System. Monitor SoftwareVersion 1.05"));
    QVERIFY(!f->window->windowIcon().isNull());
    QCOMPARE(texts(f->window->menuBar()->actions()), QStringList({"&File", "&Panel", "&Configuration"}));
    QCOMPARE(texts(f->menu("fileMenu")->actions()),
             QStringList({"connect", "|", "Export analog values", "|", "Settings", "Close"}));
    QCOMPARE(texts(f->menu("panelMenu")->actions()),
             QStringList({"Loop", "Explore loop", "|", "Play", "Stop", "Reset counters", "Clear data", "|", "Sounders on",
                          "Sounders off", "Silence buzzer", "Reset"}));
    QCOMPARE(f->menu("panelMenu")->actions().first()->menu(), f->menu("loopMenu"));
    QCOMPARE(texts(f->menu("configurationMenu")->actions()), QStringList({"Language"}));

    QToolBar *connection = f->toolBar("connectionToolBar");
    QCOMPARE(connection->windowTitle(), QString("Connection"));
    QCOMPARE(texts(connection->actions()).mid(0, 3), QStringList({"Settings", "Statistics", "connect"}));
    QCOMPARE(connection->widgetForAction(connection->actions().value(3)), f->selector());
    QCOMPARE(texts(f->toolBar("panelLoopToolBar")->actions()),
             QStringList({"Explore loop", "Play", "Stop", "Reset counters", "Clear data"}));
    QCOMPARE(texts(f->toolBar("fileToolBar")->actions()), QStringList({"Export analog values"}));
    QCOMPARE(texts(f->toolBar("panelKeysToolBar")->actions()),
             QStringList({"Sounders on", "Sounders off", "Silence buzzer", "Reset"}));
    for (const char *name : {"connectionToolBar", "panelLoopToolBar", "fileToolBar", "panelKeysToolBar"})
        QCOMPARE(f->toolBar(name)->iconSize(), QSize(36, 36));
    // The titles the window's toolbar menu lists.
    QCOMPARE(f->toolBar("panelLoopToolBar")->windowTitle(), QString("Panel loop"));
    QCOMPARE(f->toolBar("fileToolBar")->windowTitle(), QString("File"));
    QCOMPARE(f->toolBar("panelKeysToolBar")->windowTitle(), QString("Panel keys"));
    QVERIFY(connection->x() < f->toolBar("fileToolBar")->x());
    QVERIFY(f->toolBar("fileToolBar")->x() < f->toolBar("panelKeysToolBar")->x());

    // Not connected.
    QVERIFY(!f->menu("panelMenu")->isEnabled());
    QVERIFY(!f->toolBar("panelLoopToolBar")->isEnabled());
    QVERIFY(f->toolBar("panelLoopToolBar")->isHidden());
    QVERIFY(!f->toolBar("panelKeysToolBar")->isEnabled());
    QVERIFY(!f->selectorEnabled());
    QCOMPARE(f->selectorText(), QString("--/--"));
    QVERIFY(f->loopEntries().isEmpty());
    for (const char *name : {"settingsAction", "statisticsAction", "connectAction", "exportAction", "closeAction"})
        QVERIFY(f->action(name)->isEnabled());
    QVERIFY(f->action("statisticsAction")->isCheckable());
    QVERIFY(!f->action("statisticsAction")->isChecked());
    QVERIFY(!f->statisticsShown());
    QVERIFY(!f->refreshTimer()->isActive());
    QCOMPARE(f->status(), QString("Program ready"));
    QVERIFY(f->requests().isEmpty());
    QVERIFY(!QFile::exists(MyConfigOptions::settingsPath()));
}

void tst_MyMainWindow::shortcutsAndIcons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("icon");
    QTest::newRow("Settings") << "settingsAction" << QKeySequence() << true;
    QTest::newRow("Statistics") << "statisticsAction" << QKeySequence(Qt::Key_F1) << true;
    QTest::newRow("connect") << "connectAction" << QKeySequence() << true;
    QTest::newRow("Explore loop") << "exploreAction" << QKeySequence(Qt::CTRL | Qt::Key_F) << true;
    QTest::newRow("Play") << "playAction" << QKeySequence(Qt::Key_F9) << true;
    QTest::newRow("Stop") << "stopAction" << QKeySequence(Qt::Key_F10) << true;
    QTest::newRow("Reset counters") << "resetCountersAction" << QKeySequence(Qt::Key_F11) << true;
    QTest::newRow("Clear data") << "clearDataAction" << QKeySequence() << true;
    QTest::newRow("Export analog values") << "exportAction" << QKeySequence(Qt::ALT | Qt::Key_E) << true;
    QTest::newRow("Close") << "closeAction" << QKeySequence(Qt::ALT | Qt::Key_F4) << false;
    QTest::newRow("Sounders on") << "soundersOnAction" << QKeySequence() << true;
    QTest::newRow("Sounders off") << "soundersOffAction" << QKeySequence() << true;
    QTest::newRow("Silence buzzer") << "muteAction" << QKeySequence() << true;
    QTest::newRow("Reset") << "resetAction" << QKeySequence() << true;
}

void tst_MyMainWindow::shortcutsAndIcons()
{
    QFETCH(QString, name);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, icon);
    QVERIFY(f->createWindow());
    QAction *a = f->action(qPrintable(name));
    QCOMPARE(a->shortcut(), shortcut);
    QCOMPARE(!a->icon().pixmap(36).isNull(), icon);
    QVERIFY(!a->isIconVisibleInMenu());
}

void tst_MyMainWindow::startsWithTheStatisticsPaneWhenStored()
{
    MonitorWindowFixture::writeSettings({{"global", "true"}});
    QVERIFY(f->createWindow());
    QVERIFY(f->statisticsShown());
    QVERIFY(f->action("statisticsAction")->isChecked());
    QCOMPARE(f->mainWidget()->findChild<QGroupBox *>("gbPanel")->title(), QString("Panel statistics"));
}

void tst_MyMainWindow::statisticsToggleWritesTheSettings()
{
    QVERIFY(f->createWindow());
    f->action("statisticsAction")->trigger();
    QVERIFY(f->statisticsShown());
    QVERIFY(f->action("statisticsAction")->isChecked());
    QCOMPARE(MonitorWindowFixture::settingsValue("global"), QString("true"));
    QCOMPARE(MonitorWindowFixture::settingsValue("periode"), QString("500"));
    f->action("statisticsAction")->trigger();
    QVERIFY(!f->statisticsShown());
    QCOMPARE(MonitorWindowFixture::settingsValue("global"), QString("false"));
    // The language is written only when one is chosen.
    QVERIFY(!QSettings(MyConfigOptions::settingsPath(), QSettings::IniFormat).contains("language"));
}

// Accepted while polling: the poll period, the values polled, the data logging
// and the statistics pane take effect at once, and the file holds them.
void tst_MyMainWindow::optionsOkReappliesEverything()
{
    connectAndPollOnce();
    // The pane no longer as the options say: applying them puts it back.
    f->mainWidget()->showStatistics();
    QVERIFY(f->statisticsShown());
    int counter = 0;
    f->model()->clearHistory(counter);
    ModalScript script;
    script.dialog<DialogOptions>([](DialogOptions *d) {
        d->findChild<QSpinBox *>("spbUsbPolling")->setValue(1000);
        // Unticking the normalized value ticks the absolute one.
        QTest::mouseClick(d->findChild<QCheckBox *>("cbNormalized"), Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseClick(d->findChild<QCheckBox *>("cbDataLogg"), Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseClick(d->findChild<QDialogButtonBox *>("butBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("settingsAction")->trigger(); }, &why), qPrintable(why));

    QCOMPARE(f->model()->pollInterval(), 1000);
    QVERIFY(f->model()->isPollingActive());
    QVERIFY(!f->statisticsShown());
    QCOMPARE(MonitorWindowFixture::settingsValue("periode"), QString("1000"));
    QCOMPARE(MonitorWindowFixture::settingsValue("normalized"), QString("false"));
    QCOMPARE(MonitorWindowFixture::settingsValue("absoluteVals"), QString("true"));
    QCOMPARE(MonitorWindowFixture::settingsValue("datalog"), QString("false"));
    QVERIFY(!f->table()->isColumnHidden(PanelModel::ColAbsolute));
    QVERIFY(f->table()->isColumnHidden(PanelModel::ColNormalized));

    f->model()->timerSlot();
    QCOMPARE(f->requests(CmdPollPoint), QList<QByteArray>({bytes({CmdPollPoint, 0, 1, 0})}));
    QVERIFY(f->model()->history(0, 1)->isEmpty());
}

void tst_MyMainWindow::optionsCancelChangesNothing()
{
    MonitorWindowFixture::writeSettings({{"periode", "1500"}, {"datalog", "false"}});
    QVERIFY(f->createWindow());
    QCOMPARE(f->model()->pollInterval(), 1500);
    QFile file(MyConfigOptions::settingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    ModalScript script;
    script.dialog<DialogOptions>([](DialogOptions *d) {
        QTest::mouseClick(d->findChild<QDialogButtonBox *>("butBox")->button(QDialogButtonBox::RestoreDefaults),
                          Qt::LeftButton);
        QTest::mouseClick(d->findChild<QDialogButtonBox *>("butBox")->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("settingsAction")->trigger(); }, &why), qPrintable(why));
    QCOMPARE(f->model()->pollInterval(), 1500);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void tst_MyMainWindow::panelKeys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::newRow("sounders on") << "soundersOnAction" << "Sounders on" << 22;
    QTest::newRow("sounders off") << "soundersOffAction" << "Sounders off" << 23;
    QTest::newRow("silence buzzer") << "muteAction" << "Silence buzzer" << 19;
    QTest::newRow("reset") << "resetAction" << "Reset" << 20;
}

// Keys go to the panel also while polling runs.
void tst_MyMainWindow::panelKeys()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, key);
    connectAndPollOnce();
    QAction *a = f->action(qPrintable(name));
    QCOMPARE(a->text(), text);
    ModalScript script;
    QString why;
    QVERIFY2(f->drive(script, [&] { a->trigger(); }, &why), qPrintable(why));
    QCOMPARE(f->requests(CmdPanelKey), QList<QByteArray>({bytes({CmdPanelKey, key})}));
    QVERIFY(f->model()->isPollingActive());
}

void tst_MyMainWindow::keyWhileDisconnected_data()
{
    QTest::addColumn<bool>("retry");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Retry") << true;
}

// Without a connection a key offers the connection; after a Retry that
// connected, the key is not sent behind the user's back: it is pressed again.
void tst_MyMainWindow::keyWhileDisconnected()
{
    QFETCH(bool, retry);
    QVERIFY(f->createWindow());
    ModalScript script;
    answerConnectionError(script, retry ? QDialogButtonBox::Retry : QDialogButtonBox::Cancel);
    if (retry)
        answerScanQuestion(script, QDialogButtonBox::Cancel);
    QString why;
    QVERIFY2(f->drive(script, [&] { f->window->PanelKeyReset(); }, &why), qPrintable(why));
    QVERIFY(f->requests(CmdPanelKey).isEmpty());
    QCOMPARE(f->model()->isConnected(), retry);
    if (!retry) {
        QVERIFY(f->requests().isEmpty());
        return;
    }
    QVERIFY(f->model()->isPollingActive());
    f->action("resetAction")->trigger();
    QCOMPARE(f->requests(CmdPanelKey), QList<QByteArray>({bytes({CmdPanelKey, 20})}));
}

// Every change of loop sets the selector, the "Loop" check, the model's loop
// and the views together, and runs the scan question again.
void tst_MyMainWindow::changeOfLoopThroughSelectorAndMenu()
{
    f->setLoops(3, bytes({1, 1, 1}));
    f->configure(0, 0, 1);
    f->configure(1, 0, 1);
    f->configure(1, 1, 2);
    f->configure(2, 4, 4);
    QVERIFY(f->createWindow());
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
    QCOMPARE(f->selectorText(), QString("1/3"));

    auto checks = [this] {
        QList<bool> l;
        for (QAction *e : f->loopEntries())
            l << e->isChecked();
        return l;
    };
    bool stoppedForTheQuestion = false;
    ModalScript script;
    script.on(isScanQuestion, [&](QWidget *w) {
        stoppedForTheQuestion = !f->model()->isPollingActive() && !f->refreshTimer()->isActive();
        ModalScript::clickStandardButton(w, QDialogButtonBox::Cancel);
    });
    QVERIFY2(f->drive(script, [&] { QTest::mouseClick(f->selector()->findChild<QPushButton *>("butNextLoop"), Qt::LeftButton); }, &why),
             qPrintable(why));
    QVERIFY(stoppedForTheQuestion);
    QCOMPARE(f->selectorText(), QString("2/3"));
    QCOMPARE(f->model()->currentLoop(), quint8(1));
    QCOMPARE(checks(), QList<bool>({false, true, false}));
    QCOMPARE(f->chart()->loop(), 2);
    QCOMPARE(f->chart()->total(), 2);
    QCOMPARE(f->table()->model()->rowCount(), 2);
    QVERIFY(f->model()->isPollingActive());
    f->clearRequests();
    f->model()->timerSlot();
    QCOMPARE(f->requests(CmdPollPoint).value(0).mid(0, 2), bytes({CmdPollPoint, 1}));

    ModalScript menuScript;
    answerScanQuestion(menuScript, QDialogButtonBox::Cancel);
    QVERIFY2(f->drive(menuScript, [&] { f->loopEntries()[2]->trigger(); }, &why), qPrintable(why));
    QCOMPARE(f->selectorText(), QString("3/3"));
    QCOMPARE(f->model()->currentLoop(), quint8(2));
    QCOMPARE(checks(), QList<bool>({false, false, true}));
    QCOMPARE(f->chart()->loop(), 3);

    // The shown loop's own entry: nothing changes, and its check stays.
    ModalScript none;
    QVERIFY2(f->drive(none, [&] { f->loopEntries()[2]->trigger(); }, &why), qPrintable(why));
    QCOMPARE(checks(), QList<bool>({false, false, true}));
    QCOMPARE(f->model()->currentLoop(), quint8(2));
}

// A loop picked with the mouse in the selector's context menu: the window's
// change of loop (with its scan question) runs while the menu still delivers
// the click, and the menu goes only once it has returned.
void tst_MyMainWindow::loopChosenInTheSelectorsContextMenu()
{
    f->setLoops(3, bytes({1, 1, 1}));
    f->configure(0, 0, 1);
    f->configure(2, 4, 4);
    QVERIFY(f->createWindow());
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));

    const QPoint at(20, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, f->selector()->mapToGlobal(at));
    QApplication::sendEvent(f->selector(), &event);
    QPointer<QMenu> menu = f->selector()->findChild<QMenu *>();
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    const QPoint entry = menu->actionGeometry(menu->actions().at(2)).center();

    bool menuKeptDuringTheQuestion = false;
    ModalScript script;
    script.on(isScanQuestion, [&](QWidget *w) {
        menuKeptDuringTheQuestion = !menu.isNull();
        ModalScript::clickStandardButton(w, QDialogButtonBox::Cancel);
    });
    // Through the window system, as a real click arrives.
    QVERIFY2(f->drive(script, [&] { QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, entry); }, &why),
             qPrintable(why));
    QVERIFY(menuKeptDuringTheQuestion);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(menu.isNull());
    QCOMPARE(f->selectorText(), QString("3/3"));
    QCOMPARE(f->model()->currentLoop(), quint8(2));
    QList<bool> checks;
    for (QAction *e : f->loopEntries())
        checks << e->isChecked();
    QCOMPARE(checks, QList<bool>({false, false, true}));
    QVERIFY(f->model()->isPollingActive());
}

void tst_MyMainWindow::resetCountersWhilePolling_data()
{
    QTest::addColumn<bool>("restart");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void tst_MyMainWindow::resetCountersWhilePolling()
{
    QFETCH(bool, restart);
    connectAndPollOnce();
    QVERIFY(f->model()->loopPoint(0, 1).comm > 0);
    bool stopped = false;
    ModalScript script;
    script.on([](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
              [&](QWidget *w) {
                  auto *box = qobject_cast<QMessageBox *>(w);
                  stopped = !f->model()->isPollingActive() && f->model()->loopPoint(0, 1).comm == 0;
                  QCOMPARE(box->windowTitle(), QString("Polling information"));
                  QCOMPARE(box->text(), QString("The polling process was stopped.\n Did you want to restart again?"));
                  QCOMPARE(box->icon(), QMessageBox::Information);
                  box->button(restart ? QMessageBox::Yes : QMessageBox::No)->click();
              },
              "the polling question");
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("resetCountersAction")->trigger(); }, &why), qPrintable(why));
    QVERIFY(stopped);
    QCOMPARE(f->model()->isPollingActive(), restart);
    QCOMPARE(f->refreshTimer()->isActive(), restart);
    QCOMPARE(f->action("playAction")->isEnabled(), !restart);
}

void tst_MyMainWindow::resetCountersWithoutPollingAsksNothing()
{
    connectAndPollOnce();
    f->action("stopAction")->trigger();
    QVERIFY(!f->model()->isPollingActive());
    QVERIFY(f->action("playAction")->isEnabled());
    ModalScript none;
    QString why;
    QVERIFY2(f->drive(none, [&] { f->action("resetCountersAction")->trigger(); }, &why), qPrintable(why));
    QCOMPARE(f->model()->loopPoint(0, 1).comm, 0);
    QVERIFY(!f->model()->isPollingActive());
}

void tst_MyMainWindow::clearData_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("Ok") << true;
    QTest::newRow("Cancel") << false;
}

void tst_MyMainWindow::clearData()
{
    QFETCH(bool, ok);
    connectAndPollOnce();
    QVERIFY(!f->model()->history(0, 1)->isEmpty());
    ModalScript script;
    script.on([](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
              [ok](QWidget *w) {
                  auto *box = qobject_cast<QMessageBox *>(w);
                  QCOMPARE(box->windowTitle(), QString("Clear data"));
                  QCOMPARE(box->text(), QString("This action will erase all stored data\nDo you want to continue?"));
                  box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
              },
              "the clear data question");
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("clearDataAction")->trigger(); }, &why), qPrintable(why));
    QCOMPARE(f->model()->history(0, 1)->isEmpty(), ok);
    QCOMPARE(f->model()->history(0, 5)->isEmpty(), ok);
    QVERIFY(f->model()->isPollingActive());
}

// The save prompt does not ask to replace the file: the table is appended.
void tst_MyMainWindow::exportAppendsTheShownLoop()
{
    connectAndPollOnce();
    QTemporaryDir dir;
    const QString name = dir.filePath("values.csv");
    QList<FilePrompt::Request> asked;
    FilePrompt::setAnswerer([&](const FilePrompt::Request &r) {
        asked << r;
        return name;
    });
    ModalScript none;
    QString why;
    QVERIFY2(f->drive(none, [&] { f->action("exportAction")->trigger(); }, &why), qPrintable(why));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].kind, FilePrompt::Kind::SaveFile);
    QCOMPARE(asked[0].caption, QString("Create File"));
    QCOMPARE(asked[0].directory, QString());
    QCOMPARE(asked[0].filter, QString("Coma Separated Values (*.csv )"));
    QVERIFY(asked[0].options.testFlag(QFileDialog::DontConfirmOverwrite));
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray first = file.readAll();
    file.close();
    QVERIFY(first.startsWith("Timestamp;1.2 (nVA);1.2 (VA);1.6 (nVA);1.6 (VA)\n"));

    QVERIFY2(f->drive(none, [&] { f->action("exportAction")->trigger(); }, &why), qPrintable(why));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), first + first);
    QVERIFY(f->model()->isPollingActive());

    // No name: nothing happens.
    FilePrompt::setAnswerer([](const FilePrompt::Request &) { return QString(); });
    QVERIFY2(f->drive(none, [&] { f->action("exportAction")->trigger(); }, &why), qPrintable(why));
}

void tst_MyMainWindow::failedExportIsReported_data()
{
    QTest::addColumn<bool>("samples");
    QTest::addColumn<QString>("text");
    QTest::newRow("unwritable file") << true << "The analog values could not be written to the file\n";
    QTest::newRow("nothing recorded") << false << "Loop 1 has no analog values to export yet.";
}

void tst_MyMainWindow::failedExportIsReported()
{
    QFETCH(bool, samples);
    QFETCH(QString, text);
    connectAndPollOnce();
    if (!samples) {
        int counter = 0;
        f->model()->clearHistory(counter);
    }
    QTemporaryDir dir;
    const QString name = dir.filePath("missing/values.csv");
    FilePrompt::setAnswerer([&](const FilePrompt::Request &) { return name; });
    QString shown, title;
    ModalScript script;
    script.on([](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
              [&](QWidget *w) {
                  auto *box = qobject_cast<QMessageBox *>(w);
                  shown = box->text();
                  title = box->windowTitle();
                  QVERIFY(box->isWindow() && QApplication::activeModalWidget() == box);
                  box->button(QMessageBox::Ok)->click();
              },
              "the export failure");
    QString why;
    QVERIFY2(f->drive(script, [&] { f->action("exportAction")->trigger(); }, &why), qPrintable(why));
    QVERIFY2(shown.startsWith(text), qPrintable(shown));
    QCOMPARE(title, QString("Export analog values"));
    QVERIFY(!QFile::exists(name));
}

// The link goes down under the polling: the next refresh tick stops polling and
// the window shows the panel disconnected.
void tst_MyMainWindow::lostLinkStopsPollingAtTheNextRefresh()
{
    connectAndPollOnce();
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply);
    f->model()->timerSlot();
    QVERIFY(!f->model()->isConnected());
    QVERIFY(f->refreshTimer()->isActive());
    f->window->timerSlot();
    QVERIFY(!f->refreshTimer()->isActive());
    QVERIFY(f->action("playAction")->isEnabled());
    QCOMPARE(f->status(), QString("Panel disconnected"));
    QCOMPARE(f->action("connectAction")->text(), QString("Connect"));
    QVERIFY(!f->menu("panelMenu")->isEnabled());
}

// The link goes down under the polling and the user connects again before the
// refresh tick has stopped it: the new connection explores and polls for real.
void tst_MyMainWindow::reconnectBeforeTheRefreshTickExplores()
{
    connectAndPollOnce();
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply);
    f->model()->timerSlot();
    QVERIFY(!f->model()->isConnected());
    QVERIFY(f->refreshTimer()->isActive());
    f->clearRequests();
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Ok, &why), qPrintable(why));
    QCOMPARE(f->requests(CmdExplorePoint).size(), 250);
    QVERIFY(f->model()->isPollingActive());
    QVERIFY(f->refreshTimer()->isActive());
    QVERIFY(!f->action("playAction")->isEnabled());
    QCOMPARE(f->status(), QString("Panel connected"));
}

void tst_MyMainWindow::parameterScanIsOneProcedureAtATime_data()
{
    QTest::addColumn<bool>("stop");
    QTest::newRow("commands refused") << false;
    QTest::newRow("stop while scanning") << true;
}

// The Ctrl+Shift+D scan lets events through between its reads: the window's
// commands that come in meanwhile do not run inside it, and a Stop given then
// holds after the scan.
void tst_MyMainWindow::parameterScanIsOneProcedureAtATime()
{
    QFETCH(bool, stop);
    f->setLoops(2, bytes({1, 1}));
    f->configure(0, 1, 1);
    f->configure(0, 3, 3);
    f->configure(1, 0, 1);
    QVERIFY(f->createWindow());
    QString why;
    QVERIFY2(f->connect(QDialogButtonBox::Cancel, &why), qPrintable(why));
    QVERIFY(f->model()->isPollingActive());
    f->clearRequests();
    int prompts = 0;
    FilePrompt::setAnswerer([&](const FilePrompt::Request &) {
        ++prompts;
        return QString();
    });
    bool tried = false;
    bool connectEnabled = true;
    QObject::connect(f->model(), &QAbstractItemModel::dataChanged, f->window.get(), [&] {
        auto *progress = f->window->findChild<QProgressDialog *>();
        if (tried || !progress || progress->windowTitle() != QLatin1String("Scaning Advanced Values"))
            return;
        tried = true;
        connectEnabled = f->action("connectAction")->isEnabled();
        if (stop) {
            f->action("stopAction")->trigger();
            return;
        }
        f->window->USBconnect();
        f->window->slotChangeLoop(1);
        f->window->slotStart();
        f->window->slotExploreLoop();
        f->window->PanelKeyReset();
        f->window->slotExportAnalogValues();
        f->window->slotResetCounters();
        f->window->slotClearData();
    });
    ModalScript none;
    QVERIFY2(f->drive(none, [&] { QTest::keyClick(f->table(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier); },
                      &why),
             qPrintable(why));
    QVERIFY(tried);
    QVERIFY(!connectEnabled);
    QVERIFY(f->action("connectAction")->isEnabled());
    QCOMPARE(f->requests(CmdReadPointParam).size(), 4);
    QVERIFY(f->requests(CmdPanelKey).isEmpty());
    QVERIFY(f->requests(CmdExplorePoint).isEmpty());
    QCOMPARE(prompts, 0);
    QVERIFY(f->model()->isConnected());
    QCOMPARE(f->model()->currentLoop(), quint8(0));
    QCOMPARE(f->selectorText(), QString("1/2"));
    QVERIFY(!f->table()->isColumnHidden(PanelModel::ColThreshold));
    // polling as the window has it
    QCOMPARE(f->model()->isPollingActive(), !stop);
    QCOMPARE(f->refreshTimer()->isActive(), !stop);
    QCOMPARE(f->action("playAction")->isEnabled(), stop);
}

void tst_MyMainWindow::closeWhilePollingAsksNothing()
{
    connectAndPollOnce();
    ModalScript none;
    QString why;
    QVERIFY2(f->drive(none, [&] { f->action("closeAction")->trigger(); }, &why), qPrintable(why));
    QVERIFY(!f->window->isVisible());
    QVERIFY(!QFile::exists(MyConfigOptions::settingsPath()));
}

QTEST_MAIN(tst_MyMainWindow)
#include "tst_MyMainWindow.moc"
