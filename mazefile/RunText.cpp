#include "RunText.h"

#include <charconv>

namespace orvane::RunText {
namespace {

using Kind = Problem::Kind;

constexpr int KeysLine = 1;
constexpr int TicksLine = 2;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A line without its end, which may be "\r\n"; `rest` is what follows.
QByteArrayView takeLine(QByteArrayView& rest)
{
    const qsizetype end = rest.indexOf('\n');
    QByteArrayView line = end < 0 ? rest : rest.first(end);
    rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

Read refused(Kind kind, int line, int position = 0)
{
    return {{}, {kind, line, position}};
}

} // namespace

Read fromLines(QByteArrayView keys, QByteArrayView ticks)
{
    Read result;
    if (keys.size() > MaxRunKeys)
        return refused(Kind::TooLong, KeysLine);
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (!isRunKey(keys[i]))
            return refused(Kind::BadLetter, KeysLine, int(i) + 1);
    }
    result.run.keys.assign(keys.begin(), keys.end());
    const char* at = ticks.begin();
    const char* const end = ticks.end();
    for (;;) {
        while (at != end && isBlank(*at))
            ++at;
        if (at == end)
            break;
        const int position = int(result.run.ticks.size()) + 1;
        if (position > keys.size())
            return refused(Kind::CountsDiffer, TicksLine, position);
        int tick = 0;
        const auto [next, error] = std::from_chars(at, end, tick);
        if (error != std::errc() || next == at || tick < 0 || tick > MaxTick ||
            (next != end && !isBlank(*next)))
            return refused(Kind::BadTick, TicksLine, position);
        if (!result.run.ticks.empty() && tick < result.run.ticks.back())
            return refused(Kind::TicksFalling, TicksLine, position);
        result.run.ticks.push_back(tick);
        at = next;
    }
    if (result.run.ticks.size() != result.run.keys.size())
        return refused(Kind::CountsDiffer, TicksLine, int(result.run.ticks.size()) + 1);
    return result;
}

Read read(QByteArrayView text)
{
    if (text.size() > MaxTextBytes)
        return refused(Kind::TooLong, KeysLine);
    QByteArrayView rest = text;
    const QByteArrayView keys = takeLine(rest);
    const QByteArrayView ticks = takeLine(rest);
    if (!rest.trimmed().isEmpty())
        return refused(Kind::ExtraLine, TicksLine + 1);
    return fromLines(keys, ticks);
}

QByteArray ticksLine(const std::vector<int>& ticks)
{
    QByteArray line;
    for (size_t i = 0; i < ticks.size(); ++i) {
        if (i > 0)
            line += ' ';
        line += QByteArray::number(ticks[i]);
    }
    return line;
}

QByteArray write(const GameRun& run)
{
    return QByteArray::fromStdString(run.keys) + '\n' + ticksLine(run.ticks) + '\n';
}

} // namespace orvane::RunText
