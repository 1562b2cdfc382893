// Opens a site file of 32 full panels through panelsetup's main window, as
// the user does with "Open": from the command to the element tree, the event
// trees and the maneuver tables shown. The file read alone is timed beside it.
#include "Bench.h"

#include "Facility.h"
#include "FilePrompt.h"
#include "FileXML.h"
#include "MyActionsWidget.h"
#include "MyElementsWidget.h"
#include "MyMainWidget.h"
#include "MyMainWindow.h"
#include "PanelConfig.h"
#include "Pause.h"
#include "ProgramState.h"
#include "SitePanels.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace {

constexpr int Panels = 32;
constexpr int Runs = 3;

QAction *openEntry(MyMainWindow &window)
{
    for (QAction *menu : window.menuBar()->actions())
        if (menu->menu())
            for (QAction *a : menu->menu()->actions())
                if (a->text() == QLatin1String("Open"))
                    return a;
    return nullptr;
}

QString figures(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return QStringLiteral("best %1 ms, median %2 ms over %3 runs")
        .arg(ms.front(), 0, 'f', 1)
        .arg(ms[ms.size() / 2], 0, 'f', 1)
        .arg(ms.size());
}

int mainWindowBench(QTextStream &out)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString file = dir.filePath(QStringLiteral("site.xml"));
    {
        Facility site;
        for (int i = 0; i < Panels; ++i) {
            auto panel = SitePanels::fullPanel();
            panel->setName(QStringLiteral("Panel %1").arg(i + 1));
            panel->address = i + 1;
            site.addPanel(panel.release());
        }
        if (!FileXML(&site).writeXml(file))
            return 1;
    }

    std::vector<double> readMs;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        Facility back;
        if (!FileXML(&back).readXml(file, &back) || back.panelCount() != Panels)
            return 1;
        readMs.push_back(timer.nsecsElapsed() / 1e6);
    }

    Pause::setEnabled(false);
    FilePrompt::setAnswerer([&file](const FilePrompt::Request &) { return file; });
    MyMainWindow window;
    window.resize(1280, 800);
    window.show();
    QApplication::processEvents();
    QAction *open = openEntry(window);
    if (!open)
        return 1;

    // Each run replaces the site the run before opened, as a second Open does.
    std::vector<double> openMs;
    QTreeWidget *tree = window.editors()->elementsWidget->treeWidget();
    auto *maneuvers = window.editors()->actionsWidget->findChild<QTableWidget *>(QStringLiteral("tableWidgetInputs"));
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        open->trigger();
        QApplication::processEvents();   // the views painted
        openMs.push_back(timer.nsecsElapsed() / 1e6);
        if (!currentFacility || currentFacility->panelCount() != Panels || tree->topLevelItemCount() != Panels
            || !maneuvers || maneuvers->rowCount() == 0)
            return 1;
    }
    FilePrompt::setAnswerer({});

    out << "site file: " << Panels << " full panels (every address, zone and event slot, 100 logic events), "
        << QFileInfo(file).size() << " bytes" << Qt::endl;
    out << "file read alone (FileXML):      " << figures(readMs) << Qt::endl;
    out << "Open through the window, views: " << figures(openMs) << Qt::endl;
    out << "  (element tree of " << tree->topLevelItemCount() << " panels, event trees of both pages, "
        << maneuvers->rowCount() << " maneuver rows of panel 1)" << Qt::endl;
    return 0;
}

} // namespace

PANEL_BENCH("mainwindow", mainWindowBench);
