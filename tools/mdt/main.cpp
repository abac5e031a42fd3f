// orvane-mdt: inspect ORVANE maze files from the command line.

#include "Arguments.h"
#include "CheckCommand.h"
#include "Cp932.h"
#include "EnglishWording.h"
#include "ExitStatus.h"
#include "InfoCommand.h"
#include "Output.h"
#include "RenderCommand.h"
#include "ThumbnailCommand.h"
#include "play/Analysis.h"

#include <QCoreApplication>

using namespace orvane;

namespace {

const QString Version = QStringLiteral("1.00");

ArgumentSyntax syntax()
{
    return {
        QStringLiteral("orvane-mdt"),
        QStringLiteral("Inspect ORVANE maze files (.mdt). A FILE of - reads standard input; an\n"
                       "OUT.png of - writes standard output."),
        {
            {"json", {}, {}, "print one JSON object instead of text"},
            {"keys-per-second", "N", QString::number(DefaultKeysPerSecond),
             "the pace the route's time is measured at (default 4)"},
            {"route", {}, {}, "draw the shortest route and mark the traps"},
            {"scale", "N", "1",
             QStringLiteral("enlarge N times, 1 to %1 (default 1)").arg(MaxRenderScale)},
            {"size", "N", "128",
             QStringLiteral("fit into N x N pixels, 1 to %1 (default 128)").arg(MaxThumbnailSize)},
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
        },
        QStringLiteral(
            "Exit status: 0 success; 1 check's answer is no (the maze cannot be solved,\n"
            "or its start or goal is invalid); 2 an error: a usage error, an input that\n"
            "cannot be read or is refused, an output that cannot be written."),
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
    const EnglishWording english;
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
