#pragma once

// What replacing a file is made of: the system calls that change its bytes,
// replaceable so that tests can make them fail, and the steps built on them.
// Not for the windows: they call replaceFileContents (FileReplace.h).

#include "FileReplace.h"
#include "MazeFileError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <sys/types.h>

namespace orvane {

// The calls that write, cut and sync the file being replaced (and its folder).
struct FileCalls {
    ssize_t (*pwrite)(int fd, const void* data, size_t size, off_t offset);
    int (*ftruncate)(int fd, off_t length);
    int (*fsync)(int fd);

    // The system's own.
    static const FileCalls& system();
};

// An open file descriptor, closed when it goes.
class FileHandle {
public:
    explicit FileHandle(int fd = -1) : fd_(fd) {}
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int fd() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now; returns errno, or 0. Some file systems report a failed
    // write only here.
    int close();

private:
    int fd_;
};

// Each returns errno, or 0.
// Writes all of data at offset.
int writeAll(const FileCalls& calls, int fd, QByteArrayView data, off_t offset);
// Reads the first size bytes of the file.
int readStart(int fd, QByteArray& out, qsizetype size);
// Reserves the blocks of the first size bytes, so that writing them cannot
// run out of space. A file system that cannot reserve space still takes the
// write, whose own failure is then handled.
int reserve(int fd, qsizetype size);
// Flushes the file's bytes to the disk. A file system that cannot sync
// counts as synced.
int syncFile(const FileCalls& calls, int fd);
// Flushes the folder's entries, so that a file made or renamed in it is
// still there after a power cut.
int syncFolder(const FileCalls& calls, const QByteArray& folder);

// A problem of the given kind with the system's reason.
MazeFileProblem systemProblem(MazeFileProblem::Kind kind, int systemError,
                              const QString& detail = {});

// replaceFileContents with the given calls.
MazeFileProblem replaceFileContents(const QString& path, QByteArrayView bytes,
                                    const FileCalls& calls,
                                    FileAccess access = FileAccess::KeepMode);

} // namespace orvane
