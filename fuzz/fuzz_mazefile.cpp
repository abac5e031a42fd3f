// Arbitrary bytes loaded into a filled model, as the windows load a file.
// Traps when a refused file changed the model, or when an accepted file does
// not write back to the bytes it was read from.

#include "MazeCodec.h"
#include "MazeFile.h"
#include "MazeState.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

using namespace orvane;

// A model no file could leave behind by accident: every cell, number and
// text non-zero and distinct from its neighbours.
MazeState filledModel()
{
    MazeState s;
    s.header.Title = QByteArrayLiteral("before");
    s.header.TimeLimit = 321;
    s.header.StartX = 2;
    s.header.StartY = 3;
    s.header.GoalX = 40;
    s.header.GoalY = 50;
    s.header.MusicFile = QByteArrayLiteral("/tmp/before.mid");
    s.header.MapWidth = 96;
    s.header.MapHeight = 64;
    int16_t n = 1;
    for (MazeCell& c : s.grid.cells()) {
        c = {n, int16_t(-n)};
        n = int16_t(n % 30000 + 1);
    }
    s.CursorX = 7;
    s.CursorY = 8;
    s.MapMouseX = 100;
    s.MapMouseY = 200;
    s.ChipMouseX = 30;
    s.ChipMouseY = 40;
    s.ChipCol = 2;
    s.ChipRow = 1;
    s.SelectedChip = 9;
    s.TimeLeft = 17;
    return s;
}

bool sameModel(const MazeState& a, const MazeState& b)
{
    return a.header == b.header && a.grid == b.grid && a.CursorX == b.CursorX &&
           a.CursorY == b.CursorY && a.MapMouseX == b.MapMouseX && a.MapMouseY == b.MapMouseY &&
           a.ChipMouseX == b.ChipMouseX && a.ChipMouseY == b.ChipMouseY && a.ChipCol == b.ChipCol &&
           a.ChipRow == b.ChipRow && a.SelectedChip == b.SelectedChip && a.TimeLeft == b.TimeLeft;
}

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

const MazeState Pristine = filledModel();
MazeState model = Pristine;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    // The path a load takes: the bytes into a model that holds another maze.
    const MazeFileProblem problem = MazeFile::loadBytes(input, model);

    if (problem) {
        // Refused: the model is exactly as it was.
        check(sameModel(model, Pristine));
        return 0;
    }

    // Accepted: the model must write back to the leading bytes of the input,
    // and only the header and grid may have changed.
    const MazeCodec::EncodeResult encoded = MazeCodec::encode(model.header, model.grid);
    check(!encoded.problem);
    const qsizetype expected =
        MazeCodec::EmptyMazeSize + model.header.Title.size() + model.header.MusicFile.size();
    check(encoded.bytes.size() == expected);
    check(encoded.bytes.size() <= input.size());
    check(std::memcmp(encoded.bytes.constData(), input.data(), size_t(encoded.bytes.size())) == 0);
    MazeState workingValues = Pristine;
    workingValues.header = model.header;
    workingValues.grid = model.grid;
    check(sameModel(model, workingValues));

    model = Pristine;
    return 0;
}
