#pragma once
// The platform services the windows call, as small interfaces: the real
// implementations wrap Qt and FluidSynth, tests pass fakes.

#include "MazeConstants.h"
#include "generate/Generator.h"

#include <QRect>
#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace orvane {

class MusicDevice;

// What a file dialog is for, which decides the folder it starts in.
enum class FileDialogUse { LoadMaze, SaveMaze, ChooseMusic };

struct FileDialogPurpose {
    FileDialogUse use;
    // ChooseMusic: the music file the maze names, as the player finds it.
    QString currentFile = {};
};

// The common dialog's file use. The filter is "description|pattern", as in
// "迷路ファイル(*.mdt)|*.mdt". Returns the chosen full path, or nothing when
// the user cancelled.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual std::optional<QString> showOpen(QWidget* parent, const QString& filter,
                                            const FileDialogPurpose& purpose) = 0;
    virtual std::optional<QString> showSave(QWidget* parent, const QString& filter,
                                            const FileDialogPurpose& purpose) = 0;
};

// A modal message box with an OK button only; the text is shown as plain text.
class MessageBoxService {
public:
    static inline const QString DefaultTitle = QStringLiteral("ORVANE");
    virtual ~MessageBoxService() = default;
    virtual void show(QWidget* parent, const QString& text,
                      const QString& title = DefaultTitle) = 0;
};

// The desktop's bell.
class BeepService {
public:
    virtual ~BeepService() = default;
    virtual void beep() = 0;
};

// The common dialog's help use: show a help file with a help command. The
// caller does not wait and does not look at the outcome.
class HelpService {
public:
    static constexpr int HelpContents = 3;
    virtual ~HelpService() = default;
    virtual void showHelp(QWidget* parent, const QString& helpFile, int command) = 0;
};

// What the generator dialog opens with.
struct GenerateDefaults {
    // The fields as shown: size, aim, traps, arrows, time limit and seed (title
    // and music are passed through to the answer unchanged).
    generate::Request request;
    // The selection's size: the maze fills the selection, so its size is
    // fixed. Nothing: the size is one of MapSizes, chosen in the dialog.
    std::optional<MapSize> selection;
};

// The editor's dialog for a generated maze. Returns the request the user
// confirmed (checkRequest finds no problem in it), or nothing when the user
// cancelled.
class GenerateDialogService {
public:
    virtual ~GenerateDialogService() = default;
    virtual std::optional<generate::Request> askForMaze(QWidget* parent,
                                                        const GenerateDefaults& defaults) = 0;
};

// Where the user last put a window of the program's own (its inside, in
// screen coordinates) and its size, by the window's name, kept across runs.
class WindowPlaceService {
public:
    virtual ~WindowPlaceService() = default;
    // Nothing when none was kept.
    virtual std::optional<QRect> place(const QString& window) const = 0;
    virtual void remember(const QString& window, const QRect& place) = 0;
};

// Makes the music device of a player window (its MMC1).
class MusicDeviceFactory {
public:
    virtual ~MusicDeviceFactory() = default;
    // Starts readying what the devices play through, in the background.
    virtual void preload() {}
    virtual std::unique_ptr<MusicDevice> createMusicDevice() = 0;
};

// Everything the windows may ask of the platform, passed in by the application.
struct PlatformServices {
    FileDialogService& fileDialog;
    MessageBoxService& messageBox;
    BeepService& beep;
    HelpService& help;
    MusicDeviceFactory& music;
    GenerateDialogService& generateDialog;
    WindowPlaceService& windowPlaces;
};

} // namespace orvane
