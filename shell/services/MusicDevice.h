#pragma once

#include <QObject>
#include <QString>

namespace orvane {

// The MCI music device of the player window (MMC1): a device type, a file
// name and string commands "open", "prev", "play", "stop", "close".
// done() is raised on the UI thread when a playback has ended, run to its end
// or stopped; never for "open", "prev" or "close". Failures are silent.
class MusicDevice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~MusicDevice() override = default;

    virtual void setDeviceType(const QString& type) = 0;
    virtual void setFileName(const QString& path) = 0;
    virtual void command(const QString& command) = 0;

signals:
    void done(int notifyCode);
};

} // namespace orvane
