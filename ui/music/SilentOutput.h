#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace orvane {

// Stands in for an audio driver where no sound output works: calls a render
// callback in real time on its own thread and drops the samples, so that a
// player still keeps time.
class SilentOutput {
public:
    // FluidSynth's audio callback (fluid_audio_func_t).
    using RenderFunction = int (*)(void* data, int frames, int fxCount, float* fx[], int outCount,
                                   float* out[]);
    // Frames rendered per call, about 12 ms at 44.1 kHz.
    static constexpr int PeriodFrames = 512;

    // Starts calling render(data, PeriodFrames, 0, nullptr, 2, out) at once.
    SilentOutput(double sampleRate, RenderFunction render, void* data);
    // Stops and waits for the call under way.
    ~SilentOutput();
    SilentOutput(const SilentOutput&) = delete;
    SilentOutput& operator=(const SilentOutput&) = delete;

private:
    using Clock = std::chrono::steady_clock;

    void run();

    const RenderFunction render_;
    void* const data_;
    const Clock::duration period_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_; // last: starts once the rest is made
};

} // namespace orvane
