#include "ReplayCommand.h"

#include "Arguments.h"
#include "ExitStatus.h"
#include "MazeInput.h"
#include "MazeState.h"
#include "Output.h"
#include "ProblemText.h"
#include "Records.h"
#include "RunText.h"
#include "TextInput.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <memory>

namespace orvane {
namespace {

using RunKind = RunText::Problem::Kind;
using End = RunReplay::End;

QString operandName(const QString& operand)
{
    return operand == StandardStream ? QStringLiteral("standard input") : operand;
}

QString runProblemText(const RunText::Problem& p)
{
    switch (p.kind) {
    case RunKind::None:
        break;
    case RunKind::TooLong:
        return QStringLiteral("it is too long: a run holds at most %1 keys").arg(MaxRunKeys);
    case RunKind::BadLetter:
        return QStringLiteral("line 1: key %1 is not one of U D L R S").arg(p.position);
    case RunKind::BadTick:
        return QStringLiteral("line 2: tick %1 is not a whole number of seconds, 0 to %2")
            .arg(p.position)
            .arg(RunText::MaxTick);
    case RunKind::TicksFalling:
        return QStringLiteral("line 2: tick %1 is below the one before it").arg(p.position);
    case RunKind::CountsDiffer:
        return QStringLiteral("line 2: not as many ticks as keys");
    case RunKind::ExtraLine:
        return QStringLiteral("line 3: a run is two lines, the keys and their ticks");
    }
    return {};
}

QString endName(End end)
{
    switch (end) {
    case End::Goal:
        return QStringLiteral("goal");
    case End::TimeUp:
        return QStringLiteral("time up");
    case End::RunOut:
        return QStringLiteral("run out");
    }
    return {};
}

QString replayText(const RunReplay& r, int runKeys, int16_t timeLimit)
{
    const QString limit = timeLimit == NoTimeLimit ? QStringLiteral("no limit")
                                                   : QStringLiteral("limit %1 s").arg(timeLimit);
    const QPoint ball = r.rests.empty() ? r.start : r.rests.back();
    switch (r.end) {
    case End::Goal:
        return QStringLiteral("reached:    yes, in %1 keys and %2 s (%3)%4\n")
            .arg(r.keys)
            .arg(r.seconds)
            .arg(limit,
                 r.keys < runKeys
                     ? QStringLiteral("; %1 of the run's keys come after it").arg(runKeys - r.keys)
                     : QString());
    case End::TimeUp:
        return QStringLiteral("reached:    no, time up at %1 s after %2 of %3 keys\n")
            .arg(r.seconds)
            .arg(r.keys)
            .arg(runKeys);
    case End::RunOut:
        return QStringLiteral("reached:    no, the run ends after %1 keys and %2 s with the ball "
                              "at (%3, %4) (%5)\n")
            .arg(r.keys)
            .arg(r.seconds)
            .arg(ball.x())
            .arg(ball.y())
            .arg(limit);
    }
    return {};
}

QJsonObject replayJson(const RunReplay& r, int runKeys, int16_t timeLimit)
{
    const QPoint ball = r.rests.empty() ? r.start : r.rests.back();
    return {
        {"reached", r.end == End::Goal},
        {"end", endName(r.end)},
        {"keys", r.keys},
        {"seconds", r.seconds},
        {"runKeys", runKeys},
        {"timeLimit", timeLimit == NoTimeLimit ? QJsonValue() : QJsonValue(timeLimit)},
        {"ball", QJsonArray{ball.x(), ball.y()}},
    };
}

// The records file the program keeps, as it finds it.
QString programRecords()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ORVANE/records.json");
}

QString recordsProblemText(RecordsCodec::Problem problem)
{
    using Problem = RecordsCodec::Problem;
    switch (problem) {
    case Problem::None:
        break;
    case Problem::NewerVersion:
        return QStringLiteral("a newer version of ORVANE wrote it");
    case Problem::TooLarge:
        return QStringLiteral("it is over %1 MiB, larger than ORVANE writes")
            .arg(RecordsCodec::MaxFileSize >> 20);
    case Problem::NotJson:
    case Problem::NotRecords:
        return QStringLiteral("it is not an ORVANE records file");
    case Problem::BadEntry:
        return QStringLiteral("it is damaged");
    }
    return {};
}

} // namespace

int runReplay(const Arguments& args)
{
    auto maze = std::make_unique<MazeState>();
    if (const MazeFileError error = loadMaze(args.operands[0], *maze))
        return fail(problemText(error));
    const QString& source = args.operands[1];
    const TextInput in = readBoundedInput(source, RunText::MaxTextBytes);
    if (!in.error.isEmpty())
        return fail(in.error);
    const RunText::Read run = RunText::read(in.bytes);
    if (run.problem)
        return fail(QStringLiteral("orvane-mdt: cannot read the run in %1: %2")
                        .arg(operandName(source), runProblemText(run.problem)));
    const RunReplay replay = replayRun(*maze, run.run);
    const int16_t limit = maze->header.TimeLimit;
    const QByteArray out = args.isSet(QStringLiteral("json"))
                               ? QJsonDocument(replayJson(replay, run.run.size(), limit))
                                         .toJson(QJsonDocument::Compact) +
                                     '\n'
                               : replayText(replay, run.run.size(), limit).toUtf8();
    if (const QString error = writeStandardOutput(out); !error.isEmpty())
        return fail(error);
    return replay.end == End::Goal ? ExitSuccess : ExitAnswerNo;
}

int runBestRun(const Arguments& args)
{
    const QString best = args.value(QStringLiteral("best"));
    if (best != u"time" && best != u"keys")
        return fail(QStringLiteral("orvane-mdt: --best must be time or keys"));
    auto maze = std::make_unique<MazeState>();
    if (const MazeFileError error = loadMaze(args.operands[0], *maze))
        return fail(problemText(error));
    const bool named = args.isSet(QStringLiteral("records"));
    const QString file = named ? args.value(QStringLiteral("records")) : programRecords();
    const QString none = QStringLiteral("orvane-mdt: %1 keeps no run of this maze's %2")
                             .arg(file, best == u"time" ? QStringLiteral("best time")
                                                        : QStringLiteral("fewest keys"));
    if (!named && !QFileInfo::exists(file)) {
        QTextStream(stderr) << none << Qt::endl;
        return ExitAnswerNo;
    }
    const TextInput in = readBoundedInput(file, RecordsCodec::MaxFileSize);
    if (!in.error.isEmpty())
        return fail(in.error);
    const RecordsCodec::Decoded records = RecordsCodec::decode(in.bytes);
    if (records.problem != RecordsCodec::Problem::None)
        return fail(QStringLiteral("orvane-mdt: cannot read the records in %1: %2")
                        .arg(file, recordsProblemText(records.problem)));
    const auto kept = records.entries.find(recordKey(maze->header, maze->grid));
    const GameRun run = kept == records.entries.end() ? GameRun{}
                        : best == u"time"             ? kept->second.time.run
                                                      : kept->second.keys.run;
    if (run.empty()) {
        QTextStream(stderr) << none << Qt::endl;
        return ExitAnswerNo;
    }
    const QString out = args.operands.value(1, StandardStream.toString());
    if (const QString error = writeOutput(RunText::write(run), out); !error.isEmpty())
        return fail(error);
    return ExitSuccess;
}

} // namespace orvane
