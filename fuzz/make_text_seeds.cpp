// Writes a few maze texts, the text fuzzer's starting corpus, into the folder
// given on the command line.

#include "Cp932.h"
#include "MazeData.h"
#include "MazeText.h"
#include "SeedWriter.h"

namespace {

using namespace orvane;

// A 32 x 32 maze as the editor leaves a new one, with a floor, an arrow, a
// Japanese title and a music path.
MazeData editorMaze()
{
    MazeData m;
    m.header.Title = Cp932::fromUnicode(QStringLiteral("地下迷宮"));
    m.header.MusicFile = "C:\\midi\\a.mid";
    m.header.TimeLimit = DefaultTimeLimit;
    m.header.MapWidth = m.header.MapHeight = 32;
    for (int y = 0; y <= 32; ++y)
        for (int x = 0; x <= 32; ++x)
            m.grid.at(x, y).Chip = FirstWall;
    m.header.StartX = m.header.StartY = 1;
    m.header.GoalX = 3;
    m.header.GoalY = 1;
    for (int x = 1; x <= 3; ++x)
        m.grid.at(x, 1).Chip = FirstFloor + x;
    m.grid.at(2, 1).Item = ArrowRight;
    return m;
}

// Values the default legend has no character for, and bytes no character.
MazeData oddMaze()
{
    MazeData m;
    m.header.Title = "\x81\"\\";
    m.header.TimeLimit = NoTimeLimit;
    m.header.MapWidth = 3;
    m.header.MapHeight = 1;
    m.grid.at(0, 0) = {-7, 19};
    m.grid.at(1, 0) = {19, -1};
    m.grid.at(GridMax, GridMax) = {5, 5};
    return m;
}

} // namespace

int main(int argc, char** argv)
{
    const MazeData a = editorMaze();
    const MazeData b = oddMaze();
    return orvane::fuzz::writeSeeds(argc, argv,
                                    {{"editor.txt", MazeText::write(a.header, a.grid)},
                                     {"odd.txt", MazeText::write(b.header, b.grid)}});
}
