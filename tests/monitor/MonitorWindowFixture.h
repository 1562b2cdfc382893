#pragma once
// loopwatch's real main window over the simulated panel: the panel's loops and
// elements, the window with handles on its actions, menus and views, and what
// reached the panel. Each fixture starts from a fresh panel and no
// "settings.ini" beside the test program (the tests that use it share the
// CTest resource lock monitor_settings_ini).
#include "ModalScript.h"
#include "MyMainWindow.h"
#include "SimPanel.h"
#include "SimPointCommands.h"

#include <QByteArray>
#include <QDialogButtonBox>
#include <QList>
#include <functional>
#include <memory>

class MyMainWidget;
class PanelModel;
class QAction;
class QMenu;
class QTableView;
class QTimer;
class QToolBar;
class loopChart;
class loopSelectorwidget;

class MonitorWindowFixture {
public:
    // A panel with one loop (loop 1) and no element, every loop's pages empty.
    MonitorWindowFixture();
    ~MonitorWindowFixture();

    // The panel again as the constructor leaves it, request numbers from 1.
    void resetPanel();
    // What the panel reports of its loops: count and one presence byte per loop.
    void setLoops(quint8 loops, const QByteArray &presence, quint8 maxPoints = 250);
    // An element record on the panel (loop and address 0-based).
    void configure(int loop, int address, int type, const QByteArray &description = "Point");
    // Writes "settings.ini" beside the test program with these keys.
    static void writeSettings(const QList<QPair<QString, QString>> &values);
    static QString settingsValue(const QString &key);
    static void removeSettings();

    // The window, shown and on screen; nothing connected yet.
    MyMainWindow *createWindow();
    void destroyWindow();

    // Runs `trigger` while `script` answers the modal windows; afterwards any
    // other modal window is rejected and reported. True when every step ran and
    // nothing unexpected came up; why not, in `why`.
    bool drive(ModalScript &script, const std::function<void()> &trigger, QString *why = nullptr);
    // Connects with the scan question answered by `scanAnswer` (Cancel: polling starts).
    bool connect(QDialogButtonBox::StandardButton scanAnswer = QDialogButtonBox::Cancel, QString *why = nullptr);

    // Every command a user may start while a long procedure runs, each once:
    // connect, Play, Explore, loop 2, the Reset key, the export, reset
    // counters, clear data and the table's threshold and sensitivity scan.
    void giveEveryCommand();

    // The window's parts.
    QAction *action(const char *objectName) const;
    QMenu *menu(const char *objectName) const;
    QToolBar *toolBar(const char *objectName) const;
    QList<QAction *> loopEntries() const;   // the "Loop" submenu's entries on show
    loopSelectorwidget *selector() const;
    QString selectorText() const;
    bool selectorEnabled() const;
    MyMainWidget *mainWidget() const;
    QTableView *table() const;
    loopChart *chart() const;
    PanelModel *model() const;
    QTimer *refreshTimer() const;
    QString status() const;
    bool statisticsShown() const;

    // Requests the panel received since the last clearRequests(), in order; or
    // those of one command.
    QList<QByteArray> requests() const { return sim::SimPanel::instance().requests(); }
    QList<QByteArray> requests(quint8 code) const;
    void clearRequests();

    std::unique_ptr<sim::SimPointCommands> sim;
    std::unique_ptr<MyMainWindow> window;
};

// The window's own boxes, as script steps.
bool isScanQuestion(QWidget *w);
bool isConnectionError(QWidget *w);
// Answer the scan question or the connection error box; `modalWindow` (when
// given) learns whether the box ran as a modal window of its own, blocking the
// main window.
void answerScanQuestion(ModalScript &script, QDialogButtonBox::StandardButton answer, bool *modalWindow = nullptr);
void answerConnectionError(ModalScript &script, QDialogButtonBox::StandardButton answer, bool *modalWindow = nullptr);

// Request payloads written byte by byte.
QByteArray bytes(std::initializer_list<int> values);
