#include "FixedStepTimeTicker.h"

#include <cmath>

FixedStepTimeTicker::FixedStepTimeTicker(double stepSeconds)
    : step(stepSeconds > 0 ? stepSeconds : 1.0)
{
}

void FixedStepTimeTicker::setTickStep(double seconds)
{
    if (seconds > 0)
        step = seconds;
}

double FixedStepTimeTicker::getTickStep(const QCPRange &range)
{
    // Ticks at whole multiples of the step from the epoch, as with a plain
    // numeric axis; the date strategies of the base class are not wanted here.
    mDateStrategy = dsNone;
    const double ticks = range.size() / step;
    if (ticks > MaxTicks)
        return std::ceil(ticks / MaxTicks) * step;
    return step;
}
