// Arbitrary bytes read as a maze text. Traps when an accepted text's maze
// does not come back from its own text exactly.

#include "MazeCodec.h"
#include "MazeText.h"

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

namespace {

using namespace orvane;

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const MazeText::ReadResult first =
        MazeText::read(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!first.maze) {
        check(first.problem.line >= 1 || first.problem.kind == MazeText::Problem::Kind::TooLong);
        return 0;
    }
    const QByteArray text = MazeText::write(first.maze->header, first.maze->grid);
    const MazeText::ReadResult again = MazeText::read(text);
    check(again.maze != nullptr);
    check(MazeText::write(again.maze->header, again.maze->grid) == text);
    const MazeCodec::EncodeResult a = MazeCodec::encode(first.maze->header, first.maze->grid);
    const MazeCodec::EncodeResult b = MazeCodec::encode(again.maze->header, again.maze->grid);
    check(!a.problem && a.bytes == b.bytes);
    return 0;
}
