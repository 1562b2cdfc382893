#pragma once
#include <qcustomplot.h>

// Time labels at a fixed step in seconds, as the real-time chart chooses it for
// its time window. However wide the axis is zoomed, at most MaxTicks ticks are
// made: past that the step grows by whole multiples of the chosen step, so no
// zoom can make a replot lay out millions of ticks.
class FixedStepTimeTicker : public QCPAxisTickerDateTime {
public:
    static constexpr int MaxTicks = 60;

    explicit FixedStepTimeTicker(double stepSeconds = 2.0);

    void setTickStep(double seconds);
    double tickStep() const { return step; }

protected:
    double getTickStep(const QCPRange &range) override;

private:
    double step;
};
