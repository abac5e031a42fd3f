#include "MidiFileReader.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

constexpr qsizetype ChunkHeaderSize = 8; // 4-byte id, 4-byte big-endian length
constexpr quint32 MidiHeaderLength = 6;  // format, track count, division
constexpr qsizetype MidiHeaderEnd = ChunkHeaderSize + MidiHeaderLength;
constexpr int MaxMidiFormat = 2;
constexpr quint16 SmpteDivisionBit = 0x8000; // FluidSynth plays metrical time only

quint32 bigEndian32(const QByteArray& bytes, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
}

quint16 bigEndian16(const QByteArray& bytes, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return quint16(p[0] << 8 | p[1]);
}

bool chunkIdIs(const QByteArray& bytes, qsizetype at, const char* id)
{
    return std::memcmp(bytes.constData() + at, id, 4) == 0;
}

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

bool isWholeMidiFile(const QByteArray& bytes)
{
    if (bytes.size() < MidiHeaderEnd || !chunkIdIs(bytes, 0, "MThd") ||
        bigEndian32(bytes, 4) != MidiHeaderLength)
        return false;
    const quint16 format = bigEndian16(bytes, 8);
    const quint16 tracks = bigEndian16(bytes, 10);
    const quint16 division = bigEndian16(bytes, 12);
    if (format > MaxMidiFormat || tracks == 0 || tracks > MaxMidiTracks || division == 0 ||
        (division & SmpteDivisionBit))
        return false;

    qsizetype at = MidiHeaderEnd;
    int found = 0;
    while (found < tracks) {
        if (bytes.size() - at < ChunkHeaderSize)
            return false;
        const quint32 length = bigEndian32(bytes, at + 4);
        if (length > quint64(bytes.size() - at - ChunkHeaderSize))
            return false;
        if (chunkIdIs(bytes, at, "MTrk"))
            ++found;
        at += ChunkHeaderSize + qsizetype(length);
    }
    return true;
}

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
    std::optional<QByteArray> bytes = readAll(fd.get(), qsizetype(st.st_size));
    if (!bytes || !isWholeMidiFile(*bytes))
        return std::nullopt;
    return bytes;
}

} // namespace orvane
