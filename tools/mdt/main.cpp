// orvane-mdt: inspect ORVANE maze files from the command line.

#include "MazeFile.h"
#include "MazeSummary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    QTextStream(stderr) << message << Qt::endl;
    return 1;
}

int runInfo(QCommandLineParser& parser, const QStringList& args)
{
    if (args.size() != 2)
        return fail(QStringLiteral("usage: orvane-mdt info [--json] FILE"));
    const orvane::MazeFile::ReadResult read = orvane::MazeFile::read(args[1]);
    if (!read.ok())
        return fail(read.error);
    QTextStream out(stdout);
    if (parser.isSet("json"))
        out << QJsonDocument(orvane::summaryJson(*read.maze)).toJson(QJsonDocument::Compact)
            << '\n';
    else
        out << orvane::summaryText(*read.maze);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("orvane-mdt");
    QCoreApplication::setApplicationVersion("1.00");

    QCommandLineParser parser;
    parser.setApplicationDescription("Inspect ORVANE maze files (.mdt).\n\n"
                                     "Commands:\n"
                                     "  info FILE    print the header and what the map holds");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"json", "info: print one JSON object instead of text"});
    parser.addPositionalArgument("command", "info");
    parser.addPositionalArgument("args", "the command's arguments", "[args...]");
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        parser.showHelp(1);
    if (args[0] == "info")
        return runInfo(parser, args);
    return fail(QStringLiteral("orvane-mdt: unknown command '%1' (try --help)").arg(args[0]));
}
