#include "FileReplace.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

using Step = ReplaceFailure::Step;

ReplaceFailure failed(Step step, int systemError, const QString& detail = {})
{
    return {step, systemError, detail};
}

// Writes all of data at offset; returns errno, or 0.
int writeAll(int fd, const char* data, qsizetype size, off_t offset)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(size), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        data += n;
        size -= n;
        offset += n;
    }
    return 0;
}

// Reads size bytes from the start of the file; returns errno, or 0.
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

// Reserves the blocks of the first size bytes, so that writing them cannot
// run out of space. Returns errno, or 0. A file system that cannot reserve
// space still takes the write, whose own failure is then handled.
int reserve(int fd, qsizetype size)
{
    if (size == 0)
        return 0;
    const int error = ::posix_fallocate(fd, 0, off_t(size));
    return error == EOPNOTSUPP || error == EINVAL ? 0 : error;
}

ReplaceFailure writeInPlace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return failed(Step::Create, 0, file.errorString());
    const int fd = file.handle();
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return failed(Step::Create, errno);
    if (!S_ISREG(st.st_mode))
        return failed(Step::Create, EINVAL);

    // Only the part the new bytes overwrite can be lost; the rest of a longer
    // old file is cut off once the new bytes are all in.
    const off_t oldSize = st.st_size;
    QByteArray old;
    if (const int error = readStart(fd, old, qsizetype(std::min<off_t>(oldSize, bytes.size()))))
        return failed(Step::Write, error);
    const auto restore = [&](int error) {
        writeAll(fd, old.constData(), old.size(), 0);
        if (::ftruncate(fd, oldSize) == 0)
            ::fdatasync(fd);
        return failed(Step::Write, error);
    };

    if (const int error = reserve(fd, bytes.size())) {
        // A failed reservation may still have moved the end of the file.
        if (::fstat(fd, &st) == 0 && st.st_size != oldSize && ::ftruncate(fd, oldSize) != 0)
            return failed(Step::Write, errno);
        return failed(Step::Write, error);
    }
    if (const int error = writeAll(fd, bytes.constData(), bytes.size(), 0))
        return restore(error);
    if (oldSize > bytes.size() && ::ftruncate(fd, off_t(bytes.size())) != 0)
        return restore(errno);
    if (::fdatasync(fd) != 0)
        return restore(errno);
    return {};
}

// Gives the new file the old one's owner and permission bits. Only a
// privileged user can keep the owner; others keep the group if they are in it.
void keepOwnerAndMode(int fd, const struct stat& old)
{
    // Before the mode: a change of owner may clear the set-id bits.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, ::geteuid(), old.st_gid) != 0) {
        // Neither the owner nor the group could be kept: the new file is ours.
    }
    ::fchmod(fd, old.st_mode & 07777);
}

} // namespace

ReplaceFailure replaceFileContents(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    std::optional<struct stat> old;
    if (::stat(name.constData(), &st) == 0)
        old = st;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // The folder takes no new file: an existing one is rewritten in place.
        if (old)
            return writeInPlace(path, bytes);
        return failed(Step::Create, 0, file.errorString());
    }
    const int fd = int(file.handle());
    if (old)
        keepOwnerAndMode(fd, *old);
    int error = reserve(fd, bytes.size());
    if (!error)
        error = writeAll(fd, bytes.constData(), bytes.size(), 0);
    if (error) {
        file.cancelWriting();
        return failed(Step::Write, error);
    }
    if (!file.commit())
        return failed(Step::Write, 0, file.errorString());
    return {};
}

} // namespace orvane
