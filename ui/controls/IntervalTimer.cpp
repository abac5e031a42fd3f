#include "IntervalTimer.h"

namespace orvane {

IntervalTimer::IntervalTimer(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::Timer);
}

void IntervalTimer::setInterval(int milliseconds)
{
    interval_ = std::max(milliseconds, 0);
    if (interval_ == 0)
        timer_.stop();
    else
        timer_.start(interval_);
}

} // namespace orvane
