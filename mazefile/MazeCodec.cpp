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

const QString TruncatedHeader =
    QStringLiteral("ファイルが短すぎます。ヘッダーの途中で終わっています。");

// Reads one counted text; returns an error text or an empty string.
QString readText(Reader& in, const QString& what, QByteArray& text)
{
    int16_t count = 0;
    if (!in.int16(count))
        return TruncatedHeader;
    if (count < 0)
        return QStringLiteral("%1の長さ %2 バイトは上限の %3 バイトを超えています。")
            .arg(what)
            .arg(quint16(count))
            .arg(MaxTextLength);
    if (count > in.remaining())
        return QStringLiteral("%1の長さ %2 バイトがファイルの残りの %3 バイトを超えています。")
            .arg(what)
            .arg(count)
            .arg(in.remaining());
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

// Reads the header's fields in file order; returns why it could not.
QString readHeader(Reader& in, MazeHeader& h)
{
    if (QString e = readText(in, QStringLiteral("タイトル"), h.Title); !e.isEmpty())
        return e;
    if (!in.int16(h.TimeLimit) || !in.int16(h.StartX) || !in.int16(h.StartY) ||
        !in.int16(h.GoalX) || !in.int16(h.GoalY))
        return TruncatedHeader;
    if (QString e = readText(in, QStringLiteral("音楽ファイル名"), h.MusicFile); !e.isEmpty())
        return e;
    if (!in.int16(h.MapWidth) || !in.int16(h.MapHeight))
        return TruncatedHeader;
    return {};
}

// "<what> (a, b) が lo〜hi の範囲外です。"
QString outOfRange(const QString& what, int a, int b, int lo, int hi)
{
    return QStringLiteral("%1 (%2, %3) が %4〜%5 の範囲外です。")
        .arg(what)
        .arg(a)
        .arg(b)
        .arg(lo)
        .arg(hi);
}

// Why a header's numbers cannot be used, or an empty string.
QString headerProblem(const MazeHeader& h)
{
    if (!isMapSize(h.MapWidth) || !isMapSize(h.MapHeight))
        return outOfRange(QStringLiteral("マップの大きさ"), h.MapWidth, h.MapHeight, MapSizeMin,
                          MapSizeMax);
    if (!inGrid(h.StartX) || !inGrid(h.StartY))
        return outOfRange(QStringLiteral("スタート位置"), h.StartX, h.StartY, GridMin, GridMax);
    if (!inGrid(h.GoalX) || !inGrid(h.GoalY))
        return outOfRange(QStringLiteral("ゴール位置"), h.GoalX, h.GoalY, GridMin, GridMax);
    return {};
}

} // namespace

DecodeResult decode(QByteArrayView bytes)
{
    DecodeResult result;
    Reader in(bytes);
    auto maze = std::make_unique<MazeData>();
    result.error = readHeader(in, maze->header);
    if (result.error.isEmpty() && in.remaining() < GridBlockSize)
        result.error = QStringLiteral("迷路データが途中で終わっています (%1 バイトのうち %2 "
                                      "バイトしかありません)。")
                           .arg(GridBlockSize)
                           .arg(in.remaining());
    if (result.error.isEmpty())
        result.error = headerProblem(maze->header);
    if (!result.error.isEmpty())
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

EncodeResult encode(const MazeHeader& header, const MazeGrid& grid)
{
    EncodeResult result;
    for (const auto& [text, what] :
         {std::pair{&header.Title, QStringLiteral("タイトル")},
          std::pair{&header.MusicFile, QStringLiteral("音楽ファイル名")}}) {
        if (text->size() > MaxTextLength) {
            result.error = QStringLiteral("%1が長すぎます (%2 バイト、上限 %3 バイト)。")
                               .arg(what)
                               .arg(text->size())
                               .arg(MaxTextLength);
            return result;
        }
    }

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
