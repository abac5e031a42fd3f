#include "KeptWork.h"

#include "MazeCodec.h"
#include "MazeState.h"
#include "SheetCells.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <memory>

namespace orvane {
namespace {

using KeptWorkCodec::HashSize;
using KeptWorkCodec::IdSize;

constexpr char Tag[] = "ORVANE work\n";
constexpr qsizetype TagSize = sizeof(Tag) - 1;
// Version 1 named no ids.
constexpr quint16 FirstFormatVersion = 1;
constexpr quint16 FormatVersion = 2;
constexpr qsizetype VersionSize = sizeof(FormatVersion);
static_assert(TagSize + VersionSize == KeptWorkCodec::HeadSize);
constexpr auto HashKind = QCryptographicHash::Sha256;
constexpr quint8 LastKind = quint8(EditKind::Generate);

// A stream in one fixed form, whatever the machine.
void fixForm(QDataStream& stream)
{
    stream.setVersion(QDataStream::Qt_6_0);
    stream.setByteOrder(QDataStream::LittleEndian);
}

void writeText(QDataStream& out, const QByteArray& bytes)
{
    out << quint32(bytes.size());
    out.writeRawData(bytes.constData(), int(bytes.size()));
}

bool readText(QDataStream& in, QByteArray& bytes)
{
    quint32 size = 0;
    in >> size;
    if (in.status() != QDataStream::Ok || size > quint32(in.device()->bytesAvailable()))
        return false;
    bytes.resize(qsizetype(size));
    return in.readRawData(bytes.data(), int(size)) == int(size);
}

void writeId(QDataStream& out, const QUuid& id)
{
    out.writeRawData(id.toRfc4122().constData(), int(IdSize));
}

// A work's id, never the null one.
bool readId(QDataStream& in, QUuid& id)
{
    char bytes[IdSize];
    if (in.readRawData(bytes, int(IdSize)) != IdSize)
        return false;
    id = QUuid::fromRfc4122(QByteArrayView(bytes, IdSize));
    return !id.isNull();
}

// The ids of a version 2 file; a version 1 file's id is the start of its
// SHA-256, the same at every reading.
bool readIds(QDataStream& in, quint16 version, QByteArrayView contents, KeptWork& work)
{
    if (version == FirstFormatVersion) {
        work.id = QUuid::fromRfc4122(QCryptographicHash::hash(contents, HashKind).first(IdSize));
        return true;
    }
    quint32 count = 0;
    if (!readId(in, work.id))
        return false;
    in >> count;
    if (in.status() != QDataStream::Ok || count > quint32(KeptWorkCodec::MaxTakenIn))
        return false;
    work.takenIn.resize(count);
    return std::all_of(work.takenIn.begin(), work.takenIn.end(),
                       [&](QUuid& id) { return readId(in, id); });
}

void writePlace(QDataStream& out, const EditorPlace& p)
{
    out << p.selectedChip << p.chipCol << p.chipRow << p.scrollX << p.scrollY;
}

void readPlace(QDataStream& in, EditorPlace& p)
{
    in >> p.selectedChip >> p.chipCol >> p.chipRow >> p.scrollX >> p.scrollY;
}

void writeDocument(QDataStream& out, const MazeDocument& d)
{
    const MazeHeader& h = d.header;
    writeText(out, h.Title);
    out << h.TimeLimit << h.StartX << h.StartY << h.GoalX << h.GoalY;
    writeText(out, h.MusicFile);
    out << h.MapWidth << h.MapHeight;
    writeText(out, d.mazePath.toUtf8());
    out << quint8(d.place.has_value());
    if (d.place)
        writePlace(out, *d.place);
}

bool readDocument(QDataStream& in, MazeDocument& d)
{
    MazeHeader& h = d.header;
    QByteArray path;
    quint8 hasPlace = 0;
    if (!readText(in, h.Title))
        return false;
    in >> h.TimeLimit >> h.StartX >> h.StartY >> h.GoalX >> h.GoalY;
    if (!readText(in, h.MusicFile))
        return false;
    in >> h.MapWidth >> h.MapHeight;
    if (!readText(in, path))
        return false;
    d.mazePath = QString::fromUtf8(path);
    in >> hasPlace;
    if (hasPlace > 1)
        return false;
    if (hasPlace)
        readPlace(in, d.place.emplace());
    return in.status() == QDataStream::Ok;
}

// A cell change as written: six little-endian 16-bit numbers.
constexpr qsizetype CellChangeSize = 6 * 2;

// The cells of a step in one block, not number by number: a step may hold
// every cell of the grid.
void writeCells(QDataStream& out, const std::vector<CellChange>& cells)
{
    QByteArray block(qsizetype(cells.size()) * CellChangeSize, Qt::Uninitialized);
    char* at = block.data();
    for (const CellChange& c : cells)
        for (const int16_t v :
             {c.x, c.y, c.before.Chip, c.before.Item, c.after.Chip, c.after.Item}) {
            qToLittleEndian<qint16>(v, at);
            at += 2;
        }
    out << quint32(cells.size());
    out.writeRawData(block.constData(), int(block.size()));
}

bool readCells(QDataStream& in, std::vector<CellChange>& cells)
{
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > in.device()->bytesAvailable() / CellChangeSize)
        return false;
    QByteArray block(qsizetype(count) * CellChangeSize, Qt::Uninitialized);
    if (in.readRawData(block.data(), int(block.size())) != block.size())
        return false;
    cells.resize(count);
    const char* at = block.constData();
    for (CellChange& c : cells)
        for (int16_t* v :
             {&c.x, &c.y, &c.before.Chip, &c.before.Item, &c.after.Chip, &c.after.Item}) {
            *v = qFromLittleEndian<qint16>(at);
            at += 2;
        }
    return true;
}

void writeStep(QDataStream& out, const RecordedStep& step)
{
    const MazeChange& change = *step.change;
    out << quint8(step.kind);
    writeDocument(out, change.document(false));
    writeDocument(out, change.document(true));
    writeCells(out, change.cells());
}

// Whether a step's document could be the editor's: a header a maze file can
// hold, and a place the editor can show.
bool isSound(const MazeDocument& d)
{
    return !MazeCodec::checkHeader(d.header) && (!d.place || isEditorPlace(*d.place));
}

struct ReadStep {
    RecordedStep step;
    bool sound = false; // every value in range
};

// A step as written; nothing when the layout does not hold.
std::optional<ReadStep> readStep(QDataStream& in)
{
    quint8 kind = 0;
    MazeDocument before, after;
    std::vector<CellChange> cells;
    in >> kind;
    if (kind > LastKind || !readDocument(in, before) || !readDocument(in, after) ||
        !readCells(in, cells))
        return std::nullopt;
    const bool changes =
        before != after || std::any_of(cells.begin(), cells.end(),
                                       [](const CellChange& c) { return c.before != c.after; });
    const bool sound = changes && isSound(before) && isSound(after) &&
                       std::all_of(cells.begin(), cells.end(), [](const CellChange& c) {
                           return MazeGrid::contains(c.x, c.y);
                       });
    return ReadStep{{EditKind(kind), std::make_shared<const MazeChange>(
                                         std::move(cells), std::move(before), std::move(after))},
                    sound};
}

// A work's maze and file, to be taken back step by step.
struct Scratch {
    std::unique_ptr<MazeState> maze = std::make_unique<MazeState>();
    QString path;

    explicit Scratch(const KeptWork& work) : path(work.mazePath)
    {
        maze->header = work.maze.header;
        maze->grid = work.maze.grid;
    }
    void undo(const RecordedStep& step) { step.change->apply(*maze, path, nullptr, false); }
};

// How many of the oldest steps must go so that the rest, undone newest first
// from the maze, each find it as they left it: a step out of range or that
// changes nothing, or one that does not lead to the maze, goes with every
// step before it.
size_t stepsNotLeading(const KeptWork& work, const std::vector<bool>& sound)
{
    Scratch scratch(work);
    for (size_t i = work.steps.size(); i-- > 0;) {
        if (!sound[i] || !work.steps[i].change->isUndoableOn(*scratch.maze))
            return i + 1;
        scratch.undo(work.steps[i]);
    }
    return 0;
}

bool hasTag(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(Tag, TagSize));
}

quint16 versionOf(QByteArrayView bytes)
{
    return bytes.size() >= TagSize + VersionSize
               ? qFromLittleEndian<quint16>(bytes.data() + TagSize)
               : 0;
}

bool isNewer(QByteArrayView bytes)
{
    return versionOf(bytes) > FormatVersion;
}

} // namespace

bool isEditorPlace(const EditorPlace& p)
{
    const auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    return within(p.chipCol, 0, SheetColumns - 1) && within(p.chipRow, 0, PaletteRows - 1) &&
           p.selectedChip == codeOfPaletteCell(p.chipCol, p.chipRow) &&
           within(p.scrollX, 0, MapSizeMax) && within(p.scrollY, 0, MapSizeMax);
}

KeptWork joinKeptWork(std::vector<KeptWork> works)
{
    KeptWork joined = std::move(works.front());
    for (auto next = works.begin() + 1; next < works.end(); ++next) {
        Scratch start(*next); // where its steps begin
        for (auto step = next->steps.rbegin(); step != next->steps.rend(); ++step)
            start.undo(*step);
        MazeChange join = MazeChange::between(
            joined.maze.grid, {joined.maze.header, joined.mazePath, joined.place}, start.maze->grid,
            {start.maze->header, start.path, next->place});
        if (!join.cells().empty() || join.document(false) != join.document(true))
            joined.steps.push_back(
                {EditKind::NewMaze, std::make_shared<const MazeChange>(std::move(join))});
        joined.steps.insert(joined.steps.end(), next->steps.begin(), next->steps.end());
        joined.maze = next->maze;
        joined.mazePath = next->mazePath;
        joined.place = next->place;
    }
    return joined;
}

namespace KeptWorkCodec {

Encoded encode(const KeptWork& work, qsizetype stepBudget)
{
    // The newest steps that fit the budget, each measured as written.
    Encoded encoded;
    std::vector<QByteArray> steps;
    qsizetype stepBytes = 0;
    for (auto step = work.steps.rbegin(); step != work.steps.rend(); ++step) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        fixForm(out);
        writeStep(out, *step);
        if (stepBytes + bytes.size() > stepBudget)
            break;
        stepBytes += bytes.size();
        steps.push_back(std::move(bytes));
    }

    QByteArray& file = encoded.bytes;
    QDataStream out(&file, QIODevice::WriteOnly);
    fixForm(out);
    out.writeRawData(Tag, int(TagSize));
    out << FormatVersion;
    writeId(out, work.id);
    const qsizetype takenIn = std::min<qsizetype>(qsizetype(work.takenIn.size()), MaxTakenIn);
    out << quint32(takenIn);
    for (qsizetype i = 0; i < takenIn; ++i)
        writeId(out, work.takenIn[size_t(i)]);
    writeText(out, MazeCodec::encode(work.maze.header, work.maze.grid).bytes);
    const QByteArray path = work.mazePath.toUtf8();
    writeText(out, path.size() <= MaxPathSize ? path : QByteArray());
    writePlace(out, work.place);
    out << quint32(steps.size());
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
        out.writeRawData(step->constData(), int(step->size()));
    file += QCryptographicHash::hash(file, HashKind);
    return encoded;
}

bool isNewerFormat(QByteArrayView head)
{
    return hasTag(head) && isNewer(head);
}

DecodeResult decode(QByteArrayView bytes)
{
    // Another file, or one of a newer format (of any size), is told as such.
    if (!hasTag(bytes) || isNewer(bytes))
        return decodeContents(bytes);
    DecodeResult result;
    if (bytes.size() > MaxFileSize) {
        result.refusal = Refusal::TooLarge;
        return result;
    }
    if (bytes.size() < TagSize + VersionSize + HashSize ||
        QCryptographicHash::hash(bytes.chopped(HashSize), HashKind) != bytes.last(HashSize)) {
        result.refusal = Refusal::Damaged;
        return result;
    }
    return decodeContents(bytes.chopped(HashSize));
}

DecodeResult decodeContents(QByteArrayView contents)
{
    DecodeResult result;
    if (!hasTag(contents)) {
        result.refusal = Refusal::NotKeptWork;
        return result;
    }
    if (isNewer(contents)) {
        result.refusal = Refusal::NewerFormat;
        return result;
    }
    result.refusal = Refusal::Damaged;
    const quint16 version = versionOf(contents);
    if (version < FirstFormatVersion)
        return result;
    QByteArray body = contents.toByteArray();
    QDataStream in(&body, QIODevice::ReadOnly);
    fixForm(in);
    in.skipRawData(int(TagSize + VersionSize));

    KeptWork work;
    QByteArray maze, path;
    quint32 count = 0;
    if (!readIds(in, version, contents, work) || !readText(in, maze) || !readText(in, path))
        return result;
    MazeCodec::DecodeResult decoded = MazeCodec::decode(maze);
    if (!decoded.maze)
        return result;
    work.maze = std::move(*decoded.maze);
    work.mazePath = QString::fromUtf8(path);
    readPlace(in, work.place);
    in >> count;
    if (in.status() != QDataStream::Ok || !isEditorPlace(work.place))
        return result;
    std::vector<bool> sound;
    for (quint32 i = 0; i < count; ++i) {
        std::optional<ReadStep> step = readStep(in);
        if (!step)
            return result;
        work.steps.push_back(std::move(step->step));
        sound.push_back(step->sound);
    }
    if (!in.atEnd())
        return result;
    const size_t dropped = stepsNotLeading(work, sound);
    work.steps.erase(work.steps.begin(), work.steps.begin() + qsizetype(dropped));
    result.stepsDropped = int(dropped);
    result.work = std::move(work);
    result.refusal = Refusal::None;
    return result;
}

} // namespace KeptWorkCodec
} // namespace orvane
