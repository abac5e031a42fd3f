// orvane-mdt: inspect ORVANE maze files from the command line.

#include "Arguments.h"
#include "CheckCommand.h"
#include "Cp932.h"
#include "ExitStatus.h"
#include "GenerateCommand.h"
#include "InfoCommand.h"
#include "Language.h"
#include "Output.h"
#include "RenderCommand.h"
#include "ReplayCommand.h"
#include "TextCommand.h"
#include "ThumbnailCommand.h"
#include "generate/Generator.h"
#include "play/Analysis.h"

#include <QCoreApplication>

using namespace orvane;

namespace {

const QString Version = QStringLiteral("1.00");

ArgumentSyntax syntax()
{
    return {
        QStringLiteral("orvane-mdt"),
        QStringLiteral(
            "Inspect, convert and generate ORVANE maze files (.mdt). A FILE or TEXT of -\n"
            "reads standard input; an output of - writes standard output."),
        {
            {"arrows", "N", "0", "about N arrow cells besides one closing each trap (default 0)"},
            {"best", "time|keys", "time",
             "the run of the best time or of the fewest keys (default time)"},
            {"grade", "G", QString::number(generate::DefaultGrade),
             QStringLiteral("aim at grade G, %1 to %2 (the default, %3, unless --keys is given)")
                 .arg(EasiestGrade)
                 .arg(HardestGrade)
                 .arg(generate::DefaultGrade)},
            {"json", {}, {}, "print one JSON object instead of text"},
            {"keys", "N", {}, "aim at a route of N keys (within a tenth)"},
            {"keys-per-second", "N", QString::number(DefaultKeysPerSecond),
             QStringLiteral("the pace the route's time is measured at (default %1)")
                 .arg(DefaultKeysPerSecond)},
            {"music", "FILE", {}, "the music file the maze names"},
            {"records",
             "FILE",
             {},
             "the records file (default the program's, ~/.local/share/ORVANE/records.json)"},
            {"route", {}, {}, "draw the shortest route and mark the traps"},
            {"scale", "N", "1",
             QStringLiteral("enlarge N times, 1 to %1 (default 1)").arg(MaxRenderScale)},
            {"seed", "S", {}, "the seed: the same options and seed give the same maze"},
            {"size", "N", "128",
             QStringLiteral("fit into N x N pixels, 1 to %1 (default 128)").arg(MaxThumbnailSize)},
            {"size",
             "N|WxH",
             "32",
             QStringLiteral("the map's size in cells, %1 to %2 a side (default 32)")
                 .arg(generate::MinSide)
                 .arg(MapSizeMax),
             {"generate"}},
            {"slack", "F", QString::number(generate::DefaultSlack),
             QStringLiteral("time limit F times a newcomer's time, rounded up, never under %1 "
                            "seconds, or none (default %2)")
                 .arg(LeastTimeLimit)
                 .arg(generate::DefaultSlack)},
            {"text", {}, {}, "write the maze's text form"},
            {"title", "T", {}, "the maze's title"},
            {"traps", "K", "0", "exactly K reachable trap cells (default 0)"},
        },
        {
            {"info", {"json"}, {"FILE"}, "print the header and what the map holds", runInfo},
            {"check",
             {"json", "keys-per-second"},
             {"FILE"},
             "can it be solved, in how many keys, where are the traps",
             runCheck},
            {"render",
             {"scale", "route"},
             {"FILE", "OUT.png"},
             "draw the map as the player shows it",
             runRender},
            {"thumbnail",
             {"size"},
             {"FILE", "OUT.png"},
             "draw the map fitted into N x N pixels",
             runThumbnail},
            {"text", {}, {"FILE", "[OUT.txt]"}, "write the maze as text", runText},
            {"build", {}, {"TEXT", "OUT.mdt"}, "build the maze file a text describes", runBuild},
            {"generate",
             {"size", "keys", "grade", "traps", "arrows", "slack", "seed", "title", "music",
              "text"},
             {"OUT.mdt"},
             "build a new maze to a target, judged by check",
             runGenerate},
            {"replay",
             {"json"},
             {"MAZE", "RUN.txt"},
             "does a run reach the goal, in how many keys and seconds",
             runReplay},
            {"run",
             {"best", "records"},
             {"MAZE", "[OUT.txt]"},
             "write the run the records keep with a maze's best",
             runBestRun},
        },
        QStringLiteral(
            "Exit status: 0 success; 1 the answer is no: check's (the maze cannot be\n"
            "solved, or its start or goal is invalid), replay's (the run does not reach\n"
            "the goal in time) or run's (no run is kept); 2 an error: a usage error, an\n"
            "input that cannot be read or is refused, an output that cannot be written,\n"
            "a request generate cannot meet."),
    };
}

int print(const QString& text)
{
    if (const QString error = writeStandardOutput(text.toUtf8()); !error.isEmpty())
        return fail(error);
    return ExitSuccess;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The tool speaks English, in the windows' English words where they share them.
    const Translations english(UiLanguage::English);
    if (!Cp932::isAvailable())
        return fail(
            QStringLiteral("orvane-mdt: the system cannot convert code page 932 (Shift-JIS) text; "
                           "check glibc's gconv modules"));

    const ArgumentSyntax tool = syntax();
    const ParsedArguments parsed = tool.parse(QCoreApplication::arguments().mid(1));
    switch (parsed.action) {
    case ParsedArguments::Action::Help:
        return print(tool.help());
    case ParsedArguments::Action::Version:
        return print(QStringLiteral("orvane-mdt %1\n").arg(Version));
    case ParsedArguments::Action::Refused:
        QTextStream(stderr) << parsed.error << '\n' << parsed.usage;
        return ExitError;
    case ParsedArguments::Action::Run:
        break;
    }
    return parsed.arguments.command->run(parsed.arguments);
}
