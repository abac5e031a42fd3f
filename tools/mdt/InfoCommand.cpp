#include "InfoCommand.h"

#include "Arguments.h"
#include "ExitStatus.h"
#include "MazeInput.h"
#include "MazeSummary.h"
#include "Output.h"
#include "ProblemText.h"

#include <QJsonDocument>

namespace orvane {

int runInfo(const Arguments& args)
{
    const MazeFile::ReadResult read = readMaze(args.operands[0]);
    if (!read.ok())
        return fail(problemText(read.error));
    const QByteArray out =
        args.isSet(QStringLiteral("json"))
            ? QJsonDocument(summaryJson(*read.maze)).toJson(QJsonDocument::Compact) + '\n'
            : summaryText(*read.maze).toUtf8();
    if (const QString error = writeStandardOutput(out); !error.isEmpty())
        return fail(error);
    return ExitSuccess;
}

} // namespace orvane
