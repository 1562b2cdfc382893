#pragma once
#include "PointHistorySample.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <QSharedPointer>
#include <QTimer>
#include <QVector>

class MyConfigOptions;
class QCustomPlot;
class QCPAbstractLegendItem;
class QCPLegend;
class QCPRange;
class FixedStepTimeTicker;
class QMouseEvent;
class QWheelEvent;
namespace Ui {
class DialogPlot;
}

// The chart of analog values against time: one series per point the user added,
// drawn from the point's sample history, which the monitor core keeps and only
// appends to. While real-time plotting is on, a 500 ms timer draws the samples
// that arrived and keeps the newest time window in view.
class DialogPlot : public QDialog {
    Q_OBJECT
public:
    // The time window, in seconds, that the mouse wheel can set.
    static constexpr int MinTimeWindow = 1;
    static constexpr int MaxTimeWindow = 600;

    DialogPlot(MyConfigOptions *options, QWidget *parent);
    ~DialogPlot() override;

    // Loop 1-8 and address 1-250 as the user sees them; `history` stays owned by
    // the caller and must outlive the dialog.
    void addPoint(int loop, int address, const QList<PointHistorySample> *history);

    // For the views that drive and check the chart.
    QCustomPlot *plot() const { return plotWidget; }
    int seriesCount() const { return int(histories.size()); }
    int currentSeries() const { return currentSerie; }
    int timeWindowSeconds() const { return timeWindow; }
    double tickStepSeconds() const;

public slots:
    void mousePress();
    void mouseWheel(QWheelEvent *event);
    void timeOutPlot();
    void realTimePlott();
    void selectionChanged();
    void removeSelectedSerie();
    void slotChangeData();
    void slotClearPlot();
    void slotClosePlot();
    void slotLegendDobleClick(QCPLegend *legend, QCPAbstractLegendItem *item, QMouseEvent *event);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupPlot();
    void updateLabels();
    void applyClamps(bool afterWheel);
    // Holds both axes inside the bounds whatever moved them (the library's own
    // drag and zoom included), before the plot is drawn.
    void boundRanges();
    void removeSeries(int index);
    int valueOf(const PointHistorySample &sample) const;
    QCPAbstractLegendItem *legendItem(int index) const;

    Ui::DialogPlot *ui;
    QCustomPlot *plotWidget = nullptr;
    QSharedPointer<FixedStepTimeTicker> ticker;
    QTimer timer;
    int timeWindow = 20;
    int wheelRemainder = 0;   // eighths of a degree not yet turned into a second
    QVector<quint8> loops;
    QVector<quint8> addresses;
    QVector<const QList<PointHistorySample> *> histories;
    QVector<qint32> maxValues;
    QVector<qint32> minValues;
    QVector<qint32> avgValues;
    QVector<double> lastTimes;
    QVector<QColor> palette;
    int currentSerie = -1;
    MyConfigOptions *options;
};
