#include "InfoCommand.h"

#include "Failure.h"
#include "MazeFile.h"
#include "MazeSummary.h"
#include "ProblemText.h"

#include <QCommandLineParser>
#include <QJsonDocument>

namespace orvane {

int runInfo(const QCommandLineParser& parser, const QStringList& args)
{
    if (args.size() != 2)
        return fail(QStringLiteral("usage: orvane-mdt info [--json] FILE"));
    const MazeFile::ReadResult read = MazeFile::read(args[1]);
    if (!read.ok())
        return fail(problemText(read.error));
    QTextStream out(stdout);
    if (parser.isSet(QStringLiteral("json")))
        out << QJsonDocument(summaryJson(*read.maze)).toJson(QJsonDocument::Compact) << '\n';
    else
        out << summaryText(*read.maze);
    return 0;
}

} // namespace orvane
