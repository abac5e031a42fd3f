#pragma once

#include "PlatformServices.h"
#include "QtBeepService.h"
#include "QtFileDialogService.h"
#include "QtHelpService.h"
#include "QtMessageBoxService.h"

namespace orvane {

// The program's platform services: Qt's dialogs, bell and the help viewer,
// with the music devices of the given factory. Create it after QApplication
// and keep it for as long as the windows it serves.
class RealPlatformServices {
public:
    explicit RealPlatformServices(MusicDeviceFactory& music)
        : help_(messageBox_), services_{fileDialog_, messageBox_, beep_, help_, music}
    {
    }
    RealPlatformServices(const RealPlatformServices&) = delete;
    RealPlatformServices& operator=(const RealPlatformServices&) = delete;

    PlatformServices& services() { return services_; }

private:
    QtFileDialogService fileDialog_;
    QtMessageBoxService messageBox_;
    QtBeepService beep_;
    QtHelpService help_;
    PlatformServices services_;
};

} // namespace orvane
