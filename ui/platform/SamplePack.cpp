#include "SamplePack.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvane {

QString samplePackFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const char* relative : {ORVANE_SAMPLES_FROM_PROGRAM, ORVANE_SAMPLES_FROM_BUILD_PROGRAM}) {
        const QFileInfo folder(program.filePath(QString::fromUtf8(relative)));
        if (folder.isDir())
            return folder.canonicalFilePath();
    }
    return {};
}

} // namespace orvane
