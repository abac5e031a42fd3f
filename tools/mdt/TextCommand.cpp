#include "TextCommand.h"

#include "Arguments.h"
#include "ExitStatus.h"
#include "MazeCodec.h"
#include "MazeInput.h"
#include "MazeText.h"
#include "MazeTextMessages.h"
#include "Output.h"
#include "ProblemText.h"
#include "TextInput.h"

namespace orvane {

int runText(const Arguments& args)
{
    const MazeFile::ReadResult read = readMaze(args.operands[0]);
    if (!read.ok())
        return fail(problemText(read.error));
    const QString out = args.operands.value(1, StandardStream.toString());
    if (const QString error = writeOutput(MazeText::write(read.maze->header, read.maze->grid), out);
        !error.isEmpty())
        return fail(error);
    return ExitSuccess;
}

int runBuild(const Arguments& args)
{
    const QString& source = args.operands[0];
    const TextInput in = readTextInput(source);
    if (!in.error.isEmpty())
        return fail(in.error);
    const MazeText::ReadResult text = MazeText::read(in.bytes);
    if (!text.maze)
        return fail(QStringLiteral("orvane-mdt: cannot build from %1: %2")
                        .arg(source == StandardStream ? QStringLiteral("standard input") : source,
                             textProblemText(text.problem)));
    const MazeCodec::EncodeResult encoded = MazeCodec::encode(text.maze->header, text.maze->grid);
    if (const QString error = writeOutput(encoded.bytes, args.operands[1]); !error.isEmpty())
        return fail(error);
    return ExitSuccess;
}

} // namespace orvane
