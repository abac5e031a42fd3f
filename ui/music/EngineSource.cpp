#include "EngineSource.h"

namespace orvane {

EngineSource::EngineSource(Maker maker) : maker_(std::move(maker)) {}

EngineSource::EngineSource(std::shared_ptr<FluidEngine> ready)
{
    std::promise<std::shared_ptr<FluidEngine>> made;
    made.set_value(std::move(ready));
    engine_ = made.get_future().share();
}

EngineSource::~EngineSource()
{
    if (engine_.valid())
        engine_.wait();
}

void EngineSource::startLoading()
{
    if (!engine_.valid())
        engine_ = std::async(std::launch::async, maker_).share();
}

std::shared_ptr<FluidEngine> EngineSource::get(std::chrono::milliseconds wait)
{
    startLoading();
    if (engine_.wait_for(wait) != std::future_status::ready)
        return nullptr;
    return engine_.get();
}

} // namespace orvane
