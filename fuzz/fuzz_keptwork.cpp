// Arbitrary bytes read as kept editor work past its checksum, as a damaged or
// crafted file with a matching checksum would be. Traps when what is taken
// back is not whole: a header or place out of range, no id, a step that
// changes nothing, or steps that do not each undo exactly back from the maze.

#include "KeptWork.h"
#include "MazeCodec.h"

#include <QByteArrayView>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using namespace orvane;

using KeptWorkCodec::HashSize;

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

bool changes(const MazeChange& change)
{
    return change.document(false) != change.document(true) ||
           std::any_of(change.cells().begin(), change.cells().end(),
                       [](const CellChange& c) { return c.before != c.after; });
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
    check(!work.id.isNull() && work.takenIn.size() <= size_t(KeptWorkCodec::MaxTakenIn));
    for (const RecordedStep& step : work.steps)
        check(changes(*step.change));
    // Written again, it reads back the same, with no step left out.
    const QByteArray again = KeptWorkCodec::encode(work, INT32_MAX).bytes;
    const KeptWorkCodec::DecodeResult back = KeptWorkCodec::decodeContents(again.chopped(HashSize));
    check(back.work && back.stepsDropped == 0);
    check(back.work->steps.size() == work.steps.size());
    check(back.work->maze.header == work.maze.header && back.work->maze.grid == work.maze.grid);
    check(back.work->id == work.id && back.work->takenIn == work.takenIn);
    return 0;
}
