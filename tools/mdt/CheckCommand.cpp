#include "CheckCommand.h"

#include "CheckReport.h"
#include "Failure.h"
#include "MazeFile.h"
#include "MazeState.h"
#include "ProblemText.h"

#include <QCommandLineParser>
#include <QJsonDocument>

#include <memory>

namespace orvane {

int runCheck(const QCommandLineParser& parser, const QStringList& args)
{
    if (args.size() != 2)
        return fail(QStringLiteral("usage: orvane-mdt check [--json] [--keys-per-second N] FILE"),
                    CheckRefused);
    bool paceOk = false;
    const double pace = parser.value(QStringLiteral("keys-per-second")).toDouble(&paceOk);
    if (!paceOk || !(pace > 0))
        return fail(QStringLiteral("orvane-mdt: --keys-per-second must be a number above 0"),
                    CheckRefused);
    auto maze = std::make_unique<MazeState>();
    if (const MazeFileError error = MazeFile::load(args[1], *maze))
        return fail(problemText(error), CheckRefused);
    const CheckReport report{*maze, analyseMaze(*maze), pace};
    QTextStream out(stdout);
    if (parser.isSet("json"))
        out << QJsonDocument(report.json()).toJson(QJsonDocument::Compact) << '\n';
    else
        out << report.text();
    return report.analysis.valid() && report.analysis.solvable ? CheckSolvable : CheckNotSolvable;
}

} // namespace orvane
