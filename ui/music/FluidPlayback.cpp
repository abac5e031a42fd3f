#include "FluidPlayback.h"

#include <fluidsynth.h>

namespace orvane {

FluidPlayback::FluidPlayback(FluidEngine& engine, const QByteArray& midi) : engine_(engine)
{
    if (!engine.synth() || midi.isEmpty())
        return;
    FluidEngine::RenderPause pause(engine);
    player_ = new_fluid_player(engine.synth());
    if (!player_)
        return;
    fluid_player_set_tick_callback(player_, &FluidPlayback::onTick, this);
    if (fluid_player_add_mem(player_, midi.constData(), size_t(midi.size())) != FLUID_OK) {
        delete_fluid_player(player_);
        player_ = nullptr;
    }
}

FluidPlayback::~FluidPlayback()
{
    if (!player_)
        return;
    FluidEngine::RenderPause pause(engine_);
    delete_fluid_player(player_);
}

void FluidPlayback::play()
{
    if (!player_)
        return;
    FluidEngine::RenderPause pause(engine_);
    fluid_player_play(player_);
}

void FluidPlayback::pause()
{
    if (!player_)
        return;
    FluidEngine::RenderPause pause(engine_);
    fluid_player_stop(player_);
}

bool FluidPlayback::hasEnded() const
{
    const int tick = tick_.load();
    const int total = totalTicks_.load();
    return total > 0 && tick >= total;
}

int FluidPlayback::onTick(void* data, int tick)
{
    auto* self = static_cast<FluidPlayback*>(data);
    // The tracks are parsed by now and stay as they are until the player goes.
    if (self->totalTicks_.load() < 0)
        self->totalTicks_.store(fluid_player_get_total_ticks(self->player_));
    self->tick_.store(tick);
    return FLUID_OK;
}

} // namespace orvane
