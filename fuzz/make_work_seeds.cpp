// Writes kept editor work without its checksum, the kept-work fuzzer's
// starting corpus, into the folder given on the command line.

#include "KeptWork.h"
#include "MazeState.h"
#include "SeedWriter.h"

#include <memory>

namespace {

using namespace orvane;

using KeptWorkCodec::HashSize;
using KeptWorkCodec::IdSize;

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
    w.id = QUuid::fromString(QStringLiteral("{6a0e5a53-2f4c-4d52-9a6e-2b1f0c3d4e5f}"));
    w.takenIn = {QUuid::fromString(QStringLiteral("{0b1c2d3e-4f50-4617-8283-949596979899}"))};
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
        step(EditKind::Paint, {{2, 3, {FirstWall, NoItem}, {FirstFloor, NoItem}}},
             {untitled, {}, {}}, {untitled, {}, {}}),
        step(EditKind::Title, {}, {untitled, {}, {}}, {h, {}, {}}),
    };
    return w;
}

// The same work as the first format wrote it: no ids after the version.
QByteArray firstFormat(const KeptWork& work)
{
    QByteArray contents = KeptWorkCodec::encode(work).bytes.chopped(HashSize);
    contents.remove(KeptWorkCodec::HeadSize,
                    IdSize + KeptWorkCodec::CountSize + qsizetype(work.takenIn.size()) * IdSize);
    contents[KeptWorkCodec::HeadSize - 2] = 1;
    return contents;
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
         {"bare.work", KeptWorkCodec::encode(bare).bytes.chopped(HashSize)},
         {"first-format.work", firstFormat(work)}});
}
