// orvane-mdt: inspect ORVANE maze files from the command line.

#include "CheckCommand.h"
#include "Cp932.h"
#include "Failure.h"
#include "InfoCommand.h"
#include "RenderCommand.h"
#include "ThumbnailCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace orvane;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!Cp932::isAvailable())
        return fail(
            QStringLiteral("orvane-mdt: the system cannot convert code page 932 (Shift-JIS) text; "
                           "check glibc's gconv modules"));
    QCoreApplication::setApplicationName("orvane-mdt");
    QCoreApplication::setApplicationVersion("1.00");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Inspect ORVANE maze files (.mdt).\n\n"
        "Commands:\n"
        "  info FILE            print the header and what the map holds\n"
        "  check FILE           can it be solved, in how many keys, where are the traps;\n"
        "                       exit status 0 solvable, 1 not (or start or goal invalid),\n"
        "                       2 the file cannot be read\n"
        "  render FILE OUT.png  draw the map as the player shows it\n"
        "  thumbnail FILE OUT.png\n"
        "                       draw the map fitted into N x N pixels (--size)");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"json", "info, check: print one JSON object instead of text"});
    parser.addOption({"keys-per-second",
                      "check: the pace the route's time is measured at (default 4)", "N", "4"});
    parser.addOption({"route", "render: draw the shortest route and mark the traps"});
    parser.addOption(
        {"scale", "render: enlarge by a whole factor N (nearest neighbour)", "N", "1"});
    parser.addOption({"size", "thumbnail: fit the picture into N x N pixels", "N", "128"});
    parser.addPositionalArgument("command", "info, check, render or thumbnail");
    parser.addPositionalArgument("args", "the command's arguments", "[args...]");
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        parser.showHelp(1);
    if (args[0] == "info")
        return runInfo(parser, args);
    if (args[0] == "check")
        return runCheck(parser, args);
    if (args[0] == "render")
        return runRender(parser, args);
    if (args[0] == "thumbnail")
        return runThumbnail(parser, args);
    return fail(QStringLiteral("orvane-mdt: unknown command '%1' (try --help)").arg(args[0]));
}
