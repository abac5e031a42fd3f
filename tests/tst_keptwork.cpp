// The editor's kept work in every flow: what a new start reads back is the
// maze as it was, with its file and place, and a history that leads to it.

#include "Appearance.h"
#include "EditorSession.h"
#include "FileCalls.h"
#include "KeptWork.h"
#include "MDIMain.h"
#include "MapTools.h"
#include "MazeFile.h"
#include "PictureBox.h"
#include "TestMazes.h"
#include "WorkKeeper.h"
#include "edit/Region.h"
#include "frmEdit.h"
#include "support/FakeServices.h"
#include "support/InputEvents.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvane;
using namespace orvane::test;

namespace {

// One running program: its maze, services, editor's work and main window.
struct Program {
    explicit Program(const QString& workFolder, const FileCalls& calls = FileCalls::system())
        : session(maze, workFolder, calls)
    {
        main.show();
    }

    // The editor, opened from the menu when it is not (a test play ends first).
    frmEdit* editor()
    {
        for (int tries = 0; tries < 2 && !main.editor(); ++tries) {
            main.mnuEdit_Click();
            QCoreApplication::processEvents();
        }
        return main.editor();
    }

    MazeState maze;
    FakeServices fakes;
    EditorSession session;
    MDIMain main{maze, fakes.services(), session};
};

void clickCell(frmEdit* e, QPoint cell)
{
    e->picMap_MouseMove(0, 0, cell.x() * ChipSize + 1, cell.y() * ChipSize + 1);
    e->picMap_Click();
}

void pickChip(frmEdit* e, int code)
{
    e->picChrSet_MouseMove(0, 0, (code - 1) % 6 * ChipSize, (code - 1) / 6 * ChipSize);
    e->picChrSet_Click();
}

void leave(QWidget* box)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

int modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

// The system's calls, but a folder's sync fails: a write is not confirmed.
const FileCalls UnconfirmedCalls{::pwrite, ::ftruncate, [](int fd) {
                                     struct stat st {};
                                     if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
                                         return errno = EIO, -1;
                                     return ::fsync(fd);
                                 }};

// Title steps after the work's own, each but the first 65,536 bytes as
// written, so that 64 fill the step budget; titles of `fill` and a number.
void addTitleSteps(KeptWork& w, int count, char fill)
{
    MazeHeader h = w.maze.header;
    for (int i = 0; i < count; ++i) {
        const MazeDocument before{h, {}, {}};
        h.Title = QByteArray::number(i).leftJustified(i % 2 ? 32710 : 32767, fill);
        w.steps.push_back(
            {EditKind::Title, std::make_shared<const MazeChange>(std::vector<CellChange>{}, before,
                                                                 MazeDocument{h, {}, {}})});
    }
    w.maze.header.Title = h.Title;
}

// A start that takes in the files `left` and is killed between its write and
// their removal: its file and theirs stay as they were then. Its steps.
int startKilled(const QString& folder, const QStringList& left)
{
    QByteArrayList leftBytes;
    for (const QString& file : left)
        leftBytes << readBytes(file);
    auto p = std::make_unique<Program>(folder);
    p->session.keeper()->waitForWrites(WorkKeeper::ExitWaitLimit);
    const QString own = p->session.keeper()->file();
    const QByteArray kept = readBytes(own);
    const int steps = p->session.history.stack().count();
    p.reset();
    writeBytes(own, kept);
    for (int i = 0; i < left.size(); ++i)
        writeBytes(left[i], leftBytes[i]);
    return steps;
}

// What a start does with a kept file: sets it aside and says where, leaves
// it and says so, takes it back whole, or with steps dropped and says so.
enum Fate { Aside, Left, Used, Dropped };

void compareWork(const KeptWork& back, const KeptWork& kept)
{
    QVERIFY(back.maze.header == kept.maze.header);
    QVERIFY(back.maze.grid == kept.maze.grid);
    QCOMPARE(back.mazePath, kept.mazePath);
    QVERIFY(back.place == kept.place);
}

} // namespace

class TestKeptWork : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void randomFlowsComeBack_data();
    void randomFlowsComeBack();
    void secondProgramKeepsItsOwn();
    void readStrictly_data();
    void readStrictly();
    void leftoversAreTakenOnce_data();
    void leftoversAreTakenOnce();
    void failureIsShownOnce();
    void outlivesAKill();

private:
    // The work as it stands, read back by a new program's session.
    void readBack(const Program& p);

    QTemporaryDir files;
    QStringList mazes; // files the flows load
    int readBacks = 0;
};

void TestKeptWork::readBack(const Program& p)
{
    std::optional<KeptWork> kept = p.session.work();
    if (!kept)
        return;
    kept->id = QUuid::createUuid();
    const KeptWorkCodec::Encoded encoded = KeptWorkCodec::encode(*kept);
    const KeptWorkCodec::DecodeResult decoded = KeptWorkCodec::decode(encoded.bytes);
    QVERIFY(decoded.work);
    QCOMPARE(decoded.stepsDropped, 0); // every step undoes exactly
    QTemporaryDir folder;
    writeBytes(folder.filePath("editor.work"), encoded.bytes);
    auto maze = std::make_unique<MazeState>();
    EditorSession next(*maze, folder.path());
    compareWork(*next.work(), *kept);
    QCOMPARE(next.history.stack().count(), int(decoded.work->steps.size()));
    ++readBacks;
}

void TestKeptWork::randomFlowsComeBack_data()
{
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 4; ++seed)
        QTest::addRow("seed %d", seed) << seed;
}

// Random sequences of every editor action, the construction tools among
// them, the work read back at random moments (open steps, the player, a test
// play included) and after a quit.
void TestKeptWork::randomFlowsComeBack()
{
    QFETCH(int, seed);
    constexpr int Actions = 300;
    readBacks = 0;
    if (mazes.isEmpty())
        for (const auto& [name, size] : {std::pair{"small.mdt", 32}, std::pair{"large.mdt", 96}}) {
            MazeData m = abcMaze();
            m.header.MapWidth = m.header.MapHeight = int16_t(size);
            m.header.Title = name;
            mazes << files.filePath(name);
            QVERIFY(MazeFile::write(mazes.last(), m.header, m.grid).ok());
        }
    QTemporaryDir work;
    auto p = std::make_unique<Program>(work.path());
    std::mt19937 random{uint32_t(seed)};
    const auto below = [&](int n) { return int(random() % uint32_t(n)); };
    int saves = 0;
    for (int action = 0; action < Actions; ++action) {
        if (below(16) == 0) // at any moment: a box or a drag open, the player up
            readBack(*p);
        p->fakes.fileDialog.answers.clear(); // an answer no dialog asked for
        const int kind = below(21);
        if (kind == 16) { // the player (a test play's, if one runs), and back at the next action
            p->main.mnuPlay_Click();
            p->fakes.fileDialog.answer(mazes[below(2)]);
            p->main.player()->comLoad->click();
            continue;
        }
        if (kind == 20) { // a quit, a start killed before it removed the file it took in, a start
            const std::optional<KeptWork> before = p->session.work();
            p.reset();
            const QString left = work.filePath("editor-2.work");
            const int steps = before && QFile::rename(work.filePath("editor.work"), left)
                                  ? startKilled(work.path(), {left})
                                  : 0;
            p = std::make_unique<Program>(work.path());
            QCOMPARE(p->session.history.stack().count(), steps);
            if (before)
                compareWork(*p->session.work(), *before);
            continue;
        }
        frmEdit* e = p->editor();
        const MazeHeader& h = p->maze.header;
        const QPoint cell(below(h.MapWidth), below(h.MapHeight));
        switch (kind) {
        case 0:
        case 1:
            clickCell(e, cell);
            break;
        case 2: { // a drag across a few cells
            const QPoint at = cell * ChipSize - QPoint(ChipSize * e->scrYoko->value(), 0);
            mouse(e->picMap, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
            for (int i = 1; i <= 3; ++i)
                mouse(e->picMap, QEvent::MouseMove, at + QPoint(i * ChipSize, 0), Qt::LeftButton);
            if (below(2)) // else left open
                mouse(e->picMap, QEvent::MouseButtonRelease, at + QPoint(3 * ChipSize, 0), {},
                      Qt::LeftButton);
            break;
        }
        case 3: // keyboard painting, its drag left open
            e->picMap_KeyDown(37 + below(4), below(3) ? 1 : 0);
            break;
        case 4:
            pickChip(e, 1 + below(18));
            break;
        case 5:
            e->comFull_Click();
            break;
        case 6:
            e->Option[size_t(below(8))]->click();
            break;
        case 7:
        case 8: // a box typed in, left or not
            type(kind == 7 ? e->txtTitle : e->txtTime, QString::number(below(10)));
            if (below(2))
                leave(kind == 7 ? e->txtTitle : e->txtTime);
            break;
        case 9:
            e->chkNoTime->click();
            break;
        case 10:
            p->fakes.fileDialog.answer(files.filePath(QStringLiteral("tune%1.mid").arg(below(3))));
            e->Command2_Click();
            break;
        case 11:
            p->fakes.fileDialog.answer(mazes[below(2)]);
            e->Command4_Click();
            break;
        case 12: // saved to the same file, or under another name
            p->fakes.fileDialog.answer(
                files.filePath(QStringLiteral("saved%1.mdt").arg(below(2) ? saves : ++saves)));
            e->Command3_Click();
            break;
        case 13:
            e->undo();
            break;
        case 14:
            e->redo();
            break;
        case 17: { // a selection by Ctrl+drag, and a tool on it
            const QPoint at = cell * ChipSize;
            const QPoint to = at + QPoint(below(6), below(6)) * ChipSize * (below(2) ? 1 : -1);
            mouse(e->picMap, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton,
                  Qt::ControlModifier);
            mouse(e->picMap, QEvent::MouseMove, to, Qt::LeftButton, {}, Qt::ControlModifier);
            mouse(e->picMap, QEvent::MouseButtonRelease, to, {}, Qt::LeftButton,
                  Qt::ControlModifier);
            switch (below(5)) {
            case 0:
                e->tools().select().cut();
                break;
            case 1:
                e->tools().select().outline();
                break;
            case 2:
                e->tools().turnOrMirror(TurnOrMirror(below(3)));
                break;
            default: // copied, and placed elsewhere, turned or not
                e->tools().select().copy();
                e->tools().paste().paste();
                e->picMap_MouseMove(0, 0, below(h.MapWidth) * ChipSize,
                                    below(h.MapHeight) * ChipSize);
                if (below(2))
                    e->tools().turnOrMirror(TurnOrMirror::TurnClockwise);
                e->tools().paste().place();
                break;
            }
            break;
        }
        case 18: // a line by Shift+click
            mouse(e->picMap, QEvent::MouseButtonPress, cell * ChipSize, Qt::LeftButton,
                  Qt::LeftButton, Qt::ShiftModifier);
            mouse(e->picMap, QEvent::MouseButtonRelease, cell * ChipSize, {}, Qt::LeftButton,
                  Qt::ShiftModifier);
            break;
        case 19:
            e->tools().flood().fill(cell);
            break;
        default: // a test play, stopped or left for the next action
            e->requestTestPlay();
            if (frmPlay* player = p->main.player(); player && below(2)) {
                player->comStop_Click();
                QCoreApplication::processEvents();
            }
            break;
        }
    }
    readBack(*p);
    // A quit with whatever is open: the next start has it all.
    const std::optional<KeptWork> last = p->session.work();
    QVERIFY(last);
    p.reset();
    Program next(work.path());
    compareWork(*next.session.work(), *last);
    qInfo("%d actions, %d reads back", Actions, readBacks);
}

// Two programs on one folder: neither overwrites the other's work, and the
// next start has both, the newest one undo away.
void TestKeptWork::secondProgramKeepsItsOwn()
{
    QTemporaryDir data;
    const QDir work(data.filePath("ORVANE/work")); // made by the programs
    auto first = std::make_unique<Program>(work.path());
    auto second = std::make_unique<Program>(work.path());
    QVERIFY(first->session.keeper()->file() != second->session.keeper()->file());
    for (const auto& [program, x] : {std::pair{first.get(), 3}, std::pair{second.get(), 5}}) {
        frmEdit* e = program->editor();
        pickChip(e, FirstFloor);
        clickCell(e, {x, 1});
    }
    first.reset(); // its quit leaves the second's work alone
    clickCell(second->editor(), {5, 2});
    QThread::msleep(20); // a newer file
    second.reset();

    Program next(work.path());
    const auto floorAt = [&](int x, int y) { return next.maze.grid.at(x, y).Chip == FirstFloor; };
    next.editor();
    QVERIFY(!floorAt(5, 2));
    next.editor()->undo(); // the second program's maze
    QVERIFY(floorAt(5, 2) && floorAt(5, 1) && !floorAt(3, 1));
    for (int undo = 0; undo < 4 && !floorAt(3, 1); ++undo)
        next.editor()->undo(); // its two clicks, then the first program's maze
    QVERIFY(floorAt(3, 1) && !floorAt(5, 1));
    // Both files taken back are in this program's own now.
    QVERIFY(next.session.keeper()->waitForWrites(WorkKeeper::ExitWaitLimit));
    QCOMPARE(work.entryList({"*.work"}),
             QStringList{QFileInfo(next.session.keeper()->file()).fileName()});
    // The user's alone.
    QCOMPARE(modeOf(next.session.keeper()->file()), 0600);
    QCOMPARE(modeOf(work.path()), 0700);
    QCOMPARE(modeOf(data.filePath("ORVANE")), 0700);
}

void TestKeptWork::readStrictly_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("fate");
    QTest::newRow("another file") << "tag" << int(Aside);
    QTest::newRow("a newer format: left as it is") << "version" << int(Left);
    QTest::newRow("damaged") << "byte" << int(Aside);
    QTest::newRow("past the largest file") << "size" << int(Aside);
    QTest::newRow("steps past the budget") << "past" << int(Aside);
    QTest::newRow("the largest file the writer makes") << "largest" << int(Used);
    QTest::newRow("a width of 0") << "width" << int(Aside);
    QTest::newRow("a place off the palette") << "place" << int(Aside);
    QTest::newRow("the older step's start at 30000: it goes, the newer stays")
        << "step" << int(Dropped);
    QTest::newRow("the older step changes nothing: it goes") << "noop" << int(Dropped);
}

// A file that is not whole is set aside unread, and the first editor says
// where it went; a newer version's is left alone; a bad step goes, the maze
// stays, and the editor says so.
void TestKeptWork::readStrictly()
{
    QFETCH(QString, change);
    QFETCH(int, fate);
    const char* const told = std::array{"移してあります", "新しい版", "", "1 回分"}[size_t(fate)];
    QTemporaryDir work;
    QString file;
    MazeGrid painted;
    {
        Program p(work.path());
        frmEdit* e = p.editor();
        pickChip(e, FirstFloor);
        clickCell(e, {5, 7});
        painted = p.maze.grid;
        pickChip(e, FirstFloor + 1);
        clickCell(e, {6, 7}); // two steps
        file = p.session.keeper()->file();
    }
    QByteArray bytes = readBytes(file);
    KeptWork kept = *KeptWorkCodec::decode(bytes).work;
    const auto reencode = [&] { bytes = KeptWorkCodec::encode(kept).bytes; };
    if (change == "tag")
        bytes[0] = 'X';
    if (change == "version")
        bytes[12] = '\x7f';
    if (change == "byte")
        bytes[bytes.size() - 100] ^= 1;
    if (change == "size")
        bytes.append(QByteArray(KeptWorkCodec::MaxFileSize, '\0'));
    if (change == "width")
        kept.maze.header.MapWidth = 0, reencode();
    if (change == "place")
        kept.place.chipRow = 3, reencode();
    if (change == "step" || change == "noop") {
        const MazeChange& c = *kept.steps[0].change;
        MazeDocument before = c.document(false);
        before.header.StartX = 30000;
        kept.steps[0].change = std::make_shared<const MazeChange>(
            std::vector<CellChange>(change == "step" ? c.cells() : std::vector<CellChange>{}),
            change == "step" ? before : c.document(true), c.document(true));
        reencode();
    }
    if (change == "past" || change == "largest") { // every part at its largest
        addTitleSteps(kept, 65, 'a');
        kept.maze.header.MusicFile = QByteArray(MazeCodec::MaxTextLength, 'm');
        kept.mazePath = '/' + QString(KeptWorkCodec::MaxPathSize - 1, u'p');
        kept.takenIn.assign(KeptWorkCodec::MaxTakenIn, QUuid::createUuid());
        bytes = KeptWorkCodec::encode(kept, KeptWorkCodec::StepBudget * (change == "past" ? 2 : 1))
                    .bytes;
        QVERIFY(change == "past" || bytes.size() == KeptWorkCodec::MaxFileSize);
    }
    writeBytes(file, bytes);

    Program next(work.path());
    QCOMPARE(QFile::exists(file), fate != Aside);
    const QStringList aside =
        QDir(work.path()).entryList({QFileInfo(file).fileName() + ".unread-*"});
    QCOMPARE(aside.size(), fate == Aside ? 1 : 0);
    QCOMPARE(bool(next.session.work()), fate >= Used);
    next.editor();
    QCoreApplication::processEvents(); // the editor tells once it shows
    const auto& messages = next.fakes.messageBox.messages;
    QCOMPARE(messages.size(), fate == Used ? 0 : 1);
    QVERIFY(fate == Used || messages[0].text.contains(told));
    if (fate == Aside)
        QVERIFY(messages[0].text.contains(QDir::toNativeSeparators(work.filePath(aside.value(0)))));
    if (fate == Left) { // named, and never written over: our work goes elsewhere
        QVERIFY(messages[0].text.contains(QDir::toNativeSeparators(file)));
        next.session.keeper()->keepNow();
        QVERIFY(next.session.keeper()->waitForWrites(WorkKeeper::ExitWaitLimit));
        QVERIFY(QFile::exists(next.session.keeper()->file()));
        QCOMPARE(readBytes(file), bytes);
    }
    if (fate != Dropped)
        return;
    next.editor()->undo(); // the maze, then the one step that still leads to it
    QVERIFY(next.maze.grid.at(6, 7).Chip == FirstFloor + 1);
    next.editor()->undo();
    QVERIFY(next.maze.grid == painted);
    QCOMPARE(next.session.history.stack().index(), 0);
}

void TestKeptWork::leftoversAreTakenOnce_data()
{
    QTest::addColumn<bool>("unconfirmed");
    QTest::newRow("over the step budget, three starts") << false;
    QTest::newRow("its write not confirmed") << true;
}

// Two files of 4 MB of steps each that no program holds: each start after
// has every step once, and the files go once a write of ours is confirmed.
// (A start killed before their removal is among the random flows.)
void TestKeptWork::leftoversAreTakenOnce()
{
    QFETCH(bool, unconfirmed);
    QTemporaryDir work;
    QStringList left;
    for (const char fill : {'a', 'b'}) {
        KeptWork w;
        w.maze = abcMaze();
        w.place = {FirstFloor, 0, 1, 0, 0};
        w.id = QUuid::createUuid();
        addTitleSteps(w, 64, fill);
        left << work.filePath(QStringLiteral("editor-%1.work").arg(left.size() + 2));
        writeBytes(left.last(), KeptWorkCodec::encode(w).bytes);
    }
    {
        Program first(work.path(), unconfirmed ? UnconfirmedCalls : FileCalls::system());
        QVERIFY(first.session.keeper()->waitForWrites(WorkKeeper::ExitWaitLimit));
        for (const QString& file : left)
            QCOMPARE(QFile::exists(file), unconfirmed);
    }
    for (int again = 0; again < 2; ++again) {
        Program next(work.path());
        QSet<QByteArray> titles;
        qsizetype steps = 0;
        for (const RecordedStep& step : next.session.history.undoableSteps())
            if (step.kind == EditKind::Title)
                titles.insert(step.change->header(true).Title), ++steps;
        QVERIFY(steps > 0);
        QCOMPARE(titles.size(), steps);
        QVERIFY(next.session.keeper()->waitForWrites(WorkKeeper::ExitWaitLimit));
        for (const QString& file : left)
            QVERIFY(!QFile::exists(file));
    }
}

// Work that cannot be kept is told once a run, with the advice to save.
void TestKeptWork::failureIsShownOnce()
{
    QTemporaryDir work;
    const QString notAFolder = work.filePath("work");
    writeBytes(notAFolder, "a file where the folder would go");
    Program p(notAFolder);
    frmEdit* e = p.editor();
    for (int x = 0; x < 2; ++x) {
        clickCell(e, {x, 0});
        p.session.keeper()->keepNow();
        QVERIFY(p.session.keeper()->waitForWrites(WorkKeeper::ExitWaitLimit));
        QCoreApplication::processEvents();
    }
    QCOMPARE(p.fakes.messageBox.messages.size(), 1);
    QVERIFY(p.fakes.messageBox.messages[0].text.contains("「保存」"));
}

// What a killed program kept comes back at the next start.
void TestKeptWork::outlivesAKill()
{
    QTemporaryDir work;
    QProcess run;
    run.start(QStringLiteral(ORVANE_WORK_PROBE), {work.path()});
    QVERIFY(run.waitForReadyRead(30000));
    QCOMPARE(run.readAll().trimmed(), "kept");
    run.kill();
    QVERIFY(run.waitForFinished());

    Program next(work.path());
    frmEdit* e = next.editor();
    QCOMPARE(next.maze.grid.at(5, 7).Chip, FirstWall);
    e->undo();
    QCOMPARE(next.maze.grid.at(5, 7).Chip, FirstFloor);
    QCOMPARE(next.maze.SelectedChip, FirstFloor);
    e->undo(); // the paint itself, kept as a step
    QCOMPARE(next.maze.grid.at(5, 7).Chip, FirstWall);
}

QTEST_MAIN(TestKeptWork)
#include "tst_keptwork.moc"
