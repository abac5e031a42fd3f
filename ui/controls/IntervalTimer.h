#pragma once

#include <QObject>
#include <QTimer>

namespace orvane {

// A window timer: ticks every Interval milliseconds on the UI thread; an
// interval of 0 stops it.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(QObject* parent);
    int Interval() const { return interval_; }
    void setInterval(int milliseconds);

signals:
    void Timer();

private:
    QTimer timer_;
    int interval_ = 0;
};

} // namespace orvane
