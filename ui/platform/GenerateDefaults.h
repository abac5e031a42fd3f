#pragma once

#include "MazeConstants.h"
#include "generate/Generator.h"

#include <cstdint>
#include <optional>

namespace orvane {

struct MazeHeader;

// What the generator dialog opens with.
struct GenerateDefaults {
    // The fields as shown: size, aim, traps, arrows, time limit and seed (title
    // and music are passed through to the answer unchanged).
    generate::Request request;
    // The selection's size: the maze fills the selection, so its size is
    // fixed. Nothing: the size is one of MapSizes, chosen in the dialog.
    std::optional<MapSize> selection;
};

// The defaults for a maze with `header`, into a selection of `selection`'s
// size or as the whole map: the last request confirmed, or the default one,
// for the selection's size, or else for the map's when nothing was asked
// before and it is one of MapSizes; brought within what that size reaches
// (generate::withinReach), with `seed`, and the maze's title and music (a
// whole map keeps them).
GenerateDefaults generateDefaults(const std::optional<generate::Request>& last,
                                  const MazeHeader& header, std::optional<MapSize> selection,
                                  uint64_t seed);

} // namespace orvane
