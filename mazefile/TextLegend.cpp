#include "TextLegend.h"

#include "MazeConstants.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <vector>

namespace orvane::MazeText {
namespace {

constexpr MazeCell wall(int n)
{
    return {int16_t(FirstWall + n), NoItem};
}
constexpr MazeCell floor(int n)
{
    return {int16_t(FirstFloor + n), NoItem};
}
constexpr MazeCell arrow(int16_t item)
{
    return {FirstFloor, item};
}

constexpr std::array<LegendEntry, 17> Defaults{{
    {U'_', {UnsetChip, NoItem}},
    {U'#', wall(0)},
    {U'R', wall(1)},
    {U'G', wall(2)},
    {U'B', wall(3)},
    {U'P', wall(4)},
    {U'Y', wall(5)},
    {U'.', floor(0)},
    {U'r', floor(1)},
    {U'g', floor(2)},
    {U'b', floor(3)},
    {U'p', floor(4)},
    {U'y', floor(5)},
    {U'^', arrow(ArrowUp)},
    {U'v', arrow(ArrowDown)},
    {U'<', arrow(ArrowLeft)},
    {U'>', arrow(ArrowRight)},
}};

// After the printable ASCII characters: the accented Latin-1 letters, then
// the CJK ideographs, as many as a grid has cells.
constexpr char32_t FirstAccented = 0xC0;
constexpr char32_t LastAccented = 0xFF;
constexpr char32_t Times = 0xD7;
constexpr char32_t Divide = 0xF7;
constexpr char32_t FirstIdeograph = 0x4E00;

bool isDefault(char32_t c)
{
    return std::any_of(Defaults.begin(), Defaults.end(),
                       [&](const LegendEntry& e) { return e.character == c; });
}

std::vector<char32_t> spareList()
{
    std::vector<char32_t> list;
    auto add = [&](char32_t c) {
        if (!isDefault(c))
            list.push_back(c);
    };
    for (char32_t c = U'A'; c <= U'Z'; ++c)
        add(c);
    for (char32_t c = U'a'; c <= U'z'; ++c)
        add(c);
    for (char32_t c = U'0'; c <= U'9'; ++c)
        add(c);
    for (char32_t c = U'!'; c <= U'~'; ++c)
        if (!QChar::isLetterOrNumber(c))
            add(c);
    for (char32_t c = FirstAccented; c <= LastAccented; ++c)
        if (c != Times && c != Divide)
            add(c);
    return list;
}

} // namespace

std::span<const LegendEntry> defaultLegend()
{
    return Defaults;
}

char32_t spareCharacter(size_t n)
{
    static const std::vector<char32_t> spares = spareList();
    return n < spares.size() ? spares[n] : FirstIdeograph + char32_t(n - spares.size());
}

bool isLegendCharacter(char32_t c)
{
    return QChar::isPrint(c) && !QChar::isSpace(c);
}

} // namespace orvane::MazeText
