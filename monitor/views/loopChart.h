#pragma once
#include <QString>
#include <QVector>
#include <QWidget>

// The bar chart of the statistics pane: one bar per element type with its count
// and label, under a title bar with the number of devices of the loop.
class loopChart : public QWidget {
    Q_OBJECT
public:
    explicit loopChart(QWidget *parent);

    // Takes the parent's size (never below the minimum size) and repaints at
    // once. The title counts the sum of the bars.
    void setData(int loopNumber, QVector<int> counts, QVector<QString> labels);
    // The title counts `devices`: every element of the loop, also of the types
    // that have no bar.
    void setData(int loopNumber, QVector<int> counts, QVector<QString> labels, int devices);

    int total() const { return totalDevices; }
    int largestCount() const { return scale; }
    int loop() const { return loopNumber; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<int> counts;
    QVector<QString> labels;
    int scale = 1;
    int totalDevices = 0;
    int loopNumber = 0;
};
