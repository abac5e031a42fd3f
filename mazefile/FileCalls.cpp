#include "FileCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvane {

const FileCalls& FileCalls::system()
{
    static const FileCalls calls{::pwrite, ::ftruncate, ::fsync};
    return calls;
}

FileHandle::~FileHandle()
{
    close();
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

int FileHandle::close()
{
    if (fd_ < 0)
        return 0;
    // Linux frees the descriptor even when close fails: it is never retried.
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 || errno == EINTR ? 0 : errno;
}

int writeAll(const FileCalls& calls, int fd, QByteArrayView data, off_t offset)
{
    const char* at = data.data();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = calls.pwrite(fd, at, size_t(left), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO; // no progress: never loop on it
        at += n;
        left -= n;
        offset += n;
    }
    return 0;
}

int readStart(int fd, QByteArray& out, qsizetype size)
{
    out.resize(size);
    qsizetype done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, out.data() + done, size_t(size - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO; // the file shrank under us
        done += n;
    }
    return 0;
}

int reserve(int fd, qsizetype size)
{
    if (size == 0)
        return 0;
    const int error = ::posix_fallocate(fd, 0, off_t(size));
    return error == EOPNOTSUPP || error == EINVAL ? 0 : error;
}

int syncFile(const FileCalls& calls, int fd)
{
    if (calls.fsync(fd) == 0)
        return 0;
    return errno == EINVAL ? 0 : errno;
}

int syncFolder(const FileCalls& calls, const QByteArray& folder)
{
    FileHandle handle(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!handle) {
        // A folder we may write in but not read cannot be opened to be
        // synced: its entries are as safe as the system keeps them.
        return errno == EACCES ? 0 : errno;
    }
    return syncFile(calls, handle.fd());
}

MazeFileProblem systemProblem(MazeFileProblem::Kind kind, int systemError, const QString& detail)
{
    MazeFileProblem p;
    p.kind = kind;
    p.systemError = systemError;
    p.detail = detail;
    return p;
}

} // namespace orvane
