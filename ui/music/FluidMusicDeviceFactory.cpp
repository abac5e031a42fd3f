#include "FluidMusicDeviceFactory.h"

#include "FluidMusicDevice.h"

namespace orvane {

FluidMusicDeviceFactory::FluidMusicDeviceFactory()
    : FluidMusicDeviceFactory(
          [] { return std::make_shared<FluidEngine>(FluidEngine::Output::Realtime); },
          DefaultOpenWait)
{
}

FluidMusicDeviceFactory::FluidMusicDeviceFactory(std::shared_ptr<FluidEngine> engine)
    : engine_(std::make_shared<EngineSource>(std::move(engine)))
{
}

FluidMusicDeviceFactory::FluidMusicDeviceFactory(EngineSource::Maker maker,
                                                 std::chrono::milliseconds openWait,
                                                 std::chrono::milliseconds exitWait)
    : engine_(std::make_shared<EngineSource>(std::move(maker), exitWait)), openWait_(openWait)
{
}

void FluidMusicDeviceFactory::preload()
{
    engine_->startLoading();
}

std::unique_ptr<MusicDevice> FluidMusicDeviceFactory::createMusicDevice()
{
    return std::make_unique<FluidMusicDevice>(engine_, openWait_);
}

} // namespace orvane
