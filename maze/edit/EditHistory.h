#pragma once

#include "MazeChange.h"

#include <QObject>
#include <QUndoStack>

#include <memory>
#include <optional>

namespace orvane {

class MapCanvas;
struct MazeState;

// The kinds of editing step, one undo command each.
enum class EditKind {
    Paint, // a click, or a whole drag with its release click
    Fill,
    Size,
    Load,
};

// The editor's undo history of one maze. Every editing step runs through
// step() or dragStep(): the rule changes the maze and draws as it always
// does, and the history keeps what changed as one command on its QUndoStack.
// A step that changes nothing records nothing. Undo and redo put the maze back
// and forth and draw only what they change, on the canvas of the editor that
// is open (none while the editor is closed: the history outlives it).
class EditHistory : public QObject {
    Q_OBJECT
public:
    // Past this the oldest steps are dropped.
    static constexpr qsizetype DefaultMemoryBudget = qsizetype(64) * 1024 * 1024;

    explicit EditHistory(MazeState& maze, qsizetype memoryBudget = DefaultMemoryBudget,
                         QObject* parent = nullptr);
    ~EditHistory() override;

    QUndoStack& stack() { return stack_; }
    void setCanvas(MapCanvas* canvas) { canvas_ = canvas; }
    MapCanvas* canvas() const { return canvas_; }
    // Forgets every step: the history of a new maze.
    void clear();

    // Runs `rule`, which may change the cells of `watched` and the header, as
    // one step of `kind`. A Paint step joins an open drag and ends it.
    template <typename Rule> bool step(EditKind kind, QRect watched, Rule&& rule)
    {
        const bool done = dragStep(kind, watched, std::forward<Rule>(rule));
        endStep();
        return done;
    }
    // Runs `rule` as part of the open step of `kind` (a drag), opening one.
    template <typename Rule> bool dragStep(EditKind kind, QRect watched, Rule&& rule)
    {
        openStep(kind);
        open_->watch(maze_, watched);
        return rule();
    }
    // Ends the open step, recording it if it changed anything.
    void endStep();

    void undo();
    void redo();

    // Bytes the recorded steps hold.
    qsizetype memoryUsed() const;

signals:
    // Undo (redo false) or redo has put a step's change into the maze.
    void applied(const MazeChange& change, bool redo);

private:
    void openStep(EditKind kind);
    void keepWithinBudget();

    MazeState& maze_;
    const qsizetype memoryBudget_;
    MapCanvas* canvas_ = nullptr;
    QUndoStack stack_;
    std::optional<EditStep> open_;
    EditKind openKind_ = EditKind::Paint;
};

} // namespace orvane
