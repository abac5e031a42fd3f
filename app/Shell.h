#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace orvane {

class EditorSession;
class LevelFlow;
struct MazeState;
class PlayRecords;
class PlayerGhosts;
class ResultFlow;
struct PlatformServices;
class MDIMain;
class frmSplash;

// The program's frame: the splash first, then the main window. Owns neither
// the maze nor the services, but owns the editor's session, which outlives
// every window (the editor windows use it until they are deleted), and the
// player's records with what follows a game.
class Shell : public QObject {
    Q_OBJECT
public:
    // The editor's work is kept in `workFolder`, the player's records in
    // `recordsFile` and the player's settings in `settingsFile` across runs;
    // without them, only while the program runs.
    Shell(MazeState& maze, PlatformServices& services, const QString& workFolder = {},
          const QString& recordsFile = {}, const QString& settingsFile = {});
    ~Shell() override;

    // Shows the splash window, centred on the screen. Given a maze file, goes
    // straight to the main window with the player, which loads the file as
    // its Load does: who opens a maze wants to play it.
    void start(const QString& mazeFile = {});
    // Goes straight to the main window with the player and the level list
    // of a folder of mazes.
    void startWithList(const QString& folder);

    frmSplash* splash() const;
    MDIMain* mainWindow() const;
    EditorSession& editorSession() { return *editorSession_; }
    ResultFlow& resultFlow() { return *resultFlow_; }
    LevelFlow& levelFlow() { return *levelFlow_; }

private:
    void leaveSplash();
    void showMain();
    void playMaze(const QString& mazeFile);
    void end();

    MazeState& maze_;
    PlatformServices& services_;
    const std::unique_ptr<EditorSession> editorSession_;
    const std::unique_ptr<PlayRecords> records_;
    const std::unique_ptr<PlayerGhosts> ghosts_;
    const std::unique_ptr<ResultFlow> resultFlow_;
    const std::unique_ptr<LevelFlow> levelFlow_;
    QPointer<frmSplash> splash_;
    QPointer<MDIMain> main_;
};

} // namespace orvane
