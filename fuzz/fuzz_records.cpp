// Arbitrary bytes read as the player's records. Traps when a refused file
// gives entries, when a value or a run read is out of bounds, or when the
// records read do not come back the same once written, within the bound.

#include "Records.h"
#include "RecordsCodec.h"
#include "RunText.h"

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

// A run as the text form takes it back, or none.
bool sound(const GameRun& run)
{
    const RunText::Read again = RunText::read(RunText::write(run));
    return run.size() <= MaxRunKeys && !again.problem && again.run == run;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const RecordsCodec::Decoded read =
        RecordsCodec::decode(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (read.problem != RecordsCodec::Problem::None) {
        check(read.entries.empty());
        return 0;
    }
    for (const auto& [key, record] : read.entries)
        check(RecordsCodec::inRange(record.time.value) &&
              RecordsCodec::inRange(record.keys.value) && record.time.date.isValid() &&
              record.keys.date.isValid() && sound(record.time.run) && sound(record.keys.run));
    // Written, the records read back within the bound (runs may be left
    // out for it, nothing else); written again, the same bytes.
    const QByteArray written = RecordsCodec::encode(read.entries);
    check(read.entries.size() > size_t(Records::MaxEntries) ||
          written.size() <= RecordsCodec::MaxFileSize);
    const RecordsCodec::Decoded back = RecordsCodec::decode(written);
    check(back.problem == RecordsCodec::Problem::None &&
          back.entries.size() == read.entries.size());
    check(RecordsCodec::encode(back.entries) == written);
    return 0;
}
