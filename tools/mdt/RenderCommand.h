#pragma once

namespace orvane {

struct Arguments;

// Largest enlargement of `render`: a 128 x 128 map picture (2048 pixels) to
// 16384 pixels.
inline constexpr int MaxRenderScale = 8;

// `orvane-mdt render [--scale N] [--route] FILE OUT.png`: the map as the
// player draws it, enlarged N times, with the shortest route and the traps
// drawn over it on request. Returns the exit status.
int runRender(const Arguments& args);

} // namespace orvane
