#include "SilentOutput.h"

#include <algorithm>
#include <vector>

namespace orvane {

namespace {

constexpr int OutputChannels = 2;
// A render that falls further behind than this (a suspended machine, a slow
// file) is not caught up on.
constexpr std::chrono::milliseconds MaxLag{100};

} // namespace

SilentOutput::SilentOutput(double sampleRate, RenderFunction render, void* data)
    : render_(render), data_(data), period_(std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(PeriodFrames / sampleRate))),
      thread_([this] { run(); })
{
}

SilentOutput::~SilentOutput()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void SilentOutput::run()
{
    std::vector<float> left(PeriodFrames);
    std::vector<float> right(PeriodFrames);
    float* out[OutputChannels] = {left.data(), right.data()};
    Clock::time_point due = Clock::now();
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        lock.unlock();
        render_(data_, PeriodFrames, 0, nullptr, OutputChannels, out);
        lock.lock();
        due = std::max(due + period_, Clock::now() - MaxLag);
        wake_.wait_until(lock, due, [this] { return stopping_; });
    }
}

} // namespace orvane
