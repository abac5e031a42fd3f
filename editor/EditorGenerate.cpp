// The generator inside the editor (Ctrl+G): a maze made to a request, into
// the selection or as the whole map, one step.

#include "frmEdit.h"

#include "EditorSession.h"
#include "MazeState.h"
#include "PlatformServices.h"
#include "edit/Region.h"
#include "edit/RegionPlace.h"
#include "edit/SizeChange.h"

#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalBlocker>

namespace orvane {

void frmEdit::generateMaze()
{
    session_.history.endStep();
    const std::optional<QRect> into = session_.history.tools().selection();
    std::optional<MapSize> selected;
    if (into)
        selected = MapSize{int16_t(into->width()), int16_t(into->height())};
    const std::optional<GeneratedMaze> answer = services_.generateDialog.askForMaze(
        this, generateDefaults(lastRequest_, maze_.header, selected,
                               QRandomGenerator::system()->generate64()));
    if (!answer)
        return;
    lastRequest_ = answer->request;
    const bool routeShown = showsCheck();
    const MazeState& made = *answer->maze;
    if (into) {
        // Only the cells: the start and goal stay; the user joins the piece on.
        const QRect cells = *into;
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
        const MazeHeader& h = maze_.header;
        if (const std::optional<size_t> choice = sizeChoiceOf({h.MapWidth, h.MapHeight})) {
            const QSignalBlocker quiet(Option[*choice]);
            Option[*choice]->setChecked(true);
        }
    }
    if (routeShown)
        toggleCheck(); // the way through the new maze
}

} // namespace orvane
