// Rebuilds the element tree of a site of 32 full panels: every address of
// every loop holds an element (64,000 elements), a fifth of them single, the
// rest in 2- and 4-address modules, each with its description and zone name.
#include "Bench.h"

#include "Facility.h"
#include "MyElementsWidget.h"
#include "PanelConfig.h"

#include <QElapsedTimer>
#include <QTreeWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int Panels = 32;
constexpr int Runs = 5;

void fillPanel(PanelConfig &panel, int index)
{
    panel.setName(QStringLiteral("Panel %1").arg(index + 1));
    panel.address = index + 1;
    for (int loop = 0; loop < PanelConfig::LoopCount; ++loop) {
        int address = 0;
        auto put = [&](int model, int count) {
            DeviceRecord r;
            r.loop = static_cast<unsigned char>(loop);
            r.address = static_cast<unsigned char>(address);
            r.ext_type = static_cast<unsigned char>(model);
            r.zone = static_cast<unsigned char>((loop * 31 + address) % PanelConfig::ZoneCount);
            r.mode = static_cast<unsigned char>(address % 17 == 0 ? 0 : 1);
            r.description = QStringLiteral("Loop %1 point %2").arg(loop + 1).arg(address + 1);
            panel.insertDevices(r, count, false);
            address += DeviceRecord::moduleAddressCount(model) * count;
        };
        put(1, 50);    // singles 0..49
        put(7, 50);    // 2-zone modules 50..149
        put(13, 25);   // 2 inputs 2 outputs 150..249
    }
    for (int z = 0; z < PanelConfig::ZoneCount; ++z)
        panel.zoneAt(z)->description = QStringLiteral("Zone %1 floor %2").arg(z + 1).arg(z % 12);
}

int countRows(const QTreeWidgetItem *item)
{
    int n = 1;
    for (int i = 0; i < item->childCount(); ++i)
        n += countRows(item->child(i));
    return n;
}

int elementTreeBench(QTextStream &out)
{
    Facility facility;
    for (int i = 0; i < Panels; ++i) {
        auto panel = std::make_unique<PanelConfig>();
        fillPanel(*panel, i);
        facility.addPanel(panel.release());
    }
    int elements = 0;
    for (int i = 0; i < Panels; ++i)
        for (int l = 0; l < PanelConfig::LoopCount; ++l)
            for (int a = 0; a < PanelConfig::AddressCount; ++a)
                elements += facility.getPanel(i)->deviceAt(l, a)->type != 0 ? 1 : 0;

    MyElementsWidget widget;
    widget.setFacility(&facility);
    std::vector<double> ms;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        widget.refreshTree();   // from the second run on this also clears the previous tree
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    int rows = 0;
    for (int i = 0; i < widget.treeWidget()->topLevelItemCount(); ++i)
        rows += countRows(widget.treeWidget()->topLevelItem(i));

    QElapsedTimer timer;
    timer.start();
    widget.setFacility(nullptr);
    widget.refreshTree();
    const double clearMs = double(timer.nsecsElapsed()) / 1e6;

    const double first = ms.front();
    const auto rebuilds = std::minmax_element(ms.begin() + 1, ms.end());
    out << "refreshTree, " << Panels << " panels, " << elements << " elements, " << rows << " rows" << Qt::endl;
    out << "  first build " << QString::number(first, 'f', 1) << " ms; rebuild (clear and build) "
        << QString::number(*rebuilds.first, 'f', 1) << " .. " << QString::number(*rebuilds.second, 'f', 1)
        << " ms over " << (Runs - 1) << " runs" << Qt::endl;
    out << "  clearing the tree alone " << QString::number(clearMs, 'f', 1) << " ms" << Qt::endl;
    return elements == Panels * PanelConfig::LoopCount * PanelConfig::AddressCount ? 0 : 1;
}

} // namespace

PANEL_BENCH("elementtree", elementTreeBench);
