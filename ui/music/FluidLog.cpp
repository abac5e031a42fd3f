#include "FluidLog.h"

#include <fluidsynth.h>

#include <cstdio>
#include <mutex>

namespace orvane {

namespace {

// FluidSynth logs from its audio and timer threads too.
std::mutex logMutex;
int dropErrors = 0; // FluidLogMute objects alive

void logError(int, const char* message, void*)
{
    std::lock_guard lock(logMutex);
    if (!dropErrors)
        std::fprintf(stderr, "fluidsynth: %s\n", message);
}

void dropMessage(int, const char*, void*) {}

} // namespace

void installFluidLog()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        fluid_set_log_function(FLUID_PANIC, logError, nullptr);
        fluid_set_log_function(FLUID_ERR, logError, nullptr);
        fluid_set_log_function(FLUID_WARN, dropMessage, nullptr);
        fluid_set_log_function(FLUID_INFO, dropMessage, nullptr);
        fluid_set_log_function(FLUID_DBG, dropMessage, nullptr);
    });
}

FluidLogMute::FluidLogMute()
{
    installFluidLog();
    std::lock_guard lock(logMutex);
    ++dropErrors;
}

FluidLogMute::~FluidLogMute()
{
    std::lock_guard lock(logMutex);
    --dropErrors;
}

} // namespace orvane
