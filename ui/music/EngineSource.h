#pragma once

#include "FluidEngine.h"

#include <chrono>
#include <functional>
#include <memory>

namespace orvane {

// The one FluidEngine of the program, made once: on a background thread as
// soon as someone asks, so that loading the SoundFont never holds up a
// window. Used on the UI thread only.
class EngineSource {
public:
    using Maker = std::function<std::shared_ptr<FluidEngine>()>;

    // How long the end waits for a load under way: enough for a large
    // SoundFont on a slow disk, not for a sound server that never answers.
    static constexpr std::chrono::milliseconds ExitWaitLimit{5000};

    explicit EngineSource(Maker maker, std::chrono::milliseconds exitWait = ExitWaitLimit);
    explicit EngineSource(std::shared_ptr<FluidEngine> ready);
    // Waits for a load under way at most exitWait: a load that takes longer
    // is left behind, with the engine it may still make.
    ~EngineSource();
    EngineSource(const EngineSource&) = delete;
    EngineSource& operator=(const EngineSource&) = delete;

    // Starts making the engine in the background; later calls do nothing.
    void startLoading();
    // The engine, waiting at most `wait` for it (and starting the load if no
    // one has); null when it is not ready in time.
    std::shared_ptr<FluidEngine> get(std::chrono::milliseconds wait);

private:
    struct Load;

    Maker maker_;
    std::chrono::milliseconds exitWait_{};
    std::shared_ptr<Load> load_; // shared with the loading thread
};

} // namespace orvane
