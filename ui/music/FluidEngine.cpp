#include "FluidEngine.h"

#include "FluidLog.h"

#include <QFile>
#include <QFileInfo>

#include <fluidsynth.h>

namespace orvane {

namespace {

const QString PulseAudioDriver = QStringLiteral("pulseaudio");
const QString AlsaDriver = QStringLiteral("alsa");
const QString FileDriver = QStringLiteral("file");

// ALSA is tried only where the kernel offers sound devices.
const QString SoundDevicesDir = QStringLiteral("/dev/snd");
// Where the file driver writes when there is no sound output at all.
constexpr const char* SilentOutputPath = "/dev/null";

} // namespace

QStringList FluidEngine::defaultSoundFonts()
{
    return {QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")};
}

QStringList FluidEngine::defaultAudioDrivers()
{
    return {PulseAudioDriver, AlsaDriver, FileDriver};
}

FluidEngine::FluidEngine(Output output, const QStringList& soundFonts,
                         const QStringList& audioDrivers)
    : output_(output)
{
    installFluidLog();
    settings_ = new_fluid_settings();
    if (!settings_)
        return;
    // The device resets the synthesizer itself at open, rewind and close; a
    // player must not reset it seconds after its song ended.
    fluid_settings_setint(settings_, "player.reset-synth", 0);
    synth_ = new_fluid_synth(settings_);
    if (!synth_)
        return;
    // FluidSynth 2.3.1 leaves the reverb's delay lines as malloc returned
    // them: on a reused heap a fresh synthesizer can play full-scale noise
    // until it is reset.
    reset();
    loadSoundFont(soundFonts);
    if (output_ == Output::Realtime)
        startAudioDriver(audioDrivers);
}

FluidEngine::~FluidEngine()
{
    // The driver goes first: nothing may render while the synthesizer goes.
    if (driver_)
        delete_fluid_audio_driver(driver_);
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

void FluidEngine::loadSoundFont(const QStringList& candidates)
{
    for (const QString& path : candidates) {
        if (!QFileInfo(path).isFile())
            continue;
        if (fluid_synth_sfload(synth_, QFile::encodeName(path).constData(), 1) != FLUID_FAILED) {
            soundFont_ = path;
            return;
        }
    }
}

void FluidEngine::startAudioDriver(const QStringList& names)
{
    FluidLogCapture capture;
    for (const QString& name : names) {
        if (name == AlsaDriver && !QFileInfo::exists(SoundDevicesDir))
            continue;
        driver_ = createDriver(name);
        if (driver_) {
            driverName_ = name;
            return;
        }
    }
    // No output at all: the music stays silent and never ends by itself.
    capture.printHeld();
}

fluid_audio_driver_t* FluidEngine::createDriver(const QString& name)
{
    fluid_settings_setstr(settings_, "audio.driver", name.toUtf8().constData());
    if (name != FileDriver)
        return new_fluid_audio_driver2(settings_, &FluidEngine::renderCallback, this);
    // The file driver paces itself in real time but takes no render
    // callback: a RenderPause takes it down and starts it again.
    fluid_settings_setstr(settings_, "audio.file.name", SilentOutputPath);
    fluid_settings_setstr(settings_, "audio.file.type", "raw");
    return new_fluid_audio_driver(settings_, synth_);
}

int FluidEngine::renderCallback(void* data, int frames, int, float*[], int outCount, float* out[])
{
    auto* engine = static_cast<FluidEngine*>(data);
    if (outCount < 2)
        return FLUID_FAILED;
    std::lock_guard lock(engine->renderMutex_);
    return fluid_synth_write_float(engine->synth_, frames, out[0], 0, 1, out[1], 0, 1);
}

bool FluidEngine::render(int16_t* out, int frames)
{
    if (output_ != Output::Offline || !synth_ || frames <= 0)
        return false;
    std::lock_guard lock(renderMutex_);
    return fluid_synth_write_s16(synth_, frames, out, 0, 2, out, 1, 2) == FLUID_OK;
}

void FluidEngine::silence()
{
    if (synth_)
        fluid_synth_all_sounds_off(synth_, -1);
}

void FluidEngine::reset()
{
    if (synth_)
        fluid_synth_system_reset(synth_);
}

FluidEngine::RenderPause::RenderPause(FluidEngine& engine)
    : engine_(engine), lock_(engine.renderMutex_)
{
    if (engine.driver_ && engine.driverName_ == FileDriver) {
        delete_fluid_audio_driver(engine.driver_);
        engine.driver_ = nullptr;
        restartDriver_ = true;
    }
}

FluidEngine::RenderPause::~RenderPause()
{
    if (restartDriver_)
        engine_.driver_ = engine_.createDriver(FileDriver);
}

} // namespace orvane
