// The player window's wiring: Load, Play, Stop, keys, the clock and the
// music, with fake platform services (and once with the real music device).

#include "Appearance.h"
#include "Cp932.h"
#include "FluidEngine.h"
#include "FluidMusicDeviceFactory.h"
#include "GhostRuns.h"
#include "ImageCanvas.h"
#include "IntervalTimer.h"
#include "MapRedraw.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "MazeState.h"
#include "MusicDevice.h"
#include "PictureBox.h"
#include "PlayerGhost.h"
#include "RunText.h"
#include "StatusBar.h"
#include "TestMazes.h"
#include "frmPlay.h"
#include "support/FakeServices.h"
#include "support/MidiFiles.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

// A 32 x 32 maze of floors walled round, start (10, 3), goal (12, 3).
MazeData corridor()
{
    MazeData m = abcMaze();
    for (int y = 1; y < 31; ++y)
        for (int x = 1; x < 31; ++x)
            m.grid.at(x, y).Chip = FirstFloor;
    m.header.StartX = 10;
    m.header.StartY = 3;
    m.header.GoalX = 12;
    m.header.GoalY = 3;
    m.header.Title = "A";
    return m;
}

// The run of a best, and the choice to show it, in memory.
struct FakeGhosts : GhostRuns {
    GameRun bestRun(const MazeState&) override { return run; }
    bool shown() override { return isShown; }
    void setShown(bool shown) override { isShown = shown; }
    GameRun run;
    bool isShown = true;
};

QString buttons(const frmPlay& w)
{
    QString s;
    for (const QPushButton* b : {w.comLoad, w.comPlay, w.comStop})
        s += b->isEnabled() ? '1' : '0';
    return s;
}

} // namespace

class TestPlayer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void init();

    void load_data();
    void load();
    void play_data();
    void play();
    void keysReachTheRules();
    void gameEnds_data();
    void gameEnds();
    void musicCommands_data();
    void musicCommands();
    void musicFoundBesideMaze();
    void realMusicLoopsWithinGame();
    void demonstration_data();
    void demonstration();
    void runKept_data();
    void runKept();
    void ghost_data();
    void ghost();

private:
    QString save(const MazeData& m, const QString& name = QStringLiteral("m.mdt"));
    std::unique_ptr<frmPlay> loadedPlayer(const MazeData& m);

    QTemporaryDir dir;
    std::unique_ptr<MazeState> maze;
    std::unique_ptr<FakeServices> fakes;
};

void TestPlayer::init()
{
    maze = std::make_unique<MazeState>();
    fakes = std::make_unique<FakeServices>();
}

QString TestPlayer::save(const MazeData& m, const QString& name)
{
    const QString path = dir.filePath(name);
    if (!MazeFile::write(path, m.header, m.grid).ok())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

std::unique_ptr<frmPlay> TestPlayer::loadedPlayer(const MazeData& m)
{
    auto w = std::make_unique<frmPlay>(*maze, fakes->services());
    fakes->fileDialog.answer(save(m));
    w->comLoad_Click();
    return w;
}

void TestPlayer::load_data()
{
    QTest::addColumn<QString>("file"); // "good", "short" or "" for a cancel
    QTest::newRow("good file") << "good";
    QTest::newRow("refused file") << "short";
    QTest::newRow("cancelled") << "";
}

void TestPlayer::load()
{
    QFETCH(QString, file);
    QRandomGenerator rng(3);
    const MazeData before = randomMaze(rng);
    fill(*maze, before);
    frmPlay w(*maze, fakes->services());
    w.STB1->setPanelText(QStringLiteral("before"));
    const QImage pictureBefore = w.picMap->image();

    const MazeData good = corridor();
    const QString refused = dir.filePath("short.mdt");
    writeBytes(refused, hex("03 00 61 62"));
    if (file.isEmpty())
        fakes->fileDialog.cancel();
    else
        fakes->fileDialog.answer(file == "good" ? save(good) : refused);
    w.comLoad_Click();

    QCOMPARE(fakes->fileDialog.calls.size(), 1);
    QCOMPARE(fakes->fileDialog.calls[0].filter, "迷路ファイル(*.mdt)|*.mdt");
    QCOMPARE(fakes->fileDialog.calls[0].purpose.use, FileDialogUse::LoadMaze);
    if (file == "good") {
        QCOMPARE(maze->header, good.header);
        QCOMPARE(buttons(w), "110");
        QCOMPARE(w.STB1->panelText(), QString());
        ImageCanvas expected(ChipSheet::standard());
        MazeState copy;
        copy.header = good.header;
        copy.grid = good.grid;
        RedrawMap(copy, expected, 32, 32);
        QCOMPARE(w.picMap->image(), expected.image());
        QVERIFY(fakes->messageBox.messages.isEmpty());
        return;
    }
    // Refused or cancelled: nothing changed.
    QCOMPARE(maze->header, before.header);
    QVERIFY(maze->grid == before.grid);
    QCOMPARE(w.picMap->image(), pictureBefore);
    QCOMPARE(w.STB1->panelText(), "before");
    QCOMPARE(buttons(w), "100");
    if (file == "short") {
        QCOMPARE(fakes->messageBox.messages.size(), 1);
        QCOMPARE(fakes->messageBox.messages[0].text,
                 mazeFileMessage(MazeFile::read(refused).error));
    } else {
        QVERIFY(fakes->messageBox.messages.isEmpty());
    }
}

void TestPlayer::play_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("status");
    QTest::newRow("60 seconds") << 60 << "残り60秒";
    QTest::newRow("no limit") << 1000 << "制限時間無し";
}

void TestPlayer::play()
{
    QFETCH(int, limit);
    QFETCH(QString, status);
    MazeData m = corridor();
    m.header.TimeLimit = int16_t(limit);
    auto w = loadedPlayer(m);
    w->show();
    w->comPlay_Click();
    QCOMPARE(w->windowTitle(), "迷路PlayerA");
    QCOMPARE(buttons(*w), "001");
    QCOMPARE(w->picMap->pos(), QPoint(96, 208)); // start (10, 3) at (256, 256)
    QCOMPARE(w->focusWidget(), w->picMap);
    QCOMPARE(w->STB1->panelText(), status);
    QCOMPARE(w->tim1->Interval(), 1000);
    QCOMPARE(QPoint(maze->CursorX, maze->CursorY), QPoint(10, 3));
}

void TestPlayer::keysReachTheRules()
{
    MazeData m = corridor();
    m.grid.at(10, 3).Item = ArrowRight; // under the start
    maze->header.GoalX = maze->CursorX; // the ball would stand on the goal
    maze->header.GoalY = maze->CursorY;
    frmPlay empty(*maze, fakes->services());
    empty.show();
    QTest::keyClick(empty.picMap, Qt::Key_Space); // before any game: no ball, no goal test
    QVERIFY(empty.isVisible());
    auto w = loadedPlayer(m);
    w->show();
    w->comPlay_Click();
    // Any other key, punctuation too, sets the arrow off.
    QTest::keyClick(w->picMap, Qt::Key_Colon);
    QCOMPARE(QPoint(maze->CursorX, maze->CursorY), QPoint(11, 3));
    // Shift with an arrow moves as the arrow alone; the view follows.
    QTest::keyClick(w->picMap, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(w->picMap, Qt::Key_Left);
    QCOMPARE(QPoint(maze->CursorX, maze->CursorY), QPoint(10, 4));
    QCOMPARE(w->picMap->pos(), QPoint(96, 208 - 16));
    QTest::keyClick(w->picMap, Qt::Key_Space); // moves nothing
    QCOMPARE(QPoint(maze->CursorX, maze->CursorY), QPoint(10, 4));
}

void TestPlayer::gameEnds_data()
{
    QTest::addColumn<int>("ticks"); // of a 3-second clock
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("Stop after a tick") << 1 << QStringList{"残り2秒"};
    QTest::newRow("the time runs out") << 3 << QStringList{"残り2秒", "残り1秒", "残り0秒"};
}

void TestPlayer::gameEnds()
{
    QFETCH(int, ticks);
    QFETCH(QStringList, texts);
    MazeData m = corridor();
    m.header.TimeLimit = 3;
    m.header.MusicFile = "theme.mid";
    auto w = loadedPlayer(m);
    w->comPlay_Click();
    w->picMap_KeyDown(40, 0); // the view moves off its start
    QStringList shown;
    int ticksWhileShown = -1;
    fakes->messageBox.whileShown = [&] {
        shown << w->STB1->panelText(); // the last count, under the message
        ticksWhileShown = w->tim1->Interval();
        QCOMPARE(buttons(*w), "001"); // the stop follows the message
    };
    for (int i = 0; i < ticks; ++i) {
        w->tim1_Timer();
        if (fakes->messageBox.messages.isEmpty())
            shown << w->STB1->panelText();
    }
    if (ticks < 3)
        w->comStop_Click();
    QCOMPARE(shown, texts);
    QCOMPARE(fakes->beep.count, ticks);
    QCOMPARE(fakes->messageBox.messages.size(), ticks == 3 ? 1 : 0);
    if (ticks == 3) {
        QCOMPARE(fakes->messageBox.messages[0].text, "時間切れ");
        QCOMPARE(ticksWhileShown, 0); // no second time-up while the message is open
    }
    QCOMPARE(w->tim1->Interval(), 0);
    QCOMPARE(buttons(*w), "110");
    QCOMPARE(w->STB1->panelText(), QString());
    QCOMPARE(w->picMap->pos(), QPoint(0, 0));
    QCOMPARE(w->windowTitle(), "迷路PlayerA"); // the caption stays
    QCOMPARE(fakes->music.last()->log.last(), "stop");
    w->picMap_KeyDown(40, 0); // the rules stay on and move the view
    w->comPlay_Click();
    QCOMPARE(w->picMap->pos(), QPoint(96, 208)); // the next game starts centred
}

void TestPlayer::musicCommands_data()
{
    QTest::addColumn<QString>("music");
    QTest::addColumn<QString>("steps"); // P play, S stop, D done
    QTest::addColumn<QStringList>("log");
    const QString file = QStringLiteral("file /music/theme.mid");
    QTest::newRow("play") << "/music/theme.mid"
                          << "P" << QStringList{"type sequencer", file, "open", "prev", "play"};
    QTest::newRow("done while playing")
        << "/music/theme.mid"
        << "PD" << QStringList{"type sequencer", file, "open", "prev", "play", "close",
                               "type sequencer", file, "open", "prev", "play"};
    QTest::newRow("stop, then its done")
        << "/music/theme.mid"
        << "PSD" << QStringList{"type sequencer", file, "open", "prev", "play", "stop", "close",
                                "type sequencer", file, "open", "prev"};
    QTest::newRow("no music: stop only") << ""
                                         << "PS" << QStringList{"stop"};
}

void TestPlayer::musicCommands()
{
    QFETCH(QString, music);
    QFETCH(QString, steps);
    QFETCH(QStringList, log);
    MazeData m = corridor();
    m.header.MusicFile = Cp932::fromUnicode(music);
    auto w = loadedPlayer(m);
    for (QChar step : steps) {
        if (step == 'P')
            w->comPlay_Click();
        else if (step == 'S')
            w->comStop_Click();
        else
            fakes->music.last()->raiseDone();
    }
    QCOMPARE(fakes->music.last()->log, log);
}

void TestPlayer::musicFoundBesideMaze()
{
    MazeData m = corridor();
    m.header.MusicFile = "C:\\MIDI\\STAGE1.MID";
    writeBytes(dir.filePath("Stage1.mid"), tuneFile());
    auto w = loadedPlayer(m);
    w->comPlay_Click();
    QCOMPARE(fakes->music.last()->log.value(1), "file " + dir.filePath("Stage1.mid"));
}

void TestPlayer::realMusicLoopsWithinGame()
{
    // A one-second tune, played offline through FluidSynth: it ends, and
    // the game starts it again from its beginning.
    const auto engine = std::make_shared<FluidEngine>(
        FluidEngine::Output::Offline,
        QStringList{QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")});
    FluidMusicDeviceFactory real(engine);
    PlatformServices services{fakes->fileDialog,  fakes->messageBox, fakes->beep,
                              fakes->help,        /*music=*/real,    fakes->generateDialog,
                              fakes->windowPlaces};
    writeBytes(dir.filePath("tune.mid"), tuneFile());
    MazeData m = corridor();
    m.header.MusicFile = Cp932::fromUnicode(dir.filePath("tune.mid"));
    frmPlay w(*maze, services);
    fakes->fileDialog.answer(save(m));
    w.comLoad_Click();
    QSignalSpy done(w.MMC1.get(), &MusicDevice::done);
    w.comPlay_Click();

    auto render = [&](double seconds) {
        std::vector<int16_t> samples(size_t(seconds * SampleRate) * 2);
        engine->render(samples.data(), int(samples.size() / 2));
        return peakOf(samples);
    };
    QVERIFY(render(0.5) >= LoudPeak);
    for (int i = 0; i < 30 && done.isEmpty(); ++i) {
        render(0.1);
        QTest::qWait(50);
    }
    QCOMPARE(done.size(), 1);         // the end, handled by MMC1_Done
    QVERIFY(render(0.5) >= LoudPeak); // playing again
    w.comStop_Click();
}

void TestPlayer::demonstration_data()
{
    QTest::addColumn<bool>("played"); // a game played and stopped first
    QTest::addColumn<bool>("walled"); // the goal walled in: no route
    QTest::addColumn<bool>("replay"); // a game's run (R R in its first second), not F6
    QTest::newRow("before a game") << false << false << false;
    QTest::newRow("after a game") << true << false << false;
    QTest::newRow("no route") << false << true << false;
    QTest::newRow("a replay") << true << false << true;
}

// F6 walks the route (R R, the goal two cells right of the start) by the
// game's rules, and a replay a game's run; a key ends it with the map, the
// view and the status as they were.
void TestPlayer::demonstration()
{
    QFETCH(bool, played);
    QFETCH(bool, walled);
    QFETCH(bool, replay);
    MazeData m = corridor();
    if (walled)
        for (QPoint wall : {QPoint(11, 3), QPoint(12, 2), QPoint(13, 3), QPoint(12, 4)})
            m.grid.at(wall.x(), wall.y()).Chip = FirstWall;
    auto w = loadedPlayer(m);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    if (played) {
        w->comPlay_Click();
        QSignalSpy gameKeys(w->picMap, &PictureBox::keyDown);
        QTest::keyClick(w->picMap, Qt::Key_F6); // a key of the running game
        QCOMPARE(gameKeys.size(), 1);
        QVERIFY(!w->isDemonstrating());
        QTest::keyClick(w->picMap, Qt::Key_Down);
        w->comStop_Click();
    }
    const QImage picture = w->picMap->image();
    const QPoint mapAt = w->picMap->pos();
    const QPoint ball(maze->CursorX, maze->CursorY);
    const QString status = w->STB1->panelText();

    if (replay)
        w->replay({"RR", {0, 0}});
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    if (walled) {
        QVERIFY(!w->isDemonstrating());
        QCOMPARE(w->STB1->panelText(), "見本: この迷路にはゴールまでの道がありません");
        return;
    }
    QVERIFY(w->isDemonstrating());
    QCOMPARE(w->STB1->panelText(), replay ? "リプレイ: Escで止める" : "見本: Escで止める");
    QCOMPARE(w->picMap->pos(), QPoint(96, 208)); // the start in the middle, as a game starts
    w->demonstrationStep();
    w->demonstrationStep(); // the goal: the window stays, and says so
    QCOMPARE(QPoint(maze->CursorX, maze->CursorY), QPoint(12, 3));
    QCOMPARE(w->STB1->panelText(), replay ? frmPlay::replayEndText(0, 2)
                                          : "見本: 2 キーでゴール。キーを押すと元に戻ります");
    QCOMPARE(w->picMap->pos(), QPoint(96 - 32, 208));
    QVERIFY(!w->isClosed());
    QCOMPARE(w->tim1->Interval(), 0);
    QCOMPARE(fakes->beep.count, 0);
    if (replay)
        QCOMPARE(w->STB1->panelText(), "リプレイ: 0秒 2キーでゴール (Escで戻る)");

    QTest::keyClick(w->picMap, Qt::Key_Tab); // any key, one that moves the focus too
    QVERIFY(!w->isDemonstrating());
    QCOMPARE(w->picMap->image(), picture);
    QCOMPARE(w->picMap->pos(), mapAt);
    QCOMPARE(QPoint(maze->CursorX, maze->CursorY), ball);
    QCOMPARE(w->STB1->panelText(), status);
}

void TestPlayer::runKept_data()
{
    // R, D: arrow keys; s: Shift alone; ':' a key that moves nothing; t: a tick
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("arrowAtStart"); // a right arrow under the start
    QTest::addColumn<QByteArray>("run");    // its text
    QTest::addColumn<int>("keysPressed");
    QTest::newRow("keys at their ticks") << "Rt:ttD" << false << QByteArray("RSD\n0 1 3\n") << 3;
    QTest::newRow("Shift alone, no key") << "sRs" << false << QByteArray("R\n0\n") << 1;
    QTest::newRow("Shift alone sets the arrow off")
        << "tsD" << true << QByteArray("SD\n1 1\n") << 2;
    QTest::newRow("past the limit's keys: none kept")
        << QString(maxRunKeys(5) + 1, ':') << false << QByteArray() << maxRunKeys(5) + 1;
}

// A game keeps its keys and the clock's tick of each, as its outcome says.
void TestPlayer::runKept()
{
    QFETCH(QString, keys);
    QFETCH(bool, arrowAtStart);
    QFETCH(QByteArray, run);
    QFETCH(int, keysPressed);
    MazeData m = corridor();
    m.header.TimeLimit = 5;
    if (arrowAtStart)
        m.grid.at(10, 3).Item = ArrowRight;
    auto w = loadedPlayer(m);
    QSignalSpy ended(w.get(), &frmPlay::gameEnded);
    w->comPlay_Click();
    const QHash<QChar, int> codes{{'R', 39}, {'D', 40}, {'s', 16}, {':', 186}};
    for (QChar key : keys)
        key == 't' ? w->tim1_Timer() : w->picMap_KeyDown(codes[key], 0);
    w->comStop_Click();
    const auto outcome = ended.at(0).at(0).value<GameOutcome>();
    QCOMPARE(outcome.keysPressed, keysPressed);
    QCOMPARE(outcome.run, RunText::read(run).run);
}

void TestPlayer::ghost_data()
{
    QTest::addColumn<bool>("shown"); // else hidden by G before the game
    QTest::newRow("shown") << true;
    QTest::newRow("hidden by G") << false;
}

// The ghost walks the best run in step with the clock, over the map and
// never in its picture; G before a game hides it, during a game it is a key.
void TestPlayer::ghost()
{
    QFETCH(bool, shown);
    FakeGhosts ghosts;
    ghosts.run = {"RD", {1, 2}}; // from the start (10, 3)
    frmPlay plain(*maze, fakes->services());
    auto w = loadedPlayer(corridor());
    w->setGhostRuns(&ghosts);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    if (!shown) {
        QTest::keyClick(w->picMap, Qt::Key_G);
        QCOMPARE(w->STB1->panelText(), frmPlay::ghostShownText(false));
    }
    QCOMPARE(ghosts.isShown, shown);
    w->comPlay_Click();
    QSignalSpy gameKeys(w->picMap, &PictureBox::keyDown);
    QTest::keyClick(w->picMap, Qt::Key_G); // a key of the game
    QCOMPARE(gameKeys.size(), 1);
    QCOMPARE(ghosts.isShown, shown);
    QCOMPARE(w->ghost().isShown(), shown);
    for (QPoint cell : {QPoint(11, 3), QPoint(11, 4)}) {
        w->tim1_Timer();
        if (shown)
            QCOMPARE(w->ghost().cell(), cell);
    }
    const QImage picture = w->picMap->image();
    const QImage grabbed = w->picMap->grab().toImage().convertToFormat(QImage::Format_RGB32);
    plain.showMaze({});
    plain.comPlay_Click();
    plain.picMap_KeyDown(186, 0); // the G the game took
    QCOMPARE(picture, plain.picMap->image());
    const QRect ghostCell(QPoint(11, 4) * 16, QSize(16, 16));
    int differ = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (grabbed.pixel(x, y) != picture.pixel(x, y)) {
                QVERIFY(ghostCell.contains(x, y));
                ++differ;
            }
    QCOMPARE(differ > 0, shown);
    w->comStop_Click();
    QVERIFY(!w->ghost().isShown());
}

QTEST_MAIN(TestPlayer)
#include "tst_player.moc"
