#include "InPlaceWrite.h"

#include "RecoveryCopy.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace orvane {
namespace {

using Kind = MazeFileProblem::Kind;

// Puts the old bytes back, the file's length too; returns errno, or 0.
int restore(const FileCalls& calls, int fd, const QByteArray& old)
{
    if (const int error = writeAll(calls, fd, old, 0))
        return error;
    if (calls.ftruncate(fd, off_t(old.size())) != 0)
        return errno;
    return syncFile(calls, fd);
}

// Writes bytes over the file's start, cuts off what is left of a longer old
// file and syncs; returns errno, or 0.
int overwrite(const FileCalls& calls, int fd, QByteArrayView bytes, qsizetype oldSize)
{
    if (const int error = writeAll(calls, fd, bytes, 0))
        return error;
    if (oldSize > bytes.size() && calls.ftruncate(fd, off_t(bytes.size())) != 0)
        return errno;
    return syncFile(calls, fd);
}

} // namespace

MazeFileProblem rewriteInPlace(const QString& path, QByteArrayView bytes, const FileCalls& calls)
{
    FileHandle file(::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC));
    if (!file)
        return systemProblem(Kind::CreateFailed, errno);
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0)
        return systemProblem(Kind::CreateFailed, errno);
    if (!S_ISREG(st.st_mode))
        return systemProblem(Kind::NotRegularFile, 0);

    QByteArray old;
    if (const int error = readStart(file.fd(), old, qsizetype(st.st_size)))
        return systemProblem(Kind::WriteFailed, error);
    const RecoveryCopy copy = keepRecoveryCopy(path, old);
    if (copy.error)
        return systemProblem(Kind::RecoveryCopyFailed, copy.error, copy.folder);

    if (const int error = reserve(file.fd(), bytes.size())) {
        // Nothing is overwritten yet, but the file's end may have moved.
        if (calls.ftruncate(file.fd(), off_t(old.size())) != 0)
            return systemProblem(Kind::MayBeDamaged, error, copy.path);
        removeRecoveryCopy(copy);
        return systemProblem(Kind::WriteFailed, error);
    }
    const int error = overwrite(calls, file.fd(), bytes, old.size());
    if (error && restore(calls, file.fd(), old) != 0)
        return systemProblem(Kind::MayBeDamaged, error, copy.path);
    removeRecoveryCopy(copy);
    if (error)
        return systemProblem(Kind::WriteFailed, error);
    return {};
}

} // namespace orvane
