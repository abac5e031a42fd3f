// Arbitrary bytes read as the player's records. Traps when a refused file
// gives entries, when a value read is out of range, or when the records
// read do not come back the same once written.

#include "RecordsCodec.h"

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
    const RecordsCodec::Decoded read =
        RecordsCodec::decode(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (read.problem != RecordsCodec::Problem::None) {
        check(read.entries.empty());
        return 0;
    }
    for (const auto& [key, record] : read.entries)
        check(RecordsCodec::inRange(record.time.value) &&
              RecordsCodec::inRange(record.keys.value) && record.time.date.isValid() &&
              record.keys.date.isValid());
    // Written, the records read back; written again, the same bytes.
    const QByteArray written = RecordsCodec::encode(read.entries);
    const RecordsCodec::Decoded back = RecordsCodec::decode(written);
    check(back.problem == RecordsCodec::Problem::None &&
          back.entries.size() == read.entries.size());
    check(RecordsCodec::encode(back.entries) == written);
    return 0;
}
