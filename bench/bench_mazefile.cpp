// Reading and writing a full 128 x 128 maze file: in memory and through a
// real file. Copying the file's bytes once is the baseline the others are
// measured against.

#include "Cp932.h"
#include "MazeCodec.h"
#include "MazeConstants.h"
#include "MazeData.h"
#include "MazeFile.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace orvane;

// The largest map the editor makes: walls round the edge, floors inside
// with an item every few cells, column and row 128 kept filled.
MazeData largestMaze()
{
    const MapSize size = MapSizes.back();
    MazeData m;
    m.header.Title = Cp932::fromUnicode(QStringLiteral("大きな迷路 128 x 128"));
    m.header.TimeLimit = DefaultTimeLimit;
    m.header.StartX = 1;
    m.header.StartY = 1;
    m.header.GoalX = int16_t(size.width - 2);
    m.header.GoalY = int16_t(size.height - 2);
    m.header.MusicFile = Cp932::fromUnicode(QStringLiteral("/home/user/音楽/迷路のテーマ.mid"));
    m.header.MapWidth = size.width;
    m.header.MapHeight = size.height;
    for (int y = 0; y <= size.height; ++y) {
        for (int x = 0; x <= size.width; ++x) {
            const bool edge = x == 0 || y == 0 || x >= size.width - 1 || y >= size.height - 1;
            MazeCell& c = m.grid.at(x, y);
            c.Chip =
                edge ? FirstWall : int16_t(FirstFloor + (x + y) % (LastFloor - FirstFloor + 1));
            if (!edge && (x * 7 + y * 3) % 11 == 0)
                c.Item = int16_t(ArrowUp + (x + y) % (ArrowRight - ArrowUp + 1));
        }
    }
    return m;
}

QByteArray largestMazeBytes()
{
    const MazeData m = largestMaze();
    return MazeCodec::encode(m.header, m.grid).bytes;
}

void BM_CopyBytes(benchmark::State& state)
{
    const QByteArray bytes = largestMazeBytes();
    for (auto _ : state) {
        QByteArray copy(bytes.constData(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_CopyBytes);

void BM_Decode(benchmark::State& state)
{
    const QByteArray bytes = largestMazeBytes();
    for (auto _ : state) {
        MazeCodec::DecodeResult decoded = MazeCodec::decode(bytes);
        if (!decoded.maze) {
            state.SkipWithError("decode refused the maze");
            break;
        }
        benchmark::DoNotOptimize(decoded.maze.get());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Decode);

void BM_Encode(benchmark::State& state)
{
    const MazeData m = largestMaze();
    qsizetype size = 0;
    for (auto _ : state) {
        MazeCodec::EncodeResult encoded = MazeCodec::encode(m.header, m.grid);
        if (encoded.problem) {
            state.SkipWithError("encode refused the maze");
            break;
        }
        size = encoded.bytes.size();
        benchmark::DoNotOptimize(encoded.bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_Encode);

// MazeFile::write then MazeFile::read of the same path; the file's size is
// counted once per round trip. Wall time, as most of it is spent in the kernel.
void BM_FileRoundTrip(benchmark::State& state)
{
    const MazeData m = largestMaze();
    const qsizetype size = MazeCodec::encode(m.header, m.grid).bytes.size();
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("cannot create a temporary directory");
        return;
    }
    const QString path = dir.filePath(QStringLiteral("bench.mdt"));
    for (auto _ : state) {
        const MazeFile::WriteResult written = MazeFile::write(path, m.header, m.grid);
        if (!written.ok()) {
            state.SkipWithError("write failed");
            break;
        }
        const MazeFile::ReadResult read = MazeFile::read(path);
        if (!read.ok()) {
            state.SkipWithError("read failed");
            break;
        }
        benchmark::DoNotOptimize(read.maze.get());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_FileRoundTrip)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
