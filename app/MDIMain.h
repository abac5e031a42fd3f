#pragma once

#include "frmPlay.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace orvane {

struct MazeState;
class EditorSession;
class GhostRuns;
struct PlatformServices;
class frmEdit;

// The main window: an MDI area holding at most one of the editor and the
// player, and the menu that switches between them.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("ORVANE for Win95");
    static inline const QString HelpFile = QStringLiteral("Orvane.hlp");

    // The editor's session belongs to the caller and must outlive this
    // window: the editor windows inside it use it until they are deleted.
    MDIMain(MazeState& maze, PlatformServices& services, EditorSession& editorSession,
            QWidget* parent = nullptr);

    void mnuEdit_Click();
    void mnuPlay_Click();
    void mnuEnd_Click();
    void mnuHelp_Click();

    // The open child windows, or null.
    frmEdit* editor() const;
    frmPlay* player() const;
    // Plays the maze the model holds, loaded from `mazeFile`, in a new player
    // in place of any open child.
    void playLoaded(const QString& mazeFile);
    // Shows the maze the model holds, loaded from `mazeFile`, in a new player
    // in place of any open child, no game started.
    frmPlay* showLoaded(const QString& mazeFile);
    // Where the players' games find their ghosts; none: no ghost.
    void setGhostRuns(GhostRuns* ghosts) { ghosts_ = ghosts; }
    // Whether the window is closing or closed: no child window opens again.
    bool isClosing() const { return closed_; }

    // The test play the editor asks for (F5): the editor closes as for the
    // menu, the player plays its maze at once; when the game ends the editor
    // comes back showing what it showed, and says how the game ended.
    void testPlay();

    QMdiArea* mdiArea;
    QMenu* mnuContorol;
    QAction* mnuEdit;
    QAction* mnuPlay;
    QAction* mnuBou;
    QAction* mnuEnd;
    QAction* mnuHelp;

signals:
    // The user chose to end the program.
    void endRequested();
    // A game from the menu ended (at the goal the player has closed).
    void gameEnded(const orvane::GameOutcome& outcome);
    // The window closes: whatever shows over it closes too.
    void closing();
    // The player asked for the level list of the folder of `mazePath`.
    void levelListRequested(const QString& mazePath);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenu();
    // Shows a new child window in the slot, or brings the open one to the front
    // (returning false: the one made is not used).
    bool showChild(QPointer<QMdiSubWindow>& slot, QWidget* form);
    static void closeChild(QPointer<QMdiSubWindow>& slot);
    frmEdit* newEditor();
    frmPlay* newPlayer();
    // Shows a player that is ready (its maze shown, its game started) in
    // place of the editor, the game's keys on its map.
    void showPlayer(frmPlay* player);
    void returnFromTestPlay(const GameOutcome& outcome);

    MazeState& maze_;
    PlatformServices& services_;
    EditorSession& editorSession_;
    QPointer<QMdiSubWindow> editSub_;
    QPointer<QMdiSubWindow> playSub_;
    bool closed_ = false;
    bool overviewAfterTestPlay_ = false; // it was open when the test play began
    GhostRuns* ghosts_ = nullptr;
};

} // namespace orvane
