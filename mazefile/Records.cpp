#include "Records.h"

#include "FileCalls.h"
#include "FileReplace.h"
#include "MazeCodec.h"
#include "PrivateFiles.h"
#include "SetAside.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace orvane {
namespace {

using Problem = Records::Load::Problem;

Problem problemOf(RecordsCodec::Problem p)
{
    switch (p) {
    case RecordsCodec::Problem::None:
        break;
    case RecordsCodec::Problem::NewerVersion:
        return Problem::NewerVersion;
    case RecordsCodec::Problem::TooLarge:
        return Problem::TooLarge;
    case RecordsCodec::Problem::NotJson:
        return Problem::NotJson;
    case RecordsCodec::Problem::NotRecords:
        return Problem::NotRecords;
    case RecordsCodec::Problem::BadEntry:
        return Problem::BadEntry;
    }
    return Problem::None;
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

Records::~Records() = default;

Records::Load Records::load()
{
    Sync sync;
    const std::unique_ptr<QLockFile> held = lock(sync);
    return read(held != nullptr);
}

Records::Load Records::read(bool locked)
{
    Load result;
    if (path_.isEmpty() || newer_)
        return result;
    readError_ = 0;
    // Opened without waiting, should a FIFO have the file's name.
    const FileHandle file(
        ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    RecordsCodec::Decoded read;
    if (!file) {
        if (errno != ENOENT)
            result = {Problem::ReadFailed, {}, readError_ = errno};
    } else if (::fstat(file.fd(), &st) != 0) {
        result = {Problem::ReadFailed, {}, readError_ = errno};
    } else if (!S_ISREG(st.st_mode)) {
        result.problem = Problem::NotAFile;
    } else if (st.st_size > RecordsCodec::MaxFileSize) {
        result.problem = Problem::TooLarge;
    } else {
        QByteArray bytes;
        if (const int error = readStart(file.fd(), bytes, qsizetype(st.st_size)))
            result = {Problem::ReadFailed, {}, readError_ = error};
        else
            read = RecordsCodec::decode(bytes);
        result.problem = std::max(result.problem, problemOf(read.problem));
    }
    if (result.problem == Problem::NewerVersion) {
        newer_ = true; // left as it is
    } else if (result.damaged()) {
        // Only under the lock: a file another program has just written in
        // its place is never moved aside.
        if (!locked)
            return result;
        result.setAsideAs = setAsideBeside(path_, QStringLiteral("damaged"), result.systemError);
        if (result.setAsideAs.isEmpty())
            readError_ = result.systemError;
    }
    if (!readError_ && !newer_) {
        // The file holds every game written: it replaces what was known.
        entries_ = std::move(read.entries);
        joinRecords(entries_, unwritten_);
    }
    while (int(entries_.size()) > MaxEntries)
        dropOldest();
    return result;
}

std::unique_ptr<QLockFile> Records::lock(Sync& sync) const
{
    if (path_.isEmpty() || newer_)
        return nullptr;
    const QString folder = QFileInfo(path_).absolutePath();
    if (const int error = makePrivateFolders(folder)) {
        sync.write = systemProblem(MazeFileProblem::Kind::NoFolder, error, folder);
        return nullptr;
    }
    auto held = std::make_unique<QLockFile>(path_ + QStringLiteral(".lock"));
    if (held->tryLock(int(LockWait.count())))
        return held;
    if (held->error() == QLockFile::LockFailedError)
        sync.lockBusy = true;
    else
        sync.write = systemProblem(MazeFileProblem::Kind::CreateFailed, EACCES);
    return nullptr;
}

Records::Recorded Records::record(const QByteArray& key, int secondsUsed, int keysPressed,
                                  const QDateTime& date, const GameRun& run)
{
    Recorded recorded;
    if (key.isEmpty() || !RecordsCodec::inRange(secondsUsed) || !RecordsCodec::inRange(keysPressed))
        return recorded;
    // Every write replaces the file whole: it is read afresh with or without the lock.
    const std::unique_ptr<QLockFile> held = lock(recorded.sync);
    recorded.sync.load = read(held != nullptr);
    const std::optional<MazeRecord> known = lookup(key);
    recorded.news.time = !known || secondsUsed < known->time.value;
    recorded.news.keys = !known || keysPressed < known->keys.value;
    const GameRun kept = run.size() <= MaxRunKeys ? run : GameRun{};
    const RecordEntries game{{key, {{secondsUsed, date, kept}, {keysPressed, date, kept}, date}}};
    joinRecords(entries_, game);
    if (!path_.isEmpty())
        joinRecords(unwritten_, game);
    while (int(entries_.size()) > MaxEntries)
        dropOldest();
    if (held)
        recorded.sync.write = write();
    return recorded;
}

Records::Sync Records::flush()
{
    Sync sync;
    if (unwritten_.empty())
        return sync;
    if (const std::unique_ptr<QLockFile> held = lock(sync)) {
        sync.load = read(true);
        sync.write = write();
    }
    return sync;
}

MazeFileProblem Records::write()
{
    if (newer_ || unwritten_.empty())
        return {};  // kept for this run only
    if (readError_) // never over a file that could not be read or moved aside
        return systemProblem(MazeFileProblem::Kind::ReadFailed, readError_);
    const MazeFileProblem problem =
        replaceFileContents(path_, RecordsCodec::encode(entries_), FileAccess::Private);
    if (problem.written())
        unwritten_.clear();
    return problem;
}

std::optional<MazeRecord> Records::lookup(const QByteArray& key) const
{
    const auto it = entries_.find(key);
    if (it == entries_.end())
        return std::nullopt;
    return it->second;
}

std::vector<GameRun> Records::bestRuns(const QByteArray& key) const
{
    std::vector<GameRun> runs;
    if (const std::optional<MazeRecord> record = lookup(key)) {
        for (const GameRun* run : {&record->time.run, &record->keys.run})
            if (!run->empty() && (runs.empty() || runs.front() != *run))
                runs.push_back(*run);
    }
    return runs;
}

void Records::dropOldest()
{
    // The least recently played; among equals the least key, so that the
    // choice is the same everywhere.
    const auto oldest =
        std::min_element(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
            return a.second.played < b.second.played;
        });
    unwritten_.erase(oldest->first);
    entries_.erase(oldest);
}

} // namespace orvane
