// The editor window's handlers: wired to their controls, and what they show.

#include "Appearance.h"
#include "ChipSheet.h"
#include "Cp932.h"
#include "EditorSession.h"
#include "FileFilters.h"
#include "ImageCanvas.h"
#include "MapOverview.h"
#include "MapRedraw.h"
#include "MapTools.h"
#include "MazeCodec.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "PictureBox.h"
#include "Records.h"
#include "ShapeOutline.h"
#include "StatusBar.h"
#include "TestMazes.h"
#include "ViewZoom.h"
#include "WalkOverlay.h"
#include "WalkTracer.h"
#include "edit/Paint.h"
#include "edit/SaveCheck.h"
#include "frmEdit.h"
#include "support/FakeServices.h"
#include "support/GuardedBytes.h"
#include "support/InputEvents.h"
#include "support/TextMazes.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QUndoStack>
#include <QWheelEvent>

#include <random>

using namespace orvane;
using namespace orvane::test;

namespace {

// Presses keys on a control: l r u d the arrows, capitals with Shift held
// (a run of them under one press of Shift), a blank Space, | Return.
void press(QWidget* target, const QString& keys)
{
    static const Qt::Key key[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                  Qt::Key_Down, Qt::Key_Space, Qt::Key_Return};
    for (const QChar c : keys) {
        const qsizetype i = QStringLiteral("lrud |LRUD").indexOf(c);
        QKeyEvent down(QEvent::KeyPress, key[i % 6], i > 5 ? Qt::ShiftModifier : Qt::NoModifier);
        QApplication::sendEvent(target, &down);
    }
}

} // namespace

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void init();
    void cleanup() { w.reset(); }

    void opening();
    void pointerEvents();
    void paletteKeys_data();
    void paletteKeys();
    void mapKeys_data();
    void mapKeys();
    void sizeButtons_data();
    void sizeButtons();
    void scrolling();
    void timeBox();
    void titleAndMusic();
    void saveAndLoad();
    void dialogPurposes();
    void loadSelectsSizeButton_data();
    void loadSelectsSizeButton();
    void refusedLoadChangesNothing();
    void undoKeys();
    void headerBoxesAreSteps();
    void checkOnMap_data();
    void checkOnMap();
    void toolsCopyPasteDelete();
    void toolsRefuseVisibly();
    void generateAsTheToolDoes();
    void overviewFollowsAndMoves();
    void keysGoWhereTheUserLooks();
    void freshEditorTellsOfKeptWork();
    void zoomKeepsTheCell_data();
    void zoomKeepsTheCell();
    void toolsAtZoomFour();
    void walksOnMap();
    void walksOfAChangedMazeAreDropped();
    void buildsTheMazeOfTheIssue();

private:
    QString write(const MazeData& m);
    // Shows the window with the keyboard's focus, for its keys.
    bool showActive()
    {
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w.get());
    }

    std::unique_ptr<MazeState> maze;
    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<frmEdit> w;
    QTemporaryDir dir;
};

void TestEditor::init()
{
    w.reset(); // before the maze and the services it uses
    maze = std::make_unique<MazeState>();
    fakes = std::make_unique<FakeServices>();
    w = std::make_unique<frmEdit>(*maze, fakes->services());
    w->Form_Load();
}

QString TestEditor::write(const MazeData& m)
{
    const QString path = dir.filePath(QStringLiteral("m.mdt"));
    if (!MazeFile::write(path, m.header, m.grid).ok())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestEditor::opening()
{
    w->Command3_Click(); // the fresh maze's start and goal lie on walls
    QCOMPARE(fakes->messageBox.messages.size(), 1);
    QCOMPARE(fakes->messageBox.messages[0].text, "スタート位置、またはゴール位置が不正です。");
    QCOMPARE(fakes->messageBox.messages[0].title, "ORVANE");
    QVERIFY(fakes->fileDialog.calls.isEmpty());
}

void TestEditor::pointerEvents()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    // The pointer is tracked without a button held; a click picks floor 9.
    QTest::mouseMove(w->picChrSet, QPoint(37, 21));
    QTest::mouseClick(w->picChrSet, Qt::LeftButton, {}, QPoint(37, 21));
    QCOMPARE(maze->SelectedChip, 9);
    QCOMPARE(w->shpSWaku->pos(), QPoint(32, 16));
    QTest::mouseMove(w->picMap, QPoint(40, 70));
    QCOMPARE(w->lblZahyou->text(), "2,4");
    QCOMPARE(w->shpWaku->pos(), QPoint(32, 64));

    // A left drag paints every cell it passes over, the pressed one
    // included, however quick: here from cell 2 straight to cell 6.
    mouse(w->picMap, QEvent::MouseButtonPress, {40, 70}, Qt::LeftButton, Qt::LeftButton);
    mouse(w->picMap, QEvent::MouseMove, {104, 70}, Qt::LeftButton);
    mouse(w->picMap, QEvent::MouseButtonRelease, {104, 70}, {}, Qt::LeftButton);
    for (int x = 1; x <= 7; ++x)
        QCOMPARE(maze->grid.at(x, 4).Chip, x >= 2 && x <= 6 ? 9 : 1);
    // The right button drags nothing; the label follows out of the picture.
    mouse(w->picMap, QEvent::MouseButtonPress, {100, 70}, Qt::RightButton, Qt::RightButton);
    mouse(w->picMap, QEvent::MouseMove, {120, 70}, Qt::RightButton);
    QCOMPARE(maze->grid.at(7, 4).Chip, 1);
    mouse(w->picMap, QEvent::MouseMove, {-20, 70}, Qt::LeftButton);
    QCOMPARE(w->lblZahyou->text(), "-1,4");
}

void TestEditor::paletteKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("code");
    QTest::newRow("right, right, down") << "rrd" << 9;
    QTest::newRow("held at the edges") << "ddddrrrrrrrlu" << 11;
}

void TestEditor::paletteKeys()
{
    QFETCH(QString, keys);
    QFETCH(int, code);
    press(w->picChrSet, keys);
    QCOMPARE(maze->SelectedChip, code);
    QCOMPARE(w->shpSWaku->pos(), QPoint((code - 1) % 6, (code - 1) / 6) * 16);
    QCOMPARE(QAccessible::queryAccessibleInterface(w->picChrSet)->text(QAccessible::Value),
             frmEdit::chipName(code)); // the chip's name, as its tooltip says
}

void TestEditor::mapKeys_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QList<QPoint>>("painted"); // or the start or goal placed
    QTest::addColumn<QPoint>("scroll");
    using Cells = QList<QPoint>;
    // Cell (1, 0) is a floor.
    QTest::newRow("arrows move, held at the edges")
        << 9 << "lurrrdd" << QPoint(3, 2) << Cells{} << QPoint();
    QTest::newRow("Space paints a chip") << 9 << "r " << QPoint(1, 0) << Cells{{1, 0}} << QPoint();
    QTest::newRow("Return puts an item on a floor, not on a wall")
        << 16 << "r|r " << QPoint(2, 0) << Cells{{1, 0}} << QPoint();
    QTest::newRow("the start tool") << 17 << "rd " << QPoint(1, 1) << Cells{{1, 1}} << QPoint();
    QTest::newRow("the goal tool") << 18 << "d|" << QPoint(0, 1) << Cells{{0, 1}} << QPoint();
    QTest::newRow("Shift+arrows paint as a drag")
        << 9 << "RRd" << QPoint(2, 1) << Cells{{1, 0}, {2, 0}} << QPoint();
    QTest::newRow("no drag with the start tool")
        << 17 << "RD" << QPoint(1, 1) << Cells{} << QPoint();
    QTest::newRow("the view follows down and up")
        << 9 << QString(25, 'd') + QString(21, 'u') << QPoint(0, 4) << Cells{} << QPoint(0, 4);
    QTest::newRow("and right to the edge")
        << 9 << QString(40, 'r') << QPoint(31, 0) << Cells{} << QPoint(12, 0);
}

void TestEditor::mapKeys()
{
    QFETCH(int, code);
    QFETCH(QString, keys);
    QFETCH(QPoint, cursor);
    QFETCH(QList<QPoint>, painted);
    QFETCH(QPoint, scroll);
    maze->grid.at(1, 0).Chip = FirstFloor;
    w->DrawChipEdit(1, 0, 0, FloorRow);
    w->picChrSet_MouseMove(0, 0, (code - 1) % 6 * 16, (code - 1) / 6 * 16);
    w->picChrSet_Click();
    // What the mouse's rules make of the model and the picture at those cells.
    auto expected = std::make_unique<MazeState>(*maze);
    ImageCanvas drawn(ChipSheet::standard());
    RedrawMap(*expected, drawn, 32, 32);
    for (const QPoint at : painted)
        QVERIFY(PaintCell(*expected, drawn, at.x(), at.y()) ||
                PlaceMarker(*expected, drawn, at.x(), at.y()));

    press(w->picMap, keys);
    const QString cell = QStringLiteral("%1,%2").arg(cursor.x()).arg(cursor.y());
    QCOMPARE(w->lblZahyou->text(), cell);
    QCOMPARE(QAccessible::queryAccessibleInterface(w->picMap)->text(QAccessible::Value), cell);
    QCOMPARE(w->shpWaku->pos(), cursor * 16);
    QCOMPARE(maze->header, expected->header);
    QVERIFY(maze->grid == expected->grid);
    QCOMPARE(QPoint(w->scrYoko->value(), w->scrTate->value()), scroll);
    QCOMPARE(w->picMap->image(), drawn.image());
    // One step to undo, a drag with its cells as one.
    QCOMPARE(w->session().history.stack().count(), painted.isEmpty() ? 0 : 1);
}

void TestEditor::sizeButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QSize>("cells");
    const QSize cells[] = {{32, 32}, {32, 64}, {64, 32}, {64, 64},
                           {96, 64}, {64, 96}, {96, 96}, {128, 128}};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("Option%d", i + 1) << i << cells[i];
}

void TestEditor::sizeButtons()
{
    QFETCH(int, button);
    QFETCH(QSize, cells);
    w->Option[(button + 1) % 8]->click(); // from another size
    w->Option[button]->click();
    QCOMPARE(w->picMap->size(), cells * 16);
    QCOMPARE(QSize(w->scrYoko->maximum(), w->scrTate->maximum()), cells - QSize(20, 20));
    QCOMPARE(QSize(maze->header.MapWidth, maze->header.MapHeight), cells);
}

void TestEditor::scrolling()
{
    w->Option[7]->click();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->scrTate->setValue(108);
    w->scrYoko->setValue(108);
    const QImage shown = w->picBack->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, w->picMap->image().copy(1728, 1728, 320, 320)); // cells 108 to 127
    w->picMap_MouseMove(0, 0, 127 * ChipSize, 127 * ChipSize);      // the widest cell shows whole
    QVERIFY(w->lblZahyou->fontMetrics().horizontalAdvance("127,127") <=
            w->lblZahyou->contentsRect().width());
    // The wheel scrolls a notch's lines, sideways with Shift.
    for (const Qt::KeyboardModifiers keys : {Qt::NoModifier, Qt::ShiftModifier}) {
        QWheelEvent wheel({8, 8}, w->picMap->mapToGlobal(QPoint(8, 8)), {}, {0, 120}, Qt::NoButton,
                          keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w->picMap, &wheel);
    }
    QCOMPARE(QPoint(w->scrYoko->value(), w->scrTate->value()),
             QPoint(108, 108) - QPoint(1, 1) * QApplication::wheelScrollLines());
    w->scrTate->setValue(108);

    // Dragging the thumb moves the map before the value changes.
    w->scrYoko->setTracking(false);
    w->scrYoko->setSliderDown(true);
    w->scrYoko->setSliderPosition(40);
    QCOMPARE(w->picMap->pos(), QPoint(-640, -1728));
}

void TestEditor::timeBox()
{
    w->txtTime->clear();
    QTest::keyClicks(w->txtTime, "2.5");
    QCOMPARE(maze->header.TimeLimit, 2);
    w->txtTime->clear();
    QTest::keyClicks(w->txtTime, "9e9"); // the last 9 would not fit in 16 bits
    QCOMPARE(w->txtTime->text(), "9e");
    QTest::keyClicks(w->txtTime, "1234"); // nor a fourth character
    QCOMPARE(w->txtTime->text(), "9e1");
    QCOMPARE(maze->header.TimeLimit, 90);

    w->chkNoTime->click();
    QVERIFY(!w->txtTime->isEnabled());
    QCOMPARE(maze->header.TimeLimit, NoTimeLimit);
    w->chkNoTime->click();
    QVERIFY(w->txtTime->isEnabled());
    QCOMPARE(maze->header.TimeLimit, 90);
}

void TestEditor::titleAndMusic()
{
    type(w->txtTitle, QStringLiteral("迷路①한")); // no hangul in code page 932
    QCOMPARE(w->txtTitle->text(), "迷路①");
    QCOMPARE(maze->header.Title, Cp932::fromUnicode(QStringLiteral("迷路①")));

    fakes->fileDialog.answer(QStringLiteral("/曲/a.mid"));
    fakes->fileDialog.answer(QStringLiteral("/음악/b.mid"));
    fakes->fileDialog.cancel();
    for (int i = 0; i < 3; ++i)
        w->Command2->click();
    QCOMPARE(fakes->fileDialog.calls.value(0).filter, midiFileFilter());
    QCOMPARE(w->txtMusic->text(), "/曲/a.mid");
    QCOMPARE(maze->header.MusicFile, Cp932::fromUnicode(QStringLiteral("/曲/a.mid")));
    QCOMPARE(fakes->messageBox.messages.size(), 1); // the path it cannot hold
    QVERIFY(fakes->messageBox.messages[0].text.contains(QStringLiteral("/음악/b.mid")));
}

void TestEditor::saveAndLoad()
{
    maze->grid.at(0, 0).Chip = FirstFloor;
    maze->grid.at(31, 31) = {LastFloor, ArrowLeft}; // items under the goal do not matter
    maze->grid.at(50, 60) = {9, 1};
    type(w->txtTitle, QStringLiteral("保存"));
    const QString path = dir.filePath(QStringLiteral("a.mdt"));
    const QString noFolder = dir.filePath(QStringLiteral("missing/a.mdt"));
    fakes->fileDialog.cancel();
    fakes->fileDialog.answer(noFolder);
    fakes->fileDialog.answer(path);
    for (int i = 0; i < 3; ++i)
        w->Command3->click();
    QVERIFY(!QFile::exists(noFolder));
    QCOMPARE(fakes->messageBox.messages.size(), 1);
    QCOMPARE(fakes->messageBox.messages[0].text, mazeFileMessage(MazeFile::save(noFolder, *maze)));
    QCOMPARE(fakes->fileDialog.calls.value(2).kind, FakeFileDialog::Kind::Save);
    QCOMPARE(fakes->fileDialog.calls.value(2).filter, mazeFileFilter());
    QCOMPARE(readBytes(path), MazeCodec::encode(maze->header, maze->grid).bytes);
    QCOMPARE(w->stb1->panelText(), QString());

    // Back into a fresh editor, after a file whose title is no code page 932.
    MazeData odd = abcMaze();
    odd.header.Title = QByteArray("t\xFF\x81", 3);
    auto saved = std::make_unique<MazeState>(*maze);
    init();
    fakes->fileDialog.answer(write(odd));
    w->Command4->click();
    QCOMPARE(maze->header, odd.header); // its bytes kept
    fakes->fileDialog.answer(path);
    w->Command4->click();
    QCOMPARE(maze->header, saved->header);
    QVERIFY(maze->grid == saved->grid);
    QCOMPARE(w->txtTitle->text(), "保存");
    QCOMPARE(w->stb1->panelText(), QString());
}

// Each dialog is told what it is for; the music dialog also the maze's music
// file, found as the player finds it.
void TestEditor::dialogPurposes()
{
    MazeData m = abcMaze();
    m.header.MusicFile = QByteArrayLiteral("C:\\MIDI\\SONG.MID");
    writeBytes(dir.filePath(QStringLiteral("song.mid")), "MThd");
    fakes->fileDialog.answer(write(m));
    for (QPushButton* button : {w->Command4, w->Command2, w->Command3})
        button->click();
    const QList<FakeFileDialog::Call>& calls = fakes->fileDialog.calls;
    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls[0].purpose.use, FileDialogUse::LoadMaze);
    QCOMPARE(calls[1].purpose.use, FileDialogUse::ChooseMusic);
    QCOMPARE(calls[1].purpose.currentFile, dir.filePath("song.mid"));
    QCOMPARE(calls[2].purpose.use, FileDialogUse::SaveMaze);
}

void TestEditor::loadSelectsSizeButton_data()
{
    QTest::addColumn<QSize>("cells");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("button"); // checked afterwards
    QTest::newRow("96 x 64, no limit") << QSize(96, 64) << int(NoTimeLimit) << 4;
    QTest::newRow("odd size") << QSize(40, 24) << 1234 << 3;
    QTest::newRow("smaller than the view") << QSize(10, 12) << -32768 << 3;
}

void TestEditor::loadSelectsSizeButton()
{
    QFETCH(QSize, cells);
    QFETCH(int, limit);
    QFETCH(int, button);
    MazeData m = abcMaze();
    m.header.MapWidth = int16_t(cells.width());
    m.header.MapHeight = int16_t(cells.height());
    m.header.TimeLimit = int16_t(limit);
    w->Option[3]->click();
    w->chkNoTime->click(); // the load clears it again when it must

    fakes->fileDialog.answer(write(m));
    w->Command4_Click();
    QVERIFY(w->Option[size_t(button)]->isChecked());
    QCOMPARE(w->picMap->size(), cells * 16);
    QCOMPARE(w->scrYoko->maximum(), std::max(cells.width() - 20, 0));
    QCOMPARE(w->chkNoTime->isChecked(), limit == NoTimeLimit);
    QCOMPARE(w->txtTime->isEnabled(), limit != NoTimeLimit);
    QCOMPARE(maze->header.TimeLimit, limit);
    QTest::keyClicks(w->txtTime, "5"); // a long text shows whole, may shrink, never grow
    w->txtTime->setSelection(0, 1);
    QTest::keyClicks(w->txtTime, "9"); // nor is it typed over
    QCOMPARE(w->txtTime->text(), QString::number(limit));
}

void TestEditor::refusedLoadChangesNothing()
{
    w->Option[1]->click();
    type(w->txtTitle, QStringLiteral("今の"));
    const QString bad = dir.filePath(QStringLiteral("bad.mdt"));
    writeBytes(bad, hex("03 00 61 62"));
    auto before = std::make_unique<MazeState>(*maze);
    const QImage picture = w->picMap->image();

    fakes->fileDialog.cancel();
    fakes->fileDialog.answer(bad);
    w->Command4_Click();
    w->Command4_Click();
    QCOMPARE(fakes->messageBox.messages.size(), 1);
    QCOMPARE(fakes->messageBox.messages[0].text, mazeFileMessage(MazeFile::load(bad, *maze)));
    QCOMPARE(maze->header, before->header);
    QVERIFY(maze->grid == before->grid);
    QCOMPARE(w->picMap->image(), picture);
    QVERIFY(w->Option[1]->isChecked());
    QCOMPARE(w->txtTitle->text(), "今の");
    QCOMPARE(w->stb1->panelText(), QString());
}

void TestEditor::undoKeys()
{
    QVERIFY(showActive());
    const MazeGrid fresh = maze->grid;
    maze->SelectedChip = FirstFloor;
    w->picMap_MouseMove(0, 0, 40, 40);
    w->picMap_Click();
    const MazeGrid painted = maze->grid;
    w->Option[3]->click(); // 64 x 64
    w->toggleCheck();
    w->picChrSet->setFocus();
    QTest::keyClick(w->picChrSet, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(maze->header.MapWidth, 32);
    QVERIFY(w->Option[0]->isChecked()); // the size button follows
    QVERIFY(!w->showsCheck());          // the check's answer goes with the change
    QTest::keyClick(w->picChrSet, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(maze->grid == fresh);
    w->txtTitle->setFocus(); // the title box keeps the keys for its text
    QTest::keyClicks(w->txtTitle, QStringLiteral("ab"));
    QTest::keyClick(w->txtTitle, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->txtTitle->text(), QString());
    QCOMPARE(w->session().history.stack().index(), 0);
    w->picChrSet->setFocus();
    QTest::keyClick(w->picChrSet, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(maze->grid == painted);

    const QString file = write(abcMaze()); // a load's undo brings the boxes back
    fakes->fileDialog.answer(file);
    w->Command4_Click();
    w->undo();
    QCOMPARE(w->txtTitle->text(), QString());
    QCOMPARE(w->txtTime->text(), QStringLiteral("60"));
    QVERIFY(maze->grid == painted);
    QCOMPARE(w->session().history.mazePath(), QString()); // where its music is looked for
    w->redo();
    QCOMPARE(w->session().history.mazePath(), file);
}

void TestEditor::headerBoxesAreSteps()
{
    QVERIFY(showActive());
    maze->SelectedChip = FirstFloor;
    press(w->picMap, QStringLiteral("RR")); // a drag, left open
    const MazeGrid painted = maze->grid;
    w->toggleCheck();
    w->txtTitle->setFocus();
    QTest::keyClicks(w->txtTitle, QStringLiteral("ab")); // ends the drag: a step of its own
    QVERIFY(!w->showsCheck() && w->stb1->panelText().isEmpty());
    w->txtTime->setFocus();
    w->picChrSet->setFocus();
    QCOMPARE(w->session().history.stack().count(), 2);
    QTest::keyClick(w->picChrSet, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->txtTitle->text(), QString());
    QVERIFY(maze->grid == painted);

    w->toggleCheck(); // any edit takes the check's answer away
    QVERIFY(!w->stb1->panelText().isEmpty());
    w->chkNoTime->click();
    QCOMPARE(w->stb1->panelText(), QString());
    QCOMPARE(w->session().history.stack().count(), 2);
}

void TestEditor::checkOnMap_data()
{
    QTest::addColumn<QStringList>("rows"); // at (0, 0); the start at (0, 0), the goal at (4, 0)
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("measures"); // the tooltip
    const QStringList corridor{".....", "#v###", "#.###"};
    // The goal in view from the start: every walk goes straight to it,
    // past the trap's arrow where there is one, a fork with a wrong way.
    const QString straight =
        QStringLiteral("初めての人: 4キー、最少の1.00倍 (歩き: 4、4、4、4)\n"
                       "分かれ道0か所で迷い0、行き止まりに0回、わなに0回\n"
                       "約6.3秒 (毎秒3キー、分かれ道ごとに1秒、最初に見る5秒)、ほどよい制限 20秒\n"
                       "難しさ 1/5 (労力 2.32)");
    const QString pastTrap =
        QStringLiteral("初めての人: 4キー、最少の1.00倍 (歩き: 4、4、4、4)\n"
                       "分かれ道1か所で迷い1、行き止まりに0回、わなに0回\n"
                       "約7.3秒 (毎秒3キー、分かれ道ごとに1秒、最初に見る5秒)、ほどよい制限 20秒\n"
                       "難しさ 1/5 (労力 3.32)");
    QTest::newRow("fits") << QStringList{"....."} << 30
                          << "解けます: 4手、約1.0秒 (制限30秒)、難しさ 1/5" << straight;
    QTest::newRow("too slow") << QStringList{"....."} << 1
                              << "解けます: 4手、約1.0秒、制限1秒に間に合いません、難しさ 1/5"
                              << straight;
    QTest::newRow("no limit") << QStringList{"....."} << 1000
                              << "解けます: 4手、約1.0秒 (制限時間無し)、難しさ 1/5" << straight;
    QTest::newRow("a trap") << corridor << 30
                            << "解けます: 4手、約1.0秒 (制限30秒)、わな1か所、難しさ 1/5"
                            << pastTrap;
    QTest::newRow("unsolvable") << QStringList{"..#.."} << 30 << "解けません、わな2か所"
                                << QString();
    QTest::newRow("start on a wall")
        << QStringList{"#...."} << 30 << "スタート位置、またはゴール位置が不正です。" << QString();
}

void TestEditor::checkOnMap()
{
    QFETCH(QStringList, rows);
    QFETCH(int, limit);
    QFETCH(QString, status);
    QFETCH(QString, measures);
    *maze = *mazeOf({rows, {0, 0}}, {0, 0}, {4, 0});
    maze->header.TimeLimit = int16_t(limit);
    w->RedrawMapEdit(32, 32);
    w->toggleCheck();
    QCOMPARE(w->stb1->panelText(), status);
    QCOMPARE(w->stb1->panel()->toolTip(), measures);
    QCOMPARE(w->showsCheck(), status.startsWith(QStringLiteral("解")));
    w->toggleCheck(); // a second F6 takes it away
    QVERIFY(!w->showsCheck());
    QCOMPARE(w->stb1->panelText(), QString());
    QCOMPARE(w->stb1->panel()->toolTip(), QString());
}

// A run killed after an edit; the next one brings the maze back with Ctrl+Z.
// A selection by Ctrl+drag, copied and pasted elsewhere by a click, the
// region on the clipboard as maze text, and Delete: each one step.
void TestEditor::toolsCopyPasteDelete()
{
    QVERIFY(showActive());
    maze->grid.at(1, 1) = {FirstFloor, ArrowUp};
    maze->grid.at(3, 2).Chip = FirstFloor + 2;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    mouse(w->picMap, QEvent::MouseMove, {17, 17}, {}, Qt::NoButton, ctrl);
    mouse(w->picMap, QEvent::MouseButtonPress, {17, 17}, Qt::LeftButton, Qt::LeftButton, ctrl);
    mouse(w->picMap, QEvent::MouseMove, {49, 33}, Qt::LeftButton, Qt::NoButton, ctrl);
    mouse(w->picMap, QEvent::MouseButtonRelease, {49, 33}, {}, Qt::LeftButton, ctrl);
    QCOMPARE(w->tools().select().cells(), QRect(1, 1, 3, 2));
    QVERIFY(w->picMap->accessibleValue().endsWith("選択 3×2"));
    QCOMPARE(w->session().history.stack().count(), 0); // a selection is no step
    w->picMap->setFocus();
    QTest::keyClick(w->picMap, Qt::Key_C, ctrl);
    QVERIFY(QApplication::clipboard()->text().startsWith("ORVANE maze text 1"));

    clickWith(w->picMap, {10, 5}, Qt::NoModifier); // a plain click drops the selection
    QVERIFY(!w->tools().select().cells());
    QTest::keyClick(w->picMap, Qt::Key_V, ctrl);
    QVERIFY(w->tools().paste().isActive());
    clickWith(w->picMap, {20, 10}, Qt::NoModifier); // placed where the paste floats
    QVERIFY(!w->tools().paste().isActive());
    QCOMPARE(maze->grid.at(20, 10), (MazeCell{FirstFloor, ArrowUp}));
    QCOMPARE(maze->grid.at(22, 11).Chip, FirstFloor + 2);
    QCOMPARE(w->session().history.stack().count(), 1);

    QTest::keyClick(w->picMap, Qt::Key_Delete); // nothing selected: nothing
    QCOMPARE(w->session().history.stack().count(), 1);
    QTest::keyClick(w->picMap, Qt::Key_A, ctrl);
    QTest::keyClick(w->picMap, Qt::Key_Delete); // the chosen chip, wall 1, everywhere
    QCOMPARE(maze->grid.at(20, 10), (MazeCell{FirstWall, NoItem}));
    QCOMPARE(w->session().history.stack().count(), 2);
    QTest::keyClick(w->picMap, Qt::Key_Z, ctrl);
    QCOMPARE(maze->grid.at(20, 10), (MazeCell{FirstFloor, ArrowUp}));
}

// What the tools and the title box cannot take is said, and nothing changes.
void TestEditor::toolsRefuseVisibly()
{
    QVERIFY(showActive());
    w->picMap->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("no maze here"));
    QTest::keyClick(w->picMap, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!w->tools().paste().isActive());
    QCOMPARE(w->stb1->panelText(),
             frmEdit::notMazeTextText("1 行目: ORVANE の迷路テキストではありません: 1行目は "
                                      "\"ORVANE maze text 1\" でなければなりません"));
    { // Another program's 50 MiB: refused unread, the map as it was.
        const char16_t start[] = u"ORVANE maze text 1\n\n";
        const GuardedBytes huge({reinterpret_cast<const char*>(start), sizeof start}, 100 << 20);
        const auto cleared = qScopeGuard([] { QApplication::clipboard()->clear(); });
        const MazeGrid grid = maze->grid;
        QApplication::clipboard()->setText(huge.text());
        QTest::keyClick(w->picMap, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!w->tools().paste().isActive());
        QCOMPARE(w->stb1->panelText(),
                 frmEdit::notMazeTextText("長すぎます: 迷路テキストは 4 MiB までです"));
        QVERIFY(maze->grid == grid);
    }
    w->Option[1]->click(); // 32 x 64: a 3 x 40 selection turned would be 40 wide
    w->setFocus();
    w->picMap->setFocus();
    clickWith(w->picMap, {0, 0}, Qt::ControlModifier);
    for (int i = 0; i < 39; ++i)
        QTest::keyClick(w->picMap, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w->picMap, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w->picMap, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w->tools().select().cells(), QRect(0, 0, 3, 40));
    const int steps = w->session().history.stack().count();
    QTest::keyClick(w->picMap, Qt::Key_R);
    QCOMPARE(w->stb1->panelText(), frmEdit::turnRefusedText());
    QCOMPARE(w->session().history.stack().count(), steps);

    w->txtTitle->setFocus();
    type(w->txtTitle, QStringLiteral("aé"));
    QCOMPARE(w->txtTitle->text(), "a");
    QCOMPARE(fakes->beep.count, 1);
    QCOMPARE(QToolTip::text(), frmEdit::unstorableTitleText("é"));
}

// Ctrl+G: the whole map as `orvane-mdt generate` makes it from the same
// request and seed; into a selection only its cells, one step, the nearest maze too.
void TestEditor::generateAsTheToolDoes()
{
    QVERIFY(showActive());
    w->picMap->setFocus();
    generate::Request r;
    r.size = {64, 32};
    r.grade = 2;
    r.seed = 5;
    fakes->generateDialog.answer(r);
    QTest::keyClick(w->picMap, Qt::Key_G, Qt::ControlModifier);
    const QString file = dir.filePath("made.mdt");
    QCOMPARE(QProcess::execute(
                 ORVANE_MDT, {"generate", "--size", "64x32", "--grade", "2", "--seed", "5", file}),
             0);
    const MazeFile::ReadResult made = MazeFile::read(file);
    QVERIFY(made.ok());
    QCOMPARE(maze->header, made.maze->header);
    QVERIFY(maze->grid == made.maze->grid);
    QVERIFY(w->Option[2]->isChecked()); // 64*32
    QCOMPARE(w->txtTime->text(), QString::number(made.maze->header.TimeLimit));

    const MazeState before = *maze;
    clickWith(w->picMap, {10, 4}, Qt::ControlModifier); // a 5 x 5 selection at (10, 4)
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                              Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down})
        QTest::keyClick(w->picMap, key, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w->tools().select().cells(), QRect(10, 4, 5, 5));
    r.size = {5, 5};
    r.grade = 5; // beyond its reach: the nearest maze taken
    fakes->generateDialog.answer(r, test::FakeGenerateDialog::Then::UseNearest);
    QTest::keyClick(w->picMap, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(fakes->generateDialog.calls.last().defaults.selection, (MapSize{5, 5}));
    QCOMPARE(fakes->generateDialog.calls.last().defaults.request.grade, 1); // 2 is out of reach
    QCOMPARE(maze->header, before.header); // the start, goal and limit stay
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            if (!QRect(10, 4, 5, 5).contains(x, y))
                QCOMPARE(maze->grid.at(x, y), before.grid.at(x, y));
    QVERIFY(maze->grid != before.grid);
    w->undo();
    QVERIFY(maze->grid == before.grid);
}

// M shows the overview; it follows a paint, and moving its view scrolls the map.
void TestEditor::overviewFollowsAndMoves()
{
    QVERIFY(showActive());
    w->Option[7]->click(); // 128 x 128
    w->picMap->setFocus();
    QTest::keyClick(w->picMap, Qt::Key_M);
    MapOverview* overview = w->overview();
    QVERIFY(overview && overview->isVisible());
    const QImage was = overview->picture();
    maze->SelectedChip = FirstFloor;
    w->picMap_MouseMove(0, 0, 5 * ChipSize, 7 * ChipSize);
    w->picMap_Click();
    QVERIFY(overview->picture() != was);
    emit overview->viewMoved(QPoint(90, 100));
    QCOMPARE(QPoint(w->scrYoko->value(), w->scrTate->value()), QPoint(90, 100));
    QCOMPARE(overview->view(), QRect(90, 100, 20, 20));
    QTest::keyClick(w->picMap, Qt::Key_M);
    QVERIFY(!overview->isVisible());
}

// The tools' keys act whichever control has the focus, text boxes aside:
// after the size buttons, Ctrl+A and O outline the whole map as it now is,
// and Ctrl+G offers to fill that;
// with a paste floating, the palette's arrow keys and Enter are the paste's.
void TestEditor::keysGoWhereTheUserLooks()
{
    QVERIFY(showActive());
    const auto pickChip = [&](int code) {
        const QPoint at = QPoint((code - 1) % 6, (code - 1) / 6) * 16 + QPoint(1, 1);
        QTest::mouseMove(w->picChrSet, at);
        QTest::mouseClick(w->picChrSet, Qt::LeftButton, {}, at);
    };
    pickChip(FirstFloor + 1);
    QTest::mouseClick(w->Option[3], Qt::LeftButton); // 64 x 64
    QTest::keyClick(w->Option[3], Qt::Key_A, Qt::ControlModifier);
    QTest::mouseClick(w->Option[0], Qt::LeftButton); // 32 x 32
    QTest::keyClick(w->Option[0], Qt::Key_O);
    int outline = 0;
    for (int y = 0; y <= 64; ++y)
        for (int x = 0; x <= 64; ++x)
            outline += maze->grid.at(x, y).Chip == FirstFloor + 1;
    QCOMPARE(outline, 4 * 31);
    QCOMPARE(maze->grid.at(31, 31).Chip, FirstFloor + 1);
    QTest::keyClick(w->Option[0], Qt::Key_G, Qt::ControlModifier); // offers the map as it is
    QCOMPARE(fakes->generateDialog.calls.value(0).defaults.selection, (MapSize{32, 32}));

    clickWith(w->picMap, {31, 0}, Qt::ControlModifier);
    QTest::keyClick(w->picMap, Qt::Key_C, Qt::ControlModifier);
    w->picMap_MouseMove(0, 0, 5 * 16, 6 * 16);
    pickChip(FirstWall);
    QCOMPARE(w->picChrSet->grab().toImage().pixelColor(0, 24),
             w->palette().color(QPalette::Highlight));
    QTest::keyClick(w->picChrSet, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w->picChrSet, Qt::Key_Right);
    QTest::keyClick(w->picChrSet, Qt::Key_Down);
    QTest::keyClick(w->picChrSet, Qt::Key_Return);
    QCOMPARE(maze->SelectedChip, FirstWall); // the palette's choice stays
    QCOMPARE(maze->grid.at(6, 7).Chip, FirstFloor + 1);
    QVERIFY(!w->tools().paste().isActive());
}

// A fresh editor with work to bring back says so, until the first edit.
void TestEditor::freshEditorTellsOfKeptWork()
{
    w.reset();
    EditorSession session(*maze);
    for (const bool kept : {false, true}) {
        w = std::make_unique<frmEdit>(*maze, fakes->services(), session);
        w->Form_Load();
        QCOMPARE(w->stb1->panelText(), kept ? frmEdit::keptWorkText() : QString());
        maze->SelectedChip = FirstFloor;
        w->picMap_MouseMove(0, 0, 40, 40);
        w->picMap_Click();
        QCOMPARE(w->stb1->panelText(), QString());
        w->close();
    }
    w.reset(); // before the session it uses
}

void TestEditor::zoomKeepsTheCell_data()
{
    QTest::addColumn<QPoint>("scroll");
    QTest::addColumn<QPoint>("inView");   // the pointer, pixels of the view
    QTest::addColumn<QList<int>>("zoom"); // pixels a cell, from and to
    QTest::addColumn<int>("mapCells");
    QTest::addColumn<QPoint>("zoomed"); // the view's top-left cell after
    QTest::newRow("out about the middle")
        << QPoint(50, 50) << QPoint(160, 160) << QList<int>{16, 4} << 128 << QPoint(20, 20);
    QTest::newRow("in by the bottom left")
        << QPoint(10, 40) << QPoint(3, 317) << QList<int>{4, 16} << 128 << QPoint(10, 100);
    QTest::newRow("a pointer inside a cell")
        << QPoint(20, 20) << QPoint(13, 6) << QList<int>{8, 4} << 128 << QPoint(18, 19);
    QTest::newRow("held at the map's end")
        << QPoint(108, 108) << QPoint(319, 319) << QList<int>{16, 8} << 128 << QPoint(88, 88);
    QTest::newRow("a map smaller than the view")
        << QPoint(12, 12) << QPoint(0, 0) << QList<int>{16, 4} << 32 << QPoint(0, 0);
}

// Zooming keeps the cell under the pointer under it, as far as the view
// stays on the map.
void TestEditor::zoomKeepsTheCell()
{
    QFETCH(QPoint, scroll);
    QFETCH(QPoint, inView);
    QFETCH(QList<int>, zoom);
    QFETCH(int, mapCells);
    QFETCH(QPoint, zoomed);
    const QPoint cell = ViewZoom::cellAt(scroll, inView, zoom[0]);
    const QPoint after =
        ViewZoom::scrollKeeping(cell, inView, zoom[1], {mapCells, mapCells}, {320, 320});
    QCOMPARE(after, zoomed);
    if (mapCells > 32 && zoomed.x() < 88)
        QCOMPARE(ViewZoom::cellAt(after, inView, zoom[1]), cell);
}

// At 4 pixels a cell the view shows 80 cells: the cursor cell stays where
// it was, the pointer paints, selects and frames the cell it is over, and
// the view shows what was painted.
void TestEditor::toolsAtZoomFour()
{
    QVERIFY(showActive());
    w->Option[7]->click(); // 128 x 128
    w->scrYoko->setValue(50);
    w->scrTate->setValue(40);
    w->picMap->setFocus();
    w->picMap_MouseMove(0, 0, 60 * 16, 50 * 16);
    const QPoint cursorInView = w->picMap->mapToParent(w->shpWaku->geometry().center());
    for (int i = 0; i < 3; ++i) // the third is one too many
        QTest::keyClick(w->picMap, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(w->zoom(), 4);
    QCOMPARE(w->picMap->size(), QSize(512, 512));
    QCOMPARE(w->scrYoko->maximum(), 48);
    QVERIFY(
        (w->picMap->mapToParent(w->shpWaku->geometry().center()) - cursorInView).manhattanLength() <
        16);
    QVERIFY(w->lblZahyou->toolTip().contains("80×80"));

    maze->SelectedChip = FirstFloor + 1;
    const auto at = [](int x, int y) { return QPoint(x, y) * 4 + QPoint(1, 1); };
    mouse(w->picMap, QEvent::MouseButtonPress, at(62, 52), Qt::LeftButton, Qt::LeftButton);
    mouse(w->picMap, QEvent::MouseMove, at(65, 52), Qt::LeftButton);
    mouse(w->picMap, QEvent::MouseButtonRelease, at(65, 52), {}, Qt::LeftButton);
    for (int x = 61; x <= 66; ++x)
        QCOMPARE(maze->grid.at(x, 52).Chip, x >= 62 && x <= 65 ? FirstFloor + 1 : FirstWall);
    QCOMPARE(w->shpWaku->geometry(), QRect(at(65, 52) - QPoint(1, 1), QSize(4, 4)));
    const QImage view = w->picBack->grab().toImage();
    const auto shown = [&](int x, int y) { return view.pixel(w->picMap->mapToParent(at(x, y))); };
    QVERIFY(shown(63, 52) != shown(66, 52));
    QCOMPARE(shown(61, 52), shown(66, 52));

    mouse(w->picMap, QEvent::MouseButtonPress, at(33, 22), Qt::LeftButton, Qt::LeftButton,
          Qt::ControlModifier);
    mouse(w->picMap, QEvent::MouseMove, at(30, 20), Qt::LeftButton, {}, Qt::ControlModifier);
    mouse(w->picMap, QEvent::MouseButtonRelease, at(30, 20), {}, Qt::LeftButton,
          Qt::ControlModifier);
    QCOMPARE(w->tools().select().cells(), QRect(30, 20, 4, 3));
    QCOMPARE(w->picMap->findChild<QWidget*>("selectionOverlay")->geometry(),
             QRect(120, 80, 16, 12));
    QTest::keyClick(w->picMap, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(w->picMap->size(), QSize(2048, 2048));
    QWheelEvent wheel({8, 8}, w->picMap->mapToGlobal(QPoint(8, 8)), {}, {0, -120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->picMap, &wheel); // toward the user: out
    QCOMPARE(w->zoom(), 8);
}

// F7 draws the newcomer's walks over the map and follows the maze through an
// edit, its undo and a zoom; Shift+F7 the runs the records keep, read afresh.
void TestEditor::walksOnMap()
{
    QVERIFY(showActive());
    const QString wall(72, u'#'); // the walks of TestAnalysis::newcomerTrace
    *maze = *mazeOf({{wall, "#" + QString(70, u'.') + "#", wall}, {}}, {40, 1}, {1, 1});
    maze->header.MapWidth = 96;
    maze->header.MapHeight = 64;
    w->RedrawMapEdit(96, 64);
    w->picMap->setFocus();
    const auto shaded = [&](int x) { // the middle of cell (x, 1) over the map
        const int size = w->zoom();
        const QImage cell =
            w->walkOverlay().grab(QRect(QPoint(x, 1) * size, QSize(size, size))).toImage();
        return w->walkOverlay().isShowing() && qAlpha(cell.pixel(size / 2, size / 2)) > 0;
    };
    const auto traced = [&] { return !w->tracingWalks(); };
    QTest::keyClick(w->picMap, Qt::Key_F7);
    QTRY_VERIFY(traced());
    QVERIFY(shaded(50) && !shaded(30) && !shaded(60)); // the dead end; the route; not entered
    QVERIFY(w->stb1->panelText().startsWith("初めての人: 71キー、むだ32キー、分かれ道1か所"));
    w->toggleCheck(); // F6 over it, then away: the walks' figures are told again
    QVERIFY(w->stb1->panelText().startsWith("解けます"));
    w->toggleCheck();
    QVERIFY(w->stb1->panelText().startsWith("初めての人: 71キー"));

    maze->SelectedChip = FirstWall; // the dead end closed in view of the start
    w->picMap_MouseMove(0, 0, 45 * ChipSize, ChipSize);
    w->picMap_Click();
    QTRY_VERIFY(traced());
    QVERIFY(!shaded(43));
    QVERIFY(w->stb1->panelText().startsWith("初めての人: 39キー、むだ0キー"));
    w->undo();
    QTRY_VERIFY(traced());
    QVERIFY(shaded(43));
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(w->picMap, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(w->zoom(), 4);
    QVERIFY(shaded(50) && !shaded(60));
    QTest::keyClick(w->picMap, Qt::Key_F7);
    QVERIFY(!w->walkOverlay().isShowing());
    QCOMPARE(w->stb1->panelText(), QString());

    w->session().recordsFile = dir.filePath("records.json");
    QTest::keyClick(w->picMap, Qt::Key_F7, Qt::ShiftModifier);
    QTRY_VERIFY(traced());
    QCOMPARE(w->stb1->panelText(), frmEdit::noRunsText());
    Records(w->session().recordsFile)
        .record(recordKey(maze->header, maze->grid), 10, 39, QDateTime::currentDateTimeUtc(),
                {std::string(39, 'L'), std::vector<int>(39, 0)});
    for (int i = 0; i < 2; ++i) // away and back: the file is read again
        QTest::keyClick(w->picMap, Qt::Key_F7, Qt::ShiftModifier);
    QTRY_VERIFY(traced());
    QVERIFY(shaded(30) && !shaded(50));
    QVERIFY(w->stb1->panelText().startsWith("自分のラン 1本 (ベスト 10秒、39キー)"));
}

// A change while the walks are traced, the pause over before the trace:
// that trace is dropped and the maze as it stands traced.
void TestEditor::walksOfAChangedMazeAreDropped()
{
    std::mt19937 random{3};
    for (int y = 1; y < MapSizeMax - 1; ++y) // long enough to trace
        for (int x = 1; x < MapSizeMax - 1; ++x)
            maze->cell(x, y).Chip = random() % 4 == 0 ? FirstWall : FirstFloor;
    maze->cell(1, 1).Chip = maze->cell(2, 1).Chip = maze->cell(120, 120).Chip = FirstFloor;
    maze->header.StartX = maze->header.StartY = 1;
    maze->header.GoalX = maze->header.GoalY = 120;
    WalkTracer tracer(*maze, std::chrono::milliseconds(0));
    std::vector<TracedWalks> traced;
    connect(&tracer, &WalkTracer::traced, this, [&](const TracedWalks& w) { traced.push_back(w); });
    tracer.trace(WalkSource::Newcomer);
    maze->header.GoalX = 2; // a key from the start
    maze->header.GoalY = 1;
    tracer.mazeChanged();
    QTRY_VERIFY(!tracer.busy());
    QCOMPARE(traced.size(), size_t(1));
    QCOMPARE(traced[0].difficulty.fewestKeys, 1);
}

// A 64 x 64 maze with two rooms, a turned copy of one, a generated piece and
// corridors, built by the gestures a user makes at 4 pixels a cell: no more
// than 3 move around the map, and none is wasted (each changes the maze, the
// selection, the clipboard, the paste, the chip or the view).
void TestEditor::buildsTheMazeOfTheIssue()
{
    QVERIFY(showActive());
    struct Gesture {
        const char* what; // a key, or how the mouse goes
        QPoint at = {};   // a cell; a palette cell for "chip"
        QPoint to = {};
    };
    const Gesture script[] = {
        {"size 64"},
        {"Ctrl+-"},
        {"Ctrl+-"}, // the whole map in view
        {"chip", {0, 1}},
        {"select", {2, 2}, {13, 9}},
        {"Del"}, // room A
        {"select", {40, 3}, {55, 10}},
        {"Del"}, // room B
        {"select", {1, 1}, {14, 10}},
        {"Ctrl+C"}, // room A turned, at (20, 40)
        {"point", {20, 40}},
        {"Ctrl+V"},
        {"R"},
        {"click", {20, 40}},
        {"select", {40, 30}, {58, 48}},
        {"Ctrl+G"}, // a generated piece
        {"click", {14, 5}},
        {"line", {39, 5}}, // corridors A-B, B-piece, A-copy
        {"click", {48, 11}},
        {"line", {48, 31}},
        {"click", {8, 10}},
        {"line", {8, 46}},
        {"line", {20, 46}},
        {"chip", {4, 2}},
        {"click", {3, 3}},
        {"chip", {5, 2}},
        {"click", {25, 50}},
    };
    const QStringList navigation{"Ctrl+-", "Ctrl++", "Ctrl+0", "wheel", "scroll"};
    generate::Request piece;
    piece.size = {19, 19};
    piece.grade = 1;
    piece.seed = 38;
    fakes->generateDialog.answer(piece);
    const auto cellAt = [&](QPoint cell) { return cell * w->zoom() + QPoint(1, 1); };
    const auto seen = [&] {
        const std::optional<FloatingPaste>& paste = w->session().history.tools().paste();
        return std::tuple(maze->grid, maze->header, w->tools().select().cells(),
                          paste ? paste->region : Region(), w->zoom(), maze->SelectedChip,
                          QApplication::clipboard()->text());
    };
    int moves = 0;
    for (const Gesture& g : script) {
        const auto before = seen();
        const QString what = QString::fromLatin1(g.what);
        const Qt::KeyboardModifiers keys = what == "select" ? Qt::ControlModifier
                                           : what == "line" ? Qt::ShiftModifier
                                                            : Qt::NoModifier;
        if (what == "size 64") {
            QTest::mouseClick(w->Option[3], Qt::LeftButton);
        } else if (what == "chip") {
            QTest::mouseMove(w->picChrSet, g.at * 16 + QPoint(1, 1));
            QTest::mouseClick(w->picChrSet, Qt::LeftButton, {}, g.at * 16 + QPoint(1, 1));
        } else if (what == "point") {
            mouse(w->picMap, QEvent::MouseMove, cellAt(g.at), {});
            continue; // the pointer goes where the next gesture is
        } else if (what == "select" || what == "click" || what == "line") {
            const QPoint to = cellAt(what == "select" ? g.to : g.at);
            mouse(w->picMap, QEvent::MouseMove, cellAt(g.at), {}, Qt::NoButton, keys);
            mouse(w->picMap, QEvent::MouseButtonPress, cellAt(g.at), Qt::LeftButton, Qt::LeftButton,
                  keys);
            mouse(w->picMap, QEvent::MouseMove, to, Qt::LeftButton, Qt::NoButton, keys);
            mouse(w->picMap, QEvent::MouseButtonRelease, to, {}, Qt::LeftButton, keys);
        } else {
            const QKeySequence key(what == "Del" ? QStringLiteral("Delete") : what);
            QTest::keySequence(QApplication::focusWidget(), key);
        }
        moves += navigation.contains(what);
        QVERIFY2(seen() != before, g.what);
    }
    QVERIFY(moves <= 3);
    qInfo("%d navigation gestures of %d", moves, int(std::size(script)));
    QCOMPARE(rowsOf(*maze, QRect(20, 40, 10, 2)),
             QStringList({"##########", "#........#"})); // room A's wall, turned
    QCOMPARE(maze->grid.at(30, 5).Chip, FirstFloor);     // a corridor
    QVERIFY(StartAndGoalValid(*maze));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
