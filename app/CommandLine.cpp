#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdlib>
#include <cstring>

namespace orvane {

bool CommandLine::asksForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--") == 0)
            return false; // file names follow
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(arg, option) == 0)
                return true;
    }
    return false;
}

CommandLine CommandLine::parse(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("ORVANE, the maze construction kit: build tile mazes in the editor and "
                       "play them in the player.\nGiven a maze file, opens it in the player once "
                       "the splash window is clicked."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A maze file (.mdt) to play."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        QTextStream(stderr) << "orvane: give at most one maze file\n";
        std::exit(EXIT_FAILURE);
    }
    CommandLine line;
    if (!files.isEmpty())
        line.mazeFile = QFileInfo(files.first()).absoluteFilePath();
    return line;
}

} // namespace orvane
