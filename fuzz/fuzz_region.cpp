// Arbitrary bytes read as the editor's private clipboard form. Traps when an
// accepted region does not give back the same bytes, or does not come back
// whole from its maze text.

#include "RegionClipboard.h"

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

namespace {

using namespace orvane;

constexpr size_t TextCellsMax = 32 * 32;

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<Region> region = RegionClipboard::fromBytes(bytes);
    if (!region)
        return 0;
    check(RegionClipboard::toBytes(*region) == bytes);
    // The text form of small regions: a large one's text takes the fuzzer's
    // time and reaches nothing a small one does not.
    if (region->cells.size() > TextCellsMax)
        return 0;
    const RegionClipboard::TextRead back =
        RegionClipboard::fromText(RegionClipboard::toText(*region));
    check(back.region && *back.region == *region);
    return 0;
}
