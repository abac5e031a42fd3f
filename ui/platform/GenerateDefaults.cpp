#include "GenerateDefaults.h"

#include "MazeHeader.h"
#include "edit/SizeChange.h"
#include "generate/Reach.h"

namespace orvane {

GenerateDefaults generateDefaults(const std::optional<generate::Request>& last,
                                  const MazeHeader& header, std::optional<MapSize> selection,
                                  uint64_t seed)
{
    GenerateDefaults defaults;
    generate::Request& r = defaults.request;
    r = last.value_or(generate::Request());
    const MapSize map{header.MapWidth, header.MapHeight};
    if (selection)
        r.size = *selection;
    else if (!last && sizeChoiceOf(map))
        r.size = map;
    r = generate::withinReach(r);
    r.seed = seed;
    r.title = header.Title;
    r.music = header.MusicFile;
    defaults.selection = selection;
    return defaults;
}

} // namespace orvane
