#pragma once

#include "FileCalls.h"
#include "KeptWork.h"
#include "MazeConstants.h"
#include "WalkSource.h"
#include "WorkKeeper.h"
#include "edit/EditHistory.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace orvane {

class MapCanvas;
struct MazeState;

// What the editor window showed beyond the maze itself, to show it again
// after a test play.
struct EditorView {
    QString title;
    QString time;
    bool noTimeLimit = false;
    QString music;
    int sizeButton = 0; // the checked size button, 0..7
    int scrollX = 0;
    int scrollY = 0;
    int zoom = ChipSize; // pixels a cell
    QString coordinates;
    bool checkShown = false;             // the check on the map (F6)
    WalkSource walks = WalkSource::None; // the walks on the map (F7, Shift+F7)
    // The working values the player moves the ball and counts the time in.
    int16_t cursorX = 0;
    int16_t cursorY = 0;
    int16_t timeLeft = 0;
};

// The editor's work, which outlives every editor window: its undo history
// (with the maze file the maze was last loaded from or saved to), the maze as
// the last window left it and, during a test play, the view to come back to.
// Given a folder, the work is kept there too, so that the next run (after a
// quit, a crash or a kill) can bring it back: every work kept there that no
// running program holds, the newest last.
class EditorSession : public QObject {
    Q_OBJECT
public:
    // Kept in `workFolder` (written with `calls`) and read back from it, or
    // (empty) only while the program runs.
    explicit EditorSession(MazeState& maze, const QString& workFolder = {},
                           const FileCalls& calls = FileCalls::system());
    ~EditorSession() override; // waits, within a bound, for the last write

    // An editor window shows the maze: undo and redo draw on its canvas, and
    // `place` tells where the user stands in it.
    void attach(MapCanvas& canvas, std::function<EditorPlace()> place);
    // The attached window opened on a fresh maze: the maze it had before
    // (cells, header, file, chip and view) is one undo away. Returns whether
    // there is such a maze to bring back.
    bool freshMazeOpened();
    // The window closes or goes: its open step ends, its maze as it stands is
    // kept, and nothing more is drawn on it.
    void detach(const MapCanvas& canvas);

    // The maze was saved to `path`: the file it now comes from.
    void saved(const QString& path);

    // The work as it stands: the attached window's, or what the last one
    // left; nothing before any window showed a maze.
    std::optional<KeptWork> work() const;
    // Null without a work folder.
    WorkKeeper* keeper() const { return keeper_.get(); }

    // What the user is to be told, each once: what the start could not take
    // back as it was, and the first failure of this run to keep the work.
    // The editor that shows them takes them.
    WorkKeeper::Notes takeTakeBackNotes();
    std::optional<MazeFileProblem> takeKeepFailure();

    EditHistory history;
    std::optional<EditorView> view;
    // The player's records, whose runs of a maze the editor draws; none:
    // no runs.
    QString recordsFile;

signals:
    // Something is to be told (takeTakeBackNotes, takeKeepFailure).
    void noticePending();

private:
    void keepFailed(const MazeFileProblem& problem);

    MazeState& maze_;
    const MapCanvas* canvas_ = nullptr;
    std::function<EditorPlace()> place_;
    std::optional<KeptWork> left_; // its steps unused: they are the history's
    std::unique_ptr<WorkKeeper> keeper_;
    WorkKeeper::Notes takeBackNotes_;
    std::optional<MazeFileProblem> keepFailure_;
    bool keepFailureTold_ = false;
};

} // namespace orvane
