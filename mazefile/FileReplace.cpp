#include "FileReplace.h"

#include "FileCalls.h"
#include "InPlaceWrite.h"
#include "PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

using Kind = MazeFileProblem::Kind;

// As many links as the system follows before it gives ELOOP.
constexpr int MaxLinkDepth = 40;
// Made with these permission bits, less the umask, as any new file.
constexpr mode_t NewFileMode = 0666;
constexpr mode_t ModeBits = 07777;
constexpr int TemporaryNameAttempts = 100;

// The file `path` names, through its symbolic links, resolved by the file
// system: each link's folder by realpath(), so that a relative target with
// ".." climbs from where the link really lies. Nothing for a loop.
std::optional<QString> linkTarget(const QString& path)
{
    // Made absolute without cleaning: ".." in the path is the file system's too.
    QByteArray file =
        QFile::encodeName(QFileInfo(path).isAbsolute() ? path : QDir::currentPath() + u'/' + path);
    for (int depth = 0;; ++depth) {
        const qsizetype slash = file.lastIndexOf('/');
        const QByteArray folder = file.left(std::max<qsizetype>(slash, 1));
        const QByteArray name = file.mid(slash + 1);
        char resolved[PATH_MAX];
        if (!::realpath(folder.constData(), resolved))
            return QFile::decodeName(file); // no folder: the caller says so
        const QByteArray real = QByteArray(resolved) == "/" ? QByteArray() : QByteArray(resolved);
        file = real + '/' + name;
        struct stat st {};
        if (::lstat(file.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return QFile::decodeName(file);
        if (depth == MaxLinkDepth)
            return std::nullopt;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t size = ::readlink(file.constData(), target.data(), size_t(target.size()));
        if (size < 0 || size == target.size())
            return QFile::decodeName(file);
        target.truncate(size);
        file = target.startsWith('/') ? target : real + '/' + target;
    }
}

// True when errno says the folder takes no new file.
bool folderRefusesNewFiles(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

struct Temporary {
    FileHandle file;
    QByteArray name;
    int error = 0;
};

// A new file beside target, hidden, made by us alone (O_EXCL).
Temporary createTemporary(const QString& target, mode_t mode)
{
    Temporary temp;
    const QFileInfo info(target);
    temp.error = EEXIST;
    for (int attempt = 0; temp.error == EEXIST && attempt < TemporaryNameAttempts; ++attempt) {
        const QString suffix = QString::number(QRandomGenerator::global()->generate(), 36);
        temp.name = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                      u'.' + suffix);
        temp.file = FileHandle(
            ::open(temp.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        temp.error = temp.file ? 0 : errno;
    }
    return temp;
}

// Gives the new file the old one's owner and permission bits; returns errno,
// or 0. Only a privileged user can keep the owner; others keep the group if
// they are in it, and the new file is theirs otherwise: that is no failure.
int keepOwnerAndMode(int fd, const struct stat& old)
{
    // Before the mode: a change of owner may clear the set-id bits.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
        // Neither the owner nor the group could be kept: the new file is ours.
    }
    return ::fchmod(fd, old.st_mode & ModeBits) == 0 ? 0 : errno;
}

MazeFileProblem writeAndRename(Temporary& temp, const QString& target, QByteArrayView bytes,
                               const std::optional<struct stat>& old, const FileCalls& calls,
                               FileAccess access)
{
    const int fd = temp.file.fd();
    int error = 0;
    if (access == FileAccess::Private)
        error = ::fchmod(fd, PrivateFileMode) == 0 ? 0 : errno; // whatever the umask
    else if (old)
        error = keepOwnerAndMode(fd, *old);
    if (!error)
        error = reserve(fd, bytes.size());
    if (!error)
        error = writeAll(calls, fd, bytes, 0);
    if (!error)
        error = syncFile(calls, fd);
    if (!error)
        error = temp.file.close();
    const QByteArray targetName = QFile::encodeName(target);
    if (!error && ::rename(temp.name.constData(), targetName.constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temp.name.constData());
        return systemProblem(Kind::WriteFailed, error);
    }
    // The new file is in place; unless the folder is synced too, a power cut
    // may still bring the old one back.
    if (const int syncError = syncFolder(calls, QFile::encodeName(QFileInfo(target).path())))
        return systemProblem(Kind::NotConfirmed, syncError);
    return {};
}

} // namespace

MazeFileProblem replaceFileContents(const QString& path, QByteArrayView bytes,
                                    const FileCalls& calls, FileAccess access)
{
    const std::optional<QString> target = linkTarget(path);
    if (!target)
        return systemProblem(Kind::CreateFailed, ELOOP);
    const QString folder = QFileInfo(*target).path();
    if (!QFileInfo(folder).isDir())
        return systemProblem(Kind::NoFolder, 0, folder);

    std::optional<struct stat> old;
    if (struct stat st{}; ::stat(QFile::encodeName(*target).constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return systemProblem(Kind::TargetIsFolder, 0);
        if (!S_ISREG(st.st_mode))
            return systemProblem(Kind::NotRegularFile, 0);
        old = st;
    } else if (errno != ENOENT) {
        return systemProblem(Kind::CreateFailed, errno);
    }

    Temporary temp =
        createTemporary(*target, access == FileAccess::Private ? PrivateFileMode : NewFileMode);
    if (temp.error) {
        if (old && folderRefusesNewFiles(temp.error))
            return rewriteInPlace(*target, bytes, calls);
        return systemProblem(Kind::CreateFailed, temp.error);
    }
    return writeAndRename(temp, *target, bytes, old, calls, access);
}

MazeFileProblem replaceFileContents(const QString& path, QByteArrayView bytes, FileAccess access)
{
    return replaceFileContents(path, bytes, FileCalls::system(), access);
}

} // namespace orvane
