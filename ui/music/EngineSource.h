#pragma once

#include "FluidEngine.h"

#include <chrono>
#include <functional>
#include <future>
#include <memory>

namespace orvane {

// The one FluidEngine of the program, made once: on a background thread as
// soon as someone asks, so that loading the SoundFont never holds up a
// window. Used on the UI thread only.
class EngineSource {
public:
    using Maker = std::function<std::shared_ptr<FluidEngine>()>;

    explicit EngineSource(Maker maker);
    explicit EngineSource(std::shared_ptr<FluidEngine> ready);
    ~EngineSource(); // waits for a load that is under way
    EngineSource(const EngineSource&) = delete;
    EngineSource& operator=(const EngineSource&) = delete;

    // Starts making the engine in the background; later calls do nothing.
    void startLoading();
    // The engine, waiting at most `wait` for it (and starting the load if no
    // one has); null when it is not ready in time.
    std::shared_ptr<FluidEngine> get(std::chrono::milliseconds wait);

private:
    Maker maker_;
    std::shared_future<std::shared_ptr<FluidEngine>> engine_;
};

} // namespace orvane
