#pragma once

#include "Lattice.h"

namespace orvane {
struct MazeState;
}

namespace orvane::generate {

class Random;

// Carves a perfect maze by the growing tree method: from the rooms carved
// so far it goes on from the newest one `newestShare` times in 8 and from
// a random one otherwise, so 8 gives the long winding corridors of a
// recursive backtracker and lower values branch more.
Tree carveTree(const Lattice& lattice, Random& random, int newestShare);

// Lays a tree on a fresh map of `size`: the rooms and their links are
// floors, everything else walls, coloured by a few regions; the column and
// the row past the map are walls and every cell beyond them unset, as the
// editor leaves a new maze.
void layMaze(MazeState& maze, MapSize size, const Lattice& lattice, const Tree& tree,
             Random& random);

// Makes a room of a laid maze a dead end as seen from `start`: every branch
// beyond it is cut off it and joined to the rest at a random wall between
// the two, where there is one. The maze stays perfect and the way from the
// start to the room stays as it was.
void makeDeadEnd(MazeState& maze, const Lattice& lattice, Tree& tree, int room, int start,
                 Random& random);

// Whether a cell of a laid maze is a floor.
bool isFloor(const MazeState& maze, QPoint cell);

} // namespace orvane::generate
