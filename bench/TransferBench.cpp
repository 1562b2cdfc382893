// Full download and upload of a full panel against the simulated panel: the
// link requests and page transfers each costs, the engine's CPU time, and the
// time a real link would need at 1 ms per bulk transfer.
#include "Bench.h"

#include "PanelConfig.h"
#include "SimPanel.h"
#include "SitePanels.h"
#include "USBDataConfig.h"

#include <ctime>
#include <memory>

namespace {

constexpr int Rounds = 20;
constexpr double LinkMsPerTransfer = 1.0;

bool upload(USBDataConfig &engine, PanelConfig *panel)
{
    engine.setPanel(panel);
    if (!engine.connectUsb() || !engine.beginDeviceWrite())
        return false;
    bool ok = true;
    for (int loop = 0; ok && loop < PanelConfig::LoopCount; ++loop)
        ok = engine.writeLoop(loop);
    ok = ok && engine.flushPage() && engine.writeZones() && engine.writeEvents() && engine.writeLogicEvents()
        && engine.writePanelInfo() && engine.writeNetwork() && engine.finishUpload();
    engine.disconnect();
    return ok;
}

bool download(USBDataConfig &engine, PanelConfig *panel)
{
    engine.setPanel(panel);
    if (!engine.connectUsb())
        return false;
    bool ok = true;
    for (int loop = 0; ok && loop < PanelConfig::LoopCount; ++loop)
        ok = engine.readLoop(loop);
    ok = ok && engine.readZones() && engine.readEvents() && engine.readLogicEvents() && engine.readPanelInfo()
        && engine.readNetwork();
    engine.disconnect();
    return ok;
}

template <typename Run>
bool measure(QTextStream &out, const char *what, Run run)
{
    sim::SimPanel &panel = sim::SimPanel::instance();
    panel.clearLogs();
    if (!run())
        return false;
    const int requests = panel.requests().size();
    const int pageReads = panel.pageReads().size();
    const int pageWrites = panel.pageWrites().size();
    const int transfers = panel.transfers().size();

    const std::clock_t start = std::clock();
    for (int i = 0; i < Rounds; ++i) {
        panel.clearLogs();
        if (!run())
            return false;
    }
    const double cpuMs = 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC / Rounds;
    const double linkMs = transfers * LinkMsPerTransfer;
    out << what << ": " << requests << " requests, " << pageReads << " page reads, " << pageWrites
        << " page writes, " << transfers << " bulk transfers\n"
        << "  engine CPU " << QString::number(cpuMs, 'f', 2) << " ms per run; link at 1 ms/transfer "
        << QString::number(linkMs, 'f', 0) << " ms; CPU share "
        << QString::number(100.0 * cpuMs / linkMs, 'f', 2) << " %" << Qt::endl;
    return true;
}

int transferBench(QTextStream &out)
{
    sim::SimPanel::instance().reset();
    auto source = SitePanels::fullPanel();
    USBDataConfig engine;
    if (!measure(out, "full upload", [&] { return upload(engine, source.get()); }))
        return 1;
    auto target = std::make_unique<PanelConfig>();
    if (!measure(out, "full download", [&] {
            target->setDefaults();
            return download(engine, target.get());
        }))
        return 1;
    return 0;
}

} // namespace

PANEL_BENCH("transfer", transferBench);
