#pragma once

#include <QObject>
#include <QString>

namespace orvane {

// The MCI music device of the player window (MMC1): a device type, a file
// name and string commands. done() is raised on the UI thread when a
// playback has ended, run to its end or stopped; never for Open, Prev or
// Close. Failures are silent.
class MusicDevice : public QObject {
    Q_OBJECT
public:
    // The device type of the MIDI sequencer.
    static inline const QString Sequencer = QStringLiteral("sequencer");
    // The commands.
    static inline const QString Open = QStringLiteral("open");
    static inline const QString Prev = QStringLiteral("prev"); // rewind to the start
    static inline const QString Play = QStringLiteral("play");
    static inline const QString Stop = QStringLiteral("stop");
    static inline const QString Close = QStringLiteral("close");
    // The notification codes done() carries.
    static constexpr int NotifySuccessful = 1; // the playback ran to its end
    static constexpr int NotifyAborted = 4;    // Stop ended the playback

    using QObject::QObject;
    ~MusicDevice() override = default;

    virtual void setDeviceType(const QString& type) = 0;
    virtual void setFileName(const QString& path) = 0;
    virtual void command(const QString& command) = 0;

signals:
    void done(int notifyCode);
};

} // namespace orvane
