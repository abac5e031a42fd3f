#pragma once

#include "EngineSource.h"
#include "PlatformServices.h"

#include <chrono>
#include <memory>

namespace orvane {

// Makes music devices that all play through one FluidEngine. Making a device
// is instant; the engine is made in the background by preload() or by the
// first "open", which waits for it at most `openWait`.
class FluidMusicDeviceFactory : public MusicDeviceFactory {
public:
    static constexpr std::chrono::milliseconds DefaultOpenWait{5000};

    // A real-time engine with the default SoundFonts and audio drivers.
    FluidMusicDeviceFactory();
    // Devices share the given engine (an offline one in tests).
    explicit FluidMusicDeviceFactory(std::shared_ptr<FluidEngine> engine);
    // The engine is what `maker` makes, on a background thread; the end waits
    // for it at most `exitWait`.
    FluidMusicDeviceFactory(EngineSource::Maker maker, std::chrono::milliseconds openWait,
                            std::chrono::milliseconds exitWait = EngineSource::ExitWaitLimit);

    void preload() override;
    std::unique_ptr<MusicDevice> createMusicDevice() override;

private:
    std::shared_ptr<EngineSource> engine_;
    std::chrono::milliseconds openWait_ = DefaultOpenWait;
};

} // namespace orvane
