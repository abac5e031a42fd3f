#include "EditHistory.h"

#include "MazeState.h"

#include <QUndoCommand>

#include <numeric>

namespace orvane {
namespace {

// One recorded step. Made when the step has already changed the maze, so its
// first redo (QUndoStack::push runs it) does nothing.
class MazeEditCommand : public QUndoCommand {
public:
    MazeEditCommand(EditKind kind, std::shared_ptr<const MazeChange> change,
                    std::function<void(const MazeChange&, bool redo)> apply)
        : kind_(kind), change_(std::move(change)), apply_(std::move(apply))
    {
    }

    void undo() override { apply_(*change_, false); }
    void redo() override
    {
        if (!std::exchange(applied_, false))
            apply_(*change_, true);
    }

    EditKind kind() const { return kind_; }
    const std::shared_ptr<const MazeChange>& change() const { return change_; }
    const std::function<void(const MazeChange&, bool)>& applier() const { return apply_; }

private:
    EditKind kind_;
    std::shared_ptr<const MazeChange> change_;
    std::function<void(const MazeChange&, bool redo)> apply_;
    bool applied_ = true;
};

const MazeEditCommand* commandAt(const QUndoStack& stack, int index)
{
    return static_cast<const MazeEditCommand*>(stack.command(index));
}

} // namespace

EditHistory::EditHistory(MazeState& maze, qsizetype memoryBudget, QObject* parent)
    : QObject(parent), maze_(maze), memoryBudget_(memoryBudget)
{
}

EditHistory::~EditHistory() = default;

void EditHistory::clear()
{
    open_.reset();
    stack_.clear();
}

void EditHistory::openStep(EditKind kind)
{
    if (open_ && openKind_ != kind)
        endStep();
    if (!open_) {
        open_.emplace(maze_);
        openKind_ = kind;
    }
}

void EditHistory::endStep()
{
    if (!open_)
        return;
    std::optional<EditStep> step = std::exchange(open_, std::nullopt);
    if (!step->changed(maze_))
        return;
    auto change = std::make_shared<const MazeChange>(std::move(*step).finish(maze_));
    stack_.push(
        new MazeEditCommand(openKind_, std::move(change), [this](const MazeChange& c, bool redo) {
            c.apply(maze_, canvas_, redo);
            emit applied(c, redo);
        }));
    keepWithinBudget();
}

void EditHistory::undo()
{
    endStep();
    stack_.undo();
}

void EditHistory::redo()
{
    endStep();
    stack_.redo();
}

qsizetype EditHistory::memoryUsed() const
{
    qsizetype used = 0;
    for (int i = 0; i < stack_.count(); ++i)
        used += commandAt(stack_, i)->change()->memorySize();
    return used;
}

void EditHistory::keepWithinBudget()
{
    // Called right after a push: every step is undoable, none is redoable.
    if (memoryUsed() <= memoryBudget_)
        return;
    // QUndoStack drops no single command: the newest steps that fit three
    // quarters of the budget go onto a fresh stack, sharing their changes.
    int first = stack_.count();
    qsizetype kept = 0;
    while (first > 0) {
        const qsizetype size = commandAt(stack_, first - 1)->change()->memorySize();
        if (kept + size > memoryBudget_ / 4 * 3)
            break;
        kept += size;
        --first;
    }
    std::vector<MazeEditCommand*> keep;
    for (int i = first; i < stack_.count(); ++i) {
        const MazeEditCommand* c = commandAt(stack_, i);
        keep.push_back(new MazeEditCommand(c->kind(), c->change(), c->applier()));
    }
    stack_.clear();
    for (MazeEditCommand* c : keep)
        stack_.push(c);
}

} // namespace orvane
