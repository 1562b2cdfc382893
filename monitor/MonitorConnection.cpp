#include "MonitorConnection.h"

#include "PanelModel.h"
#include "WindowLogging.h"
#include "myProgressDialog.h"

#include <QCoreApplication>
#include <QScopeGuard>

MonitorConnection::MonitorConnection(PanelModel &model, ConnectionHooks hooks)
    : m_model(model), m_hooks(std::move(hooks))
{
}

MonitorConnection::~MonitorConnection() = default;

bool MonitorConnection::run(PanelLayout &layout)
{
    for (;;) {
        if (!open())
            return false;
        PanelLayout read = layout;
        const Download result = download(read);
        if (result == Download::Read) {
            layout = read;
            return true;
        }
        // A panel that was only half read is no connection: the link is down.
        // After a lost link the user decides whether to try again; after a
        // Cancel the user has decided.
        qCDebug(lcWindow) << (result == Download::Cancelled ? "connection cancelled while the panel was read"
                                                            : "link lost while the panel was read");
        if (m_hooks.downloadStopped)
            m_hooks.downloadStopped();
        if (result == Download::Cancelled)
            return false;
        if (!m_hooks.retry || !m_hooks.retry())
            return false;
    }
}

bool MonitorConnection::open()
{
    m_model.openPort();
    while (!m_model.isConnected()) {
        if (!m_hooks.retry || !m_hooks.retry())
            return false;
        m_model.openPort();
    }
    return true;
}

bool MonitorConnection::cancelled()
{
    if (!m_cancelled && m_progress && m_progress->wasCanceled())
        m_cancelled = true;
    return m_cancelled;
}

bool MonitorConnection::reading()
{
    return m_model.isConnected() && !cancelled();
}

void MonitorConnection::setProgress(int value)
{
    if (m_progress && !cancelled())
        m_progress->setValue(value);
}

MonitorConnection::Download MonitorConnection::download(PanelLayout &layout)
{
    m_progress = std::make_unique<myProgressDialog>(m_hooks.dialogParent.data(), tr("Downloading panel"),
                                                    tr("Downloading panel settings. Please wait..."));
    m_cancelled = false;
    // A loop's element pages are many requests: the user's Cancel is looked for
    // before each one, so that at most the request in flight completes.
    m_model.setRequestGate([this] {
        QCoreApplication::processEvents();
        return !cancelled();
    });
    const auto end = qScopeGuard([this] {
        m_model.setRequestGate({});
        m_progress.reset();
    });
    if (m_hooks.linkOpened)
        m_hooks.linkOpened();
    m_model.clearPoints();
    setProgress(0);

    int progress = 0;
    readLoops(layout, progress);

    // The first present loop is shown; with none, the loop on show stays.
    const int step = layout.loopCount != 0 ? LoopsProgress / layout.loopCount : 0;
    for (int i = 0; i < layout.loopCount; ++i) {
        if (layout.isPresent(i)) {
            layout.currentLoop = quint8(i);
            break;
        }
        progress += step;
        setProgress(progress);
    }
    if (reading()) {
        m_model.showLoop(layout.currentLoop);
        m_model.readPointCounters(layout.currentLoop, 0);
    }
    if (cancelled()) {
        m_model.closePort();
        return Download::Cancelled;
    }
    if (!m_model.isConnected())
        return Download::LinkLost;
    if (m_hooks.panelRead)
        m_hooks.panelRead(layout);
    setProgress(100);
    return Download::Read;
}

void MonitorConnection::readLoops(PanelLayout &layout, int &progress)
{
    quint8 loopCount = 0;
    quint8 maxPoints = 0;
    std::array<quint8, PanelLayout::Loops> present{};
    if (m_model.readPanelInfo(loopCount, present.data(), maxPoints)) {
        layout.loopCount = loopCount;
        layout.presentLoops = present;
        layout.maxPoints = maxPoints;
        progress = InfoProgress;
        const int step = loopCount != 0 ? LoopsProgress / loopCount : 0;
        for (int i = 0; i < loopCount && reading(); ++i) {
            setProgress(progress);
            QCoreApplication::processEvents();
            if (layout.isPresent(i))
                m_model.exploreLoop(quint8(i));
            progress += step;
        }
        return;
    }
    // The panel did not say which loops it has: every loop the monitor holds is
    // read, and those that could be read are present. The points per loop stay
    // as they were.
    layout.loopCount = PanelLayout::Loops;
    layout.presentLoops.fill(0);
    progress = 0;
    for (int i = 0; i < PanelLayout::Loops && reading(); ++i) {
        setProgress(progress);
        QCoreApplication::processEvents();
        layout.presentLoops[size_t(i)] = m_model.exploreLoop(quint8(i)) ? 1 : 0;
        progress += LoopsProgress / PanelLayout::Loops;
    }
}
