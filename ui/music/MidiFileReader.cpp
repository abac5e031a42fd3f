#include "MidiFileReader.h"

#include "CanonicalMidi.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

bool isReadableFile(const struct stat& st)
{
    return S_ISREG(st.st_mode) && st.st_size <= MaxMidiFileSize;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads to the end of the file, at most limit + 1 bytes so growth shows.
std::optional<QByteArray> readAll(int fd, qsizetype limit)
{
    QByteArray bytes(limit + 1, Qt::Uninitialized);
    qsizetype size = 0;
    while (size < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + size, size_t(bytes.size() - size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        size += n;
    }
    if (size > limit)
        return std::nullopt;
    bytes.truncate(size);
    return bytes;
}

} // namespace

std::optional<QByteArray> readMidiFile(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QByteArray name = QFile::encodeName(path);
    // Look before opening: opening a FIFO blocks, opening a device may act.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !isReadableFile(st))
        return std::nullopt;
    // The path may have changed since: O_NONBLOCK keeps a FIFO put there from
    // blocking the open, and fstat checks what was opened.
    const FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !isReadableFile(st))
        return std::nullopt;
    const std::optional<QByteArray> bytes = readAll(fd.get(), qsizetype(st.st_size));
    if (!bytes)
        return std::nullopt;
    return canonicalMidiFile(*bytes);
}

} // namespace orvane
