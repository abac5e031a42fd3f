#pragma once

#include <QString>

class QCoreApplication;

namespace orvane {

// What the program's command line asks for: `orvane [FILE.mdt]`, `--help`,
// `--version`.
struct CommandLine {
    QString mazeFile; // absolute path of a maze to open in the player, or empty

    // Whether the arguments ask for the help or the version text, which need
    // no window system.
    static bool asksForText(int argc, char** argv);

    // Reads the application's arguments. The help and version texts and
    // mistakes are printed and end the program, as QCommandLineParser::process
    // does.
    static CommandLine parse(const QCoreApplication& app);
};

} // namespace orvane
