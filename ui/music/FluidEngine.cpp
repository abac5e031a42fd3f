#include "FluidEngine.h"

#include "Abandon.h"
#include "FluidLog.h"
#include "SilentOutput.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <functional>
#include <future>
#include <thread>

#include <fluidsynth.h>

namespace orvane {

namespace {

const QString PulseAudioDriver = QStringLiteral("pulseaudio");
const QString AlsaDriver = QStringLiteral("alsa");

// Runs work on a thread of its own and waits for it at most limit; false
// when it is still running then, and goes on alone.
bool finishesWithin(std::function<void()> work, std::chrono::milliseconds limit)
{
    auto task = std::make_shared<std::packaged_task<void()>>(std::move(work));
    std::future<void> finished = task->get_future();
    std::thread([task] { (*task)(); }).detach();
    return finished.wait_for(limit) == std::future_status::ready;
}

// ALSA is tried only where the kernel offers sound devices.
const QString SoundDevicesDir = QStringLiteral("/dev/snd");
constexpr double DefaultSampleRate = 44100;

} // namespace

struct FluidEngine::Renderer {
    // Held by whoever renders: the output's callback, render(), a RenderPause.
    std::timed_mutex mutex;
    fluid_synth_t* synth = nullptr;
    // Set for good when the engine breaks or goes: renderers write silence.
    std::atomic<bool> stopped{false};
    std::atomic<bool> broken{false};
};

QStringList FluidEngine::defaultSoundFonts()
{
    return {QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")};
}

QStringList FluidEngine::defaultAudioDrivers()
{
    return {PulseAudioDriver, AlsaDriver};
}

FluidEngine::FluidEngine(Output output, const QStringList& soundFonts,
                         const QStringList& audioDrivers)
    : output_(output), renderer_(std::make_unique<Renderer>())
{
    installFluidLog();
    settings_ = new_fluid_settings();
    if (!settings_)
        return;
    // The device resets the synthesizer itself at open, rewind and close; a
    // player must not reset it seconds after its song ended.
    fluid_settings_setint(settings_, "player.reset-synth", 0);
    renderer_->synth = new_fluid_synth(settings_);
    if (!renderer_->synth)
        return;
    // FluidSynth 2.3.1 leaves the reverb's delay lines as malloc returned
    // them: on a reused heap a fresh synthesizer can play full-scale noise
    // until it is reset.
    reset();
    loadSoundFont(soundFonts);
    if (output_ == Output::Realtime)
        startAudioOutput(audioDrivers);
}

FluidEngine::~FluidEngine()
{
    {
        // From here on the output renders silence: deleting it cannot wait
        // on FluidSynth.
        const RenderPause pause(*this);
        renderer_->stopped = true;
    }
    if (isBroken()) {
        // FluidSynth is stuck on the audio thread with the renderer in hand:
        // deleting the output would wait for that thread for ever, deleting
        // the synthesizer would pull it out from under it. All of it is left
        // behind on purpose, so that the program can still end.
        abandon(silentOutput_);
        abandon(renderer_);
        return;
    }
    // The output goes first: nothing may render while the synthesizer goes.
    silentOutput_.reset();
    if (driver_ && !finishesWithin([driver = driver_] { delete_fluid_audio_driver(driver); },
                                   RenderWaitLimit)) {
        // The audio thread is stuck in the sound system (a server that no
        // longer answers) and may still call back: what it touches is left
        // behind, as for a broken engine.
        abandon(renderer_);
        return;
    }
    if (renderer_->synth)
        delete_fluid_synth(renderer_->synth);
    if (settings_)
        delete_fluid_settings(settings_);
}

fluid_synth_t* FluidEngine::synth() const
{
    return renderer_->synth;
}

bool FluidEngine::isBroken() const
{
    return renderer_->broken;
}

void FluidEngine::loadSoundFont(const QStringList& candidates)
{
    for (const QString& path : candidates) {
        if (!QFileInfo(path).isFile())
            continue;
        if (fluid_synth_sfload(renderer_->synth, QFile::encodeName(path).constData(), 1) !=
            FLUID_FAILED) {
            soundFont_ = path;
            return;
        }
    }
}

void FluidEngine::startAudioOutput(const QStringList& driverNames)
{
    // A driver that fails before another one works is no error of the
    // program, nor is having no sound output at all.
    const FluidLogMute mute;
    for (const QString& name : driverNames) {
        if (name == AlsaDriver && !QFileInfo::exists(SoundDevicesDir))
            continue;
        fluid_settings_setstr(settings_, "audio.driver", name.toUtf8().constData());
        driver_ = new_fluid_audio_driver2(settings_, &FluidEngine::renderCallback, renderer_.get());
        if (driver_) {
            driverName_ = name;
            return;
        }
    }
    double sampleRate = DefaultSampleRate;
    fluid_settings_getnum(settings_, "synth.sample-rate", &sampleRate);
    silentOutput_ =
        std::make_unique<SilentOutput>(sampleRate, &FluidEngine::renderCallback, renderer_.get());
    driverName_ = SilentOutputName;
}

int FluidEngine::renderCallback(void* data, int frames, int, float*[], int outCount, float* out[])
{
    auto* renderer = static_cast<Renderer*>(data);
    if (outCount < 2)
        return FLUID_FAILED;
    std::lock_guard lock(renderer->mutex);
    if (!renderer->stopped)
        return fluid_synth_write_float(renderer->synth, frames, out[0], 0, 1, out[1], 0, 1);
    std::fill_n(out[0], frames, 0.0f);
    std::fill_n(out[1], frames, 0.0f);
    return FLUID_OK;
}

bool FluidEngine::render(int16_t* out, int frames)
{
    if (output_ != Output::Offline || !renderer_->synth || frames <= 0)
        return false;
    std::lock_guard lock(renderer_->mutex);
    if (!renderer_->stopped)
        return fluid_synth_write_s16(renderer_->synth, frames, out, 0, 2, out, 1, 2) == FLUID_OK;
    std::fill_n(out, 2 * frames, int16_t(0));
    return true;
}

void FluidEngine::silence()
{
    const RenderPause pause(*this);
    if (pause && renderer_->synth)
        fluid_synth_all_sounds_off(renderer_->synth, -1);
}

void FluidEngine::reset()
{
    const RenderPause pause(*this);
    if (pause && renderer_->synth)
        fluid_synth_system_reset(renderer_->synth);
}

FluidEngine::RenderPause::RenderPause(FluidEngine& engine)
{
    Renderer& renderer = *engine.renderer_;
    if (renderer.broken)
        return;
    std::unique_lock lock(renderer.mutex, std::defer_lock);
    if (lock.try_lock_for(RenderWaitLimit)) {
        lock_ = std::move(lock);
        return;
    }
    renderer.stopped = true;
    renderer.broken = true;
}

} // namespace orvane
