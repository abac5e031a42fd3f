#include "CommandLine.h"

#include <QFileInfo>

namespace orvane {
namespace {

// The options QApplication takes out of the arguments itself, as
// `-name VALUE`, `-name=VALUE` or with two dashes; then its switches.
const QStringList QtOptionsWithValue{
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet",
};
const QStringList QtSwitches{"reverse", "widgetcount"};

} // namespace

CommandLine CommandLine::parse(const QStringList& args)
{
    CommandLine line;
    auto refuse = [&](const QString& error) {
        line.action = Action::Refused;
        line.error = QStringLiteral("orvane: %1 (try orvane --help)").arg(error);
        return line;
    };
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || arg == u'-' || !arg.startsWith(u'-')) {
            files << arg;
        } else if (arg == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help") ||
                   arg == QStringLiteral("--help-all")) {
            line.action = Action::Help;
            return line;
        } else if (arg == QStringLiteral("-v") || arg == QStringLiteral("--version")) {
            line.action = Action::Version;
            return line;
        } else {
            const QString name = arg.mid(arg.startsWith(QStringLiteral("--")) ? 2 : 1);
            if (QtOptionsWithValue.contains(name.section(u'=', 0, 0))) {
                if (!name.contains(u'=') && ++i == args.size())
                    return refuse(QStringLiteral("%1 needs a value").arg(arg));
            } else if (!QtSwitches.contains(name)) {
                return refuse(QStringLiteral("unknown option %1").arg(arg));
            }
        }
    }
    if (files.size() > 1)
        return refuse(
            QStringLiteral("give at most one maze file or folder, not %1").arg(files.size()));
    if (!files.isEmpty()) {
        const QFileInfo path(files.first());
        (path.isDir() ? line.mazeFolder : line.mazeFile) = path.absoluteFilePath();
    }
    return line;
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "usage: orvane [FILE.mdt | DIR]\n"
        "       orvane --help | --version\n"
        "\n"
        "ORVANE, the maze construction kit: build tile mazes in the editor and play\n"
        "them in the player. Without a file, the program starts with its splash window.\n"
        "Given a maze file, it opens the main window with the player and that maze\n"
        "loaded, ready to play. Given a folder, it opens the main window with the\n"
        "player and the list of the folder's mazes with your progress; Enter plays\n"
        "the maze chosen.\n"
        "\n"
        "Options:\n"
        "  -h, --help     print this help and exit\n"
        "  -v, --version  print the version and exit\n"
        "Qt's own options (-platform, -display, -style and the others) are taken too.\n"
        "\n"
        "Exit status: 0 the program was ended; 1 it cannot start; 2 a usage error.\n");
}

} // namespace orvane
