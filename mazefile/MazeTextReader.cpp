// The text form of a maze: the reader. It checks the whole text before it
// gives a maze, and names the first line at fault.

#include "MazeCodec.h"
#include "MazeText.h"
#include "TextLegend.h"
#include "TextQuoting.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <map>
#include <optional>
#include <vector>

namespace orvane::MazeText {
namespace {

using Kind = Problem::Kind;

constexpr int MaxDigits = 6; // enough for any 16-bit number
constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

// Keys that may come once, and those of them a text must have.
const QStringList SingleKeys{"title", "time", "start", "goal", "music", "size", "map", "outside"};
const QStringList RequiredKeys{"time", "start", "goal", "size", "map"};
const QStringList RepeatedKeys{"legend", "cells"};

struct Span {
    int from = 0;
    int to = 0;
};

struct CellsLine {
    int line;
    Span x, y;
    char32_t character;
};

std::optional<int> number(QStringView text)
{
    static const QRegularExpression digits(QStringLiteral("^-?[0-9]{1,%1}$").arg(MaxDigits));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

std::optional<char32_t> oneCharacter(QStringView text)
{
    const QList<uint> code = text.toString().toUcs4();
    if (code.size() != 1 || !isLegendCharacter(code[0]))
        return std::nullopt;
    return char32_t(code[0]);
}

QString characterText(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

QStringList wordsOf(const QString& value)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return value.split(space, Qt::SkipEmptyParts);
}

class Parser {
public:
    ReadResult read(QByteArrayView text);

private:
    // Each returns false with problem_ set when its line cannot be read.
    bool line(int line, const QString& text);
    bool headerValue(int line, const QString& key, const QString& value);
    bool textValue(int line, const QString& key, const QString& value, QByteArray& out);
    bool numberIn(int line, const QString& key, QStringView text, int lo, int hi, int& out);
    bool spanOf(int line, const QString& key, QStringView text, Span& out);
    bool characterOf(int line, QStringView text, char32_t& out);
    bool resolve(int lastLine);
    bool lookUp(int line, char32_t character, int column, MazeCell& out);

    bool refuse(Kind kind, int line, QString detail = {}, int first = 0, int second = 0)
    {
        problem_ = {kind, line, std::move(detail), first, second};
        return false;
    }

    Problem problem_;
    std::unique_ptr<MazeData> maze_ = std::make_unique<MazeData>();
    std::map<QString, int> given_; // key -> its line
    std::map<char32_t, MazeCell> legend_;
    std::vector<std::pair<int, std::u32string>> rows_; // (line, characters)
    int rowsLeft_ = 0;
    std::optional<std::pair<int, char32_t>> outside_; // (line, character)
    std::vector<CellsLine> cells_;
};

ReadResult Parser::read(QByteArrayView text)
{
    // Line by line as it goes, each a view of the text: the signature first,
    // then the bound, so that no other program's text is read past either.
    int last = 0;
    for (qsizetype from = 0; from < text.size() && !problem_;) {
        const qsizetype newline = text.indexOf('\n', from);
        const qsizetype end = newline < 0 ? text.size() : newline;
        QByteArrayView bytes = text.sliced(from, end - from);
        from = end + 1;
        const int number = ++last;
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (number == 1 && bytes.startsWith(Utf8Bom))
            bytes = bytes.sliced(qsizetype(sizeof Utf8Bom) - 1);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        const QString decoded = utf8.decode(bytes);
        if (utf8.hasError())
            refuse(Kind::NotUtf8, number);
        else if (number == 1 && decoded != QLatin1String(Signature))
            refuse(Kind::NotMazeText, number);
        else if (number == 1 && text.size() > MaxTextBytes)
            refuse(Kind::TooLong, 0);
        else if (number > 1)
            line(number, decoded);
    }
    if (!problem_ && last == 0)
        refuse(Kind::NotMazeText, 1);
    if (!problem_ && rowsLeft_ > 0)
        refuse(Kind::MapCut, last, {}, int(rows_.size()), maze_->header.MapHeight);
    ReadResult result;
    if (!problem_ && resolve(last))
        result.maze = std::move(maze_);
    result.problem = problem_;
    return result;
}

bool Parser::line(int number, const QString& text)
{
    if (rowsLeft_ > 0) {
        const QList<uint> code = text.toUcs4();
        if (code.size() != maze_->header.MapWidth)
            return refuse(Kind::RowLength, number, {}, int(code.size()), maze_->header.MapWidth);
        rows_.emplace_back(number, std::u32string(code.begin(), code.end()));
        --rowsLeft_;
        return true;
    }
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return true;
    static const QRegularExpression keyValue(QStringLiteral("^([a-z]+):(.*)$"));
    const QRegularExpressionMatch m = keyValue.match(trimmed);
    if (!m.hasMatch())
        return refuse(Kind::NotKeyLine, number);
    const QString key = m.captured(1);
    if (!SingleKeys.contains(key) && !RepeatedKeys.contains(key))
        return refuse(Kind::UnknownKey, number, key);
    if (SingleKeys.contains(key) && given_.count(key))
        return refuse(Kind::RepeatedKey, number, key);
    given_.emplace(key, number);
    return headerValue(number, key, m.captured(2).trimmed());
}

bool Parser::headerValue(int line, const QString& key, const QString& value)
{
    MazeHeader& h = maze_->header;
    const QStringList words = wordsOf(value);
    int a = 0;
    int b = 0;
    if (key == u"title")
        return textValue(line, key, value, h.Title);
    if (key == u"music")
        return textValue(line, key, value, h.MusicFile);
    if (key == u"time") {
        if (value == u"none") {
            h.TimeLimit = NoTimeLimit;
            return true;
        }
        if (!numberIn(line, key, value, INT16_MIN, INT16_MAX, a))
            return false;
        h.TimeLimit = int16_t(a);
        return true;
    }
    if (key == u"start" || key == u"goal") {
        if (words.size() != 2)
            return refuse(Kind::BadValue, line, key);
        if (!numberIn(line, key, words[0], GridMin, GridMax, a) ||
            !numberIn(line, key, words[1], GridMin, GridMax, b))
            return false;
        (key == u"start" ? h.StartX : h.GoalX) = int16_t(a);
        (key == u"start" ? h.StartY : h.GoalY) = int16_t(b);
        return true;
    }
    if (key == u"size") {
        const QStringList sides = value.split(u'x');
        if (sides.size() != 2)
            return refuse(Kind::BadValue, line, key);
        if (!numberIn(line, key, sides[0], MapSizeMin, MapSizeMax, a) ||
            !numberIn(line, key, sides[1], MapSizeMin, MapSizeMax, b))
            return false;
        h.MapWidth = int16_t(a);
        h.MapHeight = int16_t(b);
        return true;
    }
    if (key == u"map") {
        if (!value.isEmpty())
            return refuse(Kind::BadValue, line, key);
        if (!given_.count(QStringLiteral("size")))
            return refuse(Kind::MapBeforeSize, line);
        rowsLeft_ = h.MapHeight;
        return true;
    }
    if (key == u"outside") {
        char32_t c = 0;
        if (!characterOf(line, value, c))
            return false;
        outside_.emplace(line, c);
        return true;
    }
    if (words.size() != 3)
        return refuse(Kind::BadValue, line, key);
    if (key == u"legend") {
        char32_t c = 0;
        if (!characterOf(line, words[0], c) ||
            !numberIn(line, key, words[1], INT16_MIN, INT16_MAX, a) ||
            !numberIn(line, key, words[2], INT16_MIN, INT16_MAX, b))
            return false;
        if (!legend_.emplace(c, MazeCell{int16_t(a), int16_t(b)}).second)
            return refuse(Kind::RepeatedLegend, line, characterText(c));
        return true;
    }
    CellsLine cells{line, {}, {}, 0}; // key == "cells"
    if (!spanOf(line, key, words[0], cells.x) || !spanOf(line, key, words[1], cells.y) ||
        !characterOf(line, words[2], cells.character))
        return false;
    cells_.push_back(cells);
    return true;
}

bool Parser::textValue(int line, const QString& key, const QString& value, QByteArray& out)
{
    Unquoted u = unquote(value);
    switch (u.fault) {
    case Unquoted::Fault::None:
        break;
    case Unquoted::Fault::NotQuoted:
        return refuse(Kind::BadValue, line, key);
    case Unquoted::Fault::BadEscape:
        return refuse(Kind::BadEscape, line, u.detail);
    case Unquoted::Fault::NotCp932:
        return refuse(Kind::NotCp932, line, u.detail);
    }
    if (u.bytes.size() > MazeCodec::MaxTextLength)
        return refuse(Kind::TextTooLong, line, key, int(u.bytes.size()));
    out = std::move(u.bytes);
    return true;
}

bool Parser::numberIn(int line, const QString& key, QStringView text, int lo, int hi, int& out)
{
    const std::optional<int> n = number(text);
    if (!n)
        return refuse(Kind::BadValue, line, key);
    if (*n < lo || *n > hi)
        return refuse(Kind::OutOfRange, line, key, lo, hi);
    out = *n;
    return true;
}

bool Parser::spanOf(int line, const QString& key, QStringView text, Span& out)
{
    const qsizetype dots = text.indexOf(QStringLiteral(".."));
    const QStringView from = dots < 0 ? text : text.first(dots);
    const QStringView to = dots < 0 ? text : text.sliced(dots + 2);
    if (!numberIn(line, key, from, GridMin, GridMax, out.from) ||
        !numberIn(line, key, to, GridMin, GridMax, out.to))
        return false;
    return out.from <= out.to || refuse(Kind::BadValue, line, key);
}

bool Parser::characterOf(int line, QStringView text, char32_t& out)
{
    const std::optional<char32_t> c = oneCharacter(text);
    if (!c)
        return refuse(Kind::BadCharacter, line, text.toString());
    out = *c;
    return true;
}

bool Parser::lookUp(int line, char32_t character, int column, MazeCell& out)
{
    if (const auto it = legend_.find(character); it != legend_.end()) {
        out = it->second;
        return true;
    }
    return refuse(Kind::UnknownCharacter, line, characterText(character), column);
}

// Checks that nothing is missing and fills the grid.
bool Parser::resolve(int lastLine)
{
    for (const QString& key : RequiredKeys)
        if (!given_.count(key))
            return refuse(Kind::MissingKey, lastLine, key);
    for (const LegendEntry& e : defaultLegend())
        legend_.emplace(e.character, e.cell); // unless a legend line gave it
    MazeHeader& h = maze_->header;
    MazeGrid& grid = maze_->grid;
    for (int y = 0; y < h.MapHeight; ++y) {
        const auto& [line, row] = rows_[size_t(y)];
        for (int x = 0; x < h.MapWidth; ++x)
            if (!lookUp(line, row[size_t(x)], x + 1, grid.at(x, y)))
                return false;
    }
    auto inMap = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < h.MapWidth && y < h.MapHeight;
    };
    MazeCell outside;
    if (outside_ && !lookUp(outside_->first, outside_->second, 0, outside))
        return false;
    for (int y = GridMin; y <= GridMax; ++y)
        for (int x = GridMin; x <= GridMax; ++x)
            if (!inMap(x, y))
                grid.at(x, y) = outside;
    std::vector<bool> given(size_t(GridCellCount), false);
    for (const CellsLine& c : cells_) {
        MazeCell value;
        if (!lookUp(c.line, c.character, 0, value))
            return false;
        for (int y = c.y.from; y <= c.y.to; ++y) {
            for (int x = c.x.from; x <= c.x.to; ++x) {
                if (inMap(x, y))
                    return refuse(Kind::CellsInMap, c.line, {}, x, y);
                if (given[size_t(MazeGrid::index(x, y))])
                    return refuse(Kind::CellsRepeated, c.line, {}, x, y);
                given[size_t(MazeGrid::index(x, y))] = true;
                grid.at(x, y) = value;
            }
        }
    }
    return true;
}

} // namespace

ReadResult read(QByteArrayView text)
{
    return Parser().read(text);
}

} // namespace orvane::MazeText
