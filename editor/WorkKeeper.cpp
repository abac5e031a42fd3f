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
#include <QRegularExpression>
#include <QTextStream>
#include <QThreadPool>

#include <algorithm>
#include <cerrno>

namespace orvane {
namespace {

using Refusal = KeptWorkCodec::Refusal;
using Kind = MazeFileProblem::Kind;

// Programs that may keep their work in one folder at once.
constexpr int MaxPrograms = 64;

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

bool isKeptWorkName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^editor(-[0-9]+)?\\.work$"));
    return pattern.match(name).hasMatch();
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
                       QObject* parent)
    : QObject(parent), folder_(folder), work_(std::move(work)), writes_(std::make_shared<Writes>()),
      writer_(std::make_unique<QThreadPool>())
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
    };
    std::vector<Found> found;
    TakenBack taken;
    const QFileInfoList files = QDir(folder_).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
        const QString file = info.absoluteFilePath();
        if (!isKeptWorkName(info.fileName()))
            continue;
        if (file != QFileInfo(file_).absoluteFilePath()) {
            std::unique_ptr<QLockFile> lock = lockOf(file);
            if (!lock->tryLock(0))
                continue; // a running program's
            locks_.push_back(std::move(lock));
        }
        KeptWorkCodec::DecodeResult read;
        read.refusal = Refusal::TooLarge;
        QFile in(file);
        if (info.size() <= KeptWorkCodec::MaxFileSize && in.open(QIODevice::ReadOnly))
            read = KeptWorkCodec::decode(in.readAll());
        if (read.work) {
            taken.stepsDropped += read.stepsDropped;
            found.push_back({std::move(*read.work), info.lastModified(), file});
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
        taken.setAside << (aside.isEmpty() ? file : aside);
    }
    if (found.empty())
        return taken;
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.time < b.time; });
    std::vector<KeptWork> works;
    {
        const std::lock_guard guard(writes_->mutex);
        for (Found& f : found) {
            if (f.file != QFileInfo(file_).absoluteFilePath())
                writes_->toRemove << f.file;
            works.push_back(std::move(f.work));
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
    const quint64 generation = ++writes_->newest;
    auto promise = std::make_shared<QPromise<MazeFileProblem>>();
    promise->start();
    promise->future().then(this, [this](const MazeFileProblem& problem) {
        if (!problem.written())
            emit keepFailed(problem);
    });
    writer_->start([file = file_, kept = std::make_shared<const KeptWork>(std::move(*work)),
                    generation, writes = writes_, promise] {
        promise->addResult(write(file, *kept, generation, *writes));
        promise->finish();
    });
}

bool WorkKeeper::waitForWrites(std::chrono::milliseconds limit)
{
    return writer_->waitForDone(int(limit.count()));
}

MazeFileProblem WorkKeeper::write(const QString& file, const KeptWork& work, quint64 generation,
                                  Writes& writes)
{
    if (generation != writes.newest)
        return {}; // a newer state is on its way
    MazeFileProblem problem;
    const KeptWorkCodec::Encoded encoded = KeptWorkCodec::encode(work);
    if (const int error = makePrivateFolders(QFileInfo(file).path()))
        problem = cannotKeep(error);
    else
        problem = replaceFileContents(file, encoded.bytes, FileAccess::Private);
    if (!problem.written()) {
        if (!writes.warned.exchange(true))
            warn(QStringLiteral("the editor's work cannot be kept in %1: %2")
                     .arg(QDir::toNativeSeparators(file), problem.systemError
                                                              ? qt_error_string(problem.systemError)
                                                              : problem.detail));
        return problem;
    }
    if (encoded.allSteps) {
        // What the files taken back held is in ours now.
        const std::lock_guard guard(writes.mutex);
        for (const QString& taken : std::as_const(writes.toRemove))
            QFile::remove(taken);
        writes.toRemove.clear();
    }
    return problem;
}

} // namespace orvane
