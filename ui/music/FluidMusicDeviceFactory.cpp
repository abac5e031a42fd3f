#include "FluidMusicDeviceFactory.h"

#include "FluidMusicDevice.h"

namespace orvane {

FluidMusicDeviceFactory::FluidMusicDeviceFactory(std::shared_ptr<FluidEngine> engine)
    : engine_(std::move(engine))
{
}

std::unique_ptr<MusicDevice> FluidMusicDeviceFactory::createMusicDevice()
{
    if (!engine_)
        engine_ = std::make_shared<FluidEngine>(FluidEngine::Output::Realtime);
    return std::make_unique<FluidMusicDevice>(engine_);
}

} // namespace orvane
