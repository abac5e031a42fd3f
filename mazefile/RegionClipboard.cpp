#include "RegionClipboard.h"

#include "MazeData.h"

#include <QDataStream>
#include <QIODevice>

#include <memory>

namespace orvane::RegionClipboard {
namespace {

constexpr quint8 HasStart = 1;
constexpr quint8 HasGoal = 2;
// The bytes before the cells: magic, version, width, height, markers and
// their four numbers; then four bytes a cell.
constexpr qsizetype HeaderBytes = 4 + 2 + 2 + 2 + 1 + 4 * 2;
constexpr qsizetype CellBytes = 4;
static_assert(MaxBytes == HeaderBytes + MapSizeMax * MapSizeMax * CellBytes);

void writeMarker(QDataStream& out, const std::optional<QPoint>& marker)
{
    const QPoint p = marker.value_or(QPoint(0, 0));
    out << qint16(p.x()) << qint16(p.y());
}

// A marker read back: present and inside the region, or absent and 0 0.
bool readMarker(QDataStream& in, bool present, const Region& region, std::optional<QPoint>& out)
{
    qint16 x = 0;
    qint16 y = 0;
    in >> x >> y;
    if (present && region.contains({x, y}))
        out = QPoint(x, y);
    return present ? bool(out) : x == 0 && y == 0;
}

bool sideInRange(quint16 side)
{
    return side >= MapSizeMin && side <= MapSizeMax;
}

} // namespace

QByteArray toBytes(const Region& region)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData(Magic, sizeof Magic - 1);
    out << Version << quint16(region.width) << quint16(region.height);
    out << quint8((region.start ? HasStart : 0) | (region.goal ? HasGoal : 0));
    writeMarker(out, region.start);
    writeMarker(out, region.goal);
    for (const MazeCell& cell : region.cells)
        out << cell.Chip << cell.Item;
    return bytes;
}

std::optional<Region> fromBytes(QByteArrayView bytes)
{
    if (bytes.size() < HeaderBytes || bytes.size() > MaxBytes)
        return std::nullopt;
    const QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size()); // no copy
    QDataStream in(data);
    in.setByteOrder(QDataStream::LittleEndian);
    char magic[sizeof Magic - 1] = {};
    quint16 version = 0;
    quint16 width = 0;
    quint16 height = 0;
    quint8 markers = 0;
    if (in.readRawData(magic, sizeof magic) != sizeof magic ||
        QByteArrayView(magic, sizeof magic) != QByteArrayView(Magic))
        return std::nullopt;
    in >> version >> width >> height >> markers;
    if (in.status() != QDataStream::Ok || version != Version || !sideInRange(width) ||
        !sideInRange(height) || (markers & ~(HasStart | HasGoal)) != 0)
        return std::nullopt;
    if (data.size() != HeaderBytes + qsizetype(width) * height * CellBytes)
        return std::nullopt; // checked before the cells are allocated
    Region region = blankRegion(width, height);
    if (!readMarker(in, markers & HasStart, region, region.start) ||
        !readMarker(in, markers & HasGoal, region, region.goal))
        return std::nullopt;
    for (MazeCell& cell : region.cells)
        in >> cell.Chip >> cell.Item;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return region;
}

QByteArray toText(const Region& region)
{
    const auto maze = std::make_unique<MazeData>();
    MazeHeader& h = maze->header;
    h.TimeLimit = NoTimeLimit;
    h.MapWidth = int16_t(region.width);
    h.MapHeight = int16_t(region.height);
    const QPoint start = region.start.value_or(AbsentMarker);
    const QPoint goal = region.goal.value_or(AbsentMarker);
    h.StartX = int16_t(start.x());
    h.StartY = int16_t(start.y());
    h.GoalX = int16_t(goal.x());
    h.GoalY = int16_t(goal.y());
    for (int y = 0; y < region.height; ++y)
        for (int x = 0; x < region.width; ++x)
            maze->grid.at(x, y) = region.at(x, y);
    return MazeText::write(h, maze->grid);
}

TextRead fromText(QByteArrayView text)
{
    MazeText::ReadResult read = MazeText::read(text);
    if (!read.maze)
        return {std::nullopt, read.problem};
    const MazeHeader& h = read.maze->header;
    Region region = blankRegion(h.MapWidth, h.MapHeight);
    for (int y = 0; y < region.height; ++y)
        for (int x = 0; x < region.width; ++x)
            region.at(x, y) = read.maze->grid.at(x, y);
    if (const QPoint start(h.StartX, h.StartY); region.contains(start))
        region.start = start;
    if (const QPoint goal(h.GoalX, h.GoalY); region.contains(goal))
        region.goal = goal;
    return {std::move(region), {}};
}

TextRead fromClipboardText(QStringView text)
{
    if (text.size() > MazeText::MaxTextBytes)
        return {std::nullopt, {MazeText::Problem::Kind::TooLong, 0, {}, 0, 0}};
    return fromText(text.toUtf8());
}

} // namespace orvane::RegionClipboard
