#pragma once
// What a request allows besides the checks Generator.h declares: the fewest
// keys its route may take and the analyses one generation for it may run.

#include "Generator.h"

namespace orvane::generate {

// The fewest keys a request aiming at keys accepts: a tenth below them.
int leastKeys(const Request& request);

// The most traps a map of the size is allowed to ask for.
int mostTraps(MapSize size);

// Analyses one generation for the request may run.
int analysisBudget(const Request& request);

// The fewest keys the route of a request aiming at a grade may take: a
// third of the map's width and height, so that even grade 1 uses the map.
int leastGradeKeys(const Request& request);

} // namespace orvane::generate
