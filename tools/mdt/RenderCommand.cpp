#include "RenderCommand.h"

#include "Arguments.h"
#include "ChipSheet.h"
#include "ExitStatus.h"
#include "MapPicture.h"
#include "MazeInput.h"
#include "MazeState.h"
#include "ProblemText.h"
#include "play/Analysis.h"
#include "play/RouteDrawing.h"

#include <memory>
#include <optional>

namespace orvane {

int runRender(const Arguments& args)
{
    bool scaleOk = false;
    const int scale = args.value(QStringLiteral("scale")).toInt(&scaleOk);
    if (!scaleOk || scale < 1 || scale > MaxRenderScale)
        return fail(QStringLiteral("orvane-mdt: --scale must be a whole number from 1 to %1")
                        .arg(MaxRenderScale));

    auto maze = std::make_unique<MazeState>();
    if (const MazeFileError error = loadMaze(args.operands[0], *maze))
        return fail(problemText(error));
    std::optional<MazeAnalysis> analysis;
    if (args.isSet(QStringLiteral("route")))
        analysis = analyseMaze(*maze);
    QImage picture = mapPicture(*maze);
    if (picture.isNull())
        return fail(QStringLiteral("orvane-mdt: the chip sheet is missing from this build"));
    if (scale > 1)
        picture =
            picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (analysis)
        drawRoute(picture, *analysis, maze->header, ChipSheet::standard(), scale);
    if (const QString error = writePng(picture, args.operands[1]); !error.isEmpty())
        return fail(error);
    return ExitSuccess;
}

} // namespace orvane
