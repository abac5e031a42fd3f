#pragma once

#include "MazeChange.h"
#include "ToolState.h"

#include <QObject>
#include <QUndoStack>

#include <memory>
#include <optional>
#include <vector>

namespace orvane {

class MapCanvas;
class MazeEditCommand;
struct MazeState;

// The kinds of editing step, one undo command each.
enum class EditKind {
    Paint, // a click, or a whole drag with its release click
    Fill,
    Size,
    Load,
    // The header's boxes: one step from a box's first change until it loses
    // the keyboard focus.
    Title,
    TimeLimit,
    NoTimeLimit,
    Music,
    NewMaze, // the editor opened on a fresh maze after another one
    // The construction tools, each one step.
    DeleteOrCut, // a selection painted with the chosen chip (Delete, Ctrl+X)
    Outline,     // a selection's outline painted
    Line,        // a straight line of cells (Shift+click)
    FloodFill,
    Paste,
    TurnOrMirror, // a selection turned or mirrored in place
    Generate,
};

// A step as the history keeps it: its kind and its change.
struct RecordedStep {
    EditKind kind = EditKind::Paint;
    std::shared_ptr<const MazeChange> change;
};

// Whether a step leaves the map another one: its size changed, or a whole
// maze came in (a load, a fresh maze, a maze generated as the whole map).
bool changesMap(EditKind kind, const MazeChange& change);

// The selection before and after a step made on one.
struct SelectionChange {
    std::optional<QRect> before;
    std::optional<QRect> after;
};

// The editor's undo history of one maze. Every change of the maze or its
// header runs through step() or openStep(): the rule changes the maze and
// draws as it always does, and the history keeps what changed as one command
// on its QUndoStack. A step that changes nothing records nothing. Undo and
// redo put the maze back and forth and draw only what they change, on the
// canvas of the editor that is open (none while the editor is closed: the
// history outlives it). The history also knows the maze file the maze was
// last loaded from or saved to, which a load's undo and redo put back.
//
// The history owns the construction tools' state of its maze (tools()) and,
// as every change passes through it, tells it of each step, undo and redo
// that changes the map (changesMap). A step made on a selection keeps the
// selection before and after it, which its undo and redo put back.
class EditHistory : public QObject {
    Q_OBJECT
public:
    // Past this the oldest steps are dropped.
    static constexpr qsizetype DefaultMemoryBudget = qsizetype(64) * 1024 * 1024;

    explicit EditHistory(MazeState& maze, qsizetype memoryBudget = DefaultMemoryBudget,
                         QObject* parent = nullptr);
    ~EditHistory() override;

    const QUndoStack& stack() const { return stack_; }
    void setCanvas(MapCanvas* canvas) { canvas_ = canvas; }
    MapCanvas* canvas() const { return canvas_; }
    ToolState& tools() { return tools_; }
    const ToolState& tools() const { return tools_; }
    // Forgets every step, the maze file and the tools' state: the history of
    // a new maze.
    void clear();

    // The maze file; a rule of a step may set it (a load), a save sets it
    // outside any step.
    const QString& mazePath() const { return mazePath_; }
    void setMazePath(const QString& path) { mazePath_ = path; }

    // Runs `rule`, which may change the cells of `watched`, the header and
    // the maze file, as one step of `kind`. A step of the same kind that is
    // open (a drag) takes it in and ends; one of another kind ends first.
    template <typename Rule> bool step(EditKind kind, QRect watched, Rule&& rule)
    {
        const bool done = openStep(kind, watched, std::forward<Rule>(rule));
        endStep();
        return done;
    }
    // Runs `rule` as part of the open step of `kind` (a drag, typing in a
    // box), opening one; one of another kind ends first. The rule returns
    // whether it changed anything.
    template <typename Rule> bool openStep(EditKind kind, QRect watched, Rule&& rule)
    {
        beginStep(kind, watched);
        const bool done = rule();
        if (done)
            emit changed();
        return done;
    }
    // Ends the open step, recording it if it changed anything.
    void endStep();
    // Records a change already made to the maze as a step of its own.
    void record(EditKind kind, MazeChange change);

    // The steps undo can take back, oldest first; they share their changes.
    // An open step that changed anything is the last, as it stands now, so
    // that the steps always lead to the maze as it is.
    std::vector<RecordedStep> undoableSteps() const;
    // Starts over with steps recorded before (oldest first), the last of
    // which left the maze as it stands (isUndoableOn); nothing is applied.
    void restore(const std::vector<RecordedStep>& steps);

    void undo();
    void redo();

    // Bytes the recorded steps hold, kept as they come and go.
    qsizetype memoryUsed() const { return memoryUsed_; }

signals:
    // A rule, an undo or a redo has changed the maze, its header or its file.
    void changed();
    // Undo (redo false) or redo has put a step's change into the maze.
    void applied(const MazeChange& change, bool redo);

private:
    friend class MazeEditCommand;
    void beginStep(EditKind kind, QRect watched);
    void push(MazeEditCommand* command);
    void put(EditKind kind, const MazeChange& change,
             const std::optional<SelectionChange>& selection, bool redo);
    // Tells the tools' state of a step done, undone or redone.
    void tellTools(EditKind kind, const MazeChange& change);
    void keepWithinBudget();

    MazeState& maze_;
    const qsizetype memoryBudget_;
    MapCanvas* canvas_ = nullptr;
    QString mazePath_;
    QUndoStack stack_;
    qsizetype memoryUsed_ = 0;
    std::optional<EditStep> open_;
    EditKind openKind_ = EditKind::Paint;
    std::optional<QRect> selectionAtOpen_;
    ToolState tools_;
};

} // namespace orvane
