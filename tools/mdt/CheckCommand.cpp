#include "CheckCommand.h"

#include "Arguments.h"
#include "CheckReport.h"
#include "ExitStatus.h"
#include "MazeInput.h"
#include "MazeState.h"
#include "Output.h"
#include "ProblemText.h"

#include <QJsonDocument>

#include <memory>

namespace orvane {

int runCheck(const Arguments& args)
{
    bool paceOk = false;
    const double pace = args.value(QStringLiteral("keys-per-second")).toDouble(&paceOk);
    if (!paceOk || !(pace > 0))
        return fail(QStringLiteral("orvane-mdt: --keys-per-second must be a number above 0"));
    auto maze = std::make_unique<MazeState>();
    if (const MazeFileError error = loadMaze(args.operands[0], *maze))
        return fail(problemText(error));
    MazeAnalysis analysis = analyseMaze(*maze);
    Difficulty difficulty = measureDifficulty(*maze, analysis);
    const CheckReport report{*maze, std::move(analysis), std::move(difficulty), pace};
    const QByteArray out = args.isSet(QStringLiteral("json"))
                               ? QJsonDocument(report.json()).toJson(QJsonDocument::Compact) + '\n'
                               : report.text().toUtf8();
    if (const QString error = writeStandardOutput(out); !error.isEmpty())
        return fail(error);
    return report.analysis.valid() && report.analysis.solvable ? ExitSuccess : ExitAnswerNo;
}

} // namespace orvane
