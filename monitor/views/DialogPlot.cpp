#include "DialogPlot.h"
#include "ui_DialogPlot.h"

#include "FixedStepTimeTicker.h"
#include "ViewsLogging.h"

#include "MyConfigOptions.h"

#include <QColorDialog>
#include <QResizeEvent>
#include <QWheelEvent>
#include <limits>
#include <qcustomplot.h>

namespace {
// Series ever added by any chart of the program: the colours go on cycling
// through the palette across clearings and new dialogs.
int serieCounter = 0;

double sampleTime(const PointHistorySample &s)
{
    return double(s.timestamp.toMSecsSinceEpoch()) / 1000.0;
}

// Bounds of the axes, whatever moved them.
constexpr double TimeLowest = 0;
constexpr double ValueLowest = -10;
constexpr double ValueHighest = 260;

// The range inside [lowest, highest]: a bound past a limit is put on the limit.
// A range wholly past a limit (dragged there) is brought back with its span
// instead: cut at the limit it would have no size left, and an axis without a
// size can neither be dragged nor zoomed open again.
QCPRange bounded(QCPRange r, double lowest, double highest)
{
    const double span = qMin(r.size(), highest - lowest);
    if (r.upper <= lowest)
        r = QCPRange(lowest, lowest + span);
    else if (r.lower < lowest)
        r.lower = lowest;
    if (r.lower >= highest)
        r = QCPRange(highest - span, highest);
    else if (r.upper > highest)
        r.upper = highest;
    return r;
}

void bound(QCPAxis *axis, double lowest, double highest)
{
    const QCPRange r = bounded(axis->range(), lowest, highest);
    if (r != axis->range())
        axis->setRange(r);
}

double tickStepFor(int window)
{
    if (window <= 25) return 2;
    if (window <= 45) return 5;
    if (window <= 90) return 10;
    if (window <= 110) return 20;
    return 40;
}
}

DialogPlot::DialogPlot(MyConfigOptions *options, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogPlot), options(options)
{
    ui->setupUi(this);
    ui->butErase->setEnabled(false);
    connect(ui->butErase, &QPushButton::clicked, this, &DialogPlot::removeSelectedSerie);
    connect(ui->butClearPlot, &QPushButton::clicked, this, &DialogPlot::slotClearPlot);
    connect(ui->butClose, &QPushButton::clicked, this, &DialogPlot::slotClosePlot);

    palette = {Qt::red, Qt::cyan, Qt::blue, Qt::darkCyan, Qt::darkRed, Qt::magenta, Qt::darkBlue, Qt::darkMagenta};
    setupPlot();
    plotWidget->setAutoFillBackground(true);
    plotWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    timer.setInterval(500);
    connect(&timer, &QTimer::timeout, this, &DialogPlot::timeOutPlot);
    connect(ui->cbRealTime, &QCheckBox::clicked, this, &DialogPlot::realTimePlott);
    connect(ui->cbNormalized, &QCheckBox::clicked, this, &DialogPlot::slotChangeData);
    connect(plotWidget, &QCustomPlot::legendDoubleClick, this, &DialogPlot::slotLegendDobleClick);
    connect(plotWidget, &QCustomPlot::selectionChangedByUser, this, &DialogPlot::selectionChanged);

    if (options != nullptr && !(options->normalized && options->absoluteVals)) {
        ui->cbNormalized->setChecked(options->absoluteVals);
        ui->cbNormalized->setEnabled(false);
    }
    ui->cbRealTime->setChecked(true);
    timer.start();
}

DialogPlot::~DialogPlot()
{
    timer.stop();
    if (plotWidget->graphCount() > 0)
        plotWidget->clearGraphs();
    loops.clear();
    addresses.clear();
    histories.clear();
    maxValues.clear();
    minValues.clear();
    avgValues.clear();
    lastTimes.clear();
    delete plotWidget;
    delete ui;
}

void DialogPlot::setupPlot()
{
    plotWidget = new QCustomPlot(this);
    plotWidget->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom | QCP::iSelectPlottables | QCP::iSelectLegend);

    ticker = QSharedPointer<FixedStepTimeTicker>::create(tickStepFor(timeWindow));
    ticker->setDateTimeFormat(QStringLiteral("hh:mm:ss"));
    plotWidget->xAxis->setTicker(ticker);

    plotWidget->yAxis->setRange(0, 100);
    plotWidget->yAxis->setLabel(tr("Analogic value"));

    plotWidget->axisRect()->setupFullAxesBox(false);
    plotWidget->xAxis2->setTicker(ticker);
    connect(plotWidget->xAxis, QOverload<const QCPRange &>::of(&QCPAxis::rangeChanged), plotWidget->xAxis2,
            QOverload<const QCPRange &>::of(&QCPAxis::setRange));
    connect(plotWidget->yAxis, QOverload<const QCPRange &>::of(&QCPAxis::rangeChanged), plotWidget->yAxis2,
            QOverload<const QCPRange &>::of(&QCPAxis::setRange));
    plotWidget->legend->setVisible(true);
    connect(plotWidget->xAxis, QOverload<const QCPRange &>::of(&QCPAxis::rangeChanged), this, [this] { boundRanges(); });
    connect(plotWidget->yAxis, QOverload<const QCPRange &>::of(&QCPAxis::rangeChanged), this, [this] { boundRanges(); });

    connect(plotWidget, &QCustomPlot::mousePress, this, &DialogPlot::mousePress);
    connect(plotWidget, &QCustomPlot::mouseWheel, this, &DialogPlot::mouseWheel);
}

double DialogPlot::tickStepSeconds() const
{
    return ticker->tickStep();
}

int DialogPlot::valueOf(const PointHistorySample &sample) const
{
    return ui->cbNormalized->isChecked() ? sample.absoluteValue : sample.normalizedValue;
}

QCPAbstractLegendItem *DialogPlot::legendItem(int index) const
{
    if (index < 0 || index >= plotWidget->graphCount())
        return nullptr;
    return plotWidget->legend->itemWithPlottable(plotWidget->graph(index));
}

void DialogPlot::addPoint(int loop, int address, const QList<PointHistorySample> *history)
{
    if (history == nullptr)
        return;
    loops.append(quint8(loop));
    addresses.append(quint8(address));
    histories.append(history);
    minValues.append(-1);
    maxValues.append(-1);
    avgValues.append(-1);
    lastTimes.append(0.0);
    currentSerie = int(histories.size()) - 1;

    QCPGraph *graph = plotWidget->addGraph(plotWidget->xAxis, plotWidget->yAxis);
    const QColor colour = palette.at(serieCounter % int(palette.size()));
    ++serieCounter;
    graph->setPen(QPen(colour, 2));
    graph->setSelectable(QCP::stWhole);
    graph->setName(tr("Point ") + QString::number(loops.last()) + QLatin1Char(':') + QString::number(addresses.last()));
    graph->setAntialiasedFill(true);
    // The new series is current, so Remove would no longer take away a series
    // the user chose before: that choice is dropped and asked for again.
    plotWidget->deselectAll();
    ui->butErase->setEnabled(false);

    updateLabels();
    timeOutPlot();
}

void DialogPlot::timeOutPlot()
{
    if (plotWidget->graphCount() == 0)
        return;
    updateLabels();
    double t = 0;
    for (int i = 0; i < histories.size() && i < plotWidget->graphCount(); ++i) {
        const QList<PointHistorySample> &history = *histories.at(i);
        QCPGraph *graph = plotWidget->graph(i);
        // Samples are appended in time order: only the tail newer than the last
        // one drawn needs a look.
        qsizetype first = history.size();
        while (first > 0 && sampleTime(history.at(first - 1)) > lastTimes.at(i))
            --first;
        if (first == history.size() && !history.isEmpty())
            t = sampleTime(history.last());
        for (qsizetype j = first; j < history.size(); ++j) {
            const PointHistorySample &s = history.at(j);
            t = sampleTime(s);
            if (t > lastTimes.at(i)) {
                graph->addData(t, valueOf(s));
                lastTimes[i] = t;
            }
        }
        plotWidget->xAxis->setRange(t + 0.25, timeWindow, Qt::AlignRight);
    }
    applyClamps(false);
    plotWidget->replot();
}

void DialogPlot::applyClamps(bool afterWheel)
{
    boundRanges();
    if (afterWheel && timeWindow > 90)
        plotWidget->yAxis->setRangeUpper(ValueHighest);
}

void DialogPlot::boundRanges()
{
    QCPAxis *x = plotWidget->xAxis;
    // The library zooms after the wheel slot has run and scales without limit:
    // the time span is brought back to the widest window, keeping its newest end.
    if (x->range().size() > MaxTimeWindow)
        x->setRange(x->range().upper, MaxTimeWindow, Qt::AlignRight);
    bound(x, TimeLowest, std::numeric_limits<double>::infinity());
    bound(plotWidget->yAxis, ValueLowest, ValueHighest);
}

void DialogPlot::updateLabels()
{
    if (currentSerie < 0 || currentSerie >= histories.size())
        return;
    const int i = currentSerie;
    ui->lblLoopVal->setText(QString::number(loops.at(i)));
    ui->lblAddVal->setText(QString::number(addresses.at(i)));
    const QList<PointHistorySample> &history = *histories.at(i);
    qint64 sum = -1;
    for (const PointHistorySample &s : history) {
        const int v = valueOf(s);
        if (v != -1 && (v < minValues.at(i) || minValues.at(i) == -1))
            minValues[i] = v;
        if (v != -1 && v > maxValues.at(i))
            maxValues[i] = v;
        if (sum == -1)
            sum = 0;
        if (v != -1)
            sum += v;
    }
    // The average counts every sample, those without a value too.
    avgValues[i] = history.isEmpty() ? -1 : qint32(sum / history.size());
    ui->lblMaxVal->setText(QString::number(maxValues.at(i)));
    ui->lblMinVal->setText(QString::number(minValues.at(i)));
    ui->lblAvgVal->setText(QString::number(avgValues.at(i)));
}

void DialogPlot::selectionChanged()
{
    bool found = false;
    for (int i = 0; i < plotWidget->graphCount(); ++i) {
        QCPGraph *graph = plotWidget->graph(i);
        QCPAbstractLegendItem *item = legendItem(i);
        if (graph->selected()) {
            currentSerie = i;
            if (item != nullptr)
                item->setSelected(true);
            found = true;
            break;
        }
        if (item != nullptr && item->selected()) {
            graph->setSelection(QCPDataSelection(graph->data()->dataRange()));
            currentSerie = i;
            found = true;
            break;
        }
    }
    ui->butErase->setEnabled(found);
    updateLabels();
}

void DialogPlot::removeSeries(int index)
{
    plotWidget->removeGraph(index);
    loops.remove(index);
    addresses.remove(index);
    histories.remove(index);
    maxValues.remove(index);
    minValues.remove(index);
    avgValues.remove(index);
    lastTimes.remove(index);
}

void DialogPlot::removeSelectedSerie()
{
    // Each removal asks for a new selection: the series that becomes current is
    // not the one the user chose.
    ui->butErase->setEnabled(false);
    if (currentSerie < 0 || currentSerie >= plotWidget->graphCount())
        return;
    removeSeries(currentSerie);
    currentSerie = plotWidget->graphCount() > 0 ? 0 : -1;
    plotWidget->replot();
}

void DialogPlot::slotChangeData()
{
    for (int i = 0; i < plotWidget->graphCount(); ++i) {
        lastTimes[i] = 0;
        plotWidget->graph(i)->data()->clear();
    }
    timeOutPlot();
}

void DialogPlot::realTimePlott()
{
    const bool on = ui->cbRealTime->isChecked();
    qCDebug(lcViews).noquote() << (on ? "true" : "false");
    if (!on && timer.isActive())
        timer.stop();
    else if (on && !timer.isActive())
        timer.start();
}

void DialogPlot::slotClearPlot()
{
    if (timer.isActive())
        ui->cbRealTime->click();
    while (plotWidget->graphCount() > 0)
        removeSeries(0);
    currentSerie = -1;
    ui->butErase->setEnabled(false);
    plotWidget->replot();
}

void DialogPlot::slotClosePlot()
{
    if (timer.isActive())
        ui->cbRealTime->click();
    slotClearPlot();
    deleteLater();
    close();
}

void DialogPlot::mousePress()
{
    plotWidget->axisRect()->setRangeDrag(Qt::Horizontal | Qt::Vertical);
    applyClamps(false);
}

void DialogPlot::mouseWheel(QWheelEvent *event)
{
    plotWidget->axisRect()->setRangeZoom(Qt::Horizontal | Qt::Vertical);
    // One notch of an ordinary wheel (120 eighths of a degree) is one second;
    // a high-resolution wheel sends smaller steps, which add up to notches.
    wheelRemainder += event->angleDelta().y();
    const int notches = wheelRemainder / 120;
    wheelRemainder -= notches * 120;
    timeWindow = qBound(MinTimeWindow, timeWindow - notches, MaxTimeWindow);
    qCDebug(lcViews).noquote() << "Axis size: " + QString::number(timeWindow);
    ticker->setTickStep(tickStepFor(timeWindow));
    applyClamps(true);
}

void DialogPlot::slotLegendDobleClick(QCPLegend *, QCPAbstractLegendItem *item, QMouseEvent *event)
{
    if (event == nullptr || event->type() != QEvent::MouseButtonDblClick)
        return;
    QCPAbstractLegendItem *current = legendItem(currentSerie);
    if (current == nullptr || item != current || !current->selected())
        return;
    QCPGraph *graph = plotWidget->graph(currentSerie);
    QColorDialog dialog(graph->pen().color(), this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted && plotWidget->graphCount() > currentSerie
        && plotWidget->graph(currentSerie) == graph) {
        QPen pen = graph->pen();
        pen.setColor(dialog.selectedColor());
        graph->setPen(pen);
    }
    plotWidget->deselectAll();
    plotWidget->replot();
}

void DialogPlot::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const QRect f = ui->frame->geometry();
    plotWidget->setGeometry(f.x(), f.y(), f.width() - 2, f.height() - 2);
}
