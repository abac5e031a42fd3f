#pragma once

namespace orvane {

struct Arguments;

// Four times the largest freedesktop thumbnail (xx-large, 1024 pixels).
inline constexpr int MaxThumbnailSize = 4096;

// `orvane-mdt thumbnail [--size N] FILE OUT.png`: writes the map as the
// player draws it, scaled to fit N x N pixels. A refused maze or size writes
// nothing. Returns the exit status.
int runThumbnail(const Arguments& args);

} // namespace orvane
