#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <mutex>

#include <fluidsynth/types.h>

namespace orvane {

// The program's one FluidSynth synthesizer, its SoundFont (loaded once) and,
// in real time, its audio driver. FluidSynth forbids creating, driving or
// deleting a player while the synthesizer renders: every such step runs under
// a RenderPause.
class FluidEngine {
public:
    enum class Output {
        Realtime, // an audio driver renders on its own thread
        Offline,  // nothing renders until the caller calls render()
    };

    // Searched in this order; the first that loads is used.
    static QStringList defaultSoundFonts();
    // Tried in this order: PulseAudio (also serves PipeWire), ALSA only when
    // the machine has sound devices, else raw samples to /dev/null so the
    // player still keeps time.
    static QStringList defaultAudioDrivers();

    explicit FluidEngine(Output output, const QStringList& soundFonts = defaultSoundFonts(),
                         const QStringList& audioDrivers = defaultAudioDrivers());
    ~FluidEngine();
    FluidEngine(const FluidEngine&) = delete;
    FluidEngine& operator=(const FluidEngine&) = delete;

    // Null only when FluidSynth could not even make a synthesizer.
    fluid_synth_t* synth() const { return synth_; }
    // The SoundFont in use, or empty: the synthesizer then plays silence.
    QString soundFont() const { return soundFont_; }
    // The audio driver in use ("pulseaudio", "alsa", "file"), or empty.
    QString audioDriver() const { return driverName_; }

    // Offline only: renders frames of interleaved 16-bit stereo into out,
    // which holds 2 * frames values. Returns false in real time.
    bool render(int16_t* out, int frames);

    // Cuts every sounding voice at once, effects tails aside.
    void silence();
    // Cuts every voice and resets every channel's controllers and program.
    void reset();

    // Keeps the synthesizer from rendering while alive. Not reentrant.
    class RenderPause {
    public:
        explicit RenderPause(FluidEngine& engine);
        ~RenderPause();
        RenderPause(const RenderPause&) = delete;
        RenderPause& operator=(const RenderPause&) = delete;

    private:
        FluidEngine& engine_;
        std::unique_lock<std::mutex> lock_;
        bool restartDriver_ = false;
    };

private:
    void loadSoundFont(const QStringList& candidates);
    void startAudioDriver(const QStringList& names);
    fluid_audio_driver_t* createDriver(const QString& name);
    static int renderCallback(void* data, int frames, int fxCount, float* fx[], int outCount,
                              float* out[]);

    const Output output_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    QString soundFont_;
    QString driverName_;
    // Held by whoever renders: the driver's callback, render(), a RenderPause.
    std::mutex renderMutex_;
};

} // namespace orvane
