// ORVANE: the maze construction kit.

#include "Appearance.h"
#include "FluidMusicDeviceFactory.h"
#include "MazeState.h"
#include "RealPlatformServices.h"
#include "Shell.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVANE"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("orvane"));
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
    orvane::Shell shell(*maze, services.services(), [] { QApplication::quit(); });
    shell.start();
    return QApplication::exec();
}
