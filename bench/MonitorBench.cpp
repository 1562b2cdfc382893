// A simulated day of polling: 172,800 ticks of the point table's poll timer
// against an instant simulated panel with data logging on, one full loop of 250
// points (and a loop of 10 points, whose histories reach their bound); then the
// export of 250 points of 10,000 samples.
#include "Bench.h"

#include "PanelMemoryMap.h"
#include "PanelModel.h"
#include "PointHistory.h"
#include "SimPanel.h"
#include "SimPointCommands.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>

namespace {

constexpr int TicksPerDay = 24 * 60 * 60 * 2;   // 500 ms period
constexpr int ExportPoints = 250;
constexpr int ExportSamples = 10000;

double cpuSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

void configureLoop(int points)
{
    using namespace PanelMemoryMap;
    sim::SimPanel &panel = sim::SimPanel::instance();
    for (int page = 0; page < PagesPerLoop; ++page)
        panel.setPage(DeviceFirstPage + page, QByteArray(PageSize, '\0'));
    for (int a = 0; a < points; ++a) {
        QByteArray r(RecordSize, '\0');
        r[0] = char(1);
        r[27] = char(1);
        panel.setPageBytes(devicePage(0, a), deviceOffset(a), r);
    }
}

int pollDay(QTextStream &out, int points)
{
    sim::SimPanel::instance().reset();
    sim::SimPointCommands commands;
    commands.setPollAll(1, sim::SimPointCommands::pollReply(0, 40));
    commands.setPollAll(0, sim::SimPointCommands::pollReply(0, 120));
    configureLoop(points);

    PanelModel model;
    if (!model.openPort() || !model.exploreLoop(0)) {
        out << "  could not connect to the simulated panel" << Qt::endl;
        return 1;
    }
    model.setDataLogging(true, QString());
    model.setPollFlags(true, true);

    const double start = cpuSeconds();
    for (int tick = 0; tick < TicksPerDay; ++tick) {
        model.timerSlot();
        if ((tick & 1023) == 0) {   // the simulator's own request logs
            sim::SimPanel::instance().clearLogs();
            commands.clearRequests();
        }
    }
    const double cpu = cpuSeconds() - start;

    qint64 bytes = 0;
    qsizetype samples = 0, longest = 0;
    for (int a = 0; a < PointHistory::Addresses; ++a) {
        const QList<PointHistorySample> *l = model.history(0, quint8(a));
        bytes += qint64(l->capacity()) * qint64(sizeof(PointHistorySample));
        samples += l->size();
        longest = qMax(longest, l->size());
    }
    out << "  loop of " << points << " points, " << TicksPerDay << " ticks (2 requests each):" << Qt::endl;
    out << "    CPU per tick: " << QString::number(cpu / TicksPerDay * 1e6, 'f', 2) << " us ("
        << QString::number(cpu / TicksPerDay / 0.5 * 100, 'f', 4) << " % of the 500 ms period)" << Qt::endl;
    out << "    histories: " << samples << " samples, longest list " << longest << " (bound "
        << PointHistory::MaxSamplesPerPoint << "), " << QString::number(bytes / 1048576.0, 'f', 1) << " MiB held"
        << Qt::endl;
    return 0;
}

int exportBench(QTextStream &out)
{
    PointHistory history;
    const QDateTime t0 = QDateTime::currentDateTime();
    for (int k = 0; k < ExportSamples; ++k) {
        PointHistorySample s;
        s.timestamp = t0.toOffsetFromUtc(t0.offsetFromUtc()).addMSecs(qint64(k) * 500);
        s.normalizedValue = k % 256;
        s.absoluteValue = (k * 7) % 256;
        for (int a = 0; a < ExportPoints; ++a)
            history.append(0, a, s);
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("export.csv"));
    QElapsedTimer timer;
    timer.start();
    const double cpu0 = cpuSeconds();
    const bool ok = history.exportFile(0, file);
    const qint64 ms = timer.elapsed();
    const double cpu = cpuSeconds() - cpu0;
    out << "  export of " << ExportPoints << " points x " << ExportSamples << " samples: " << (ok ? "ok" : "FAILED")
        << ", " << QString::number(QFile(file).size() / 1048576.0, 'f', 1) << " MiB in " << ms << " ms ("
        << QString::number(cpu, 'f', 2) << " s CPU)" << Qt::endl;
    return ok ? 0 : 1;
}

int monitorBench(QTextStream &out)
{
    int failures = pollDay(out, 250);
    failures += pollDay(out, 10);
    failures += exportBench(out);
    return failures;
}

} // namespace

PANEL_BENCH("monitor", monitorBench);
