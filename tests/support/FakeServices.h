#pragma once
// Platform services for window tests: dialogs answer from a script, and every
// message, beep, help request and music command is recorded.

#include "MusicDevice.h"
#include "PlatformServices.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace orvane::test {

class FakeFileDialog : public FileDialogService {
public:
    enum class Kind { Open, Save };
    struct Call {
        Kind kind;
        QWidget* parent;
        QString filter;
        FileDialogPurpose purpose;
    };

    // Scripts the next dialog: the user chooses `path`, or cancels.
    void answer(const QString& path) { answers.push_back(path); }
    void cancel() { answers.push_back(QString()); }

    std::optional<QString> showOpen(QWidget* parent, const QString& filter,
                                    const FileDialogPurpose& purpose) override
    {
        return next({Kind::Open, parent, filter, purpose});
    }
    std::optional<QString> showSave(QWidget* parent, const QString& filter,
                                    const FileDialogPurpose& purpose) override
    {
        return next({Kind::Save, parent, filter, purpose});
    }

    // A null path is a cancel; a dialog with no answer left is cancelled too.
    std::deque<QString> answers;
    QList<Call> calls;

private:
    std::optional<QString> next(const Call& call)
    {
        calls.append(call);
        if (answers.empty())
            return std::nullopt;
        const QString path = answers.front();
        answers.pop_front();
        if (path.isNull())
            return std::nullopt;
        return path;
    }
};

class FakeMessageBox : public MessageBoxService {
public:
    struct Message {
        QWidget* parent;
        QString text;
        QString title;
    };

    void show(QWidget* parent, const QString& text, const QString& title = DefaultTitle) override
    {
        messages.append({parent, text, title});
        if (whileShown)
            whileShown(); // what happens while the modal box is open
    }

    QList<Message> messages;
    std::function<void()> whileShown;
};

class FakeBeep : public BeepService {
public:
    void beep() override { ++count; }
    int count = 0;
};

class FakeHelp : public HelpService {
public:
    struct Request {
        QWidget* parent;
        QString helpFile;
        int command;
    };

    void showHelp(QWidget* parent, const QString& helpFile, int command) override
    {
        requests.append({parent, helpFile, command});
    }

    QList<Request> requests;
};

// Runs the generator as the dialog does, for the request scripted.
class FakeGenerateDialog : public GenerateDialogService {
public:
    struct Call {
        QWidget* parent;
        GenerateDefaults defaults;
    };
    enum class Then { Cancel, UseNearest }; // when no maze meets the request

    // Scripts the next dialog: the user confirms `request`, or cancels.
    void answer(const generate::Request& request, Then then = Then::Cancel)
    {
        answers.push_back(std::pair(request, then));
    }
    void cancel() { answers.push_back(std::nullopt); }

    std::optional<GeneratedMaze> askForMaze(QWidget* parent,
                                            const GenerateDefaults& defaults) override
    {
        calls.append({parent, defaults});
        const auto answer = answers.empty() ? std::nullopt : answers.front();
        if (!answers.empty())
            answers.pop_front();
        generate::Outcome o = answer ? generate::generateMaze(answer->first) : generate::Outcome();
        const bool nearest = !o.maze;
        if (!answer || (nearest && (answer->second == Then::Cancel || !o.nearest)))
            return std::nullopt;
        return GeneratedMaze{answer->first, std::move(nearest ? o.nearest : o.maze), o.measures,
                             nearest};
    }

    // A dialog with no answer left is cancelled.
    std::deque<std::optional<std::pair<generate::Request, Then>>> answers;
    QList<Call> calls;
};

// Keeps the places in memory, for one test.
struct FakeWindowPlaces : WindowPlaceService {
    std::optional<QRect> place(const QString& name) const override { return places.value(name); }
    void remember(const QString& name, const QRect& place) override { places[name] = place; }

    QHash<QString, std::optional<QRect>> places;
};

// Records "type sequencer", "file C:/a.mid", "open", ... in call order.
class FakeMusicDevice : public MusicDevice {
public:
    using MusicDevice::MusicDevice;

    void setDeviceType(const QString& type) override { log << QStringLiteral("type ") + type; }
    void setFileName(const QString& path) override { log << QStringLiteral("file ") + path; }
    void command(const QString& command) override { log << command; }

    // The device reports the end of a playback (1: it ran to its end).
    void raiseDone(int notifyCode = 1) { emit done(notifyCode); }

    QStringList log;
};

// Keeps a guarded pointer to every device it made; the window owns them.
class FakeMusicFactory : public MusicDeviceFactory {
public:
    std::unique_ptr<MusicDevice> createMusicDevice() override
    {
        auto device = std::make_unique<FakeMusicDevice>();
        devices.append(device.get());
        return device;
    }

    FakeMusicDevice* last() const { return devices.isEmpty() ? nullptr : devices.last().data(); }

    QList<QPointer<FakeMusicDevice>> devices;
};

struct FakeServices {
    FakeServices() = default;
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    PlatformServices& services() { return platform; }

    FakeFileDialog fileDialog;
    FakeMessageBox messageBox;
    FakeBeep beep;
    FakeHelp help;
    FakeMusicFactory music;
    FakeGenerateDialog generateDialog;
    FakeWindowPlaces windowPlaces;
    PlatformServices platform{fileDialog, messageBox,     beep,        help,
                              music,      generateDialog, windowPlaces};
};

} // namespace orvane::test
