#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace orvane {

struct MazeState;
struct PlatformServices;
class MDIMain;
class frmSplash;

// The program's frame: the splash first, then the main window. Owns neither
// the maze nor the services.
class Shell : public QObject {
    Q_OBJECT
public:
    Shell(MazeState& maze, PlatformServices& services);
    ~Shell() override;

    // Shows the splash window, centred on the screen. Given a maze file, goes
    // straight to the main window with the player, which loads the file as
    // its Load does: who opens a maze wants to play it.
    void start(const QString& mazeFile = {});

    frmSplash* splash() const;
    MDIMain* mainWindow() const;

private:
    void leaveSplash();
    void showMain();
    void playMaze(const QString& mazeFile);
    void end();

    MazeState& maze_;
    PlatformServices& services_;
    QPointer<frmSplash> splash_;
    QPointer<MDIMain> main_;
};

} // namespace orvane
