#pragma once
#include "PanelLayout.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class PanelModel;
class myProgressDialog;

// What the connection needs of the main window.
struct ConnectionHooks {
    // Parent of the progress window.
    QPointer<QWidget> dialogParent;
    // The connection error box; true when the user answered Retry.
    std::function<bool()> retry;
    // The link is open: the window shows it while the panel is read.
    std::function<void()> linkOpened;
    // The panel was read whole: the window takes the layout (loop menu, loop
    // selector, views) while the progress window is still up.
    std::function<void(const PanelLayout &)> panelRead;
    // The panel was not read whole: the link went down, or the user pressed
    // Cancel and the link was closed. The window shows the disconnected state
    // (before the connection error box, when that is offered).
    std::function<void()> downloadStopped;
};

// Connecting loopwatch to the panel: open the USB link (Retry or Cancel while it
// cannot be opened), then, under a progress window, read the panel's loop layout,
// each present loop's version and element records, choose the first present loop
// and read its first point's counters. A download that loses the link never ends
// as a connection: the window shows the disconnected state and offers the
// connection error box again. The progress window's Cancel is seen between two
// requests: the one in flight completes, no other is sent, the link is closed
// and the window shows the disconnected state, with no box since the user asked
// for it. The window's slot creates one object per run.
class MonitorConnection {
    // The window's command: its texts belong to the window's context.
    Q_DECLARE_TR_FUNCTIONS(MyMainWindow)

public:
    // Progress while the loops are read: from 10 (0 when the panel information
    // failed) the loops share LoopsProgress.
    static constexpr int InfoProgress = 10;
    static constexpr int LoopsProgress = 45;

    MonitorConnection(PanelModel &model, ConnectionHooks hooks);
    ~MonitorConnection();
    MonitorConnection(const MonitorConnection &) = delete;
    MonitorConnection &operator=(const MonitorConnection &) = delete;

    // True when the panel is connected and read; `layout` then holds what it
    // reported. On entry `layout` holds the window's values: the points per loop
    // and the current loop are kept when the panel does not give new ones.
    // False when the user cancelled the connection error box or the download
    // (the link is then closed); `layout` is then unchanged.
    bool run(PanelLayout &layout);

private:
    enum class Download { Read, LinkLost, Cancelled };

    bool open();
    Download download(PanelLayout &layout);
    void readLoops(PanelLayout &layout, int &progress);
    // The progress window's Cancel was pressed during this download. Kept once
    // seen: the window forgets it when it resets itself.
    bool cancelled();
    // The link is open and the user has not cancelled.
    bool reading();
    // Nothing once cancelled: a value set after Cancel would show the window again.
    void setProgress(int value);

    PanelModel &m_model;
    ConnectionHooks m_hooks;
    std::unique_ptr<myProgressDialog> m_progress;
    bool m_cancelled = false;
};
