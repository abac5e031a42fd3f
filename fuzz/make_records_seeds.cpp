// Writes the starting corpus of the records reader: files the program
// writes, with one and several mazes, with runs and without, the first
// version's, and the forms it refuses.

#include "RecordsCodec.h"
#include "SeedWriter.h"

int main(int argc, char** argv)
{
    using namespace orvane;
    const QDateTime day(QDate(2026, 1, 2), QTime(9, 30), Qt::UTC);
    const GameRun run{"RRDSUL", {0, 0, 1, 1, 1, 3}};
    RecordEntries one{
        {QByteArray(64, 'a'), {{40, day, run}, {120, day.addDays(1)}, day.addDays(1)}}};
    RecordEntries several = one;
    for (int i = 0; i < 8; ++i)
        several[QByteArray::number(i * 7919).rightJustified(64, 'f')] = {
            {i, day.addSecs(i), i % 2 ? run : GameRun{}},
            {RecordsCodec::MaxValue - i, day, run},
            day.addDays(i)};
    return fuzz::writeSeeds(
        argc, argv,
        {{"none", RecordsCodec::encode({})},
         {"one", RecordsCodec::encode(one)},
         {"several", RecordsCodec::encode(several)},
         {"first-version",
          RecordsCodec::encode(several).replace(R"("version": 2)", R"("version": 1)")},
         {"newer", R"({"format": "orvane-records", "version": 3, "mazes": {}})"},
         {"falling-ticks", RecordsCodec::encode(one).replace("0 0 1 1 1 3", "0 0 1 1 1 0")},
         {"fraction", R"({"format": "orvane-records", "version": 1, "mazes": {"a": 1.5}})"}});
}
