// The refreshes of the events page that the main window calls after every change
// of the site: both trees rebuilt from a site of 32 full panels (64,000 elements),
// and the maneuver tables of one panel with 1024 maneuvers and 100 logic
// maneuvers of 10 conditions each. Wall-clock time, the page shown off screen.
#include "Bench.h"

#include "Facility.h"
#include "MyActionsWidget.h"
#include "MyLogicActionsWidget.h"
#include "PanelConfig.h"
#include "SitePanels.h"

#include <QElapsedTimer>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace {

constexpr int Panels = 32;
constexpr int Runs = 5;

struct Figures
{
    double best = 0;
    double median = 0;
};

template <typename Run>
Figures time(Run run)
{
    std::vector<double> ms;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

void report(QTextStream &out, const char *what, const Figures &f)
{
    out << what << ": best " << QString::number(f.best, 'f', 1) << " ms, median "
        << QString::number(f.median, 'f', 1) << " ms over " << Runs << " runs" << Qt::endl;
}

int eventEditorBench(QTextStream &out)
{
    Facility site;
    for (int i = 0; i < Panels; ++i) {
        auto panel = SitePanels::fullPanel();
        panel->setName(QStringLiteral("Panel %1").arg(i + 1));
        panel->address = i + 1;
        site.addPanel(panel.release());
    }
    const PanelConfig *shown = site.getPanel(0);
    out << Panels << " panels, " << Panels * PanelConfig::LoopCount * PanelConfig::AddressCount
        << " elements; shown panel: " << shown->eventCount() << " maneuvers, " << shown->logicEventCount()
        << " logic maneuvers of " << shown->logicEventAt(0)->conditions.size() << " conditions" << Qt::endl;

    for (bool logic : {false, true}) {
        std::unique_ptr<MyActionsWidget> page = logic ? std::make_unique<MyLogicActionsWidget>()
                                                      : std::make_unique<MyActionsWidget>();
        page->facility = &site;
        page->resize(1400, 1000);
        page->show();
        page->updateTrees();   // first build, icons loaded

        const char *name = logic ? "logic page" : "events page";
        out << name << ":" << Qt::endl;
        report(out, "  updateTrees", time([&] { page->updateTrees(); }));
        report(out, "  updateEventTable", time([&] { page->updateEventTable(); }));
        report(out, "  refreshTreeIcons", time([&] { page->refreshTreeIcons(); }));

        auto *events = page->findChild<QTreeWidget *>(QStringLiteral("eventsWidget"));
        auto *inputs = page->findChild<QTableWidget *>(QStringLiteral("tableWidgetInputs"));
        auto *logicTable = page->findChild<QTableWidget *>(QStringLiteral("tableWidget_2"));
        int items = 0;
        for (QTreeWidgetItemIterator it(events); *it; ++it)
            ++items;
        out << "  event tree items " << items << ", maneuver rows " << inputs->rowCount() << ", logic rows "
            << logicTable->rowCount() << Qt::endl;
    }
    return 0;
}

} // namespace

PANEL_BENCH("eventeditor", eventEditorBench);
