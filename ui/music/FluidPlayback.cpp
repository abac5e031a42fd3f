#include "FluidPlayback.h"

#include "Abandon.h"

#include <fluidsynth.h>

namespace orvane {

FluidPlayback::FluidPlayback(FluidEngine& engine, const QByteArray& midi)
    : engine_(engine), progress_(std::make_unique<Progress>())
{
    if (!engine.synth() || midi.isEmpty())
        return;
    const FluidEngine::RenderPause pause(engine);
    if (!pause)
        return;
    fluid_player_t* player = new_fluid_player(engine.synth());
    if (!player)
        return;
    fluid_player_set_tick_callback(player, &FluidPlayback::onTick, progress_.get());
    if (fluid_player_add_mem(player, midi.constData(), size_t(midi.size())) != FLUID_OK) {
        delete_fluid_player(player);
        return;
    }
    progress_->player = player;
}

FluidPlayback::~FluidPlayback()
{
    if (!progress_->player)
        return;
    const FluidEngine::RenderPause pause(engine_);
    if (!pause) {
        // FluidSynth may be stuck inside this player on the audio thread: the
        // player stays, and so does what its callback writes to.
        abandon(progress_);
        return;
    }
    delete_fluid_player(progress_->player);
}

void FluidPlayback::play()
{
    if (!progress_->player)
        return;
    const FluidEngine::RenderPause pause(engine_);
    if (pause)
        fluid_player_play(progress_->player);
}

void FluidPlayback::pause()
{
    if (!progress_->player)
        return;
    const FluidEngine::RenderPause pause(engine_);
    if (pause)
        fluid_player_stop(progress_->player);
}

bool FluidPlayback::hasEnded() const
{
    const int tick = progress_->tick.load();
    const int total = progress_->totalTicks.load();
    return total > 0 && tick >= total;
}

int FluidPlayback::onTick(void* data, int tick)
{
    auto* progress = static_cast<Progress*>(data);
    // The tracks are parsed by now and stay as they are until the player goes.
    if (progress->totalTicks.load() < 0)
        progress->totalTicks.store(fluid_player_get_total_ticks(progress->player));
    progress->tick.store(tick);
    return FLUID_OK;
}

} // namespace orvane
