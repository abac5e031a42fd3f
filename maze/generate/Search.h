#pragma once
// One generation's state, shared by its steps: the request, the random
// numbers, the carving and the maze being worked on, the analyses run
// against the budget, and the closest try so far. Every change a step makes
// is judged here.

#include "Generator.h"
#include "Judge.h"
#include "Lattice.h"
#include "MazeState.h"
#include "Random.h"

#include <QPoint>

#include <memory>
#include <optional>
#include <vector>

namespace orvane::generate {

// The most keys from the start to any cell it reaches.
int longestReach(const Verdict& v);

struct Search {
    Search(const Request& request, const Progress& progress);

    const Request& request;
    const Progress& progress; // told of every analysis
    Random random;
    Lattice lattice;
    Tree tree; // the carving laid on the maze
    std::unique_ptr<MazeState> maze;
    std::unique_ptr<MazeState> result; // the maze that met the request, once one has
    int judged = 0;                    // analyses run
    int budget = 0;                    // analyses allowed
    int trapArrows = 0;                // arrows laid to close traps, not counted as asked
    Measures closest;                  // of the try that came closest
    std::optional<double> closestShortfall;

    bool spent() const { return judged >= budget; }
    // Whether a goal can still be tried: it takes two analyses at most
    // besides its traps, the last of the maze as it is kept.
    bool roomForGoal() const { return budget - judged >= 2; }

    // Runs the analysis on the maze as it is and counts it.
    Verdict judge();

    MazeCell& at(QPoint cell) { return maze->cell(cell.x(), cell.y()); }
    QPoint start() const { return {maze->header.StartX, maze->header.StartY}; }
    void setGoal(QPoint cell);
    // The floor cells beside a cell.
    std::vector<QPoint> floorWays(QPoint cell) const;

    Measures measuresOf(const Verdict& v) const;
    // How far measures fall short of the request; 0 when they meet it.
    double shortfall(const Measures& m) const;
    // Keeps the measures as the closest try when they are closer than it.
    void consider(const Measures& m);
    bool meets(const Verdict& v) const { return v.saveable && shortfall(measuresOf(v)) == 0; }
};

} // namespace orvane::generate
