#include "RecordsCodec.h"

#include "RunText.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <vector>

namespace orvane {
namespace {

// {"format": "orvane-records", "version": 2, "mazes": {KEY: ENTRY, ...}}
// ENTRY: {"played": DATE, "time": {"seconds": N, "date": DATE, "run": RUN},
//         "keys": {"count": N, "date": DATE, "run": RUN}}, DATE in ISO 8601,
// UTC, RUN {"keys": "RRDS", "ticks": "0 0 1 3"} (RunText's two lines), each
// run left out when not kept. Version 1 kept no runs.
const QString FormatName = QStringLiteral("orvane-records");
constexpr int FormatVersion = 2;
constexpr int FirstVersion = 1;
constexpr qsizetype KeyLength = 64; // SHA-256 in hex
// What a run adds to the file besides its two lines, and more: its names,
// quotes and the indentation.
constexpr qsizetype RunOverhead = 160;

using RecordsCodec::MaxValue;

bool isKey(const QByteArray& key)
{
    return key.size() == KeyLength && std::all_of(key.begin(), key.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

QString dateText(const QDateTime& date)
{
    return date.toUTC().toString(Qt::ISODate);
}

std::optional<QDateTime> dateOf(const QJsonValue& v)
{
    const QDateTime date = QDateTime::fromString(v.toString(), Qt::ISODate);
    if (!v.isString() || !date.isValid())
        return std::nullopt;
    return date;
}

std::optional<int> valueOf(const QJsonValue& v, int high)
{
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d != std::floor(d) || d < 0 || d > high)
        return std::nullopt;
    return int(d);
}

std::optional<GameRun> runOf(const QJsonValue& v)
{
    if (v.isUndefined())
        return GameRun{};
    const QJsonObject o = v.toObject();
    const QJsonValue keys = o["keys"];
    const QJsonValue ticks = o["ticks"];
    if (!v.isObject() || !keys.isString() || !ticks.isString())
        return std::nullopt;
    RunText::Read read =
        RunText::fromLines(keys.toString().toLatin1(), ticks.toString().toLatin1());
    if (read.problem || read.run.empty())
        return std::nullopt;
    return std::move(read.run);
}

std::optional<Best> bestOf(const QJsonValue& v, const QString& name, bool withRun)
{
    const QJsonObject o = v.toObject();
    const std::optional<int> value = valueOf(o[name], MaxValue);
    const std::optional<QDateTime> date = dateOf(o["date"]);
    const std::optional<GameRun> run = withRun ? runOf(o["run"]) : GameRun{};
    if (!v.isObject() || !value || !date || !run)
        return std::nullopt;
    return Best{*value, *date, *run};
}

std::optional<MazeRecord> recordOf(const QJsonValue& v, bool withRuns)
{
    const QJsonObject o = v.toObject();
    const std::optional<Best> time = bestOf(o["time"], QStringLiteral("seconds"), withRuns);
    const std::optional<Best> keys = bestOf(o["keys"], QStringLiteral("count"), withRuns);
    const std::optional<QDateTime> played = dateOf(o["played"]);
    if (!v.isObject() || !time || !keys || !played)
        return std::nullopt;
    return MazeRecord{*time, *keys, *played};
}

QJsonObject bestJson(const Best& best, const QString& name, bool withRun)
{
    QJsonObject o{{name, best.value}, {"date", dateText(best.date)}};
    if (withRun && !best.run.empty())
        o["run"] = QJsonObject{{"keys", QString::fromStdString(best.run.keys)},
                               {"ticks", QString::fromLatin1(RunText::ticksLine(best.run.ticks))}};
    return o;
}

const Best& better(const Best& a, const Best& b)
{
    if (a.value != b.value)
        return a.value < b.value ? a : b;
    if (a.date != b.date)
        return b.date < a.date ? b : a;
    return a.run.empty() && !b.run.empty() ? b : a;
}

// What a run adds to the file, at most.
qsizetype runCost(const GameRun& run)
{
    if (run.empty())
        return 0;
    return run.keys.size() + RunText::ticksLine(run.ticks).size() + RunOverhead;
}

// The file, with the runs of the entries `withRuns` names.
QByteArray encodeWith(const RecordEntries& entries, const std::set<QByteArray>& withRuns)
{
    QJsonObject mazes;
    for (const auto& [key, r] : entries) {
        const bool runs = withRuns.count(key) > 0;
        mazes.insert(QString::fromLatin1(key),
                     QJsonObject{{"played", dateText(r.played)},
                                 {"time", bestJson(r.time, QStringLiteral("seconds"), runs)},
                                 {"keys", bestJson(r.keys, QStringLiteral("count"), runs)}});
    }
    const QJsonObject top{{"format", FormatName}, {"version", FormatVersion}, {"mazes", mazes}};
    return QJsonDocument(top).toJson();
}

} // namespace

MazeRecord betterOf(const MazeRecord& a, const MazeRecord& b)
{
    return {better(a.time, b.time), better(a.keys, b.keys), std::max(a.played, b.played)};
}

void joinRecords(RecordEntries& into, const RecordEntries& from)
{
    for (const auto& [key, record] : from) {
        const auto [it, added] = into.try_emplace(key, record);
        if (!added)
            it->second = betterOf(it->second, record);
    }
}

namespace RecordsCodec {

bool inRange(int value)
{
    return value >= 0 && value <= MaxValue;
}

Decoded decode(QByteArrayView bytes)
{
    Decoded result;
    if (bytes.size() > MaxFileSize) {
        result.problem = Problem::TooLarge;
        return result;
    }
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray());
    const QJsonObject top = document.object();
    const QJsonValue version = top["version"];
    const QJsonValue mazes = top["mazes"];
    if (!document.isObject()) {
        result.problem = Problem::NotJson;
        return result;
    }
    if (top["format"] != FormatName || !valueOf(version, INT_MAX)) {
        result.problem = Problem::NotRecords;
        return result;
    }
    // A later version may keep its bests otherwise: it is not read at all.
    if (version.toInt() > FormatVersion) {
        result.problem = Problem::NewerVersion;
        return result;
    }
    if (version.toInt() < FirstVersion || !mazes.isObject()) {
        result.problem = Problem::NotRecords;
        return result;
    }
    const bool withRuns = version.toInt() > FirstVersion;
    const QJsonObject entries = mazes.toObject();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const QByteArray key = it.key().toLatin1();
        const std::optional<MazeRecord> record = recordOf(it.value(), withRuns);
        if (!isKey(key) || !record) {
            result.entries.clear();
            result.problem = Problem::BadEntry;
            return result;
        }
        result.entries.emplace(key, *record);
    }
    return result;
}

QByteArray encode(const RecordEntries& entries)
{
    const QByteArray bare = encodeWith(entries, {});
    // The runs of the mazes played last, as many as the bound allows.
    std::vector<RecordEntries::const_iterator> byPlayed;
    for (auto it = entries.begin(); it != entries.end(); ++it)
        if (!it->second.time.run.empty() || !it->second.keys.run.empty())
            byPlayed.push_back(it);
    std::stable_sort(byPlayed.begin(), byPlayed.end(), [](const auto& a, const auto& b) {
        return a->second.played > b->second.played;
    });
    std::set<QByteArray> withRuns;
    qsizetype size = bare.size();
    for (const auto& it : byPlayed) {
        size += runCost(it->second.time.run) + runCost(it->second.keys.run);
        if (size > MaxFileSize)
            break;
        withRuns.insert(it->first);
    }
    if (withRuns.empty())
        return bare;
    QByteArray file = encodeWith(entries, withRuns);
    return file.size() <= MaxFileSize ? file : bare;
}

} // namespace RecordsCodec
} // namespace orvane
