#include "SetAside.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace orvane {
namespace {

const QString StampFormat = QStringLiteral("yyyyMMdd-HHmmss");
// Files set aside within one second are numbered up to this.
constexpr int NameAttempts = 100;

} // namespace

QString setAsideBeside(const QString& path, const QString& label, int& error)
{
    const QString stem =
        path + u'.' + label + u'-' + QDateTime::currentDateTime().toString(StampFormat);
    for (int attempt = 1; attempt <= NameAttempts; ++attempt) {
        const QString aside = attempt > 1 ? stem + u'-' + QString::number(attempt) : stem;
        if (QFileInfo::exists(aside))
            continue;
        if (std::rename(QFile::encodeName(path).constData(),
                        QFile::encodeName(aside).constData()) == 0)
            return aside;
        error = errno;
        return {};
    }
    error = EEXIST;
    return {};
}

} // namespace orvane
