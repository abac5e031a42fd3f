#include "WorkKeeper.h"

#include "Abandon.h"
#include "FileReplace.h"
#include "PrivateFiles.h"
#include "SetAside.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFuture>
#include <QLockFile>
#include <QPromise>
#include <QTextStream>
#include <QThreadPool>

#include <algorithm>
#include <cerrno>
#include <numeric>

namespace orvane {
namespace {

using Refusal = KeptWorkCodec::Refusal;
using Kind = MazeFileProblem::Kind;

// Programs that may keep their work in one folder at once.
constexpr int MaxPrograms = KeptWorkCodec::MaxWorkFiles;

QString refusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::NotKeptWork:
        return QStringLiteral("it is not kept work");
    case Refusal::NewerFormat:
        return QStringLiteral("it was kept by a newer version of ORVANE");
    case Refusal::TooLarge:
        return QStringLiteral("it is too large");
    case Refusal::Damaged:
        return QStringLiteral("it is damaged");
    case Refusal::None:
        break;
    }
    return {};
}

void warn(const QString& text)
{
    QTextStream(stderr) << "orvane: " << text << Qt::endl;
}

QString fileName(int program)
{
    return program == 1 ? QStringLiteral("editor.work")
                        : QStringLiteral("editor-%1.work").arg(program);
}

// Whether the file starts as kept work of a newer version.
bool isNewerWork(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) &&
           KeptWorkCodec::isNewerFormat(in.read(KeptWorkCodec::HeadSize));
}

// A kept-work file read back, no more of it than the writer ever makes; on
// a failure to read, `in` tells why.
KeptWorkCodec::DecodeResult readKept(QFile& in)
{
    KeptWorkCodec::DecodeResult read;
    read.refusal = Refusal::Damaged;
    if (in.open(QIODevice::ReadOnly))
        read = KeptWorkCodec::decode(in.read(KeptWorkCodec::MaxFileSize + 1));
    return read;
}

// Which of the works another one holds, as the works they were taken in
// by name them: those reached from a work that no other names. A work named
// only within a ring (no program writes one) is held by none of it.
std::vector<bool> heldByOthers(const std::vector<const KeptWork*>& works)
{
    const auto holds = [&](size_t holder, size_t held) {
        const std::vector<QUuid>& ids = works[holder]->takenIn;
        return holder != held && std::find(ids.begin(), ids.end(), works[held]->id) != ids.end();
    };
    std::vector<bool> held(works.size(), false);
    std::vector<size_t> from;
    for (size_t work = 0; work < works.size(); ++work) {
        bool named = false;
        for (size_t other = 0; other < works.size() && !named; ++other)
            named = holds(other, work);
        if (!named)
            from.push_back(work);
    }
    while (!from.empty()) {
        const size_t holder = from.back();
        from.pop_back();
        for (size_t work = 0; work < works.size(); ++work)
            if (!held[work] && holds(holder, work)) {
                held[work] = true;
                from.push_back(work);
            }
    }
    return held;
}

// The lock a running program holds on its kept work.
std::unique_ptr<QLockFile> lockOf(const QString& file)
{
    auto lock = std::make_unique<QLockFile>(file + QStringLiteral(".lock"));
    lock->setStaleLockTime(0); // held for as long as its program runs
    return lock;
}

MazeFileProblem cannotKeep(int error)
{
    MazeFileProblem p;
    p.kind = Kind::CreateFailed;
    p.systemError = error;
    return p;
}

} // namespace

WorkKeeper::WorkKeeper(const QString& folder, std::function<std::optional<KeptWork>()> work,
                       const FileCalls& calls, QObject* parent)
    : QObject(parent), folder_(folder), work_(std::move(work)),
      writes_(std::make_shared<Writes>(calls)), writer_(std::make_unique<QThreadPool>())
{
    writer_->setMaxThreadCount(1); // one write at a time, in the order asked
    timer_.setSingleShot(true);
    timer_.setInterval(KeepDelay);
    connect(&timer_, &QTimer::timeout, this, &WorkKeeper::keepNow);
    lockOwnFile();
}

WorkKeeper::~WorkKeeper()
{
    if (waitForWrites(ExitWaitLimit))
        return;
    // A disk that no longer answers: the write is left to finish or not, the
    // program ends; the file still holds the work kept before.
    abandon(writer_);
    warn(QStringLiteral("the editor's work could not be kept in %1 in time")
             .arg(QDir::toNativeSeparators(file_)));
}

void WorkKeeper::lockOwnFile()
{
    folderError_ = makePrivateFolders(folder_);
    for (int program = 1; program <= MaxPrograms && !folderError_; ++program) {
        const QString file = QDir(folder_).filePath(fileName(program));
        std::unique_ptr<QLockFile> lock = lockOf(file);
        if (lock->tryLock(0)) {
            if (isNewerWork(file))
                continue; // a newer version's, never written over
            QFile::setPermissions(lock->fileName(), QFile::ReadOwner | QFile::WriteOwner);
            file_ = file;
            locks_.push_back(std::move(lock));
            return;
        }
        if (lock->error() != QLockFile::LockFailedError)
            folderError_ = EACCES; // the folder takes no lock file
    }
    if (!folderError_)
        folderError_ = EBUSY; // a file for every program, all held
}

WorkKeeper::TakenBack WorkKeeper::takeBack()
{
    struct Found {
        KeptWork work;
        QDateTime time;
        QString file;
        int stepsDropped = 0;
    };
    std::vector<Found> found;
    TakenBack taken;
    const QString own = QFileInfo(file_).absoluteFilePath();
    for (int program = 1; program <= MaxPrograms; ++program) {
        const QFileInfo info(QDir(folder_).filePath(fileName(program)));
        const QString file = info.absoluteFilePath();
        if (!info.isFile())
            continue;
        std::unique_ptr<QLockFile> lock;
        if (file != own) {
            lock = lockOf(file);
            if (!lock->tryLock(0))
                continue; // a running program's
        }
        QFile in(file);
        KeptWorkCodec::DecodeResult read = readKept(in);
        if (read.work && in.error() == QFileDevice::NoError) {
            found.push_back({std::move(*read.work), info.lastModified(), file, read.stepsDropped});
            if (lock)
                locks_.push_back(std::move(lock));
            continue;
        }
        if (read.refusal == Refusal::NewerFormat) {
            warn(QStringLiteral("the editor's work kept in %1 is left as it is: %2")
                     .arg(QDir::toNativeSeparators(file), refusalText(read.refusal)));
            taken.notes.newer << file;
            continue;
        }
        const QString why =
            in.error() != QFileDevice::NoError ? in.errorString() : refusalText(read.refusal);
        in.close();
        int asideError = 0;
        const QString aside = setAsideBeside(file, QStringLiteral("unread"), asideError);
        warn(QStringLiteral("the editor's work kept in %1 is not used: %2; %3")
                 .arg(QDir::toNativeSeparators(file), why,
                      aside.isEmpty() ? QStringLiteral("it could not be moved aside")
                                      : QStringLiteral("it was moved to %1")
                                            .arg(QDir::toNativeSeparators(aside))));
        taken.notes.setAside << (aside.isEmpty() ? file : aside);
        if (lock)
            locks_.push_back(std::move(lock));
    }
    if (found.empty())
        return taken;
    std::vector<const KeptWork*> all;
    for (const Found& f : found)
        all.push_back(&f.work);
    const std::vector<bool> held = heldByOthers(all);
    std::vector<size_t> order(found.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return found[a].time < found[b].time; });
    std::vector<KeptWork> works;
    {
        const std::lock_guard guard(writes_->mutex);
        for (const size_t i : order) {
            if (found[i].file != own)
                writes_->toRemove.push_back({found[i].file, found[i].work.id});
            if (held[i])
                continue; // in another of them already
            taken.notes.stepsDropped += found[i].stepsDropped;
            works.push_back(std::move(found[i].work));
        }
    }
    taken.work = joinKeptWork(std::move(works));
    return taken;
}

void WorkKeeper::edited()
{
    if (!timer_.isActive())
        timer_.start();
}

void WorkKeeper::keepNow()
{
    timer_.stop();
    std::optional<KeptWork> work = work_();
    if (!work)
        return;
    if (file_.isEmpty()) {
        if (!writes_->warned.exchange(true))
            warn(QStringLiteral("the editor's work cannot be kept in %1: %2")
                     .arg(QDir::toNativeSeparators(folder_), qt_error_string(folderError_)));
        emit keepFailed(cannotKeep(folderError_));
        return;
    }
    work->id = id_;
    const quint64 generation = ++writes_->newest;
    auto promise = std::make_shared<QPromise<MazeFileProblem>>();
    promise->start();
    promise->future().then(this, [this](const MazeFileProblem& problem) {
        if (!problem.written())
            emit keepFailed(problem);
    });
    writer_->start([file = file_, kept = std::make_shared<KeptWork>(std::move(*work)), generation,
                    writes = writes_, promise] {
        promise->addResult(write(file, *kept, generation, *writes));
        promise->finish();
    });
}

bool WorkKeeper::waitForWrites(std::chrono::milliseconds limit)
{
    return writer_->waitForDone(int(limit.count()));
}

MazeFileProblem WorkKeeper::write(const QString& file, KeptWork& work, quint64 generation,
                                  Writes& writes)
{
    if (generation != writes.newest)
        return {}; // a newer state is on its way
    {
        // Named until their files are gone, so that no start takes them in again.
        const std::lock_guard guard(writes.mutex);
        work.takenIn.clear();
        for (const Taken& taken : writes.toRemove)
            work.takenIn.push_back(taken.id);
    }
    MazeFileProblem problem;
    const KeptWorkCodec::Encoded encoded = KeptWorkCodec::encode(work);
    const QString folder = QFileInfo(file).path();
    if (const int error = makePrivateFolders(folder))
        problem = cannotKeep(error);
    else
        problem = replaceFileContents(file, encoded.bytes, writes.calls, FileAccess::Private);
    if (!problem.written() && !writes.warned.exchange(true))
        warn(QStringLiteral("the editor's work cannot be kept in %1: %2")
                 .arg(QDir::toNativeSeparators(file),
                      problem.systemError ? qt_error_string(problem.systemError) : problem.detail));
    // Only a file surely on the disk holds what the files taken back held.
    if (!problem)
        removeTakenBack(folder, writes);
    return problem;
}

void WorkKeeper::removeTakenBack(const QString& folder, Writes& writes)
{
    const std::lock_guard guard(writes.mutex);
    const auto gone = [](const Taken& taken) {
        return QFile::remove(taken.file) || !QFileInfo::exists(taken.file);
    };
    const auto kept = std::remove_if(writes.toRemove.begin(), writes.toRemove.end(), gone);
    if (kept == writes.toRemove.end())
        return;
    writes.toRemove.erase(kept, writes.toRemove.end());
    syncFolder(writes.calls, QFile::encodeName(folder));
}

} // namespace orvane
