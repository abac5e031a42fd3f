#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// What the program's command line asks for: `orvane [FILE.mdt | DIR]`, `--help`,
// `--version`. Read whole before any window or display is needed; Qt's own
// options (-platform, -display, -style ...) are let through to QApplication.
struct CommandLine {
    enum class Action { Run, Help, Version, Refused };

    Action action = Action::Run;
    QString mazeFile;   // Run: the absolute path of a maze to play, or empty
    QString mazeFolder; // Run: the absolute path of a folder of mazes to list, or empty
    QString error;      // Refused: the message, with a hint to --help

    // `args` without the program's name.
    static CommandLine parse(const QStringList& args);
    static QString helpText();
};

} // namespace orvane
