// ORVANE: the maze construction kit.

#include "Appearance.h"
#include "CommandLine.h"
#include "Cp932.h"
#include "FluidMusicDeviceFactory.h"
#include "Language.h"
#include "MazeState.h"
#include "RealPlatformServices.h"
#include "Shell.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTextStream>

#include <memory>

namespace {

const QString Version = QStringLiteral("1.00");
constexpr int CannotStartStatus = 1;
constexpr int UsageErrorStatus = 2;

// Without the converter every title and music path would read as empty and
// be saved as nothing.
const char* const NoCp932Message = QT_TRANSLATE_NOOP(
    "main",
    "この環境ではシフトJIS (コードページ 932) の変換が使えないため、ORVANE を起動できません。\n"
    "glibc の文字コード変換モジュール (gconv) を確認してください。");

} // namespace

int main(int argc, char** argv)
{
    // Read before QApplication, which needs a display.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const orvane::CommandLine commandLine = orvane::CommandLine::parse(args);
    switch (commandLine.action) {
    case orvane::CommandLine::Action::Help:
        QTextStream(stdout) << orvane::CommandLine::helpText();
        return 0;
    case orvane::CommandLine::Action::Version:
        QTextStream(stdout) << "ORVANE " << Version << '\n';
        return 0;
    case orvane::CommandLine::Action::Refused:
        QTextStream(stderr) << commandLine.error << '\n';
        return UsageErrorStatus;
    case orvane::CommandLine::Action::Run:
        break;
    }

    QCoreApplication::setApplicationName(QStringLiteral("ORVANE"));
    QCoreApplication::setApplicationVersion(Version);
    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("org.orvane.orvane"));
    orvane::applyAppearance();

    // The program and the standard dialogs in the user's language.
    const orvane::UiLanguage language = orvane::systemLanguage();
    const orvane::Translations translations(language);

    auto maze = std::make_unique<orvane::MazeState>();
    orvane::FluidMusicDeviceFactory music;
    orvane::RealPlatformServices services(music, language);
    if (!orvane::Cp932::isAvailable()) {
        const QString message = QCoreApplication::translate("main", NoCp932Message);
        QTextStream(stderr) << message << Qt::endl;
        services.services().messageBox.show(nullptr, message);
        return CannotStartStatus;
    }
    // The editor's work and the player's records are kept in the user's data folder.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    orvane::Shell shell(*maze, services.services(), dataFolder + QStringLiteral("/work"),
                        dataFolder + QStringLiteral("/records.json"),
                        orvane::RealPlatformServices::settingsFile());
    if (!commandLine.mazeFolder.isEmpty())
        shell.startWithList(commandLine.mazeFolder);
    else
        shell.start(commandLine.mazeFile);
    return QApplication::exec();
}
