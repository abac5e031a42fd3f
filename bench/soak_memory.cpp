// Memory over long use: runs the editor/player cycle many times in one
// program with the real platform services (the maze chosen in Qt's file
// dialog, answered by the program itself) and music device, and prints how much the
// resident memory grew from cycle 20 (caches warm) to the last. A cycle: the
// editor with 40 clicks, the player loading a 128 x 128 maze with music,
// play, 200 keys, stop. Target: under 2 MB from cycle 20 to 200.
//
//   soak_memory [CYCLES]     (default 200; offscreen unless QT_QPA_PLATFORM is set)

#include "Appearance.h"
#include "EditorSession.h"
#include "FluidMusicDeviceFactory.h"
#include "MDIMain.h"
#include "MazeFile.h"
#include "MazeState.h"
#include "RealPlatformServices.h"
#include "frmEdit.h"
#include "frmPlay.h"
#include "support/MidiFiles.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

using namespace orvane;

namespace {

constexpr int WarmCycles = 20;
constexpr int EditorClicks = 40;
constexpr int PlayerKeys = 200;
constexpr int16_t SoakMapSize = 128;
constexpr std::array ArrowKeys{37, 38, 39, 40};

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// A 128 x 128 maze of floors in a wall, arrows on every fifth cell, that
// names a MIDI file beside it.
void writeSoakMaze(const QString& mazePath, const QString& midiPath)
{
    auto maze = std::make_unique<MazeState>();
    for (int y = 0; y <= SoakMapSize; ++y)
        for (int x = 0; x <= SoakMapSize; ++x) {
            const bool edge = x == 0 || y == 0 || x >= SoakMapSize - 1 || y >= SoakMapSize - 1;
            const int16_t item = x % 5 == 0 && y % 5 == 0 ? int16_t(1 + (x + y) % 4) : NoItem;
            maze->cell(x, y) = {edge ? FirstWall : FirstFloor, edge ? NoItem : item};
        }
    MazeHeader& h = maze->header;
    h.MapWidth = h.MapHeight = SoakMapSize;
    h.StartX = h.StartY = SoakMapSize / 2 + 1;
    h.GoalX = h.GoalY = 2;
    h.TimeLimit = NoTimeLimit;
    h.MusicFile = QFile::encodeName(midiPath);
    if (!MazeFile::write(mazePath, h, maze->grid).ok())
        qFatal("cannot write %s", qPrintable(mazePath));
    QFile midi(midiPath);
    if (!midi.open(QIODevice::WriteOnly) || midi.write(test::tuneFile()) < 0)
        qFatal("cannot write %s", qPrintable(midiPath));
}

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void editorCycle(MDIMain& main, int cycle)
{
    main.mnuEdit_Click();
    settle();
    frmEdit* editor = main.editor();
    for (int i = 0; i < EditorClicks; ++i) {
        editor->picChrSet_MouseMove(0, 0, ChipSize * ((cycle + i) % 6), ChipSize * (i % 3));
        editor->picChrSet_Click();
        editor->picMap_MouseMove(0, 0, ChipSize * (i % 20) + 3, ChipSize * (i / 2 % 20) + 3);
        editor->picMap_Click();
    }
    settle();
}

// Chooses path in the file dialog about to open, as a user would.
void answerFileDialog(const QString& path)
{
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return answerFileDialog(path); // not shown yet
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

void playerCycle(MDIMain& main, const QString& mazePath)
{
    main.mnuPlay_Click();
    settle();
    frmPlay* player = main.player();
    answerFileDialog(mazePath);
    player->comLoad_Click();
    player->comPlay_Click();
    for (int i = 0; i < PlayerKeys; ++i)
        player->picMap_KeyDown(ArrowKeys[size_t(i / 3 % 4)], 0);
    settle();
    player->comStop_Click();
    settle();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyAppearance();
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 200;
    if (cycles <= WarmCycles) {
        std::fprintf(stderr, "usage: soak_memory [CYCLES above %d]\n", WarmCycles);
        return 2;
    }

    QTemporaryDir dir;
    const QString mazePath = dir.filePath(QStringLiteral("soak.mdt"));
    writeSoakMaze(mazePath, dir.filePath(QStringLiteral("soak.mid")));

    FluidMusicDeviceFactory music;
    RealPlatformServices services(music, UiLanguage::Japanese);
    auto maze = std::make_unique<MazeState>();
    EditorSession session(*maze);
    MDIMain main(*maze, services.services(), session);
    main.showMaximized();
    music.preload();
    settle();

    long warm = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        editorCycle(main, cycle);
        playerCycle(main, mazePath);
        if (cycle == WarmCycles)
            warm = residentKiB();
        if (cycle % 20 == 0)
            std::printf("cycle %3d: %ld KiB resident\n", cycle, residentKiB());
    }
    const long last = residentKiB();
    std::printf("growth from cycle %d to %d: %ld KiB (%.1f KiB a cycle)\n", WarmCycles, cycles,
                last - warm, double(last - warm) / (cycles - WarmCycles));
    return 0;
}
