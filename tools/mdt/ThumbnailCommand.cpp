#include "ThumbnailCommand.h"

#include "Failure.h"
#include "MapPicture.h"
#include "MazeFile.h"
#include "MazeState.h"
#include "ProblemText.h"

#include <QCommandLineParser>

#include <memory>

namespace orvane {
namespace {

// Four times the largest freedesktop thumbnail (xx-large, 1024 pixels).
constexpr int MaxThumbnailSize = 4096;

// Shrinks smoothly; enlarges without smoothing, so that chips stay crisp.
QImage fitted(const QImage& picture, int size)
{
    const QSize target = picture.size().scaled(size, size, Qt::KeepAspectRatio).expandedTo({1, 1});
    const Qt::TransformationMode mode =
        target.width() < picture.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
    return picture.scaled(target, Qt::IgnoreAspectRatio, mode);
}

} // namespace

int runThumbnail(const QCommandLineParser& parser, const QStringList& args)
{
    if (args.size() != 3)
        return fail(QStringLiteral("usage: orvane-mdt thumbnail [--size N] FILE OUT.png"));
    bool sizeOk = false;
    const int size = parser.value(QStringLiteral("size")).toInt(&sizeOk);
    if (!sizeOk || size < 1 || size > MaxThumbnailSize)
        return fail(QStringLiteral("orvane-mdt: --size must be a whole number from 1 to %1")
                        .arg(MaxThumbnailSize));

    auto maze = std::make_unique<MazeState>();
    if (const MazeFileError error = MazeFile::load(args[1], *maze))
        return fail(problemText(error));
    const QImage picture = mapPicture(*maze);
    if (picture.isNull())
        return fail(QStringLiteral("orvane-mdt: the chip sheet is missing from this build"));
    if (const QString error = writePng(fitted(picture, size), args[2]); !error.isEmpty())
        return fail(error);
    return 0;
}

} // namespace orvane
