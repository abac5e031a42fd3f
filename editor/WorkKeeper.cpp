#include "WorkKeeper.h"

#include "Abandon.h"
#include "FileReplace.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThreadPool>

namespace orvane {
namespace {

using Refusal = KeptWorkCodec::Refusal;

QString refusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::NotKeptWork:
        return QStringLiteral("it is not kept work");
    case Refusal::NewerFormat:
        return QStringLiteral("it was kept by a newer version of ORVANE");
    case Refusal::Damaged:
        return QStringLiteral("it is damaged");
    case Refusal::Inconsistent:
        return QStringLiteral("its history does not lead to its maze");
    case Refusal::None:
        break;
    }
    return {};
}

void warn(const QString& text)
{
    QTextStream(stderr) << "orvane: " << text << Qt::endl;
}

} // namespace

WorkKeeper::WorkKeeper(QString file, std::function<std::optional<KeptWork>()> work, QObject* parent)
    : QObject(parent), file_(std::move(file)), work_(std::move(work)),
      writes_(std::make_shared<Writes>()), writer_(std::make_unique<QThreadPool>())
{
    writer_->setMaxThreadCount(1); // one write at a time, in the order asked
    timer_.setSingleShot(true);
    timer_.setInterval(KeepDelay);
    connect(&timer_, &QTimer::timeout, this, &WorkKeeper::keepNow);
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

std::optional<KeptWork> WorkKeeper::readBack()
{
    QFile file(file_);
    if (!file.exists())
        return std::nullopt;
    KeptWorkCodec::DecodeResult read;
    if (file.open(QIODevice::ReadOnly))
        read = KeptWorkCodec::decode(file.readAll());
    if (read.work)
        return std::move(read.work);
    const QString aside =
        file_ + QDateTime::currentDateTime().toString(QStringLiteral("'.unread-'yyyyMMdd-HHmmss"));
    const QString why =
        file.error() != QFileDevice::NoError ? file.errorString() : refusalText(read.refusal);
    file.close();
    const bool moved = QFile::rename(file_, aside);
    warn(QStringLiteral("the editor's work kept in %1 is not used: %2; %3")
             .arg(QDir::toNativeSeparators(file_), why,
                  moved ? QStringLiteral("it was moved to %1").arg(QDir::toNativeSeparators(aside))
                        : QStringLiteral("it could not be moved aside")));
    return std::nullopt;
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
    const quint64 generation = ++writes_->newest;
    writer_->start([file = file_, kept = std::make_shared<const KeptWork>(std::move(*work)),
                    generation, writes = writes_] { write(file, *kept, generation, *writes); });
}

bool WorkKeeper::waitForWrites(std::chrono::milliseconds limit)
{
    return writer_->waitForDone(int(limit.count()));
}

void WorkKeeper::write(const QString& file, const KeptWork& work, quint64 generation,
                       Writes& writes)
{
    if (generation != writes.newest)
        return; // a newer state is on its way
    QDir().mkpath(QFileInfo(file).path());
    const MazeFileProblem problem = replaceFileContents(file, KeptWorkCodec::encode(work));
    if (!problem.written() && !writes.warned.exchange(true))
        warn(QStringLiteral("the editor's work cannot be kept in %1: %2")
                 .arg(QDir::toNativeSeparators(file),
                      problem.systemError ? qt_error_string(problem.systemError) : problem.detail));
}

} // namespace orvane
