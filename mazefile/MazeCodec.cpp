#include "MazeCodec.h"

#include <QtEndian>

#include <bit>
#include <cstring>

namespace orvane::MazeCodec {
namespace {

static_assert(sizeof(MazeCell) == CellBytes);
static_assert(sizeof(MazeGrid) == GridBlockSize);

// Sequential little-endian reads over a byte view; every read is bounds-checked.
class Reader {
public:
    explicit Reader(QByteArrayView data) : data_(data) {}

    qsizetype remaining() const { return data_.size() - pos_; }

    bool int16(int16_t& value)
    {
        if (remaining() < 2)
            return false;
        value = qFromLittleEndian<qint16>(data_.data() + pos_);
        pos_ += 2;
        return true;
    }

    QByteArrayView take(qsizetype count)
    {
        const QByteArrayView view = data_.sliced(pos_, count);
        pos_ += count;
        return view;
    }

private:
    QByteArrayView data_;
    qsizetype pos_ = 0;
};

using Kind = MazeFileProblem::Kind;

MazeFileProblem problem(Kind kind, int first = 0, int second = 0)
{
    return {kind, MazeFileProblem::Text::Title, first, second, {}};
}

MazeFileProblem textProblem(Kind kind, MazeFileProblem::Text text, int first, int second = 0)
{
    return {kind, text, first, second, {}};
}

// Reads one counted text.
MazeFileProblem readText(Reader& in, MazeFileProblem::Text which, QByteArray& text)
{
    int16_t count = 0;
    if (!in.int16(count))
        return problem(Kind::HeaderCut);
    if (count < 0)
        return textProblem(Kind::TextTooLong, which, quint16(count));
    if (count > in.remaining())
        return textProblem(Kind::TextPastEnd, which, count, int(in.remaining()));
    text = in.take(count).toByteArray();
    return {};
}

bool inGrid(int16_t v)
{
    return v >= GridMin && v <= GridMax;
}
bool isMapSize(int16_t v)
{
    return v >= MapSizeMin && v <= MapSizeMax;
}

void appendInt16(QByteArray& out, int16_t value)
{
    char bytes[2];
    qToLittleEndian<qint16>(value, bytes);
    out.append(bytes, 2);
}

// Reads the header's fields in file order.
MazeFileProblem readHeader(Reader& in, MazeHeader& h)
{
    if (MazeFileProblem p = readText(in, MazeFileProblem::Text::Title, h.Title))
        return p;
    if (!in.int16(h.TimeLimit) || !in.int16(h.StartX) || !in.int16(h.StartY) ||
        !in.int16(h.GoalX) || !in.int16(h.GoalY))
        return problem(Kind::HeaderCut);
    if (MazeFileProblem p = readText(in, MazeFileProblem::Text::MusicFile, h.MusicFile))
        return p;
    if (!in.int16(h.MapWidth) || !in.int16(h.MapHeight))
        return problem(Kind::HeaderCut);
    return {};
}

// Why a header's numbers cannot be used, if they cannot.
MazeFileProblem headerProblem(const MazeHeader& h)
{
    if (!isMapSize(h.MapWidth) || !isMapSize(h.MapHeight))
        return problem(Kind::MapSizeOutOfRange, h.MapWidth, h.MapHeight);
    if (!inGrid(h.StartX) || !inGrid(h.StartY))
        return problem(Kind::StartOutOfRange, h.StartX, h.StartY);
    if (!inGrid(h.GoalX) || !inGrid(h.GoalY))
        return problem(Kind::GoalOutOfRange, h.GoalX, h.GoalY);
    return {};
}

// Why a text of the header cannot be stored, if it cannot.
MazeFileProblem textsProblem(const MazeHeader& header)
{
    for (const auto& [text, which] :
         {std::pair{&header.Title, MazeFileProblem::Text::Title},
          std::pair{&header.MusicFile, MazeFileProblem::Text::MusicFile}})
        if (text->size() > MaxTextLength)
            return textProblem(Kind::TextTooLong, which, int(text->size()));
    return {};
}

} // namespace

DecodeResult decode(QByteArrayView bytes)
{
    DecodeResult result;
    Reader in(bytes);
    auto maze = std::make_unique<MazeData>();
    result.problem = readHeader(in, maze->header);
    if (!result.problem && in.remaining() < GridBlockSize)
        result.problem = problem(Kind::GridCut, int(in.remaining()));
    if (!result.problem)
        result.problem = headerProblem(maze->header);
    if (result.problem)
        return result;

    const QByteArrayView block = in.take(GridBlockSize);
    auto cells = maze->grid.cells();
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(cells.data(), block.data(), GridBlockSize);
    } else {
        for (qsizetype i = 0; i < GridCellCount; ++i) {
            cells[i].Chip = qFromLittleEndian<qint16>(block.data() + i * CellBytes);
            cells[i].Item = qFromLittleEndian<qint16>(block.data() + i * CellBytes + 2);
        }
    }
    result.maze = std::move(maze);
    return result;
}

MazeFileProblem checkHeader(const MazeHeader& header)
{
    if (MazeFileProblem p = textsProblem(header))
        return p;
    return headerProblem(header);
}

EncodeResult encode(const MazeHeader& header, const MazeGrid& grid)
{
    EncodeResult result;
    if ((result.problem = textsProblem(header)))
        return result;

    QByteArray& out = result.bytes;
    out.reserve(EmptyMazeSize + header.Title.size() + header.MusicFile.size());
    appendInt16(out, int16_t(header.Title.size()));
    out.append(header.Title);
    for (int16_t v : {header.TimeLimit, header.StartX, header.StartY, header.GoalX, header.GoalY})
        appendInt16(out, v);
    appendInt16(out, int16_t(header.MusicFile.size()));
    out.append(header.MusicFile);
    appendInt16(out, header.MapWidth);
    appendInt16(out, header.MapHeight);

    const auto cells = grid.cells();
    if constexpr (std::endian::native == std::endian::little) {
        out.append(reinterpret_cast<const char*>(cells.data()), GridBlockSize);
    } else {
        for (const MazeCell& c : cells) {
            appendInt16(out, c.Chip);
            appendInt16(out, c.Item);
        }
    }
    return result;
}

} // namespace orvane::MazeCodec
