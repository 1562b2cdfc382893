#include "MyMainWindow.h"

#include "DialogAbout.h"
#include "Facility.h"
#include "FilePrompt.h"
#include "FileTxt.h"
#include "FileXML.h"
#include "MyActionsWidget.h"
#include "MyElementsWidget.h"
#include "MyLogicActionsWidget.h"
#include "MyMainWidget.h"
#include "PanelTransfer.h"
#include "ProgramLauncher.h"
#include "ProgramState.h"
#include "SetupVersion.h"
#include "USBDataConfig.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QToolBar>

Q_LOGGING_CATEGORY(lcSetupWindow, "panelsetup.window")

namespace {
const QString SettingsFile = QStringLiteral("settings.ini");
const QString AdvancedKey = QStringLiteral("advanced");
const QString LanguageKey = QStringLiteral("language");
const QString LanguageFilePattern = QStringLiteral("lang_*.qm");
const QString MonitorProgram = QStringLiteral("loopwatch");
const QString SiteFolder = QStringLiteral(".");

// "lang_pt_BR.qm" -> "pt_BR": between the first "_" and the last ".".
QString languageCodeOf(const QString &fileName)
{
    QString code = fileName.left(fileName.lastIndexOf(QLatin1Char('.')));
    return code.mid(code.indexOf(QLatin1Char('_')) + 1);
}

// The system's language as the program names it: "es_ES" -> "es".
QString systemLanguageCode()
{
    const QString name = QLocale::system().name();
    const int cut = name.lastIndexOf(QLatin1Char('_'));
    return cut < 0 ? name : name.left(cut);
}

QString product()
{
    return QString::fromLatin1(SetupVersion::ProductCode);
}
} // namespace

QString MyMainWindow::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

MyMainWindow::MyMainWindow(QWidget *parent, Qt::WindowFlags flags) : QMainWindow(parent, flags)
{
    readSettings();
    setWindowTitle(product() + QLatin1String(SetupVersion::VersionText) + currentFileName);
    setWindowIcon(QIcon(QString::fromLatin1(SetupVersion::LogoIcon)));
    initLanguage();
    createCentralWidget();
    fileToolBar = nullptr;
    createActions();
    transferEngine = std::make_unique<USBDataConfig>();

    site = std::make_unique<Facility>();
    currentFacility = site.get();
    giveEditorsTheSite(site.get());

    MyElementsWidget *elements = mainWidget->elementsWidget;
    connect(elements, &MyElementsWidget::signalElementAddedRemovedModified, this,
            &MyMainWindow::slotUpdateEventActionTrees);
    connect(elements, &MyElementsWidget::signalPanelAddedRemovedModified, this,
            &MyMainWindow::slotUpdateEventActionTrees);
    connect(elements, &MyElementsWidget::signalPanelAddedRemovedModified, this,
            &MyMainWindow::slotUpdateEventActionTables);

    // Connected once here, not by each toolbar build: the slots act on the
    // element entries of whatever build is current, and a connection per
    // language change would run each refresh once more after every change.
    connect(mainWidget, &MyMainWidget::elementTabEnteredSignal, this, &MyMainWindow::slotShowElementWidgetToolbar);
    connect(mainWidget, &MyMainWidget::elementTabLeavedSignal, this, &MyMainWindow::slotHideElementWidgetToolbar);
    connect(mainWidget, &MyMainWidget::elementTabLeavedSignal, this, &MyMainWindow::slotUpdateEventActionTrees);

    slotShowAdvancedOptions(advancedMode);
}

MyMainWindow::~MyMainWindow()
{
    // The editors outlive this body (they go with the widget tree): they must
    // not keep pointing at the site deleted here.
    giveEditorsTheSite(nullptr);
    if (currentFacility == site.get())
        currentFacility = nullptr;
    site.reset();
    transferEngine.reset();
}

// ---- settings ----------------------------------------------------------------------

void MyMainWindow::readSettings()
{
    QSettings settings(QDir(programFolder()).filePath(SettingsFile), QSettings::IniFormat);
    // Only the exact text "true" counts as on; a missing key is on.
    advancedMode = settings.value(AdvancedKey, QStringLiteral("true")).toString() == QLatin1String("true");
    currentLanguage = settings.value(LanguageKey, QString()).toString();
}

void MyMainWindow::writeSettings()
{
    QSettings settings(QDir(programFolder()).filePath(SettingsFile), QSettings::IniFormat);
    settings.setValue(AdvancedKey, advancedMode ? QStringLiteral("true") : QStringLiteral("false"));
    settings.setValue(LanguageKey, currentLanguage);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(lcSetupWindow) << "settings could not be written to" << settings.fileName();
}

// ---- languages ---------------------------------------------------------------------

void MyMainWindow::initLanguage()
{
    languagesPath = programFolder() + QStringLiteral("/languages");
    if (currentLanguage.isEmpty())
        currentLanguage = systemLanguageCode();
    const QStringList files = QDir(languagesPath).entryList({LanguageFilePattern}, QDir::Files, QDir::NoSort);
    qCDebug(lcSetupWindow) << files.size();
    for (const QString &file : files) {
        if (languageCodeOf(file) == currentLanguage) {
            loadLanguage(currentLanguage);
            return;
        }
    }
}

void MyMainWindow::createLanguageMenu(QMenu *menu)
{
    languageGroup = new QActionGroup(this);
    languageGroup->setExclusive(true);
    connect(languageGroup, &QActionGroup::triggered, this, &MyMainWindow::slotLanguageChanged);

    languagesPath = programFolder() + QStringLiteral("/languages");
    const QStringList files = QDir(languagesPath).entryList({LanguageFilePattern}, QDir::Files, QDir::NoSort);
    for (const QString &file : files) {
        const QString code = languageCodeOf(file);
        auto *action = new QAction(QLocale::languageToString(QLocale(code).language()), languageGroup);
        action->setCheckable(true);
        action->setData(code);
        menu->addAction(action);
        if (code == currentLanguage)
            action->setChecked(true);
    }
}

void MyMainWindow::loadLanguage(const QString &code)
{
    QLocale::setDefault(QLocale(code));
    qCDebug(lcSetupWindow) << "rLanguage: " << code;
    switchTranslator(translator, QStringLiteral("lang_%1.qm").arg(code));
}

void MyMainWindow::switchTranslator(QTranslator &t, const QString &fileName)
{
    QCoreApplication::removeTranslator(&t);
    if (t.load(fileName, languagesPath))
        QCoreApplication::installTranslator(&t);
}

void MyMainWindow::setLanguage(const QString &code)
{
    if (code == currentLanguage)
        return;
    currentLanguage = code;
    loadLanguage(code);
}

void MyMainWindow::slotLanguageChanged(QAction *action)
{
    if (!action)
        return;
    qCDebug(lcSetupWindow) << "Lenguage Changed";
    setLanguage(action->data().toString());
}

void MyMainWindow::changeEvent(QEvent *event)
{
    if (event) {
        switch (event->type()) {
        case QEvent::LocaleChange:
            setLanguage(systemLanguageCode());
            break;
        case QEvent::LanguageChange:
            // Before the central widget exists (a translation installed by the
            // constructor) there is nothing to retranslate yet.
            if (mainWidget) {
                retranslateUi();
                mainWidget->retranslateUi();
                mainWidget->elementsWidget->retranslateUi();
                mainWidget->actionsWidget->retranslateUi();
                mainWidget->logicActionsWidget->retranslateUi();
            }
            break;
        default:
            break;
        }
    }
    QMainWindow::changeEvent(event);
}

// ---- central widget, menus and toolbar ------------------------------------------

void MyMainWindow::createCentralWidget()
{
    mainWidget = new MyMainWidget(this);
    setCentralWidget(mainWidget);
}

void MyMainWindow::createActions()
{
    menuBar()->clear();

    fileMenu = menuBar()->addMenu(QString());
    downloadAction = fileMenu->addAction(QString(), this, &MyMainWindow::slotDownloadConfig);
    uploadAction = fileMenu->addAction(QString(), this, &MyMainWindow::slotUploadConfig);
    fileMenu->addSeparator();
    newAction = fileMenu->addAction(QString(), this, &MyMainWindow::slotNew);
    openAction = fileMenu->addAction(QString(), this, &MyMainWindow::slotOpen);
    saveAction = fileMenu->addAction(QString(), this, &MyMainWindow::slotSave);
    saveAsAction = fileMenu->addAction(QString(), this, &MyMainWindow::slotSaveAs);
    fileMenu->addSeparator();
    exportConfAction = fileMenu->addAction(QString(), this, &MyMainWindow::slotSaveToFile);
    importConfAction = fileMenu->addAction(QString(), this, &MyMainWindow::slotLoadFromFile);
    fileMenu->addSeparator();
    quitAction = fileMenu->addAction(QString(), this, &MyMainWindow::slotClose);

    viewMenu = menuBar()->addMenu(QString());
    advancedAction = viewMenu->addAction(QString());
    advancedAction->setCheckable(true);
    advancedAction->setChecked(advancedMode);
    connect(advancedAction, &QAction::triggered, this, &MyMainWindow::slotShowAdvancedOptions);

    configurationMenu = menuBar()->addMenu(QString());
    languageMenu = configurationMenu->addMenu(QString());
    createLanguageMenu(languageMenu);

    helpMenu = menuBar()->addMenu(QString());
    aboutAction = helpMenu->addAction(QString(), this, &MyMainWindow::slotAbout);
    setMenuTexts();

    if (!fileToolBar)
        fileToolBar = addToolBar(tr("File"));
    fileToolBar->setIconSize(QSize(33, 33));
    fillToolBar(false);
}

void MyMainWindow::setMenuTexts()
{
    fileMenu->setTitle(tr("&File"));
    viewMenu->setTitle(tr("&View"));
    configurationMenu->setTitle(tr("&Configuration"));
    languageMenu->setTitle(tr("Language"));
    helpMenu->setTitle(tr("&Help"));
    downloadAction->setText(tr("Download Panel"));
    uploadAction->setText(tr("Upload Panel"));
    newAction->setText(tr("New"));
    openAction->setText(tr("Open"));
    saveAction->setText(tr("Save"));
    saveAsAction->setText(tr("Save as"));
    exportConfAction->setText(tr("Export WS file"));
    importConfAction->setText(tr("Import WS file"));
    quitAction->setText(tr("Quit"));
    advancedAction->setText(tr("View advanced options"));
    aboutAction->setText(tr("About"));
}

void MyMainWindow::retranslateUi()
{
    setMenuTexts();
    fillToolBar(true);
}

// The first build leaves out the ".conf" entries and "Advanced tools"; every
// later build (one per language change) has them.
void MyMainWindow::fillToolBar(bool full)
{
    const QList<QAction *> old = fileToolBar->actions();
    fileToolBar->clear();
    for (QAction *action : old)
        action->deleteLater();

    auto add = [this](const QString &text, const char *icon) {
        auto *action = new QAction(QIcon(QString::fromLatin1(icon)), text, fileToolBar);
        fileToolBar->addAction(action);
        return action;
    };
    MyElementsWidget *elements = mainWidget->elementsWidget;

    connect(add(tr("Download Config from panel"), ":/buttons/downloadPanel"), &QAction::triggered, this,
            &MyMainWindow::slotDownloadConfig);
    connect(add(tr("Upload Config to panel"), ":/buttons/uploadPanel"), &QAction::triggered, this,
            &MyMainWindow::slotUploadConfig);
    fileToolBar->addSeparator();
    if (full) {
        connect(add(tr("Load configuration from file"), ":/buttons/exportCSV"), &QAction::triggered, this,
                &MyMainWindow::slotLoadFromFile);
        connect(add(tr("Save configuration to file"), ":/buttons/exportCSV"), &QAction::triggered, this,
                &MyMainWindow::slotSaveToFile);
        fileToolBar->addSeparator();
    }
    connect(add(tr("New"), ":/buttons/new"), &QAction::triggered, this, &MyMainWindow::slotNew);
    connect(add(tr("Open"), ":/buttons/open"), &QAction::triggered, this, &MyMainWindow::slotOpen);
    connect(add(tr("Save"), ":/buttons/save"), &QAction::triggered, this, &MyMainWindow::slotSave);
    connect(add(tr("Save as"), ":/buttons/saveAs"), &QAction::triggered, this, &MyMainWindow::slotSaveAs);
    fileToolBar->addSeparator();
    connect(add(tr("Configure time"), ":/buttons/datetime"), &QAction::triggered, this,
            &MyMainWindow::slotConfigTime);
    fileToolBar->addSeparator();
    connect(add(tr("Export Logs to CSV"), ":/buttons/exportCSV"), &QAction::triggered, this,
            &MyMainWindow::slotExportLogs);
    connect(add(tr("Export site inform"), ":/buttons/exportTXT"), &QAction::triggered, this,
            &MyMainWindow::slotExportSite);
    fileToolBar->addSeparator();
    advancedToolsAction = nullptr;
    if (full) {
        advancedToolsAction = add(tr("Advanced tools"), ":/buttons/update");
        connect(advancedToolsAction, &QAction::triggered, this, &MyMainWindow::slotUpdateFirmware);
    }
    connect(add(tr("Launch system monitor"), ":/buttons/monitor"), &QAction::triggered, this,
            &MyMainWindow::slotLaunchSystemMonitor);
    fileToolBar->addSeparator();

    removeElementAction = add(tr("Remove element"), ":/buttons/remove");
    connect(removeElementAction, &QAction::triggered, elements, qOverload<>(&MyElementsWidget::slotRemoveElement));
    modifyElementAction = add(tr("Modify element"), ":/buttons/edit");
    connect(modifyElementAction, &QAction::triggered, elements, &MyElementsWidget::slotModifyButtonPressed);
    viewManeuverAction = add(tr("View all maneuver"), ":/buttons/view");
    connect(viewManeuverAction, &QAction::triggered, mainWidget->actionsWidget, &MyActionsWidget::slotSummary);
    addPanelAction = add(tr("Add panel"), ":/buttons/addPanel");
    connect(addPanelAction, &QAction::triggered, elements, &MyElementsWidget::slotAddPanel);
    addElementAction = add(tr("Add element"), ":/buttons/AddElement");
    connect(addElementAction, &QAction::triggered, elements, qOverload<>(&MyElementsWidget::slotAddElement));

    // The new entries show the set of the tab in front, as the tab signals
    // keep them afterwards: a rebuild on "Events" must not offer the element
    // commands, which act on a selection of the hidden "Elements" tree.
    if (mainWidget->elementTabCurrent())
        slotShowElementWidgetToolbar();
    else
        slotHideElementWidgetToolbar();
}

void MyMainWindow::slotShowElementWidgetToolbar()
{
    addPanelAction->setVisible(true);
    addElementAction->setVisible(true);
    removeElementAction->setVisible(true);
    modifyElementAction->setVisible(true);
    viewManeuverAction->setVisible(false);
}

void MyMainWindow::slotHideElementWidgetToolbar()
{
    addPanelAction->setVisible(false);
    addElementAction->setVisible(false);
    removeElementAction->setVisible(false);
    modifyElementAction->setVisible(false);
    viewManeuverAction->setVisible(true);
}

void MyMainWindow::slotShowAdvancedOptions(bool mode)
{
    advancedMode = mode;
    if (advancedAction)
        advancedAction->setChecked(mode);
    mainWidget->setAdvancedMode(mode);
}

void MyMainWindow::slotUpdateFirmware()
{
}

// ---- close -------------------------------------------------------------------------

void MyMainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // A running procedure uses the engine and the site this window owns.
    if (commandLock.isHeld())
        return;
    if (QMessageBox::question(this, tr("Close Confirmation"), tr("Are you sure you want to quit?"),
                              QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes) {
        writeSettings();
        event->accept();
    }
}

void MyMainWindow::slotClose()
{
    writeSettings();
    close();
}

// ---- refreshes -----------------------------------------------------------------------

void MyMainWindow::slotUpdateDeviceTree()
{
    mainWidget->elementsWidget->refreshTree();
}

void MyMainWindow::slotUpdateEventActionTables()
{
    mainWidget->actionsWidget->updateEventTable();
    mainWidget->logicActionsWidget->updateEventTable();
}

void MyMainWindow::slotUpdateEventActionTrees()
{
    mainWidget->actionsWidget->updateTrees();
    mainWidget->logicActionsWidget->updateTrees();
}

void MyMainWindow::refreshViews()
{
    slotUpdateDeviceTree();
    slotUpdateEventActionTables();
    slotUpdateEventActionTrees();
}

void MyMainWindow::giveEditorsTheSite(Facility *facility)
{
    mainWidget->elementsWidget->setFacility(facility);
    mainWidget->actionsWidget->facility = facility;
    mainWidget->logicActionsWidget->facility = facility;
}

// ---- panel transfers -------------------------------------------------------------------

TransferHooks MyMainWindow::hooks()
{
    TransferHooks h;
    h.dialogParent = this;
    h.refreshViews = [this] { refreshViews(); };
    h.addFirstPanel = [this] { mainWidget->elementsWidget->slotAddPanel(); };
    h.busy = &commandLock;
    return h;
}

void MyMainWindow::storeOpenEdits()
{
    // A running procedure owns the site; the window is modal to it meanwhile.
    if (!commandLock.isHeld())
        mainWidget->elementsWidget->finishCellEdit();
}

void MyMainWindow::slotDownloadConfig()
{
    storeOpenEdits();
    PanelTransfer(*transferEngine, hooks()).download();
}

void MyMainWindow::slotUploadConfig()
{
    storeOpenEdits();
    PanelTransfer(*transferEngine, hooks()).upload();
}

void MyMainWindow::slotLoadFromFile()
{
    storeOpenEdits();
    PanelTransfer(*transferEngine, hooks()).importFile();
}

void MyMainWindow::slotSaveToFile()
{
    storeOpenEdits();
    PanelTransfer(*transferEngine, hooks()).exportFile();
}

void MyMainWindow::slotConfigTime()
{
    PanelTransfer(*transferEngine, hooks()).configTime();
}

void MyMainWindow::slotExportLogs()
{
    PanelTransfer(*transferEngine, hooks()).exportLogs();
}

// ---- site file commands ----------------------------------------------------------------

void MyMainWindow::setTitleWithFile()
{
    setWindowTitle(product() + currentFileName);
}

void MyMainWindow::showFileError(const QString &message, const QString &note)
{
    QMessageBox::warning(this, tr("Error"), message + QStringLiteral("\n\n") + note);
}

void MyMainWindow::slotNew()
{
    storeOpenEdits();
    CommandLock::Hold hold(&commandLock);
    if (!hold)
        return;
    if (QMessageBox::question(this, tr("Confirmation"),
                              tr("Do you want to erase current configuration and create a new one"),
                              QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    while (site->panelCount() > 0)
        site->removePanel(0);
    slotUpdateDeviceTree();
    slotUpdateEventActionTables();
    slotUpdateEventActionTrees();
    mainWidget->actionsWidget->clearTables();
    mainWidget->logicActionsWidget->clearTables();
    currentFileName.clear();
    setTitleWithFile();
}

// The file is read into a site of its own; only a file read to its end
// replaces the site in use, so a bad file leaves everything as it was.
void MyMainWindow::slotOpen()
{
    storeOpenEdits();
    CommandLock::Hold hold(&commandLock);
    if (!hold)
        return;
    const QString path = FilePrompt::openFileName(this, tr("Open Xml"), SiteFolder, tr("Xml files (*.xml)"));
    if (path.isEmpty())
        return;
    auto opened = std::make_unique<Facility>();
    if (!FileXML(opened.get()).readXml(path, opened.get())) {
        showFileError(tr("Error reading site file %1").arg(QDir::toNativeSeparators(path)),
                      tr("The site in use was left unchanged."));
        return;
    }
    // The old site goes only after every view shows the new one.
    std::unique_ptr<Facility> old = std::move(site);
    site = std::move(opened);
    currentFacility = site.get();
    giveEditorsTheSite(site.get());
    currentFileName = path;
    slotUpdateDeviceTree();
    slotUpdateEventActionTables();
    slotUpdateEventActionTrees();
    setTitleWithFile();
}

bool MyMainWindow::writeXmlFile(const QString &path)
{
    return FileXML(site.get()).writeXml(path);
}

void MyMainWindow::slotSave()
{
    storeOpenEdits();
    CommandLock::Hold hold(&commandLock);
    if (!hold)
        return;
    if (currentFileName.isEmpty()) {
        saveSiteAs();
        return;
    }
    if (!writeXmlFile(currentFileName))
        showFileError(tr("Error writing site file %1").arg(QDir::toNativeSeparators(currentFileName)),
                      tr("The site was not saved; the file keeps its previous content."));
}

void MyMainWindow::slotSaveAs()
{
    storeOpenEdits();
    CommandLock::Hold hold(&commandLock);
    if (!hold)
        return;
    saveSiteAs();
}

// The site file name and the title follow only a file really written.
void MyMainWindow::saveSiteAs()
{
    const QString path = FilePrompt::saveFileName(this, tr("Save Xml"), SiteFolder, tr("Xml files (*.xml)"));
    if (path.isEmpty())
        return;
    if (!writeXmlFile(path)) {
        showFileError(tr("Error writing site file %1").arg(QDir::toNativeSeparators(path)),
                      tr("The site was not saved; the file keeps its previous content."));
        return;
    }
    currentFileName = path;
    setTitleWithFile();
}

// The content is the plain site information text, whatever the ".rtf" filter says.
void MyMainWindow::slotExportSite()
{
    storeOpenEdits();
    CommandLock::Hold hold(&commandLock);
    if (!hold)
        return;
    const QString path =
        FilePrompt::saveFileName(this, tr("Create txt"), SiteFolder, tr("Rich text files (*.rtf)"));
    if (path.isEmpty())
        return;
    if (!FileTxt().writeSite(path, site.get(), true, true, true))
        showFileError(tr("Error writing site information file %1").arg(QDir::toNativeSeparators(path)),
                      tr("The file keeps its previous content."));
}

// loopwatch is installed beside panelsetup: looked for in the program's own
// folder, whatever the working directory.
void MyMainWindow::slotLaunchSystemMonitor()
{
    const QString program = QDir(programFolder()).filePath(MonitorProgram);
    if (!QFileInfo(program).isFile()) {
        qCDebug(lcSetupWindow) << "no monitor at" << program;
        return;
    }
    if (!ProgramLauncher::startDetached(program))
        qCDebug(lcSetupWindow) << "the monitor did not start:" << program;
}

void MyMainWindow::slotAbout()
{
    DialogAbout dialog(this);
    dialog.setModal(true);
    dialog.exec();
}
