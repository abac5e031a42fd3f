#include "RenderCommand.h"

#include "Failure.h"
#include "MapPicture.h"
#include "MazeFile.h"
#include "MazeState.h"
#include "ProblemText.h"
#include "RouteDrawing.h"
#include "play/Analysis.h"

#include <QCommandLineParser>

#include <memory>
#include <optional>

namespace orvane {
namespace {

// Largest enlargement of a 128 x 128 map picture (2048 pixels) to 16384 pixels.
constexpr int MaxScale = 8;

} // namespace

int runRender(const QCommandLineParser& parser, const QStringList& args)
{
    if (args.size() != 3)
        return fail(QStringLiteral("usage: orvane-mdt render [--scale N] [--route] FILE OUT.png"));
    bool scaleOk = false;
    const int scale = parser.value(QStringLiteral("scale")).toInt(&scaleOk);
    if (!scaleOk || scale < 1 || scale > MaxScale)
        return fail(QStringLiteral("orvane-mdt: --scale must be a whole number from 1 to %1")
                        .arg(MaxScale));

    auto maze = std::make_unique<MazeState>();
    if (const MazeFileError error = MazeFile::load(args[1], *maze))
        return fail(problemText(error));
    std::optional<MazeAnalysis> analysis;
    if (parser.isSet(QStringLiteral("route")))
        analysis = analyseMaze(*maze);
    QImage picture = mapPicture(*maze);
    if (picture.isNull())
        return fail(QStringLiteral("orvane-mdt: the chip sheet is missing from this build"));
    if (scale > 1)
        picture =
            picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (analysis)
        drawRoute(picture, *analysis, scale);
    if (const QString error = writePng(picture, args[2]); !error.isEmpty())
        return fail(error);
    return 0;
}

} // namespace orvane
