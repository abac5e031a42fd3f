#pragma once

#include <string>
#include <vector>

namespace orvane {

// Routes FluidSynth's log for the whole process: errors go to stderr,
// warnings, information and debug messages are dropped. Safe to call often.
void installFluidLog();

// While alive, FluidSynth's errors are held instead of printed: an audio
// driver that fails before another one works is no error of the program.
class FluidLogCapture {
public:
    FluidLogCapture();
    ~FluidLogCapture();
    FluidLogCapture(const FluidLogCapture&) = delete;
    FluidLogCapture& operator=(const FluidLogCapture&) = delete;

    // Prints what was held so far and forgets it.
    void printHeld();

private:
    std::vector<std::string> held_;
    std::vector<std::string>* previous_ = nullptr;
};

} // namespace orvane
