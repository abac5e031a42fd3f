#include "RecordsCodec.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvane {
namespace {

// {"format": "orvane-records", "version": 1, "mazes": {KEY: ENTRY, ...}}
// ENTRY: {"played": DATE, "time": {"seconds": N, "date": DATE},
//         "keys": {"count": N, "date": DATE}}, DATE in ISO 8601, UTC.
const QString FormatName = QStringLiteral("orvane-records");
constexpr int FormatVersion = 1;
constexpr qsizetype KeyLength = 64; // SHA-256 in hex

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

std::optional<Best> bestOf(const QJsonValue& v, const QString& name)
{
    const QJsonObject o = v.toObject();
    const std::optional<int> value = valueOf(o[name], MaxValue);
    const std::optional<QDateTime> date = dateOf(o["date"]);
    if (!v.isObject() || !value || !date)
        return std::nullopt;
    return Best{*value, *date};
}

std::optional<MazeRecord> recordOf(const QJsonValue& v)
{
    const QJsonObject o = v.toObject();
    const std::optional<Best> time = bestOf(o["time"], QStringLiteral("seconds"));
    const std::optional<Best> keys = bestOf(o["keys"], QStringLiteral("count"));
    const std::optional<QDateTime> played = dateOf(o["played"]);
    if (!v.isObject() || !time || !keys || !played)
        return std::nullopt;
    return MazeRecord{*time, *keys, *played};
}

QJsonObject bestJson(const Best& best, const QString& name)
{
    return QJsonObject{{name, best.value}, {"date", dateText(best.date)}};
}

const Best& better(const Best& a, const Best& b)
{
    if (a.value != b.value)
        return a.value < b.value ? a : b;
    return b.date < a.date ? b : a;
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
    if (version.toInt() != FormatVersion || !mazes.isObject()) {
        result.problem = Problem::NotRecords;
        return result;
    }
    const QJsonObject entries = mazes.toObject();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const QByteArray key = it.key().toLatin1();
        const std::optional<MazeRecord> record = recordOf(it.value());
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
    QJsonObject mazes;
    for (const auto& [key, r] : entries)
        mazes.insert(QString::fromLatin1(key),
                     QJsonObject{{"played", dateText(r.played)},
                                 {"time", bestJson(r.time, QStringLiteral("seconds"))},
                                 {"keys", bestJson(r.keys, QStringLiteral("count"))}});
    const QJsonObject top{{"format", FormatName}, {"version", FormatVersion}, {"mazes", mazes}};
    return QJsonDocument(top).toJson();
}

} // namespace RecordsCodec
} // namespace orvane
