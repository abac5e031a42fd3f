#pragma once

#include "FluidEngine.h"

#include <QByteArray>

#include <atomic>

namespace orvane {

// One FluidSynth player over a MIDI file held in memory, stopped at the
// file's start when made. The player parses the file when it first plays, on
// the audio thread; the position it reaches there is published for the UI
// thread to read.
class FluidPlayback {
public:
    FluidPlayback(FluidEngine& engine, const QByteArray& midi);
    ~FluidPlayback();
    FluidPlayback(const FluidPlayback&) = delete;
    FluidPlayback& operator=(const FluidPlayback&) = delete;

    // False when FluidSynth refused the player or the file.
    bool isValid() const { return player_ != nullptr; }

    // Plays on from the current position.
    void play();
    // Stops at the current position; the notes still sounding are released.
    void pause();

    // True once the position has reached the file's last tick. A file that
    // spans no time, or that FluidSynth could not parse, never ends.
    bool hasEnded() const;

private:
    static int onTick(void* data, int tick);

    FluidEngine& engine_;
    fluid_player_t* player_ = nullptr;
    // Written on the audio thread; the total first, so a reader that sees a
    // tick also sees the total.
    std::atomic<int> totalTicks_{-1};
    std::atomic<int> tick_{-1};
};

} // namespace orvane
