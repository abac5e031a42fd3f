#include "ThumbnailCommand.h"

#include "Arguments.h"
#include "ExitStatus.h"
#include "MapPicture.h"
#include "MazeInput.h"
#include "MazeState.h"
#include "ProblemText.h"

#include <memory>

namespace orvane {
namespace {

// Shrinks smoothly; enlarges without smoothing, so that chips stay crisp.
QImage fitted(const QImage& picture, int size)
{
    const QSize target = picture.size().scaled(size, size, Qt::KeepAspectRatio).expandedTo({1, 1});
    const Qt::TransformationMode mode =
        target.width() < picture.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
    return picture.scaled(target, Qt::IgnoreAspectRatio, mode);
}

} // namespace

int runThumbnail(const Arguments& args)
{
    bool sizeOk = false;
    const int size = args.value(QStringLiteral("size")).toInt(&sizeOk);
    if (!sizeOk || size < 1 || size > MaxThumbnailSize)
        return fail(QStringLiteral("orvane-mdt: --size must be a whole number from 1 to %1")
                        .arg(MaxThumbnailSize));

    auto maze = std::make_unique<MazeState>();
    if (const MazeFileError error = loadMaze(args.operands[0], *maze))
        return fail(problemText(error));
    const QImage picture = mapPicture(*maze);
    if (picture.isNull())
        return fail(QStringLiteral("orvane-mdt: the chip sheet is missing from this build"));
    if (const QString error = writePng(fitted(picture, size), args.operands[1]); !error.isEmpty())
        return fail(error);
    return ExitSuccess;
}

} // namespace orvane
