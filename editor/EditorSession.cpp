#include "EditorSession.h"

#include "MazeState.h"
#include "WorkKeeper.h"

#include <QDir>

namespace orvane {

QString EditorSession::workFile(const QString& workFolder)
{
    return QDir(workFolder).filePath(QStringLiteral("editor.work"));
}

EditorSession::EditorSession(MazeState& maze, const QString& workFolder)
    : history(maze), maze_(maze)
{
    if (workFolder.isEmpty())
        return;
    keeper_ = std::make_unique<WorkKeeper>(workFile(workFolder), [this] { return work(); });
    if (std::optional<KeptWork> kept = keeper_->readBack()) {
        history.restore(kept->steps);
        history.setMazePath(kept->mazePath);
        kept->steps.clear();
        left_ = std::move(kept);
    }
    QObject::connect(&history, &EditHistory::changed, keeper_.get(), &WorkKeeper::edited);
}

EditorSession::~EditorSession() = default;

void EditorSession::attach(MapCanvas& canvas, std::function<EditorPlace()> place)
{
    canvas_ = &canvas;
    place_ = std::move(place);
    history.setCanvas(&canvas);
}

void EditorSession::freshMazeOpened()
{
    view.reset();
    if (!left_) {
        history.clear();
        return;
    }
    const MazeDocument before{left_->maze.header, left_->mazePath, left_->place};
    const MazeDocument after{maze_.header, QString(), place_()};
    MazeChange change = MazeChange::between(left_->maze.grid, before, maze_.grid, after);
    history.setMazePath(QString());
    if (!change.cells().empty() || before != after)
        history.record(EditKind::NewMaze, std::move(change));
}

void EditorSession::detach(const MapCanvas& canvas)
{
    if (canvas_ != &canvas)
        return;
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
    return KeptWork{
        {maze_.header, maze_.grid}, history.mazePath(), place_(), history.undoableSteps()};
}

} // namespace orvane
