#include "ThumbnailCommand.h"

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeFile.h"
#include "MazeState.h"
#include "ProblemText.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <memory>

namespace orvane {
namespace {

// Four times the largest freedesktop thumbnail (xx-large, 1024 pixels).
constexpr int MaxThumbnailSize = 4096;

int fail(const QString& message)
{
    QTextStream(stderr) << message << Qt::endl;
    return 1;
}

// The whole map picture, MapWidth * 16 x MapHeight * 16 pixels.
QImage mapPicture(MazeState& maze)
{
    ImageCanvas canvas(ChipSheet::standard());
    RedrawMap(maze, canvas, maze.header.MapWidth, maze.header.MapHeight);
    return canvas.image();
}

// Shrinks smoothly; enlarges without smoothing, so that chips stay crisp.
QImage fitted(const QImage& picture, int size)
{
    const QSize target = picture.size().scaled(size, size, Qt::KeepAspectRatio).expandedTo({1, 1});
    const Qt::TransformationMode mode =
        target.width() < picture.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
    return picture.scaled(target, Qt::IgnoreAspectRatio, mode);
}

// Writing over a FIFO, a device or a folder would replace it (the save goes
// through a new file renamed over the old one) or block.
bool replaceableTarget(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
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
    const QString& out = args[2];
    if (!replaceableTarget(out))
        return fail(QStringLiteral("orvane-mdt: %1 is not a regular file").arg(out));

    auto maze = std::make_unique<MazeState>();
    if (const MazeFileError error = MazeFile::load(args[1], *maze))
        return fail(problemText(error));
    if (ChipSheet::standard().isNull())
        return fail(QStringLiteral("orvane-mdt: the chip sheet is missing from this build"));

    const QImage thumbnail = fitted(mapPicture(*maze), size);
    QSaveFile file(out);
    QImageWriter writer(&file, "png");
    if (!file.open(QIODevice::WriteOnly) || !writer.write(thumbnail) || !file.commit())
        return fail(QStringLiteral("orvane-mdt: cannot write %1: %2")
                        .arg(out, writer.error() != QImageWriter::UnknownError
                                      ? writer.errorString()
                                      : file.errorString()));
    return 0;
}

} // namespace orvane
