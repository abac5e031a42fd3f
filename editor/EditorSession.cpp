#include "EditorSession.h"

#include "MazeState.h"

namespace orvane {

EditorSession::EditorSession(MazeState& maze, const QString& workFolder, const FileCalls& calls)
    : history(maze), maze_(maze)
{
    if (workFolder.isEmpty())
        return;
    keeper_ = std::make_unique<WorkKeeper>(
        workFolder, [this] { return work(); }, calls);
    connect(keeper_.get(), &WorkKeeper::keepFailed, this, &EditorSession::keepFailed);
    WorkKeeper::TakenBack taken = keeper_->takeBack();
    takeBackNotes_ = taken.notes;
    if (taken.work) {
        history.restore(taken.work->steps);
        history.setMazePath(taken.work->mazePath);
        taken.work->steps.clear();
        left_ = std::move(taken.work);
        // In our file at once: the files taken back go once it holds them,
        // and a file with steps left out is whole again.
        keeper_->keepNow();
    }
    connect(&history, &EditHistory::changed, keeper_.get(), &WorkKeeper::edited);
}

EditorSession::~EditorSession() = default;

void EditorSession::attach(MapCanvas& canvas, std::function<EditorPlace()> place)
{
    canvas_ = &canvas;
    place_ = std::move(place);
    history.setCanvas(&canvas);
}

bool EditorSession::freshMazeOpened()
{
    view.reset();
    history.tools().reset(); // nothing selected or floating in a new window

    if (!left_) {
        history.clear();
        return false;
    }
    const MazeDocument before{left_->maze.header, left_->mazePath, left_->place};
    const MazeDocument after{maze_.header, QString(), place_()};
    MazeChange change = MazeChange::between(left_->maze.grid, before, maze_.grid, after);
    history.setMazePath(QString());
    if (change.cells().empty() && before == after)
        return false;
    history.record(EditKind::NewMaze, std::move(change));
    return true;
}

void EditorSession::detach(const MapCanvas& canvas)
{
    if (canvas_ != &canvas)
        return;
    history.endStep(); // a box being typed in, a drag: a step of its own
    left_ = work();
    left_->steps.clear();
    canvas_ = nullptr;
    place_ = nullptr;
    history.setCanvas(nullptr);
    if (keeper_)
        keeper_->keepNow();
}

void EditorSession::saved(const QString& path)
{
    history.setMazePath(path);
    if (keeper_)
        keeper_->edited();
}

std::optional<KeptWork> EditorSession::work() const
{
    if (!canvas_) {
        if (!left_)
            return std::nullopt;
        KeptWork kept = *left_;
        kept.steps = history.undoableSteps();
        return kept;
    }
    KeptWork kept;
    kept.maze = {maze_.header, maze_.grid};
    kept.mazePath = history.mazePath();
    kept.place = place_();
    kept.steps = history.undoableSteps();
    return kept;
}

WorkKeeper::Notes EditorSession::takeTakeBackNotes()
{
    return std::exchange(takeBackNotes_, {});
}

std::optional<MazeFileProblem> EditorSession::takeKeepFailure()
{
    return std::exchange(keepFailure_, std::nullopt);
}

void EditorSession::keepFailed(const MazeFileProblem& problem)
{
    if (std::exchange(keepFailureTold_, true))
        return; // once a run
    keepFailure_ = problem;
    emit noticePending();
}

} // namespace orvane
