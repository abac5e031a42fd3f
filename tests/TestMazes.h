#pragma once
// Mazes and files shared by the tests.

#include "Cp932.h"
#include "MazeConstants.h"
#include "MazeData.h"
#include "MazeState.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>

namespace orvane::test {

// Hex text such as "03 00 61" to bytes.
inline QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The 32 x 32 maze titled abc: limit 60, start (1, 2), goal (30, 31), no music.
inline MazeData abcMaze()
{
    MazeData m;
    m.header.Title = "abc";
    m.header.TimeLimit = 60;
    m.header.StartX = 1;
    m.header.StartY = 2;
    m.header.GoalX = 30;
    m.header.GoalY = 31;
    m.header.MapWidth = 32;
    m.header.MapHeight = 32;
    for (int y = 0; y <= 32; ++y)
        for (int x = 0; x <= 32; ++x)
            m.grid.at(x, y).Chip = FirstWall;
    m.grid.at(1, 2).Chip = FirstFloor;
    m.grid.at(30, 31).Chip = FirstFloor + 1;
    return m;
}

inline QByteArray randomBytes(QRandomGenerator& rng, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(rng.bounded(256));
    return bytes;
}

// A maze with every cell and header number random (inside what a reader
// accepts) and texts of random bytes, not necessarily valid code page 932.
inline MazeData randomMaze(QRandomGenerator& rng)
{
    MazeData m;
    auto any16 = [&] { return int16_t(rng.bounded(65536) - 32768); };
    auto inGrid = [&] { return int16_t(rng.bounded(GridMin, GridMax + 1)); };
    auto size = [&] { return int16_t(rng.bounded(MapSizeMin, MapSizeMax + 1)); };
    m.header.Title = randomBytes(rng, rng.bounded(40));
    m.header.TimeLimit = any16();
    m.header.StartX = inGrid();
    m.header.StartY = inGrid();
    m.header.GoalX = inGrid();
    m.header.GoalY = inGrid();
    m.header.MusicFile = randomBytes(rng, rng.bounded(300));
    m.header.MapWidth = size();
    m.header.MapHeight = size();
    for (MazeCell& c : m.grid.cells())
        c = {any16(), any16()};
    return m;
}

// Copies a maze into a model and fills its working values.
inline void fill(MazeState& state, const MazeData& maze)
{
    state.header = maze.header;
    state.grid = maze.grid;
    state.CursorX = 3;
    state.SelectedChip = 9;
    state.TimeLeft = 17;
}

} // namespace orvane::test
