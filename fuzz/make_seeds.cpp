// Writes a few small valid maze files, the fuzzer's starting corpus, into the
// folder given on the command line.

#include "Cp932.h"
#include "MazeCodec.h"
#include "MazeConstants.h"
#include "MazeData.h"
#include "SeedWriter.h"

#include <QByteArray>

namespace {

using namespace orvane;

// Walls round the map, floors inside, column and row MapWidth/MapHeight kept
// filled as the editor does.
void buildMap(MazeData& m, MapSize size)
{
    m.header.MapWidth = size.width;
    m.header.MapHeight = size.height;
    for (int y = 0; y <= size.height; ++y) {
        for (int x = 0; x <= size.width; ++x) {
            const bool edge = x == 0 || y == 0 || x >= size.width - 1 || y >= size.height - 1;
            m.grid.at(x, y).Chip = edge ? FirstWall : FirstFloor;
        }
    }
}

MazeData newMaze()
{
    MazeData m;
    m.header.TimeLimit = DefaultTimeLimit;
    m.header.StartX = 1;
    m.header.StartY = 1;
    m.header.GoalX = 2;
    m.header.GoalY = 2;
    buildMap(m, DefaultMapSize);
    return m;
}

MazeData abcMaze()
{
    MazeData m = newMaze();
    m.header.Title = "abc";
    m.header.StartY = 2;
    m.header.GoalX = 30;
    m.header.GoalY = 29;
    m.grid.at(5, 5).Item = ArrowRight;
    return m;
}

MazeData japaneseMaze()
{
    MazeData m;
    m.header.Title = Cp932::fromUnicode(QStringLiteral("地下迷宮\\第一層"));
    m.header.TimeLimit = NoTimeLimit;
    m.header.MusicFile = Cp932::fromUnicode(QStringLiteral("C:\\音楽\\迷路.mid"));
    buildMap(m, {96, 64});
    m.header.StartX = 1;
    m.header.StartY = 62;
    m.header.GoalX = 94;
    m.header.GoalY = 1;
    for (int16_t item = ArrowUp; item <= ArrowRight; ++item)
        m.grid.at(10 + item, 10).Item = item;
    return m;
}

// Extremes a reader accepts: a one-cell map, start and goal at the grid's
// corners, margins filled, and a tail after the grid that is ignored.
MazeData boundsMaze()
{
    MazeData m;
    m.header.TimeLimit = -1;
    m.header.StartX = GridMin;
    m.header.StartY = GridMax;
    m.header.GoalX = GridMax;
    m.header.GoalY = GridMin;
    m.header.MapWidth = MapSizeMin;
    m.header.MapHeight = MapSizeMin;
    for (int i = GridMin; i <= GridMax; ++i) {
        m.grid.at(i, GridMin) = {LastWall, ArrowUp};
        m.grid.at(GridMin, i) = {LastFloor, ArrowLeft};
    }
    return m;
}

QByteArray mazeFile(const MazeData& m, const QByteArray& tail = {})
{
    const MazeCodec::EncodeResult encoded = MazeCodec::encode(m.header, m.grid);
    return encoded.problem ? QByteArray() : encoded.bytes + tail;
}

} // namespace

int main(int argc, char** argv)
{
    return orvane::fuzz::writeSeeds(
        argc, argv,
        {{"new.mdt", mazeFile(newMaze())},
         {"abc.mdt", mazeFile(abcMaze())},
         {"japanese.mdt", mazeFile(japaneseMaze())},
         {"bounds.mdt", mazeFile(boundsMaze(), QByteArray(16, '\x5c'))}});
}
