#pragma once
// The platform services the windows call, as small interfaces: the real
// implementations wrap Qt and FluidSynth, tests pass fakes.

#include "GenerateDefaults.h"
#include "MazeConstants.h"
#include "MazeState.h"
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

// A maze the generator dialog gave: made for the request the user
// confirmed, the maze that met it, or the nearest one the generator found,
// which the user took in its place.
struct GeneratedMaze {
    generate::Request request;
    std::unique_ptr<MazeState> maze;
    generate::Measures measures; // of the maze, as the analysis found them
    bool nearest = false;        // the request was not met
};

// The editor's generator dialog: it runs the generator for the request the
// user confirms (checkRequest finds no problem in it) and stays open while
// none meets it. Returns the maze, or nothing when the user cancelled.
class GenerateDialogService {
public:
    virtual ~GenerateDialogService() = default;
    virtual std::optional<GeneratedMaze> askForMaze(QWidget* parent,
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
