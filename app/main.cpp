// ORVANE: the maze construction kit.

#include "Appearance.h"
#include "CommandLine.h"
#include "Cp932.h"
#include "FluidMusicDeviceFactory.h"
#include "MazeState.h"
#include "RealPlatformServices.h"
#include "Shell.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <memory>

namespace {

// Without the converter every title and music path would read as empty and
// be saved as nothing.
const QString NoCp932Message = QStringLiteral(
    "この環境ではシフトJIS (コードページ 932) の変換が使えないため、ORVANE を起動できません。\n"
    "glibc の文字コード変換モジュール (gconv) を確認してください。");

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("ORVANE"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    if (orvane::CommandLine::asksForText(argc, argv)) {
        QCoreApplication textOnly(argc, argv);
        orvane::CommandLine::parse(textOnly); // prints and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    const orvane::CommandLine commandLine = orvane::CommandLine::parse(app);
    QApplication::setDesktopFileName(QStringLiteral("org.orvane.orvane"));
    orvane::applyAppearance();

    // The standard dialogs speak Japanese with the rest of the program.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                            QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

    auto maze = std::make_unique<orvane::MazeState>();
    orvane::FluidMusicDeviceFactory music;
    orvane::RealPlatformServices services(music);
    if (!orvane::Cp932::isAvailable()) {
        QTextStream(stderr) << NoCp932Message << Qt::endl;
        services.services().messageBox.show(nullptr, NoCp932Message);
        return 1;
    }
    orvane::Shell shell(*maze, services.services());
    shell.openAfterSplash(commandLine.mazeFile);
    shell.start();
    return QApplication::exec();
}
