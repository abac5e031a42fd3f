// Draws the pictures of the help's page of the editing tools: each tool on a
// small maze, before and after, with the editor's own rules and drawing; the
// player's ghost of a best run beside the ball, with the game's rules; and
// the editor's F7 and F6 over a maze given as text, where a newcomer gets
// lost and the route.
// usage: orvane-helppics FOLDER MAZE.txt

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "MazeText.h"
#include "ReducedPictures.h"
#include "SelectionFrame.h"
#include "edit/FloodFill.h"
#include "edit/Line.h"
#include "edit/RectanglePaint.h"
#include "edit/RegionPlace.h"
#include "edit/SelectionTurn.h"
#include "generate/Generator.h"
#include "play/GameRun.h"
#include "play/GameStart.h"
#include "play/GhostDrawing.h"
#include "play/KeyStep.h"
#include "play/PlayBoard.h"
#include "play/RouteDrawing.h"
#include "play/TraceDrawing.h"
#include "play/WalkTrace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace {

using namespace orvane;

// The small maze every picture starts from: '#' wall, '.' floor, 'r' red
// floor, arrows on floor.
const QStringList Base{
    "##########", "#..r.....#", "#.^r.>...#", "#..r.....#",
    "#.....####", "#.....#..#", "##########",
};
constexpr int Gap = 24; // between the two maps, where the arrow goes

std::unique_ptr<MazeState> baseMaze()
{
    auto maze = std::make_unique<MazeState>();
    for (int y = 0; y < Base.size(); ++y)
        for (int x = 0; x < Base[y].size(); ++x) {
            const char c = Base[y][x].toLatin1();
            MazeCell& cell = maze->cell(x, y);
            cell.Chip = c == '#' ? FirstWall : c == 'r' ? FirstFloor + 1 : FirstFloor;
            cell.Item = c == '^' ? ArrowUp : c == '>' ? ArrowRight : NoItem;
        }
    maze->header.MapWidth = int16_t(Base[0].size());
    maze->header.MapHeight = int16_t(Base.size());
    maze->header.StartX = maze->header.StartY = 1;
    maze->header.GoalX = 8;
    maze->header.GoalY = 5;
    return maze;
}

QImage drawn(MazeState& maze, std::optional<QRect> selection)
{
    ImageCanvas canvas(ChipSheet::standard());
    RedrawMap(maze, canvas, maze.header.MapWidth, maze.header.MapHeight);
    QImage picture = canvas.image();
    if (selection) {
        QPainter p(&picture);
        drawSelectionFrame(p, QRect(selection->topLeft() * ChipSize, selection->size() * ChipSize));
    }
    return picture;
}

// Before, an arrow, after.
QImage beforeAndAfter(const QImage& before, const QImage& after)
{
    QImage picture(before.width() + Gap + after.width(), before.height(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.drawImage(0, 0, before);
    p.drawImage(before.width() + Gap, 0, after);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    const int y = before.height() / 2;
    const int x0 = before.width() + 5;
    const int x1 = before.width() + Gap - 5;
    p.drawLine(x0, y, x1, y);
    p.drawLine(x1 - 5, y - 5, x1, y);
    p.drawLine(x1 - 5, y + 5, x1, y);
    return picture;
}

// A game two keys in on the small maze, and the ghost of a best run five
// keys in, as the player shows them.
QImage ghostPicture()
{
    const std::unique_ptr<MazeState> maze = baseMaze();
    ImageCanvas canvas(ChipSheet::standard(), drawn(*maze, std::nullopt));
    const GameRun best{"RRRRRD", {0, 0, 0, 0, 0, 1}};
    const RunReplay ghost = replayRun(*maze, best);
    PlayBoard board(&canvas);
    StartGame(*maze, board);
    for (Direction key : {Direction::Right, Direction::Right})
        KeyStep(*maze, board, key);
    QImage picture = canvas.image();
    QPainter p(&picture);
    drawGhost(p, ghost.rests[4] * ChipSize, ghostFigure(ChipSheet::standard()));
    return picture;
}

// The newcomer's walks and the route over a maze, as the editor shows them
// with F7 and F6 at 8 pixels a cell; none for a text that is no maze.
std::optional<QImage> walksPicture(const QString& mazeText)
{
    QFile file(mazeText);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MazeText::MaxTextBytes)
        return std::nullopt;
    const MazeText::ReadResult read = MazeText::read(file.readAll());
    if (!read.maze)
        return std::nullopt;
    auto maze = std::make_unique<MazeState>();
    maze->header = read.maze->header;
    maze->grid = read.maze->grid;
    const MazeAnalysis a = analyseMaze(*maze);
    WalkTrace trace;
    measureDifficulty(*maze, a, &trace);
    ReducedPictures reduced;
    const QImage map = drawn(*maze, std::nullopt);
    reduced.bringUpToDate(map, map.rect());
    QImage picture = reduced.at(ReducedPictures::Half);
    const int cellPixels = ChipSize / ReducedPictures::Half;
    QPainter p(&picture);
    TracePicture(trace, a.routeCells, NewcomerShade)
        .draw(p, QRect(0, 0, maze->header.MapWidth, maze->header.MapHeight), cellPixels);
    p.scale(1.0 / ReducedPictures::Half, 1.0 / ReducedPictures::Half);
    drawRoute(p, a, maze->header, ChipSheet::standard(), 1);
    return picture;
}

struct Picture {
    const char* name;
    std::optional<QRect> selection; // shown before the tool
    int chip;                       // SelectedChip
    std::function<void(MazeState&, MapCanvas&)> tool;
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER MAZE.txt\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const QRect room(1, 1, 3, 3);
    const QRect strip(3, 1, 1, 3); // the red column, turned about its centre
    const std::vector<Picture> pictures{
        {"paste", room, FirstWall,
         [&](MazeState& m, MapCanvas& c) {
             PlaceRegion(m, c, copyRegion(m, room), {6, 1}, false);
         }},
        {"delete", room, FirstFloor + 4,
         [&](MazeState& m, MapCanvas& c) { PaintRectangle(m, c, room); }},
        {"turn", strip, FirstFloor,
         [&](MazeState& m, MapCanvas& c) {
             TurnOrMirrorSelection(m, c, strip, TurnOrMirror::TurnClockwise);
         }},
        {"mirror", room, FirstFloor,
         [&](MazeState& m, MapCanvas& c) {
             TurnOrMirrorSelection(m, c, room, TurnOrMirror::MirrorLeftRight);
         }},
        {"outline", QRect(5, 1, 4, 3), FirstWall + 2,
         [](MazeState& m, MapCanvas& c) { PaintOutline(m, c, QRect(5, 1, 4, 3)); }},
        {"line", std::nullopt, FirstWall + 3,
         [](MazeState& m, MapCanvas& c) {
             PaintLine(m, c, {1, 5}, {8, 1});
         }},
        {"flood", std::nullopt, FirstFloor + 5,
         [](MazeState& m, MapCanvas& c) {
             FloodFill(m, c, floodArea(m, {1, 4}));
         }},
        {"generate", QRect(1, 1, 7, 5), FirstWall,
         [](MazeState& m, MapCanvas& c) {
             generate::Request r;
             r.size = {7, 5};
             r.grade = 1;
             r.seed = 7;
             if (const generate::Outcome o = generate::generateMaze(r); o.maze)
                 PlaceRegion(m, c, copyRegion(*o.maze, QRect(0, 0, 7, 5)), {1, 1}, false);
         }},
    };
    for (const Picture& p : pictures) {
        const std::unique_ptr<MazeState> maze = baseMaze();
        maze->SelectedChip = int16_t(p.chip);
        const QImage before = drawn(*maze, p.selection);
        ImageCanvas canvas(ChipSheet::standard(), before);
        p.tool(*maze, canvas);
        const QString file = folder.filePath(QStringLiteral("%1.png").arg(QLatin1String(p.name)));
        if (!beforeAndAfter(before, drawn(*maze, std::nullopt)).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    if (!ghostPicture().save(folder.filePath(QStringLiteral("ghost.png")))) {
        std::fprintf(stderr, "cannot write the ghost's picture\n");
        return 1;
    }
    const std::optional<QImage> walks = walksPicture(QString::fromLocal8Bit(argv[2]));
    if (!walks) {
        std::fprintf(stderr, "cannot read the maze %s\n", argv[2]);
        return 1;
    }
    if (!walks->save(folder.filePath(QStringLiteral("walks.png")))) {
        std::fprintf(stderr, "cannot write the walks' picture\n");
        return 1;
    }
    return 0;
}
