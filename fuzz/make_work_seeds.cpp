// Writes kept editor work without its checksum, the kept-work fuzzer's
// starting corpus, into the folder given on the command line.

#include "KeptWork.h"
#include "MazeState.h"
#include "SeedWriter.h"

#include <memory>

namespace {

using namespace orvane;

constexpr qsizetype HashSize = 32;

// A 32 x 32 maze of walls with a floor, and the steps that made it: the
// floor painted, the title typed, and before them a step from another maze.
KeptWork editedWork()
{
    KeptWork w;
    MazeHeader& h = w.maze.header;
    h.TimeLimit = DefaultTimeLimit;
    h.MapWidth = h.MapHeight = 32;
    h.GoalX = h.GoalY = 31;
    for (int y = 0; y <= 32; ++y)
        for (int x = 0; x <= 32; ++x)
            w.maze.grid.at(x, y).Chip = FirstWall;
    w.place = {FirstFloor, 0, 1, 0, 3};
    MazeHeader untitled = h;
    h.Title = "maze";
    w.maze.grid.at(2, 3).Chip = FirstFloor;
    MazeHeader other = untitled;
    other.MapWidth = 64;
    const auto step = [](EditKind kind, std::vector<CellChange> cells, MazeDocument before,
                         MazeDocument after) {
        return RecordedStep{kind, std::make_shared<const MazeChange>(
                                      std::move(cells), std::move(before), std::move(after))};
    };
    w.steps = {
        step(EditKind::NewMaze, {{40, 3, {FirstFloor, ArrowUp}, {}}},
             {other, "/a.mdt", EditorPlace{1, 0, 0, 12, 4}}, {untitled, {}, w.place}),
        step(EditKind::Paint, {{2, 3, {FirstWall, NoItem}, {FirstFloor, NoItem}}}, {untitled},
             {untitled}),
        step(EditKind::Title, {}, {untitled}, {h}),
    };
    return w;
}

} // namespace

int main(int argc, char** argv)
{
    const KeptWork work = editedWork();
    KeptWork bare = work;
    bare.steps.clear();
    return orvane::fuzz::writeSeeds(
        argc, argv,
        {{"edited.work", KeptWorkCodec::encode(work).bytes.chopped(HashSize)},
         {"bare.work", KeptWorkCodec::encode(bare).bytes.chopped(HashSize)}});
}
