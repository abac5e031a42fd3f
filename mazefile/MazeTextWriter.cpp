// The text form of a maze: the writer.

#include "MazeText.h"
#include "TextLegend.h"
#include "TextQuoting.h"

#include <QStringList>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

namespace orvane::MazeText {
namespace {

using CellKey = std::pair<int16_t, int16_t>; // (Chip, Item), ordered

CellKey keyOf(const MazeCell& c)
{
    return {c.Chip, c.Item};
}

bool inMap(const MazeHeader& h, int x, int y)
{
    return x >= 0 && y >= 0 && x < h.MapWidth && y < h.MapHeight;
}

// Cells outside the map that share a value, as a rectangle.
struct Block {
    int x1, x2, y1, y2;
    MazeCell cell;
};

// The value most cells outside the map hold (the first in grid order of
// those that tie).
MazeCell outsideDefault(const MazeHeader& h, const MazeGrid& grid)
{
    std::map<CellKey, int> counts;
    MazeCell best;
    int bestCount = 0;
    for (int y = GridMin; y <= GridMax; ++y)
        for (int x = GridMin; x <= GridMax; ++x)
            if (!inMap(h, x, y)) {
                const MazeCell& c = grid.at(x, y);
                if (const int n = ++counts[keyOf(c)]; n > bestCount) {
                    bestCount = n;
                    best = c;
                }
            }
    return best;
}

// The cells outside the map that differ from `outside`: runs along each row,
// runs of the same columns and value in the rows below joined into one.
std::vector<Block> outsideBlocks(const MazeHeader& h, const MazeGrid& grid, MazeCell outside)
{
    using RunKey = std::tuple<int, int, CellKey>; // x1, x2, value
    std::vector<Block> done;
    std::map<RunKey, int> open; // run -> its first row
    for (int y = GridMin; y <= GridMax + 1; ++y) {
        std::map<RunKey, int> next;
        for (int x = GridMin; y <= GridMax && x <= GridMax;) {
            const MazeCell& c = grid.at(x, y);
            if (inMap(h, x, y) || c == outside) {
                ++x;
                continue;
            }
            int end = x;
            while (end + 1 <= GridMax && !inMap(h, end + 1, y) && grid.at(end + 1, y) == c)
                ++end;
            const RunKey run{x, end, keyOf(c)};
            const auto above = open.find(run);
            next[run] = above == open.end() ? y : above->second;
            if (above != open.end())
                open.erase(above);
            x = end + 1;
        }
        for (const auto& [run, first] : open) {
            const auto& [x1, x2, key] = run;
            done.push_back({x1, x2, first, y - 1, {key.first, key.second}});
        }
        open = std::move(next);
    }
    std::sort(done.begin(), done.end(), [](const Block& a, const Block& b) {
        return std::tie(a.y1, a.x1) < std::tie(b.y1, b.x1);
    });
    return done;
}

QString span(int from, int to)
{
    return from == to ? QString::number(from) : QStringLiteral("%1..%2").arg(from).arg(to);
}

QString characterText(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

} // namespace

QByteArray write(const MazeHeader& h, const MazeGrid& grid)
{
    const MazeCell outside = outsideDefault(h, grid);
    const std::vector<Block> blocks = outsideBlocks(h, grid, outside);

    // A character for every value the text shows: the default one, or the
    // next spare in the order of the values.
    std::map<CellKey, char32_t> legend;
    legend[keyOf(outside)] = 0;
    for (const Block& b : blocks)
        legend[keyOf(b.cell)] = 0;
    for (int y = 0; y < h.MapHeight; ++y)
        for (int x = 0; x < h.MapWidth; ++x)
            legend[keyOf(grid.at(x, y))] = 0;
    size_t spares = 0;
    for (auto& [key, character] : legend) {
        for (const LegendEntry& e : defaultLegend())
            if (keyOf(e.cell) == key)
                character = e.character;
        if (character == 0)
            character = spareCharacter(spares++);
    }

    QStringList lines{QString::fromLatin1(Signature)};
    lines << QStringLiteral("title: ") + quote(h.Title);
    lines << QStringLiteral("time: ") + (h.TimeLimit == NoTimeLimit ? QStringLiteral("none")
                                                                    : QString::number(h.TimeLimit));
    lines << QStringLiteral("start: %1 %2").arg(h.StartX).arg(h.StartY);
    lines << QStringLiteral("goal: %1 %2").arg(h.GoalX).arg(h.GoalY);
    lines << QStringLiteral("music: ") + quote(h.MusicFile);
    lines << QStringLiteral("size: %1x%2").arg(h.MapWidth).arg(h.MapHeight);
    for (const auto& [key, character] : legend)
        lines << QStringLiteral("legend: %1 %2 %3")
                     .arg(characterText(character))
                     .arg(key.first)
                     .arg(key.second);
    lines << QStringLiteral("map:");
    for (int y = 0; y < h.MapHeight; ++y) {
        std::u32string row;
        for (int x = 0; x < h.MapWidth; ++x)
            row += legend[keyOf(grid.at(x, y))];
        lines << QString::fromUcs4(row.data(), qsizetype(row.size()));
    }
    lines << QStringLiteral("outside: ") + characterText(legend[keyOf(outside)]);
    for (const Block& b : blocks)
        lines << QStringLiteral("cells: %1 %2 %3")
                     .arg(span(b.x1, b.x2), span(b.y1, b.y2), characterText(legend[keyOf(b.cell)]));
    return (lines.join(u'\n') + u'\n').toUtf8();
}

} // namespace orvane::MazeText
