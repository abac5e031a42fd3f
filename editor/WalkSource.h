#pragma once

namespace orvane {

// Whose walks the editor draws over its map: the simulated newcomer's
// (F7), or the player's own recorded runs of the maze (Shift+F7).
enum class WalkSource { None, Newcomer, Runs };

} // namespace orvane
