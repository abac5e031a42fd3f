#include "RecoveryCopy.h"

#include "FileCalls.h"
#include "PrivateFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

const QString RecoveredFolderName = QStringLiteral("recovered");
const QString StampFormat = QStringLiteral("yyyyMMdd-HHmmss");
// Copies of one file within one second are numbered up to this.
constexpr int NameAttempts = 100;

QString copyName(const QFileInfo& original, const QString& stamp, int attempt)
{
    QString name = original.completeBaseName() + u'-' + stamp;
    if (attempt > 1)
        name += u'-' + QString::number(attempt);
    if (!original.suffix().isEmpty())
        name += u'.' + original.suffix();
    return name;
}

} // namespace

QString recoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' +
           RecoveredFolderName;
}

RecoveryCopy keepRecoveryCopy(const QString& path, QByteArrayView bytes)
{
    RecoveryCopy copy;
    copy.folder = recoveryFolder();
    if ((copy.error = makePrivateFolders(copy.folder)))
        return copy;

    const QFileInfo original(path);
    const QString stamp = QDateTime::currentDateTime().toString(StampFormat);
    FileHandle file;
    QString made;
    int error = EEXIST;
    for (int attempt = 1; error == EEXIST && attempt <= NameAttempts; ++attempt) {
        made = copy.folder + u'/' + copyName(original, stamp, attempt);
        file = FileHandle(::open(QFile::encodeName(made).constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, PrivateFileMode));
        error = file ? 0 : errno;
    }
    if (error) {
        copy.error = error;
        return copy;
    }
    const FileCalls& calls = FileCalls::system();
    error = writeAll(calls, file.fd(), bytes, 0);
    if (!error)
        error = syncFile(calls, file.fd());
    if (!error)
        error = file.close();
    if (!error)
        error = syncFolder(calls, QFile::encodeName(copy.folder));
    if (error) {
        ::unlink(QFile::encodeName(made).constData());
        copy.error = error;
        return copy;
    }
    copy.path = made;
    return copy;
}

void removeRecoveryCopy(const RecoveryCopy& copy)
{
    if (!copy.path.isEmpty())
        ::unlink(QFile::encodeName(copy.path).constData());
}

} // namespace orvane
