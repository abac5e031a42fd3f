#pragma once

#include "FluidEngine.h"
#include "PlatformServices.h"

#include <memory>

namespace orvane {

// Makes music devices that all play through one FluidEngine.
class FluidMusicDeviceFactory : public MusicDeviceFactory {
public:
    // The engine plays in real time and is made with the first device, so the
    // SoundFont loads only once music is wanted.
    FluidMusicDeviceFactory() = default;
    // Devices share the given engine (an offline one in tests).
    explicit FluidMusicDeviceFactory(std::shared_ptr<FluidEngine> engine);

    std::unique_ptr<MusicDevice> createMusicDevice() override;

private:
    std::shared_ptr<FluidEngine> engine_;
};

} // namespace orvane
