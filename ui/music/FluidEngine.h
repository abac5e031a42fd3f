#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

#include <fluidsynth/types.h>

namespace orvane {

class SilentOutput;

// The program's one FluidSynth synthesizer, its SoundFont (loaded once) and,
// in real time, its audio output. FluidSynth forbids creating, driving or
// deleting a player while the synthesizer renders: every such step runs under
// a RenderPause, which waits for the renderer at most RenderWaitLimit. A wait
// that runs out breaks the engine for good: FluidSynth is taken to be stuck on
// the audio thread, nothing reaches it any more and the output is silence.
class FluidEngine {
public:
    enum class Output {
        Realtime, // an audio driver renders on its own thread
        Offline,  // nothing renders until the caller calls render()
    };

    // How long the UI thread waits for the synthesizer to finish rendering.
    static constexpr std::chrono::milliseconds RenderWaitLimit{500};
    // audioDriver() where no driver works.
    static inline const QString SilentOutputName = QStringLiteral("silent");

    // Searched in this order; the first that loads is used.
    static QStringList defaultSoundFonts();
    // Tried in this order: PulseAudio (also serves PipeWire), ALSA only when
    // the machine has sound devices. Where none works the samples are
    // rendered and dropped, so the player still keeps time.
    static QStringList defaultAudioDrivers();

    explicit FluidEngine(Output output, const QStringList& soundFonts = defaultSoundFonts(),
                         const QStringList& audioDrivers = defaultAudioDrivers());
    // Waits for the renderer, and for the audio driver to stop, at most
    // RenderWaitLimit each. A broken engine, or a driver that does not stop,
    // leaves FluidSynth's objects behind.
    ~FluidEngine();
    FluidEngine(const FluidEngine&) = delete;
    FluidEngine& operator=(const FluidEngine&) = delete;

    // Null only when FluidSynth could not even make a synthesizer.
    fluid_synth_t* synth() const;
    // The SoundFont in use, or empty: the synthesizer then plays silence.
    QString soundFont() const { return soundFont_; }
    // In real time the audio driver in use ("pulseaudio", "alsa") or
    // SilentOutputName; empty offline.
    QString audioDriver() const { return driverName_; }

    // True once a wait for the renderer ran out.
    bool isBroken() const;

    // Offline only: renders frames of interleaved 16-bit stereo into out,
    // which holds 2 * frames values; silence once the engine is broken.
    // Returns false in real time.
    bool render(int16_t* out, int frames);

    // Cuts every sounding voice at once, effects tails aside.
    void silence();
    // Cuts every voice and resets every channel's controllers and program.
    void reset();

    // Keeps the synthesizer from rendering while alive, if it could be had.
    // Not reentrant.
    class RenderPause {
    public:
        explicit RenderPause(FluidEngine& engine);
        RenderPause(const RenderPause&) = delete;
        RenderPause& operator=(const RenderPause&) = delete;

        // False when the engine is broken: FluidSynth must not be touched.
        explicit operator bool() const { return lock_.owns_lock(); }

    private:
        std::unique_lock<std::timed_mutex> lock_;
    };

private:
    struct Renderer;

    void loadSoundFont(const QStringList& candidates);
    void startAudioOutput(const QStringList& driverNames);
    static int renderCallback(void* data, int frames, int fxCount, float* fx[], int outCount,
                              float* out[]);

    const Output output_;
    // What the audio thread touches, apart from the engine so that a broken
    // engine can leave it behind.
    std::unique_ptr<Renderer> renderer_;
    fluid_settings_t* settings_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    std::unique_ptr<SilentOutput> silentOutput_;
    QString soundFont_;
    QString driverName_;
};

} // namespace orvane
