#pragma once

#include "FluidEngine.h"

#include <QByteArray>

#include <atomic>
#include <memory>

namespace orvane {

// One FluidSynth player over a MIDI file held in memory, stopped at the
// file's start when made. The player parses the file when it first plays, on
// the audio thread; the position it reaches there is published for the UI
// thread to read. Every step waits for the renderer at most
// FluidEngine::RenderWaitLimit and does nothing once the engine is broken.
class FluidPlayback {
public:
    FluidPlayback(FluidEngine& engine, const QByteArray& midi);
    ~FluidPlayback();
    FluidPlayback(const FluidPlayback&) = delete;
    FluidPlayback& operator=(const FluidPlayback&) = delete;

    // False when FluidSynth refused the player or the file, or the engine is
    // broken.
    bool isValid() const { return progress_->player != nullptr; }

    // Plays on from the current position.
    void play();
    // Stops at the current position; the notes still sounding are released.
    void pause();

    // True once the position has reached the file's last tick. A file that
    // spans no time, or that FluidSynth could not parse, never ends.
    bool hasEnded() const;

private:
    // What the audio thread touches, apart so that it can be left behind
    // with a player FluidSynth is stuck in.
    struct Progress {
        fluid_player_t* player = nullptr;
        // The total first, so a reader that sees a tick also sees the total.
        std::atomic<int> totalTicks{-1};
        std::atomic<int> tick{-1};
    };

    static int onTick(void* data, int tick);

    FluidEngine& engine_;
    std::unique_ptr<Progress> progress_;
};

} // namespace orvane
