// The generator inside the editor (Ctrl+G): a maze made to a request, into
// the selection or as the whole map, one step.

#include "frmEdit.h"

#include "EditorSession.h"
#include "GenerateMessages.h"
#include "MazeState.h"
#include "PlatformServices.h"
#include "StatusBar.h"
#include "edit/Region.h"
#include "edit/RegionPlace.h"
#include "edit/SizeChange.h"

#include <QApplication>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalBlocker>

namespace orvane {

QString frmEdit::generatingText()
{
    return tr("迷路を作っています");
}

void frmEdit::generateMaze()
{
    session_.history.endStep();
    const MazeHeader& h = maze_.header;
    GenerateDefaults defaults;
    defaults.request = lastRequest_.value_or(generate::Request());
    defaults.request.seed = QRandomGenerator::system()->generate64();
    defaults.request.title = h.Title; // a whole map keeps them
    defaults.request.music = h.MusicFile;
    const std::optional<QRect> selection = session_.history.tools().selection();
    if (selection) {
        defaults.selection = MapSize{int16_t(selection->width()), int16_t(selection->height())};
        defaults.request.size = *defaults.selection;
    } else if (!lastRequest_ && sizeChoiceOf({h.MapWidth, h.MapHeight})) {
        defaults.request.size = {h.MapWidth, h.MapHeight};
    }
    const std::optional<generate::Request> request =
        services_.generateDialog.askForMaze(this, defaults);
    if (!request)
        return;
    lastRequest_ = *request;
    showStatus(generatingText());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const generate::Outcome outcome = generate::generateMaze(*request);
    QApplication::restoreOverrideCursor();
    showStatus({});
    if (!outcome.maze) {
        stb1->setPanelText(closestTryText(*request, outcome));
        return;
    }
    const bool routeShown = showsCheck();
    const MazeState& made = *outcome.maze;
    if (selection) {
        // Only the cells: the start and goal stay; the user joins the piece on.
        const QRect cells = *selection;
        const Region piece = copyRegion(made, QRect(QPoint(0, 0), cells.size()));
        session_.history.step(EditKind::Generate, cells, [&] {
            return PlaceRegion(maze_, mapCanvas(), piece, cells.topLeft(), false);
        });
    } else {
        session_.history.step(EditKind::Generate, gridCells(), [&] {
            maze_.header = made.header;
            maze_.grid = made.grid;
            RedrawMapEdit(made.header.MapWidth, made.header.MapHeight);
            return true;
        });
        showTimeLimit();
        if (const std::optional<size_t> choice = sizeChoiceOf({h.MapWidth, h.MapHeight})) {
            const QSignalBlocker quiet(Option[*choice]);
            Option[*choice]->setChecked(true);
        }
    }
    if (routeShown)
        toggleCheck(); // the way through the new maze
}

} // namespace orvane
