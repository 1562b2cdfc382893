// An hour of polling a full loop with the monitor's views on show (offscreen):
// 7,200 ticks of the 500 ms poll timer over 250 points, the main window's
// refresh every third tick (1.5 s: statistics, counters, bar chart), and the
// real-time chart of 8 points holding 10,000 samples each, ticking with the poll
// (its own 500 ms timer) while new samples arrive. Each figure includes the
// painting the event loop then does; the whole table is also repainted at every
// refresh (as after a sort, a scroll or an expose), timed on its own.
// With MONITORBENCH_SHOT set to a file name, the main window as the hour left it
// is saved there as a picture, to compare the look of two builds.
#include "Bench.h"

#include "DialogPlot.h"
#include "MyConfigOptions.h"
#include "MyMainWidget.h"
#include "PanelMemoryMap.h"
#include "PanelModel.h"
#include "PointHistory.h"
#include "SimPanel.h"
#include "SimPointCommands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <algorithm>
#include <array>
#include <qcustomplot.h>

namespace {

constexpr int Points = 250;
constexpr int TicksPerHour = 60 * 60 * 2;   // 500 ms period
constexpr int RefreshEvery = 3;             // 1500 ms
constexpr int ChartPoints = 8;
constexpr int ChartSamples = PointHistory::MaxSamplesPerPoint;

// Types 1-12 in turn, so every column, icon and bar has something to show.
void configureLoop()
{
    using namespace PanelMemoryMap;
    sim::SimPanel &panel = sim::SimPanel::instance();
    for (int page = 0; page < PagesPerLoop; ++page)
        panel.setPage(DeviceFirstPage + page, QByteArray(PageSize, '\0'));
    for (int a = 0; a < Points; ++a) {
        QByteArray r(RecordSize, '\0');
        r[0] = char(1 + a % 12);
        const QByteArray description = "Point " + QByteArray::number(a + 1);
        r.replace(1, description.size(), description);
        r[25] = char(a % 20);
        r[27] = char(1);
        panel.setPageBytes(devicePage(0, a), deviceOffset(a), r);
    }
}

struct Figures {
    QVector<double> ms;
    void add(qint64 ns) { ms.append(double(ns) / 1e6); }
    QString line() const
    {
        QVector<double> s = ms;
        std::sort(s.begin(), s.end());
        double sum = 0;
        for (double v : s)
            sum += v;
        auto at = [&](double q) { return s.at(qMin(s.size() - 1, qsizetype(q * double(s.size())))); };
        return QStringLiteral("mean %1 ms, median %2 ms, 99th percentile %3 ms, max %4 ms (%5 runs)")
            .arg(sum / double(s.size()), 0, 'f', 3)
            .arg(at(0.5), 0, 'f', 3)
            .arg(at(0.99), 0, 'f', 3)
            .arg(s.last(), 0, 'f', 3)
            .arg(s.size());
    }
};

PointHistorySample sample(const QDateTime &t, int value)
{
    PointHistorySample s;
    s.timestamp = t;
    s.normalizedValue = value;
    s.absoluteValue = 100 + value;
    return s;
}

int viewsHour(QTextStream &out)
{
    sim::SimPanel::instance().reset();
    sim::SimPointCommands commands;
    commands.setPollAll(1, sim::SimPointCommands::pollReply(0, 40));
    commands.setPollAll(0, sim::SimPointCommands::pollReply(0, 120));
    configureLoop();

    PanelModel model;
    if (!model.openPort() || !model.exploreLoop(0)) {
        out << "  could not connect to the simulated panel" << Qt::endl;
        return 1;
    }
    model.setDataLogging(true, QString());
    model.setPollFlags(true, true);

    MyConfigOptions options;
    options.setDefaults();
    options.absoluteVals = true;
    options.currentLoop = 0;
    MyMainWidget widget(&model, &options);
    widget.resize(1600, 900);
    widget.show();
    widget.setDynamicSort(false);   // as while polling
    auto *table = widget.findChild<QTableView *>(QStringLiteral("tvLoop"));

    // Eight sample lists as the core keeps them after hours of polling: one
    // sample every 4 s per point (8 points polled in turn at 500 ms).
    const QDateTime start = QDateTime::currentDateTime().addSecs(-qint64(ChartSamples) * 4);
    std::array<QList<PointHistorySample>, ChartPoints> histories;
    for (int p = 0; p < ChartPoints; ++p)
        for (int i = 0; i < ChartSamples; ++i)
            histories[size_t(p)].append(sample(start.addMSecs(qint64(i) * 4000 + p * 500), (i * 7 + p * 13) % 200));
    DialogPlot plot(&options, &widget);
    plot.resize(1000, 600);
    plot.show();
    QElapsedTimer timer;
    timer.start();
    for (int p = 0; p < ChartPoints; ++p)
        plot.addPoint(1, p + 1, &histories[size_t(p)]);
    const double addMs = double(timer.nsecsElapsed()) / 1e6;
    QApplication::processEvents();

    Figures refresh, fullTable, replot;
    qint64 pollNs = 0;
    QDateTime now = start.addMSecs(qint64(ChartSamples) * 4000);
    for (int tick = 0; tick < TicksPerHour; ++tick) {
        // the core appends to one of the charted points per tick
        now = now.addMSecs(500);
        QList<PointHistorySample> &h = histories[size_t(tick % ChartPoints)];
        h.append(sample(now, tick % 200));
        if (h.size() > ChartSamples)
            h.removeFirst();

        timer.restart();
        plot.timeOutPlot();
        QApplication::processEvents();
        replot.add(timer.nsecsElapsed());

        timer.restart();
        model.timerSlot();
        pollNs += timer.nsecsElapsed();

        if (tick % RefreshEvery == 0) {
            timer.restart();
            // what the main window's refresh does
            quint8 loops = 0, presence[8], maxPoints = 0;
            model.readPanelInfo(loops, presence, maxPoints);
            widget.showPanelStatistics(loops, maxPoints, model.panelVersion(), QString());
            QVector<int> counts;
            for (int type = 1; type <= 10; ++type)
                counts << model.countPointsOfType(0, quint8(type));
            int errors = 0, polls = 0;
            model.loopCommsTotals(0, errors, polls);
            widget.showCounters(model.countPresentPoints(0), polls, errors, model.countPointsInError(0), counts);
            QApplication::processEvents();
            refresh.add(timer.nsecsElapsed());

            timer.restart();
            table->viewport()->repaint();
            fullTable.add(timer.nsecsElapsed());
        } else {
            QApplication::processEvents();   // the polled row's repaint
        }
        if ((tick & 1023) == 0) {
            sim::SimPanel::instance().clearLogs();
            commands.clearRequests();
        }
    }

    const QString shot = qEnvironmentVariable("MONITORBENCH_SHOT");
    if (!shot.isEmpty() && !widget.grab().save(shot))
        out << "  could not save the picture " << shot << Qt::endl;

    out << "  loop of " << Points << " points, " << TicksPerHour << " poll ticks (an hour), table "
        << table->viewport()->width() << " x " << table->viewport()->height() << " px, chart "
        << plot.plot()->width() << " x " << plot.plot()->height() << " px" << Qt::endl;
    out << "    poll tick (model, 2 requests): " << QString::number(double(pollNs) / TicksPerHour / 1000.0, 'f', 1)
        << " us" << Qt::endl;
    out << "    refresh (statistics, counters, bar chart, polled row): " << refresh.line() << Qt::endl;
    out << "    whole table repainted: " << fullTable.line() << Qt::endl;
    out << "    chart tick (8 x " << ChartSamples << " samples: new samples, labels, replot, repaint): "
        << replot.line() << Qt::endl;
    out << "    adding the 8 series (whole histories drawn): " << QString::number(addMs, 'f', 1) << " ms" << Qt::endl;
    return 0;
}

} // namespace

PANEL_BENCH("views", viewsHour);
