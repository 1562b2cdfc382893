#pragma once
#include "PanelLayout.h"

#include <QMainWindow>
#include <QString>
#include <QTranslator>

#include <array>
#include <memory>

class MyConfigOptions;
class MyMainWidget;
class PanelModel;
class QAction;
class QMenu;
class QTimer;
class QToolBar;
class loopSelectorwidget;

// loopwatch's main window: the point table model (which is also the link to the
// panel), the central view, the loop selector, the menus and toolbars, the
// options and the languages; and the commands that talk to the panel: connect
// and disconnect, loop exploration, start and stop of polling, change of loop,
// reset counters, clear data, export of analog values and the panel keys.
//
// One long procedure at a time: while a connection reads the panel, a loop is
// explored or the central view scans thresholds and sensitivities (all let
// events through between their steps), every other command that talks to the
// panel or changes the loop is refused, and no scan starts.
class MyMainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int RefreshIntervalMs = 1500;
    static constexpr int ToolBarIconSize = 36;
    // The wait for the central view to be on screen before connecting is bounded:
    // at most this many rounds of pending events, each followed by a short pause.
    static constexpr int VisibilityChecks = 10;
    static constexpr unsigned long VisibilityPauseMs = 200;

    explicit MyMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~MyMainWindow() override;

    // The program entry's start: the window shown maximized, then the connection
    // from a zero-delay timer, once the event loop runs and the window is on screen.
    void showAndConnect();

    // The language code of a locale name: the part before its last "_" ("es_ES"
    // gives "es"); a name without "_" gives no code.
    static QString languageCode(const QString &localeName);

public slots:
    void slotShowGlobalWidget(bool on);
    void slotClose();
    void slotExploreLoop();
    void slotStart();
    void slotStop();
    void slotResetCounters();
    void slotClearData();
    void timerSlot();
    void slotOptions();
    void slotExportAnalogValues();
    void slotChangeLoop(unsigned char loop);
    void slotsSelectLoopMenu(bool checked);
    void PanelKeySoundersOn();
    void PanelKeyReset();
    void PanelKeySoundersOff();
    void PanelKeyMute();
    void slotShowAgain(bool checked);
    void slotLanguageChanged(QAction *action);
    void USBconnect();

protected:
    void changeEvent(QEvent *event) override;

private:
    void createCentralWidget();
    void createMenusAndToolbars();
    void buildLanguageMenu(QMenu *menu);
    void applyOptions();
    void showStatisticsPane(bool on);
    void refreshViews();
    void initLanguage();
    void loadLanguage(const QString &code);
    void switchLanguage(const QString &code);
    void loadTranslator(QTranslator &translator, const QString &fileName);
    // "lang_*.qm" in the languages folder, in name order; and the code a name carries.
    QStringList languageFiles();
    static QString codeOfLanguageFile(const QString &fileName);

    int showConnectionError();
    void sendKey(quint8 key);
    void rebuildLoopMenu();
    // After each connection and change of loop: the scan question while it is
    // still asked, otherwise polling starts.
    void askScanOrStart();
    // A command that needs the link found none: the connection error box, and on
    // Retry the whole connection. The command itself is not carried on: the user
    // gives it again once connected.
    void offerConnection();
    void connectPanel();
    void disconnectPanel();
    void waitForCentralWidget();
    void showConnected();
    void showDisconnected();
    // The loop selector and the "Loop" entries show the loop on show.
    void showCurrentLoop();
    void exportRefused(const QString &text);

    // One long procedure at a time (see the class comment).
    bool commandRefused(const char *command) const;
    void beginProcedure();
    void endProcedure();

    QAction *createAction(const QString &iconPath, const QString &text, const char *objectName);

    QTimer *refreshTimer = nullptr;
    bool pollingActive = false;
    std::unique_ptr<PanelModel> model;
    MyMainWidget *mainWidget = nullptr;
    std::unique_ptr<MyConfigOptions> options;
    QMenu *panelMenu = nullptr;
    QMenu *loopMenu = nullptr;
    QMenu *configurationMenu = nullptr;
    QMenu *languageMenu = nullptr;
    QAction *playAction = nullptr;
    QAction *connectAction = nullptr;
    QAction *statisticsAction = nullptr;
    QAction *exportAction = nullptr;
    QToolBar *connectionToolBar = nullptr;
    QToolBar *fileToolBar = nullptr;
    QToolBar *panelLoopToolBar = nullptr;
    QToolBar *panelKeysToolBar = nullptr;
    bool showAgain = true;
    quint8 loopCount = 0;
    std::array<quint8, PanelLayout::Loops> presentLoops{};
    quint8 maxPoints = 0;
    loopSelectorwidget *loopSelector = nullptr;
    QTranslator translator;
    QString languagesPath;

    // The "Loop" submenu's entries, made once and shown for the panel's loops:
    // an entry is never deleted while its own signal may still be running.
    std::array<QAction *, PanelLayout::Loops> loopEntries{};
    bool procedureRunning = false;
};
