#include "SimSite.h"

#include "PanelConfig.h"
#include "SimPanel.h"
#include "USBDataConfig.h"

#include <QtGlobal>

using sim::SimPanel;

namespace {
std::unique_ptr<PanelConfig> copyOf(const PanelConfig &p)
{
    auto c = std::make_unique<PanelConfig>();
    c->copyFrom(p);
    return c;
}
} // namespace

namespace SimSite {

bool engineUpload(USBDataConfig &e)
{
    if (!e.beginDeviceWrite())
        return false;
    for (int loop = 0; loop < 8; ++loop)
        if (!e.writeLoop(loop))
            return false;
    return e.flushPage() && e.writeZones() && e.writeEvents() && e.writeLogicEvents() && e.writePanelInfo()
        && e.writeNetwork() && e.finishUpload();
}

bool engineDownload(USBDataConfig &e)
{
    for (int loop = 0; loop < 8; ++loop)
        if (!e.readLoop(loop))
            return false;
    return e.readZones() && e.readEvents() && e.readLogicEvents() && e.readPanelInfo() && e.readNetwork();
}

QVector<QByteArray> pages()
{
    QVector<QByteArray> all(sim::kPageCount);
    for (int n = 0; n < sim::kPageCount; ++n)
        all[n] = SimPanel::instance().page(n);
    return all;
}

QList<int> load(const PanelConfig &panel, const QByteArray &accessCode)
{
    SimPanel &sim = SimPanel::instance();
    sim.reset();
    auto source = copyOf(panel);
    USBDataConfig e;
    e.setPanel(source.get());
    if (!e.connectUsb() || !engineUpload(e))
        qWarning("loading the simulated panel failed");
    e.disconnect();
    const QList<int> written = sim.pageWrites();
    const QVector<QByteArray> memory = pages();
    sim.reset();
    for (int n = 0; n < sim::kPageCount; ++n)
        sim.setPage(n, memory.at(n));
    sim.setPageBytes(3, 0, accessCode);
    return written;
}

QList<QByteArray> referenceDownload(const PanelConfig &panel, std::unique_ptr<PanelConfig> *read)
{
    load(panel);
    auto target = std::make_unique<PanelConfig>();
    USBDataConfig e;
    e.setPanel(target.get());
    if (!e.connectUsb() || !engineDownload(e))
        qWarning("reference download failed");
    e.disconnect();
    if (read)
        *read = std::move(target);
    return SimPanel::instance().requests();
}

QList<QByteArray> referenceUpload(const PanelConfig &panel)
{
    SimPanel::instance().reset();
    auto source = copyOf(panel);
    USBDataConfig e;
    e.setPanel(source.get());
    if (!e.connectUsb() || !engineUpload(e))
        qWarning("reference upload failed");
    e.disconnect();
    const QList<QByteArray> requests = SimPanel::instance().requests();
    SimPanel::instance().reset();
    return requests;
}

} // namespace SimSite
