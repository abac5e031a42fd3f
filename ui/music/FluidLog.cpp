#include "FluidLog.h"

#include <fluidsynth.h>

#include <cstdio>
#include <mutex>

namespace orvane {

namespace {

// FluidSynth logs from its audio and timer threads too.
std::mutex logMutex;
std::vector<std::string>* heldErrors = nullptr;

void printError(const std::string& message)
{
    std::fprintf(stderr, "fluidsynth: %s\n", message.c_str());
}

void logError(int, const char* message, void*)
{
    std::lock_guard lock(logMutex);
    if (heldErrors)
        heldErrors->emplace_back(message);
    else
        printError(message);
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

FluidLogCapture::FluidLogCapture()
{
    installFluidLog();
    std::lock_guard lock(logMutex);
    previous_ = heldErrors;
    heldErrors = &held_;
}

FluidLogCapture::~FluidLogCapture()
{
    std::lock_guard lock(logMutex);
    heldErrors = previous_;
}

void FluidLogCapture::printHeld()
{
    std::lock_guard lock(logMutex);
    for (const std::string& message : held_)
        printError(message);
    held_.clear();
}

} // namespace orvane
