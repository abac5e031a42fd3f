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

    // Shows the splash window, centred on the screen.
    void start();

    // A maze file to load into the player, as its Load does, once the splash
    // has given way to the main window.
    void openAfterSplash(const QString& mazeFile) { mazeFile_ = mazeFile; }

    frmSplash* splash() const;
    MDIMain* mainWindow() const;

private:
    void leaveSplash();
    void playMaze(const QString& mazeFile);
    void end();

    MazeState& maze_;
    PlatformServices& services_;
    QPointer<frmSplash> splash_;
    QPointer<MDIMain> main_;
    QString mazeFile_;
};

} // namespace orvane
