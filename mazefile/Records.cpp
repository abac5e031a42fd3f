#include "Records.h"

#include "FileCalls.h"
#include "FileReplace.h"
#include "MazeCodec.h"
#include "PrivateFiles.h"
#include "SetAside.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>

namespace orvane {
namespace {

// {"format": "orvane-records", "version": 1, "mazes": {KEY: ENTRY, ...}}
// ENTRY: {"played": DATE, "time": {"seconds": N, "date": DATE},
//         "keys": {"count": N, "date": DATE}}, DATE in ISO 8601, UTC.
const QString FormatName = QStringLiteral("orvane-records");
constexpr int FormatVersion = 1;
constexpr qsizetype KeyLength = 64; // SHA-256 in hex

using Problem = Records::Load::Problem;

bool isKey(const QByteArray& key)
{
    return key.size() == KeyLength && std::all_of(key.begin(), key.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

bool inRange(int value)
{
    return value >= 0 && value <= Records::MaxValue;
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

std::optional<int> valueOf(const QJsonValue& v)
{
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d != std::floor(d) || d < 0 || d > Records::MaxValue)
        return std::nullopt;
    return int(d);
}

std::optional<Best> bestOf(const QJsonValue& v, const QString& name)
{
    const QJsonObject o = v.toObject();
    const std::optional<int> value = valueOf(o[name]);
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

} // namespace

QByteArray recordKey(const MazeHeader& header, const MazeGrid& grid)
{
    MazeHeader withoutMusic = header;
    withoutMusic.MusicFile.clear();
    const MazeCodec::EncodeResult file = MazeCodec::encode(withoutMusic, grid);
    if (file.problem)
        return {};
    return QCryptographicHash::hash(file.bytes, QCryptographicHash::Sha256).toHex();
}

Records::Records(QString path) : path_(std::move(path)) {}

Records::Load Records::load()
{
    Load result;
    entries_.clear();
    readError_ = 0;
    // Opened without waiting, should a FIFO have the file's name.
    const FileHandle file(
        ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (!file) {
        if (errno != ENOENT)
            result = {Problem::ReadFailed, {}, readError_ = errno};
        return result;
    }
    if (::fstat(file.fd(), &st) != 0) {
        result = {Problem::ReadFailed, {}, readError_ = errno};
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.problem = Problem::NotAFile;
        return result;
    }
    QByteArray bytes;
    if (st.st_size <= MaxFileSize) {
        if (const int error = readStart(file.fd(), bytes, qsizetype(st.st_size))) {
            result = {Problem::ReadFailed, {}, readError_ = error};
            return result;
        }
    }

    std::map<QByteArray, MazeRecord> read;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject top = document.object();
    const QJsonValue mazes = top["mazes"];
    if (st.st_size > MaxFileSize) {
        result.problem = Problem::TooLarge;
    } else if (!document.isObject()) {
        result.problem = Problem::NotJson;
    } else if (top["format"] != FormatName || top["version"] != FormatVersion ||
               !mazes.isObject()) {
        result.problem = Problem::NotRecords;
    } else {
        const QJsonObject entries = mazes.toObject();
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            const QByteArray key = it.key().toLatin1();
            const std::optional<MazeRecord> record = recordOf(it.value());
            if (!isKey(key) || !record) {
                result.problem = Problem::BadEntry;
                break;
            }
            read.emplace(key, *record);
        }
    }
    if (result.problem != Problem::None) {
        result.setAsideAs = setAsideBeside(path_, QStringLiteral("damaged"), result.systemError);
        if (result.setAsideAs.isEmpty())
            readError_ = result.systemError;
        return result;
    }
    entries_ = std::move(read);
    while (int(entries_.size()) > MaxEntries)
        dropOldest();
    return result;
}

NewBests Records::record(const QByteArray& key, int secondsUsed, int keysPressed,
                         const QDateTime& date)
{
    NewBests news;
    if (key.isEmpty() || !inRange(secondsUsed) || !inRange(keysPressed))
        return news;
    const auto [it, added] = entries_.try_emplace(key);
    MazeRecord& r = it->second;
    news.time = added || secondsUsed < r.time.value;
    news.keys = added || keysPressed < r.keys.value;
    if (news.time)
        r.time = {secondsUsed, date};
    if (news.keys)
        r.keys = {keysPressed, date};
    r.played = date;
    if (int(entries_.size()) > MaxEntries)
        dropOldest();
    return news;
}

std::optional<MazeRecord> Records::lookup(const QByteArray& key) const
{
    const auto it = entries_.find(key);
    if (it == entries_.end())
        return std::nullopt;
    return it->second;
}

MazeFileProblem Records::save() const
{
    if (readError_) // never over a file that could not be read or moved aside
        return systemProblem(MazeFileProblem::Kind::ReadFailed, readError_);
    QJsonObject mazes;
    for (const auto& [key, r] : entries_)
        mazes.insert(QString::fromLatin1(key),
                     QJsonObject{{"played", dateText(r.played)},
                                 {"time", bestJson(r.time, QStringLiteral("seconds"))},
                                 {"keys", bestJson(r.keys, QStringLiteral("count"))}});
    const QJsonObject top{{"format", FormatName}, {"version", FormatVersion}, {"mazes", mazes}};
    const QString folder = QFileInfo(path_).absolutePath();
    if (const int error = makePrivateFolders(folder))
        return systemProblem(MazeFileProblem::Kind::NoFolder, error, folder);
    return replaceFileContents(path_, QJsonDocument(top).toJson(), FileAccess::Private);
}

void Records::dropOldest()
{
    // The least recently played; among equals the least key, so that the
    // choice is the same everywhere.
    const auto oldest =
        std::min_element(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
            return a.second.played < b.second.played;
        });
    entries_.erase(oldest);
}

} // namespace orvane
