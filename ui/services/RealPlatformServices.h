#pragma once

#include "DialogFolders.h"
#include "PlatformServices.h"
#include "QtBeepService.h"
#include "QtFileDialogService.h"
#include "QtGenerateDialogService.h"
#include "QtHelpService.h"
#include "QtMessageBoxService.h"
#include "WindowPlaces.h"

#include <QSettings>
#include <QStandardPaths>

namespace orvane {

// The program's platform services: Qt's dialogs and the generator's, the bell
// and the help viewer (its document in the given language), with the music
// devices of the given factory. The file dialogs remember their folders, and
// our own windows their places, in the program's settings, an INI file in the
// user's configuration folder. Create it after
// QApplication and keep it for as long as the windows it serves.
class RealPlatformServices {
public:
    // The program's settings, an INI file in the user's configuration folder.
    static QString settingsFile()
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
               QStringLiteral("/orvane.conf");
    }

    RealPlatformServices(MusicDeviceFactory& music, UiLanguage language)
        : settings_(settingsFile(), QSettings::IniFormat),
          folders_(settings_, DialogPlaces::standard()), fileDialog_(folders_),
          help_(messageBox_, language),
          places_(settings_), services_{fileDialog_, messageBox_,     beep_,  help_,
                                        music,       generateDialog_, places_}
    {
    }
    RealPlatformServices(const RealPlatformServices&) = delete;
    RealPlatformServices& operator=(const RealPlatformServices&) = delete;

    PlatformServices& services() { return services_; }

private:
    QSettings settings_;
    DialogFolders folders_;
    QtFileDialogService fileDialog_;
    QtMessageBoxService messageBox_;
    QtBeepService beep_;
    QtHelpService help_;
    QtGenerateDialogService generateDialog_;
    SettingsWindowPlaces places_;
    PlatformServices services_;
};

} // namespace orvane
