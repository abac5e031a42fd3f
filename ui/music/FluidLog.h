#pragma once

namespace orvane {

// Routes FluidSynth's log for the whole process: errors go to stderr,
// warnings, information and debug messages are dropped. Safe to call often.
void installFluidLog();

// While alive, FluidSynth's errors are dropped instead of printed.
class FluidLogMute {
public:
    FluidLogMute();
    ~FluidLogMute();
    FluidLogMute(const FluidLogMute&) = delete;
    FluidLogMute& operator=(const FluidLogMute&) = delete;
};

} // namespace orvane
