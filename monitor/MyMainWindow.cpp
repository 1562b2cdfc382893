#include "MyMainWindow.h"

#include "DialogOptions.h"
#include "FilePrompt.h"
#include "LoopExploration.h"
#include "MonitorConnection.h"
#include "MonitorVersion.h"
#include "MyConfigOptions.h"
#include "MyMainWidget.h"
#include "PanelModel.h"
#include "Pause.h"
#include "PointCommand.h"
#include "QMessageCustom.h"
#include "SplashScreen.h"
#include "WindowLogging.h"
#include "loopSelectorwidget.h"
#include "myProgressDialog.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {
const char PlugIcon[] = ":/res/icons/plug.png";
const char UnplugIcon[] = ":/res/icons/unplug.png";
const char ConnectionErrorPicture[] = ":/res/usb_bg";
const char RefusalIcon[] = ":/res/icons/usb.png";

// Element types with a bar in the statistics pane.
constexpr int FirstCountedType = 1;
constexpr int LastCountedType = 10;

// The small standard boxes of the window.
constexpr int BoxMinimumWidth = 260;
constexpr int BoxMinimumHeight = 120;
} // namespace

MyMainWindow::MyMainWindow(QWidget *parent, Qt::WindowFlags flags) : QMainWindow(parent, flags)
{
    const auto splash = std::make_unique<SplashScreen>(MonitorVersion::splashText(), this);
    setWindowTitle(MonitorVersion::windowTitle());
    setWindowIcon(QIcon(QString(MonitorVersion::WindowIcon)));

    options = std::make_unique<MyConfigOptions>();
    initLanguage();
    model = std::make_unique<PanelModel>();
    pollingActive = false;
    showAgain = true;
    createCentralWidget();

    refreshTimer = new QTimer(this);
    refreshTimer->setObjectName(QStringLiteral("refreshTimer"));
    refreshTimer->setInterval(RefreshIntervalMs);
    options->currentLoop = 0;

    loopSelector = new loopSelectorwidget(this);
    connect(loopSelector, &loopSelectorwidget::loopChange, this, &MyMainWindow::slotChangeLoop);
    loopCount = 0;
    maxPoints = 0;
    presentLoops.fill(0);
    mainWidget->showPanelStatistics(0, 0, QString(), QString());

    createMenusAndToolbars();
    applyOptions();
    connect(refreshTimer, &QTimer::timeout, this, &MyMainWindow::timerSlot);
    splash->closeAfter();
}

MyMainWindow::~MyMainWindow()
{
    refreshTimer->stop();
    // The central view reads the model and the options to its end; the model's
    // link reader closes the link when it goes.
    delete mainWidget;
    mainWidget = nullptr;
    model.reset();
    options.reset();
}

void MyMainWindow::showAndConnect()
{
    showMaximized();
    QTimer::singleShot(0, this, &MyMainWindow::USBconnect);
}

// ---- construction -------------------------------------------------------------

void MyMainWindow::createCentralWidget()
{
    mainWidget = new MyMainWidget(model.get(), options.get(), this);
    setCentralWidget(mainWidget);
    // The threshold and sensitivity scan is one of the long procedures too.
    connect(mainWidget, &MyMainWidget::scanStarted, this, [this] { beginProcedure(); });
    connect(mainWidget, &MyMainWidget::scanFinished, this, [this] {
        endProcedure();
        // The scan puts back the polling it found; the window's own state
        // decides (a Stop, or a link lost and stopped by the refresh tick,
        // while the scan ran).
        if (!pollingActive)
            model->stopPollingIfActive();
    });
}

QAction *MyMainWindow::createAction(const QString &iconPath, const QString &text, const char *objectName)
{
    auto *action = iconPath.isEmpty() ? new QAction(text, this) : new QAction(QIcon(iconPath), text, this);
    action->setObjectName(QLatin1String(objectName));
    action->setIconVisibleInMenu(false);
    return action;
}

void MyMainWindow::createMenusAndToolbars()
{
    const QSize iconSize(ToolBarIconSize, ToolBarIconSize);

    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    panelLoopToolBar = new QToolBar(tr("Panel loop"), this);
    panelLoopToolBar->setObjectName(QStringLiteral("panelLoopToolBar"));
    fileToolBar = new QToolBar(tr("File"), this);
    fileToolBar->setObjectName(QStringLiteral("fileToolBar"));
    panelKeysToolBar = new QToolBar(tr("Panel keys"), this);
    panelKeysToolBar->setObjectName(QStringLiteral("panelKeysToolBar"));
    panelMenu = menuBar()->addMenu(tr("&Panel"));
    panelMenu->setObjectName(QStringLiteral("panelMenu"));
    connectionToolBar = addToolBar(QStringLiteral("Connection"));
    connectionToolBar->setObjectName(QStringLiteral("connectionToolBar"));
    connectionToolBar->setIconSize(iconSize);

    QAction *settingsAction = createAction(QStringLiteral(":/res/icons/options.png"), tr("Settings"), "settingsAction");
    connect(settingsAction, &QAction::triggered, this, &MyMainWindow::slotOptions);
    connectionToolBar->addAction(settingsAction);
    fileMenu->addAction(settingsAction);

    statisticsAction = createAction(QStringLiteral(":/res/icons/infoGraphics.png"), tr("Statistics"), "statisticsAction");
    statisticsAction->setShortcut(QKeySequence(Qt::Key_F1));
    statisticsAction->setCheckable(true);
    statisticsAction->setChecked(options->global);
    connect(statisticsAction, &QAction::triggered, this, &MyMainWindow::slotShowGlobalWidget);
    connectionToolBar->addAction(statisticsAction);

    connectAction = createAction(QLatin1String(UnplugIcon), tr("connect"), "connectAction");
    connect(connectAction, &QAction::triggered, this, &MyMainWindow::USBconnect);
    connectionToolBar->addAction(connectAction);
    fileMenu->insertAction(fileMenu->actions().constFirst(), connectAction);
    fileMenu->insertSeparator(fileMenu->actions().constLast());

    loopMenu = panelMenu->addMenu(tr("Loop"));
    loopMenu->setObjectName(QStringLiteral("loopMenu"));
    for (size_t i = 0; i < loopEntries.size(); ++i) {
        QAction *entry = new QAction(this);
        entry->setCheckable(true);
        entry->setData(int(i));
        connect(entry, &QAction::triggered, this, &MyMainWindow::slotsSelectLoopMenu);
        loopEntries[i] = entry;
    }
    connectionToolBar->addWidget(loopSelector);
    loopSelector->setControlsEnabled(false);

    QAction *exploreAction = createAction(QStringLiteral(":/res/icons/explore.png"), tr("Explore loop"), "exploreAction");
    exploreAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(exploreAction, &QAction::triggered, this, &MyMainWindow::slotExploreLoop);
    panelLoopToolBar->addAction(exploreAction);
    panelMenu->addAction(exploreAction);
    panelMenu->addSeparator();

    playAction = createAction(QStringLiteral(":/res/icons/play.png"), tr("Play"), "playAction");
    playAction->setShortcut(QKeySequence(Qt::Key_F9));
    connect(playAction, &QAction::triggered, this, &MyMainWindow::slotStart);
    QAction *stopAction = createAction(QStringLiteral(":/res/icons/stop.png"), tr("Stop"), "stopAction");
    stopAction->setShortcut(QKeySequence(Qt::Key_F10));
    connect(stopAction, &QAction::triggered, this, &MyMainWindow::slotStop);
    QAction *resetCountersAction =
        createAction(QStringLiteral(":/res/icons/reload.png"), tr("Reset counters"), "resetCountersAction");
    resetCountersAction->setShortcut(QKeySequence(Qt::Key_F11));
    connect(resetCountersAction, &QAction::triggered, this, &MyMainWindow::slotResetCounters);
    QAction *clearDataAction = createAction(QStringLiteral(":/res/icons/clean.png"), tr("Clear data"), "clearDataAction");
    connect(clearDataAction, &QAction::triggered, this, &MyMainWindow::slotClearData);
    for (QAction *action : {playAction, stopAction, resetCountersAction, clearDataAction}) {
        panelLoopToolBar->addAction(action);
        panelMenu->addAction(action);
    }
    panelLoopToolBar->setEnabled(false);
    panelLoopToolBar->setIconSize(iconSize);
    addToolBar(panelLoopToolBar);
    panelLoopToolBar->hide();

    exportAction = createAction(QStringLiteral(":/res/icons/export.png"), tr("Export analog values"), "exportAction");
    exportAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_E));
    connect(exportAction, &QAction::triggered, this, &MyMainWindow::slotExportAnalogValues);
    fileToolBar->addAction(exportAction);
    fileMenu->insertAction(fileMenu->actions().constLast(), exportAction);
    fileMenu->insertSeparator(fileMenu->actions().constLast());

    QAction *closeAction = createAction(QString(), tr("Close"), "closeAction");
    closeAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(closeAction, &QAction::triggered, this, &MyMainWindow::slotClose);
    fileMenu->addAction(closeAction);
    fileToolBar->setIconSize(iconSize);
    addToolBar(fileToolBar);

    panelMenu->addSeparator();
    struct Key {
        const char *icon;
        const char *text;
        const char *name;
        void (MyMainWindow::*slot)();
    };
    const Key keys[] = {
        {":/res/icons/SounderOn.png", QT_TR_NOOP("Sounders on"), "soundersOnAction", &MyMainWindow::PanelKeySoundersOn},
        {":/res/icons/SounderOff.png", QT_TR_NOOP("Sounders off"), "soundersOffAction", &MyMainWindow::PanelKeySoundersOff},
        {":/res/icons/mute.png", QT_TR_NOOP("Silence buzzer"), "muteAction", &MyMainWindow::PanelKeyMute},
        {":/res/icons/reset.png", QT_TR_NOOP("Reset"), "resetAction", &MyMainWindow::PanelKeyReset},
    };
    for (const Key &key : keys) {
        QAction *action = createAction(QLatin1String(key.icon), tr(key.text), key.name);
        connect(action, &QAction::triggered, this, key.slot);
        panelKeysToolBar->addAction(action);
        panelMenu->addAction(action);
    }
    panelMenu->setEnabled(false);
    panelKeysToolBar->setIconSize(iconSize);
    panelKeysToolBar->setEnabled(false);
    addToolBar(panelKeysToolBar);

    configurationMenu = menuBar()->addMenu(tr("&Configuration"));
    configurationMenu->setObjectName(QStringLiteral("configurationMenu"));
    languageMenu = configurationMenu->addMenu(tr("Language"));
    languageMenu->setObjectName(QStringLiteral("languageMenu"));
    buildLanguageMenu(languageMenu);

    statusBar()->showMessage(tr("Program ready"));
}

// ---- statistics, options, views ---------------------------------------------------

void MyMainWindow::showStatisticsPane(bool on)
{
    if (on) {
        mainWidget->showStatistics();
        refreshViews();
    } else {
        mainWidget->hideStatistics();
    }
}

void MyMainWindow::slotShowGlobalWidget(bool on)
{
    showStatisticsPane(on);
    if (on != options->global) {
        options->global = on;
        options->save();
    }
    if (statisticsAction->isChecked() != on)
        statisticsAction->setChecked(on);
}

void MyMainWindow::applyOptions()
{
    model->setDataLogging(options->datalog, QString());
    model->setPollFlags(options->normalized, options->absoluteVals);
    model->setPollInterval(int(options->periode));
    showStatisticsPane(options->global);
}

void MyMainWindow::slotOptions()
{
    const auto dialog = std::make_unique<DialogOptions>(options.get(), this);
    if (dialog->exec() == QDialog::Accepted) {
        options->save();
        applyOptions();
    }
}

void MyMainWindow::refreshViews()
{
    const quint8 loop = options->currentLoop;
    const int present = model->countPresentPoints(loop);
    const int inError = model->countPointsInError(loop);
    QVector<int> typeCounts;
    for (int type = FirstCountedType; type <= LastCountedType; ++type)
        typeCounts.append(model->countPointsOfType(loop, quint8(type)));
    mainWidget->showPanelStatistics(loopCount, maxPoints, model->panelVersion(), QString());
    int errors = 0;
    int polls = 0;
    model->loopCommsTotals(loop, errors, polls);
    mainWidget->showCounters(present, polls, errors, inError, typeCounts);
}

void MyMainWindow::timerSlot()
{
    if (model->isConnected()) {
        refreshViews();
        return;
    }
    if (refreshTimer->isActive()) {
        slotStop();
        // The link went down under the polling: the window says so instead of
        // showing a panel that no longer answers as connected.
        showDisconnected();
    }
}

void MyMainWindow::slotClose()
{
    close();
}

// ---- one procedure at a time ------------------------------------------------------

bool MyMainWindow::commandRefused(const char *command) const
{
    if (!procedureRunning)
        return false;
    qCDebug(lcWindow) << command << "refused: a connection, loop exploration or parameter scan is running";
    return true;
}

void MyMainWindow::beginProcedure()
{
    procedureRunning = true;
    connectAction->setEnabled(false);
    exportAction->setEnabled(false);
    mainWidget->setScanAllowed(false);
}

void MyMainWindow::endProcedure()
{
    procedureRunning = false;
    connectAction->setEnabled(true);
    exportAction->setEnabled(true);
    mainWidget->setScanAllowed(true);
}

// ---- connection ---------------------------------------------------------------------

int MyMainWindow::showConnectionError()
{
    QMessageCustom box(this);
    box.setText(tr("Error connecting to panel\nPlease check the connection between the computer and the panel."));
    box.setIcon(QLatin1String(ConnectionErrorPicture));
    box.setButtons(QDialogButtonBox::Retry | QDialogButtonBox::Cancel);
    box.setCheckboxVisible(false);
    const int result = box.exec();
    qCDebug(lcWindow) << "Result: " << result;
    return result;
}

void MyMainWindow::offerConnection()
{
    if (showConnectionError() == 1)
        USBconnect();
}

void MyMainWindow::waitForCentralWidget()
{
    for (int i = 0; i < VisibilityChecks && !mainWidget->isVisible(); ++i) {
        qCDebug(lcWindow) << "mainWidget is not visible yet";
        QCoreApplication::processEvents();
        if (mainWidget->isVisible())
            break;
        Pause::ms(VisibilityPauseMs);
    }
}

void MyMainWindow::USBconnect()
{
    if (commandRefused("connect"))
        return;
    waitForCentralWidget();
    if (model->isConnected())
        disconnectPanel();
    else
        connectPanel();
}

void MyMainWindow::disconnectPanel()
{
    // Polling ends with the link: a quick reconnect starts from a stopped poll.
    slotStop();
    model->closePort();
    showDisconnected();
}

void MyMainWindow::connectPanel()
{
    // A link lost under the polling leaves it on until the next refresh tick; a
    // connection asked for before that tick first does what the tick would have
    // done, so that it ends by exploring or polling for real (and a Cancel in
    // the connection error box leaves the window showing the link down).
    if (pollingActive) {
        slotStop();
        showDisconnected();
    }
    bool connected = false;
    {
        beginProcedure();
        const auto end = qScopeGuard([this] { endProcedure(); });
        ConnectionHooks hooks;
        hooks.dialogParent = this;
        hooks.retry = [this] { return showConnectionError() == 1; };
        hooks.linkOpened = [this] {
            connectAction->setIcon(QIcon(QLatin1String(PlugIcon)));
            connectAction->setText(tr("Disconnect"));
            statusBar()->showMessage(tr("Downloading panel settings"));
        };
        hooks.panelRead = [this](const PanelLayout &layout) {
            loopCount = layout.loopCount;
            presentLoops = layout.presentLoops;
            maxPoints = layout.maxPoints;
            options->currentLoop = layout.currentLoop;
            mainWidget->slotLoopChanged();
            rebuildLoopMenu();
            loopSelector->setLoopCount(loopCount);
            loopSelector->setPresentLoops(presentLoops.data(), loopCount);
            loopSelector->setCurrentLoop(options->currentLoop);
            loopSelector->setControlsEnabled(true);
            refreshViews();
        };
        hooks.downloadStopped = [this] {
            showDisconnected();
            refreshViews();
        };
        PanelLayout layout;
        layout.loopCount = loopCount;
        layout.presentLoops = presentLoops;
        layout.maxPoints = maxPoints;
        layout.currentLoop = options->currentLoop;
        MonitorConnection connection(*model, std::move(hooks));
        connected = connection.run(layout);
    }
    if (!connected)
        return;
    showConnected();
    askScanOrStart();
}

void MyMainWindow::showConnected()
{
    statusBar()->showMessage(tr("Panel connected"));
    panelLoopToolBar->setEnabled(true);
    panelMenu->setEnabled(true);
    panelKeysToolBar->setEnabled(true);
}

void MyMainWindow::showDisconnected()
{
    connectAction->setIcon(QIcon(QLatin1String(UnplugIcon)));
    connectAction->setText(tr("Connect"));
    statusBar()->showMessage(tr("Panel disconnected"));
    loopSelector->setControlsEnabled(false);
    panelLoopToolBar->setEnabled(false);
    panelMenu->setEnabled(false);
    panelKeysToolBar->setEnabled(false);
}

void MyMainWindow::askScanOrStart()
{
    if (!showAgain) {
        slotStart();
        return;
    }
    auto question = std::make_unique<QMessageCustom>(this);
    connect(question.get(), &QMessageCustom::checkboxChange, this, &MyMainWindow::slotShowAgain);
    const int result = question->exec();
    question.reset();
    if (result == 1)
        slotExploreLoop();
    else
        slotStart();
}

void MyMainWindow::slotShowAgain(bool checked)
{
    showAgain = !checked;
}

// ---- loops ---------------------------------------------------------------------------

void MyMainWindow::rebuildLoopMenu()
{
    // The entries are only taken off the menu: they belong to the window.
    loopMenu->clear();
    for (int i = 0; i < loopCount && i < PanelLayout::Loops; ++i) {
        QAction *entry = loopEntries[size_t(i)];
        const QSignalBlocker block(entry);
        entry->setText(tr("Loop ") + QString::number(i + 1));
        entry->setEnabled(presentLoops[size_t(i)] != 0);
        entry->setChecked(i == options->currentLoop);
        loopMenu->addAction(entry);
    }
}

void MyMainWindow::slotsSelectLoopMenu(bool checked)
{
    qCDebug(lcWindow).noquote() << QStringLiteral("slotsSelectLoopMenu(") + (checked ? QStringLiteral("true") : QStringLiteral("false"))
                                       + QStringLiteral(");");
    const int current = options->currentLoop;
    if (checked) {
        for (int i = 0; i < loopCount && i < PanelLayout::Loops; ++i) {
            if (i == current || !loopEntries[size_t(i)]->isChecked())
                continue;
            slotChangeLoop(quint8(i));
            loopSelector->setCurrentLoop(options->currentLoop);
            return;
        }
        return;
    }
    for (int i = 0; i < loopCount && i < PanelLayout::Loops; ++i) {
        QAction *entry = loopEntries[size_t(i)];
        const QSignalBlocker block(entry);
        // The loop on show keeps its check, also when its own entry was clicked.
        entry->setChecked(i == current);
    }
}

void MyMainWindow::showCurrentLoop()
{
    loopSelector->setCurrentLoop(options->currentLoop);
    for (size_t i = 0; i < loopEntries.size(); ++i) {
        const QSignalBlocker block(loopEntries[i]);
        loopEntries[i]->setChecked(int(i) == options->currentLoop);
    }
}

void MyMainWindow::slotChangeLoop(unsigned char loop)
{
    if (commandRefused("change of loop") || loop >= PanelLayout::Loops) {
        // The selector and the menu took the choice already; they show the loop
        // that stays on show.
        showCurrentLoop();
        return;
    }
    if (pollingActive)
        slotStop();
    model->showLoop(loop);
    options->currentLoop = loop;
    mainWidget->slotLoopChanged();
    slotsSelectLoopMenu(false);
    refreshViews();
    askScanOrStart();
}

void MyMainWindow::slotExploreLoop()
{
    if (commandRefused("explore"))
        return;
    if (refreshTimer->isActive()) {
        QMessageBox box(QMessageBox::NoIcon, tr("USB connection alert"),
                        tr("Explore loops is disabled during the loop polling"), QMessageBox::Ok);
        box.setWindowIcon(QIcon(QLatin1String(RefusalIcon)));
        box.setModal(true);
        box.exec();
        return;
    }
    // A loop cannot be explored over a closed link.
    if (!model->isConnected()) {
        offerConnection();
        return;
    }
    LoopExploration::Result result;
    {
        beginProcedure();
        const auto end = qScopeGuard([this] { endProcedure(); });
        LoopExploration exploration(*model, options->currentLoop, this, [this] { refreshViews(); });
        result = exploration.run();
    }
    mainWidget->repaint();
    if (result == LoopExploration::Result::LinkLost)
        showDisconnected();
    slotStart();
}

// ---- polling ----------------------------------------------------------------------------

void MyMainWindow::slotStart()
{
    if (commandRefused("play"))
        return;
    if (!model->isConnected()) {
        offerConnection();
        return;
    }
    model->startPolling();
    pollingActive = true;
    refreshTimer->start();
    playAction->setEnabled(false);
    mainWidget->setDynamicSort(false);
}

void MyMainWindow::slotStop()
{
    if (!pollingActive)
        return;
    pollingActive = false;
    model->stopPolling();
    refreshTimer->stop();
    playAction->setEnabled(true);
    mainWidget->setDynamicSort(true);
}

void MyMainWindow::slotResetCounters()
{
    if (commandRefused("reset counters"))
        return;
    if (!refreshTimer->isActive()) {
        model->resetLoopValues();
        refreshViews();
        return;
    }
    slotStop();
    model->resetLoopValues();
    refreshViews();
    QMessageBox box(QMessageBox::Information, tr("Polling information"),
                    tr("The polling process was stopped.\n Did you want to restart again?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setMinimumWidth(BoxMinimumWidth);
    box.setMinimumHeight(BoxMinimumHeight);
    box.setModal(true);
    if (box.exec() == QMessageBox::Yes)
        slotStart();
}

void MyMainWindow::slotClearData()
{
    if (commandRefused("clear data"))
        return;
    QMessageBox box(QMessageBox::Warning, tr("Clear data"),
                    tr("This action will erase all stored data\nDo you want to continue?"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setMinimumWidth(BoxMinimumWidth);
    box.setMinimumHeight(BoxMinimumHeight);
    box.setModal(true);
    if (box.exec() != QMessageBox::Ok)
        return;
    const auto progress = std::make_unique<myProgressDialog>(this, tr("Erase Data"), tr("Erasing data"));
    progress->setValue(0);
    int counter = 0;
    model->clearHistory(counter);
    qCDebug(lcWindow) << counter;
    progress->close();
}

// ---- export ----------------------------------------------------------------------------

void MyMainWindow::exportRefused(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, tr("Export analog values"), text, QMessageBox::Ok, this);
    box.setModal(true);
    box.exec();
}

void MyMainWindow::slotExportAnalogValues()
{
    if (commandRefused("export"))
        return;
    // The table is appended to a file that exists: nothing in it is replaced,
    // so the dialog does not ask to replace it.
    const QString fileName = FilePrompt::saveFileName(this, tr("Create File"), QString(),
                                                      tr("Coma Separated Values (*.csv )"),
                                                      QFileDialog::DontConfirmOverwrite);
    if (fileName.isEmpty())
        return;
    const quint8 loop = model->currentLoop();
    bool anySample = false;
    for (int a = 0; a < PanelModel::RowCount && !anySample; ++a)
        anySample = !model->history(loop, quint8(a))->isEmpty();
    if (!anySample) {
        exportRefused(tr("Loop %1 has no analog values to export yet.").arg(loop + 1));
        return;
    }
    if (!model->exportHistory(fileName))
        exportRefused(tr("The analog values could not be written to the file\n%1").arg(QDir::toNativeSeparators(fileName)));
}

// ---- panel keys ------------------------------------------------------------------------

void MyMainWindow::sendKey(quint8 key)
{
    if (commandRefused("panel key"))
        return;
    if (!model->isConnected()) {
        offerConnection();
        return;
    }
    model->sendPanelKey(key);
}

void MyMainWindow::PanelKeySoundersOn()
{
    sendKey(PointRequest::KeySoundersOn);
}

void MyMainWindow::PanelKeyReset()
{
    sendKey(PointRequest::KeyReset);
}

void MyMainWindow::PanelKeySoundersOff()
{
    sendKey(PointRequest::KeySoundersOff);
}

void MyMainWindow::PanelKeyMute()
{
    sendKey(PointRequest::KeySilenceBuzzer);
}

// ---- languages --------------------------------------------------------------------------

QString MyMainWindow::languageCode(const QString &localeName)
{
    const int cut = int(localeName.lastIndexOf(QLatin1Char('_')));
    return cut < 0 ? QString() : localeName.left(cut);
}

QString MyMainWindow::codeOfLanguageFile(const QString &fileName)
{
    const int first = int(fileName.indexOf(QLatin1Char('_')));
    const int dot = int(fileName.lastIndexOf(QLatin1Char('.')));
    return first < 0 || dot <= first ? QString() : fileName.mid(first + 1, dot - first - 1);
}

QStringList MyMainWindow::languageFiles()
{
    languagesPath = QCoreApplication::applicationDirPath() + QStringLiteral("/languages");
    return QDir(languagesPath).entryList({QStringLiteral("lang_*.qm")}, QDir::Files, QDir::Name);
}

void MyMainWindow::initLanguage()
{
    const QStringList files = languageFiles();
    if (options->language.isEmpty())
        options->language = languageCode(QLocale::system().name());
    qCDebug(lcWindow) << files.size();
    for (const QString &file : files) {
        const QString code = codeOfLanguageFile(file);
        if (code == options->language) {
            loadLanguage(code);
            return;
        }
    }
}

void MyMainWindow::buildLanguageMenu(QMenu *menu)
{
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    connect(group, &QActionGroup::triggered, this, &MyMainWindow::slotLanguageChanged);
    const QStringList files = languageFiles();
    for (const QString &file : files) {
        const QString code = codeOfLanguageFile(file);
        auto *action = new QAction(QLocale::languageToString(QLocale(code).language()), this);
        action->setCheckable(true);
        action->setData(code);
        menu->addAction(action);
        group->addAction(action);
        if (code == options->language)
            action->setChecked(true);
    }
}

void MyMainWindow::loadLanguage(const QString &code)
{
    const QLocale locale(code);
    QLocale::setDefault(locale);
    loadTranslator(translator, QStringLiteral("viewer_%1.qm").arg(code));
    qCDebug(lcWindow).noquote() << QStringLiteral("Current Language changed to %1").arg(QLocale::languageToString(locale.language()));
}

void MyMainWindow::loadTranslator(QTranslator &t, const QString &fileName)
{
    QCoreApplication::removeTranslator(&t);
    // The catalogue sits in the program's languages folder, wherever the
    // program was started from.
    if (t.load(fileName, languagesPath))
        QCoreApplication::installTranslator(&t);
}

void MyMainWindow::switchLanguage(const QString &code)
{
    if (code == options->language)
        return;
    options->language = code;
    loadLanguage(code);
}

void MyMainWindow::slotLanguageChanged(QAction *action)
{
    if (!action)
        return;
    qCDebug(lcWindow) << "Lenguage Changed";
    switchLanguage(action->data().toString());
    options->saveLanguage();
    QMessageBox::question(this, tr("Language changed"), tr("Restart is required for the changes to take effect"),
                          QMessageBox::StandardButtons(QMessageBox::Close));
}

void MyMainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange)
        switchLanguage(languageCode(QLocale::system().name()));
    QMainWindow::changeEvent(event);
}
