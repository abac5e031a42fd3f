#include "PrivateFiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace orvane {

int makePrivateFolders(const QString& folder)
{
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), PrivateFolderMode) == 0 || errno == EEXIST)
        return QFileInfo(folder).isDir() ? 0 : ENOTDIR;
    if (errno != ENOENT)
        return errno;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent == folder)
        return ENOENT;
    if (const int error = makePrivateFolders(parent))
        return error;
    return ::mkdir(name.constData(), PrivateFolderMode) == 0 || errno == EEXIST ? 0 : errno;
}

} // namespace orvane
