// Arbitrary bytes as a music file, the way the music device plays one: our
// rebuild, then FluidSynth's player on what it made, rendered offline for a
// while, stopped as "stop" does and deleted. Traps when a rebuilt file does
// not rebuild to itself or FluidSynth refuses it; libFuzzer's timeout catches
// a player that never returns.

#include "CanonicalMidi.h"
#include "FluidEngine.h"
#include "FluidPlayback.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

using namespace orvane;

constexpr int BlockFrames = 1024;
constexpr int PlayedBlocks = 8; // about 0.2 s
constexpr int StoppedBlocks = 1;

std::unique_ptr<FluidEngine> engine;

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

void render(int blocks)
{
    static std::vector<int16_t> samples(2 * BlockFrames);
    for (int i = 0; i < blocks; ++i)
        check(engine->render(samples.data(), BlockFrames));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // With a SoundFont, so that notes make voices.
    engine = std::make_unique<FluidEngine>(FluidEngine::Output::Offline);
    check(!engine->soundFont().isEmpty());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<QByteArray> midi = canonicalMidiFile(QByteArrayView(data, qsizetype(size)));
    if (!midi)
        return 0;
    check(canonicalMidiFile(*midi) == midi);

    engine->reset();
    FluidPlayback playback(*engine, *midi);
    check(playback.isValid());
    playback.play();
    render(PlayedBlocks);
    playback.pause();
    render(StoppedBlocks);
    return 0;
}
