#pragma once

#include "EngineSource.h"
#include "FluidEngine.h"
#include "FluidPlayback.h"
#include "MusicDevice.h"

#include <QByteArray>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>

namespace orvane {

// The MCI sequencer device (MMC1) on FluidSynth. Commands act only while the
// device type is "sequencer". "open" reads the file itself and keeps its
// bytes; "prev" rewinds to the start and stops; "play" plays on from the
// current position and returns at once (at the end of the file it does
// nothing until "prev" or "open"); "stop" stops where it is; "close" forgets
// the file. Each playback raises done() once, queued to the UI thread: when it
// runs to its end, or when "stop" ends it. Nothing else raises done().
// Failures report nothing; an "open" or "prev" that fails leaves the device
// closed. Every command waits for the audio thread at most
// FluidEngine::RenderWaitLimit; once the engine is broken the device stays
// closed and silent, and commands do nothing.
class FluidMusicDevice : public MusicDevice {
    Q_OBJECT
public:
    // How often a running playback is checked for its end.
    static constexpr int EndPollIntervalMs = 20;

    // "open" waits at most `openWait` for the engine; without it the device
    // stays closed and silent.
    FluidMusicDevice(std::shared_ptr<EngineSource> engines, std::chrono::milliseconds openWait,
                     QObject* parent = nullptr);
    ~FluidMusicDevice() override;

    void setDeviceType(const QString& type) override;
    void setFileName(const QString& path) override;
    void command(const QString& command) override;

private:
    enum class State {
        Closed,
        Stopped, // open, not playing
        Playing,
        Ended, // open, the last playback ran to the end of the file
    };

    void open();
    void rewind();
    void play();
    void stop();
    void close();
    void checkEnd();
    void postDone(int notifyCode);

    std::shared_ptr<EngineSource> engines_;
    std::chrono::milliseconds openWait_;
    std::shared_ptr<FluidEngine> engine_; // once an "open" got it
    QString deviceType_;
    QString fileName_;
    QByteArray midi_; // the open file's bytes
    std::unique_ptr<FluidPlayback> playback_;
    State state_ = State::Closed;
    QTimer endPoll_;
};

} // namespace orvane
