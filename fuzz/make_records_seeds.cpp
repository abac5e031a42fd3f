// Writes the starting corpus of the records reader: files the program
// writes, with one and several mazes, and the forms it refuses.

#include "RecordsCodec.h"
#include "SeedWriter.h"

int main(int argc, char** argv)
{
    using namespace orvane;
    const QDateTime day(QDate(2026, 1, 2), QTime(9, 30), Qt::UTC);
    RecordEntries one{{QByteArray(64, 'a'), {{40, day}, {120, day.addDays(1)}, day.addDays(1)}}};
    RecordEntries several = one;
    for (int i = 0; i < 8; ++i)
        several[QByteArray::number(i * 7919).rightJustified(64, 'f')] = {
            {i, day.addSecs(i)}, {RecordsCodec::MaxValue - i, day}, day.addDays(i)};
    return fuzz::writeSeeds(
        argc, argv,
        {{"none", RecordsCodec::encode({})},
         {"one", RecordsCodec::encode(one)},
         {"several", RecordsCodec::encode(several)},
         {"newer", R"({"format": "orvane-records", "version": 2, "mazes": {}})"},
         {"fraction", R"({"format": "orvane-records", "version": 1, "mazes": {"a": 1.5}})"}});
}
