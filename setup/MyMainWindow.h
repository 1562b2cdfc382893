#pragma once
#include "CommandLock.h"
#include "TransferHooks.h"

#include <QMainWindow>
#include <QString>
#include <QTranslator>

#include <memory>

class Facility;
class MyMainWidget;
class QAction;
class QActionGroup;
class QMenu;
class QToolBar;
class USBDataConfig;

// panelsetup's main window: menus, the toolbar "File", the editor tabs, the
// settings file and the languages, the close question, and every command of
// the program: the panel transfers (run by PanelTransfer), the site file
// commands and the start of the monitor.
//
// The window creates the program-wide site (currentFacility) and replaces it
// when a site file has been read completely. Its site file commands and the
// transfers share one CommandLock: none starts while another runs.
class MyMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MyMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~MyMainWindow() override;

    MyMainWidget *editors() const { return mainWidget; }
    QToolBar *toolBar() const { return fileToolBar; }
    QMenu *languagesMenu() const { return languageMenu; }
    // Path of the site file in use; empty when the site has none.
    const QString &siteFileName() const { return currentFileName; }
    const QString &language() const { return currentLanguage; }
    // The folder of settings.ini and of the "languages" folder: the program's own.
    static QString programFolder();

public slots:
    void slotClose();
    void slotLanguageChanged(QAction *action);

    // Panel transfers.
    void slotDownloadConfig();
    void slotUploadConfig();
    void slotLoadFromFile();
    void slotSaveToFile();
    void slotConfigTime();
    void slotExportLogs();

    // Site file and program commands.
    void slotNew();
    void slotOpen();
    void slotSave();
    void slotSaveAs();
    void slotExportSite();
    void slotLaunchSystemMonitor();
    void slotAbout();
    void slotShowAdvancedOptions(bool mode);
    void slotShowElementWidgetToolbar();
    void slotHideElementWidgetToolbar();
    void slotUpdateFirmware();

    // Refreshes after a change of the site.
    void slotUpdateDeviceTree();
    void slotUpdateEventActionTables();
    void slotUpdateEventActionTrees();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void readSettings();
    void writeSettings();
    void initLanguage();
    void createLanguageMenu(QMenu *menu);
    void loadLanguage(const QString &code);
    void setLanguage(const QString &code);
    void switchTranslator(QTranslator &translator, const QString &fileName);
    void createCentralWidget();
    void createActions();
    void retranslateUi();
    // Empties the toolbar and fills it with the first (short) or the full list.
    void fillToolBar(bool full);
    void setMenuTexts();

    TransferHooks hooks();
    // Stores a tree cell still being edited before a command reads or replaces
    // the site (toolbar buttons and menu entries take no focus, so the editor
    // stays open under them).
    void storeOpenEdits();
    void refreshViews();
    void giveEditorsTheSite(Facility *site);
    // Writes the site; false (nothing shown) when not every byte reached the disk.
    bool writeXmlFile(const QString &path);
    void saveSiteAs();
    void showFileError(const QString &message, const QString &note);
    void setTitleWithFile();

    QTranslator translator;
    QString currentLanguage;
    QString languagesPath;
    QString currentFileName;
    MyMainWidget *mainWidget = nullptr;
    QToolBar *fileToolBar = nullptr;
    std::unique_ptr<USBDataConfig> transferEngine;
    std::unique_ptr<Facility> site;   // currentFacility points here
    CommandLock commandLock;

    // The element entries of the latest toolbar build, and its "Advanced tools".
    QAction *addPanelAction = nullptr;
    QAction *addElementAction = nullptr;
    QAction *removeElementAction = nullptr;
    QAction *modifyElementAction = nullptr;
    QAction *viewManeuverAction = nullptr;
    QAction *advancedToolsAction = nullptr;

    QMenu *fileMenu = nullptr;
    QMenu *viewMenu = nullptr;
    QMenu *configurationMenu = nullptr;
    QMenu *languageMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QActionGroup *languageGroup = nullptr;

    QAction *downloadAction = nullptr;
    QAction *uploadAction = nullptr;
    QAction *newAction = nullptr;
    QAction *openAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *saveAsAction = nullptr;
    QAction *exportConfAction = nullptr;
    QAction *importConfAction = nullptr;
    QAction *quitAction = nullptr;
    QAction *advancedAction = nullptr;
    QAction *aboutAction = nullptr;
};
