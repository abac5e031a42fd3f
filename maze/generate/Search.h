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

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

namespace orvane::generate {

// The most keys from the start to any cell it reaches, and that cell.
int longestReach(const Verdict& v);
QPoint farthestCell(const Verdict& v);

struct Search {
    Search(const Request& request, const Progress& progress, const std::atomic<bool>* stop);

    const Request& request;
    const Progress& progress;      // told of every analysis
    const std::atomic<bool>* stop; // set: no more analyses
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
    std::unique_ptr<MazeState> nearest; // the closest try's maze
    bool nearestFinished = false;       // as it would be kept: traps closed, graded, limited

    bool stopped() const { return stop && stop->load(std::memory_order_relaxed); }
    bool spent() const { return judged >= budget || stopped(); }
    // Whether a goal can still be tried: it takes two analyses at most
    // besides its traps, the last of the maze as it is kept.
    bool roomForGoal() const { return budget - judged >= 2 && !stopped(); }

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
    // Keeps the measures as the closest try when they are closer than it,
    // with the maze as it is: `finished` when it is as a met one would be
    // kept and the editor would save it.
    void consider(const Measures& m, bool finished = false);
    bool meets(const Verdict& v) const { return v.saveable && shortfall(measuresOf(v)) == 0; }
};

} // namespace orvane::generate
