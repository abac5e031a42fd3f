#include "KeptWork.h"

#include "MazeCodec.h"
#include "MazeState.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

namespace orvane::KeptWorkCodec {
namespace {

constexpr char Tag[] = "ORVANE work\n";
constexpr qsizetype TagSize = sizeof(Tag) - 1;
constexpr quint16 FormatVersion = 1;
constexpr auto HashKind = QCryptographicHash::Sha256;
constexpr qsizetype HashSize = 32;
constexpr quint8 LastKind = quint8(EditKind::NewMaze);

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

void writeStep(QDataStream& out, const RecordedStep& step)
{
    const MazeChange& change = *step.change;
    out << quint8(step.kind);
    writeDocument(out, change.document(false));
    writeDocument(out, change.document(true));
    out << quint32(change.cells().size());
    for (const CellChange& c : change.cells())
        out << c.x << c.y << c.before.Chip << c.before.Item << c.after.Chip << c.after.Item;
}

std::optional<RecordedStep> readStep(QDataStream& in)
{
    constexpr qint64 CellSize = 6 * 2;
    quint8 kind = 0;
    MazeDocument before, after;
    quint32 count = 0;
    in >> kind;
    if (kind > LastKind || !readDocument(in, before) || !readDocument(in, after))
        return std::nullopt;
    in >> count;
    if (in.status() != QDataStream::Ok || count > in.device()->bytesAvailable() / CellSize)
        return std::nullopt;
    std::vector<CellChange> cells(count);
    for (CellChange& c : cells) {
        in >> c.x >> c.y >> c.before.Chip >> c.before.Item >> c.after.Chip >> c.after.Item;
        if (!MazeGrid::contains(c.x, c.y))
            return std::nullopt;
    }
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    return RecordedStep{EditKind(kind), std::make_shared<const MazeChange>(
                                            std::move(cells), std::move(before), std::move(after))};
}

// Whether undoing the steps, newest first, from the maze takes each back
// exactly: the history the work was kept with, and no other.
bool stepsLeadTo(const KeptWork& work)
{
    auto maze = std::make_unique<MazeState>();
    maze->header = work.maze.header;
    maze->grid = work.maze.grid;
    QString path = work.mazePath;
    for (auto step = work.steps.rbegin(); step != work.steps.rend(); ++step) {
        if (!step->change->isUndoableOn(*maze, path))
            return false;
        step->change->apply(*maze, path, nullptr, false);
    }
    return true;
}

} // namespace

QByteArray encode(const KeptWork& work, qsizetype stepBudget)
{
    // The newest steps that fit the budget, each measured as written.
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

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    fixForm(out);
    out.writeRawData(Tag, int(TagSize));
    out << FormatVersion;
    writeText(out, MazeCodec::encode(work.maze.header, work.maze.grid).bytes);
    writeText(out, work.mazePath.toUtf8());
    writePlace(out, work.place);
    out << quint32(steps.size());
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
        out.writeRawData(step->constData(), int(step->size()));
    file += QCryptographicHash::hash(file, HashKind);
    return file;
}

DecodeResult decode(QByteArrayView bytes)
{
    DecodeResult result;
    if (!bytes.startsWith(QByteArrayView(Tag, TagSize))) {
        result.refusal = Refusal::NotKeptWork;
        return result;
    }
    constexpr qsizetype VersionSize = sizeof(FormatVersion);
    if (bytes.size() >= TagSize + VersionSize &&
        qFromLittleEndian<quint16>(bytes.data() + TagSize) > FormatVersion) {
        result.refusal = Refusal::NewerFormat;
        return result;
    }
    result.refusal = Refusal::Damaged;
    if (bytes.size() < TagSize + VersionSize + HashSize ||
        QCryptographicHash::hash(bytes.chopped(HashSize), HashKind) != bytes.last(HashSize))
        return result;
    QByteArray body = bytes.chopped(HashSize).toByteArray();
    QDataStream in(&body, QIODevice::ReadOnly);
    fixForm(in);
    in.skipRawData(int(TagSize + VersionSize));

    KeptWork work;
    QByteArray maze, path;
    quint32 count = 0;
    if (!readText(in, maze) || !readText(in, path))
        return result;
    MazeCodec::DecodeResult decoded = MazeCodec::decode(maze);
    if (!decoded.maze)
        return result;
    work.maze = std::move(*decoded.maze);
    work.mazePath = QString::fromUtf8(path);
    readPlace(in, work.place);
    in >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        std::optional<RecordedStep> step = readStep(in);
        if (!step)
            return result;
        work.steps.push_back(std::move(*step));
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return result;
    if (!stepsLeadTo(work)) {
        result.refusal = Refusal::Inconsistent;
        return result;
    }
    result.work = std::move(work);
    result.refusal = Refusal::None;
    return result;
}

} // namespace orvane::KeptWorkCodec
