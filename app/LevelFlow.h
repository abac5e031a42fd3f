#pragma once

#include "LevelRow.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QFileSystemWatcher;
class QTimer;

namespace orvane {

class LevelListWindow;
class MDIMain;
struct MazeState;
class PlayRecords;
struct PlatformServices;
class ResultFlow;

// The level list over the main window: opened on a folder by the player's
// L, the result's 一覧 or the command line; a maze chosen there is played
// in the main window's player; its rows follow the games recorded, here
// and by other programs.
class LevelFlow : public QObject {
    Q_OBJECT
public:
    LevelFlow(MazeState& maze, PlatformServices& services, PlayRecords& records,
              ResultFlow& results, QObject* parent = nullptr);
    ~LevelFlow() override;

    // The window the list shows over and its mazes are played in.
    void follow(MDIMain* main);
    // Shows the list of `folder`, the sample pack's when empty, with the row
    // of `current` (a file of it) chosen.
    void open(const QString& folder, const QString& current = {});
    // The list of the folder of a maze file, else the sample pack's.
    void openFor(const QString& mazeFile);
    // The list shown, while it is open.
    LevelListWindow* window() const;

private:
    void play(const QString& file);
    // Beside the player, inside the main window where it fits.
    void place();
    // Reads the records again when another program changed their file.
    void followRecords();

    MazeState& maze_;
    PlatformServices& services_;
    PlayRecords& records_;
    ResultFlow& results_;
    QPointer<MDIMain> main_;
    QPointer<LevelListWindow> window_;
    QFileSystemWatcher* recordsFolder_;
    QTimer* recordsSettle_;
    FileStamp recordsRead_; // the records' file as last read
};

} // namespace orvane
