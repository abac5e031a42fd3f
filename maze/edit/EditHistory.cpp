#include "EditHistory.h"

#include "MazeState.h"

#include <QSignalBlocker>
#include <QUndoCommand>

#include <memory>
#include <vector>

namespace orvane {

// One recorded step. Made when the step has already changed the maze, so its
// first redo (QUndoStack::push runs it) does nothing.
class MazeEditCommand : public QUndoCommand {
public:
    MazeEditCommand(EditHistory& history, EditKind kind, std::shared_ptr<const MazeChange> change,
                    std::optional<SelectionChange> selection = std::nullopt)
        : history_(history), kind_(kind), change_(std::move(change)), selection_(selection)
    {
    }
    // The same step, for a new stack.
    MazeEditCommand* copy() const
    {
        return new MazeEditCommand(history_, kind_, change_, selection_);
    }
    RecordedStep recorded() const { return {kind_, change_}; }

    void undo() override { history_.put(kind_, *change_, selection_, false); }
    void redo() override
    {
        if (!std::exchange(applied_, false))
            history_.put(kind_, *change_, selection_, true);
    }

    // What the step holds in memory: its change, the command with Qt's
    // private part of it (a list, two strings), and the allocator's
    // bookkeeping of those three blocks.
    qsizetype memorySize() const
    {
        constexpr qsizetype QtPrivatePart = 80;
        constexpr qsizetype BlockBookkeeping = 16;
        return qsizetype(sizeof(*this)) + QtPrivatePart + 3 * BlockBookkeeping +
               change_->memorySize();
    }

private:
    EditHistory& history_;
    EditKind kind_;
    std::shared_ptr<const MazeChange> change_;
    std::optional<SelectionChange> selection_;
    bool applied_ = true;
};

namespace {

const MazeEditCommand* commandAt(const QUndoStack& stack, int index)
{
    return static_cast<const MazeEditCommand*>(stack.command(index));
}

} // namespace

bool changesMap(EditKind kind, const MazeChange& change)
{
    // A maze generated into a selection leaves the header as it was.
    return change.changesSize() || kind == EditKind::Load || kind == EditKind::NewMaze ||
           (kind == EditKind::Generate && change.header(false) != change.header(true));
}

EditHistory::EditHistory(MazeState& maze, qsizetype memoryBudget, QObject* parent)
    : QObject(parent), maze_(maze), memoryBudget_(memoryBudget)
{
}

EditHistory::~EditHistory() = default;

void EditHistory::clear()
{
    open_.reset();
    stack_.clear();
    memoryUsed_ = 0;
    mazePath_.clear();
    tools_.reset();
}

void EditHistory::beginStep(EditKind kind, QRect watched)
{
    if (open_ && openKind_ != kind)
        endStep();
    if (!open_) {
        open_.emplace(maze_, mazePath_);
        openKind_ = kind;
        selectionAtOpen_ = tools_.selection();
    }
    open_->watch(maze_, watched);
}

void EditHistory::endStep()
{
    if (!open_)
        return;
    std::optional<EditStep> step = std::exchange(open_, std::nullopt);
    if (!step->changed(maze_, mazePath_))
        return;
    auto change = std::make_shared<const MazeChange>(std::move(*step).finish(maze_, mazePath_));
    tellTools(openKind_, *change);
    std::optional<SelectionChange> selection;
    if (selectionAtOpen_ || tools_.selection())
        selection = SelectionChange{selectionAtOpen_, tools_.selection()};
    push(new MazeEditCommand(*this, openKind_, std::move(change), selection));
    keepWithinBudget();
}

void EditHistory::record(EditKind kind, MazeChange change)
{
    endStep();
    tellTools(kind, change);
    push(new MazeEditCommand(*this, kind, std::make_shared<const MazeChange>(std::move(change))));
    keepWithinBudget();
    emit changed();
}

void EditHistory::tellTools(EditKind kind, const MazeChange& change)
{
    if (changesMap(kind, change))
        tools_.mapChanged(maze_.header);
}

std::vector<RecordedStep> EditHistory::undoableSteps() const
{
    std::vector<RecordedStep> steps;
    steps.reserve(size_t(stack_.index()));
    for (int i = 0; i < stack_.index(); ++i)
        steps.push_back(commandAt(stack_, i)->recorded());
    if (open_ && open_->changed(maze_, mazePath_))
        steps.push_back(
            {openKind_, std::make_shared<const MazeChange>(open_->snapshot(maze_, mazePath_))});
    return steps;
}

void EditHistory::restore(const std::vector<RecordedStep>& steps)
{
    clear();
    const QSignalBlocker quiet(stack_);
    for (const RecordedStep& step : steps)
        push(new MazeEditCommand(*this, step.kind, step.change));
    keepWithinBudget();
}

void EditHistory::push(MazeEditCommand* command)
{
    // The stack drops the steps that could be redone.
    for (int i = stack_.index(); i < stack_.count(); ++i)
        memoryUsed_ -= commandAt(stack_, i)->memorySize();
    memoryUsed_ += command->memorySize();
    stack_.push(command);
}

void EditHistory::put(EditKind kind, const MazeChange& change,
                      const std::optional<SelectionChange>& selection, bool redo)
{
    change.apply(maze_, mazePath_, canvas_, redo);
    tellTools(kind, change);
    if (selection)
        tools_.select(redo ? selection->after : selection->before, maze_.header);
    emit applied(change, redo);
    emit changed();
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

void EditHistory::keepWithinBudget()
{
    // Called right after a push: every step is undoable, none is redoable.
    if (memoryUsed_ <= memoryBudget_)
        return;
    // QUndoStack drops no single command: the newest steps that fit three
    // quarters of the budget go onto a fresh stack, sharing their changes.
    // Nothing is applied again, and the stack's signals stay quiet: to the
    // editor nothing changed.
    int first = stack_.count();
    qsizetype kept = 0;
    while (first > 0) {
        const qsizetype size = commandAt(stack_, first - 1)->memorySize();
        if (kept + size > memoryBudget_ / 4 * 3)
            break;
        kept += size;
        --first;
    }
    std::vector<MazeEditCommand*> keep;
    for (int i = first; i < stack_.count(); ++i)
        keep.push_back(commandAt(stack_, i)->copy());
    const QSignalBlocker quiet(stack_);
    stack_.clear();
    for (MazeEditCommand* c : keep)
        stack_.push(c);
    memoryUsed_ = kept;
}

} // namespace orvane
