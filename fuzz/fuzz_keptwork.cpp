// Arbitrary bytes read as kept editor work past its checksum, as a damaged or
// crafted file with a matching checksum would be. Traps when what is taken
// back is not whole: a header or place out of range, or steps that do not
// each undo exactly back from the maze.

#include "KeptWork.h"
#include "MazeCodec.h"

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

namespace {

using namespace orvane;

// The checksum the encoder appends.
constexpr qsizetype HashSize = 32;

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const KeptWorkCodec::DecodeResult read = KeptWorkCodec::decodeContents(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    check(bool(read.work) == (read.refusal == KeptWorkCodec::Refusal::None));
    if (!read.work)
        return 0;
    const KeptWork& work = *read.work;
    check(!MazeCodec::checkHeader(work.maze.header));
    check(isEditorPlace(work.place));
    // Written again, it reads back the same, with no step left out.
    const QByteArray again = KeptWorkCodec::encode(work, INT32_MAX).bytes;
    const KeptWorkCodec::DecodeResult back = KeptWorkCodec::decodeContents(again.chopped(HashSize));
    check(back.work && back.stepsDropped == 0);
    check(back.work->steps.size() == work.steps.size());
    check(back.work->maze.header == work.maze.header && back.work->maze.grid == work.maze.grid);
    return 0;
}
