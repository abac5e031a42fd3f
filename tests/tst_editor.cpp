// The editor window's handlers: wired to their controls, and what they show.

#include "Appearance.h"
#include "ChipSheet.h"
#include "Cp932.h"
#include "FileFilters.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeCodec.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "MazeState.h"
#include "PictureBox.h"
#include "ShapeOutline.h"
#include "StatusBar.h"
#include "TestMazes.h"
#include "frmEdit.h"
#include "support/FakeServices.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

// Types text as the keyboard (or an input method) delivers it, a character a key.
void type(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
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
    void sizeButtons_data();
    void sizeButtons();
    void scrolling();
    void timeBox_data();
    void timeBox();
    void titleBox();
    void musicBrowse();
    void saveAndLoad();
    void saveFails();
    void loadSelectsSizeButton_data();
    void loadSelectsSizeButton();
    void refusedLoadChangesNothing();

private:
    std::unique_ptr<MazeState> maze;
    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<frmEdit> w;
    QTemporaryDir dir;
};

void TestEditor::init()
{
    maze = std::make_unique<MazeState>();
    fakes = std::make_unique<FakeServices>();
    w = std::make_unique<frmEdit>(*maze, fakes->services());
    w->Form_Load();
}

void TestEditor::opening()
{
    auto fresh = std::make_unique<MazeState>(*maze);
    ImageCanvas expected(ChipSheet::standard());
    RedrawMap(*fresh, expected, 32, 32);
    QCOMPARE(w->picMap->image(), expected.image());
    QCOMPARE(QPoint(maze->header.GoalX, maze->header.GoalY), QPoint(31, 31));

    w->Command3_Click(); // start and goal lie on walls
    QCOMPARE(fakes->messageBox.messages.size(), 1);
    QCOMPARE(fakes->messageBox.messages[0].text, "スタート位置、またはゴール位置が不正です。");
    QCOMPARE(fakes->messageBox.messages[0].title, "ORVANE");
    QVERIFY(fakes->fileDialog.calls.isEmpty());
}

void TestEditor::pointerEvents()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    // Picking floor chip 9 from the palette; the pointer is tracked without a button.
    QTest::mouseMove(w->picChrSet, QPoint(2 * 16 + 5, 16 + 5));
    QTest::mouseClick(w->picChrSet, Qt::LeftButton, {}, QPoint(2 * 16 + 5, 16 + 5));
    QCOMPARE(maze->SelectedChip, 9);
    QCOMPARE(w->shpSWaku->pos(), QPoint(32, 16));

    QTest::mouseMove(w->picMap, QPoint(40, 70));
    QCOMPARE(w->lblZahyou->text(), "2,4");
    QCOMPARE(w->shpWaku->pos(), QPoint(32, 64));

    // A left drag paints the cells it passes; the release clicks the last one.
    const Qt::MouseButtons left = Qt::LeftButton;
    mouse(w->picMap, QEvent::MouseButtonPress, {40, 70}, Qt::LeftButton, left);
    mouse(w->picMap, QEvent::MouseMove, {56, 70}, Qt::NoButton, left);
    mouse(w->picMap, QEvent::MouseMove, {72, 70}, Qt::NoButton, left);
    mouse(w->picMap, QEvent::MouseButtonRelease, {72, 70}, Qt::LeftButton, {});
    QCOMPARE(maze->grid.at(2, 4).Chip, 1);
    QCOMPARE(maze->grid.at(3, 4).Chip, 9);
    QCOMPARE(maze->grid.at(4, 4).Chip, 9);
    QCOMPARE(w->lblZahyou->text(), "4,4");

    // The right button drags nothing; leaving the picture paints nothing.
    mouse(w->picMap, QEvent::MouseButtonPress, {100, 70}, Qt::RightButton, Qt::RightButton);
    mouse(w->picMap, QEvent::MouseMove, {120, 70}, Qt::NoButton, Qt::RightButton);
    QCOMPARE(maze->grid.at(7, 4).Chip, 1);
    mouse(w->picMap, QEvent::MouseMove, {-20, 70}, Qt::NoButton, left | Qt::RightButton);
    QCOMPARE(w->lblZahyou->text(), "-1,4");
    QCOMPARE(maze->grid.at(0, 4).Chip, 1);
}

void TestEditor::sizeButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QSize>("cells");
    QTest::addColumn<QSize>("maxima"); // scrYoko, scrTate
    const QSize cells[] = {{32, 32}, {32, 64}, {64, 32}, {64, 64},
                           {96, 64}, {64, 96}, {96, 96}, {128, 128}};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("Option%d", i + 1) << i << cells[i] << cells[i] - QSize(20, 20);
}

void TestEditor::sizeButtons()
{
    QFETCH(int, button);
    QFETCH(QSize, cells);
    QFETCH(QSize, maxima);
    w->Option[(button + 1) % 8]->click(); // from another size
    w->Option[button]->click();
    QCOMPARE(w->picMap->size(), cells * 16);
    QCOMPARE(QSize(w->scrYoko->maximum(), w->scrTate->maximum()), maxima);
    QCOMPARE(QSize(maze->header.MapWidth, maze->header.MapHeight), cells);
    QVERIFY(!w->isBusy());
}

void TestEditor::scrolling()
{
    w->Option[7]->click();
    maze->grid.at(108, 108).Chip = 9;
    maze->grid.at(127, 127).Chip = 10;
    w->RedrawMapEdit(128, 128);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));

    w->scrTate->setValue(108);
    w->scrYoko->setValue(108);
    QCOMPARE(w->picMap->pos(), QPoint(-1728, -1728));
    const QImage shown = w->picBack->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, w->picMap->image().copy(1728, 1728, 320, 320)); // cells 108 to 127

    // Dragging the thumb moves the map before the value changes.
    w->scrYoko->setTracking(false);
    w->scrYoko->setSliderDown(true);
    w->scrYoko->setSliderPosition(40);
    QCOMPARE(w->scrYoko->value(), 108);
    QCOMPARE(w->picMap->pos(), QPoint(-640, -1728));

    // A smaller map lowers the maxima and the map follows.
    w->scrYoko->setSliderDown(false);
    w->Option[0]->click();
    QCOMPARE(w->picMap->pos(), QPoint(-12 * 16, -12 * 16));
}

void TestEditor::timeBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("limit");
    QTest::newRow("empty") << ""
                           << "" << 0;
    QTest::newRow("letters") << "abc"
                             << "abc" << 0;
    QTest::newRow("2.5") << "2.5"
                         << "2.5" << 2;
    QTest::newRow("3.5") << "3.5"
                         << "3.5" << 4;
    QTest::newRow("-7") << "-7"
                        << "-7" << -7;
    QTest::newRow("blank first") << " 12"
                                 << " 12" << 12;
    QTest::newRow("1e3") << "1e3"
                         << "1e3" << 1000;
    QTest::newRow("four characters") << "1234"
                                     << "123" << 123;
    QTest::newRow("beyond 16 bits") << "9e9"
                                    << "9e" << 9;
}

void TestEditor::timeBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, limit);
    w->txtTime->selectAll();
    QTest::keyClick(w->txtTime, Qt::Key_Delete);
    QTest::keyClicks(w->txtTime, typed);
    QCOMPARE(w->txtTime->text(), shown);
    QCOMPARE(maze->header.TimeLimit, limit);

    w->chkNoTime->click();
    QVERIFY(!w->txtTime->isEnabled());
    QCOMPARE(maze->header.TimeLimit, NoTimeLimit);
    w->chkNoTime->click();
    QVERIFY(w->txtTime->isEnabled());
    QCOMPARE(w->txtTime->text(), shown);
    QCOMPARE(maze->header.TimeLimit, limit);
}

void TestEditor::titleBox()
{
    type(w->txtTitle, QStringLiteral("迷路①"));
    type(w->txtTitle, QStringLiteral("한")); // not in code page 932
    QCOMPARE(w->txtTitle->text(), "迷路①");
    QCOMPARE(maze->header.Title, Cp932::fromUnicode(QStringLiteral("迷路①")));
}

void TestEditor::musicBrowse()
{
    fakes->fileDialog.answer(QStringLiteral("/曲/a.mid"));
    w->Command2->click();
    QCOMPARE(fakes->fileDialog.calls.value(0).filter, MidiFileFilter);
    QCOMPARE(w->txtMusic->text(), "/曲/a.mid");
    const QByteArray chosen = Cp932::fromUnicode(QStringLiteral("/曲/a.mid"));
    QCOMPARE(maze->header.MusicFile, chosen);

    fakes->fileDialog.answer(QStringLiteral("/음악/b.mid"));
    w->Command2_Click();
    QCOMPARE(fakes->messageBox.messages.size(), 1);
    QVERIFY(fakes->messageBox.messages[0].text.contains(QStringLiteral("/음악/b.mid")));
    QCOMPARE(w->txtMusic->text(), "/曲/a.mid");
    QCOMPARE(maze->header.MusicFile, chosen);

    fakes->fileDialog.cancel();
    w->Command2_Click();
    QCOMPARE(maze->header.MusicFile, chosen);
    QCOMPARE(fakes->messageBox.messages.size(), 1);
}

void TestEditor::saveAndLoad()
{
    maze->grid.at(0, 0).Chip = FirstFloor;
    maze->grid.at(31, 31) = {LastFloor, ArrowLeft}; // items under the goal do not matter
    maze->grid.at(50, 60) = {9, 1};                 // beyond the map
    type(w->txtTitle, QStringLiteral("保存"));
    const QString path = dir.filePath(QStringLiteral("a.mdt"));

    fakes->fileDialog.cancel();
    w->Command3->click();
    QVERIFY(!QFile::exists(path));
    fakes->fileDialog.answer(path);
    w->Command3->click();
    QCOMPARE(fakes->fileDialog.calls.value(1).kind, FakeFileDialog::Kind::Save);
    QCOMPARE(fakes->fileDialog.calls.value(1).filter, MazeFileFilter);
    QCOMPARE(readBytes(path), MazeCodec::encode(maze->header, maze->grid).bytes);
    QCOMPARE(w->stb1->panelText(), QString());
    QVERIFY(fakes->messageBox.messages.isEmpty());

    // Loaded back into a new editor, with a title whose bytes are no code page 932.
    MazeData m = abcMaze();
    m.header.Title = QByteArray("t\xFF\x81", 3);
    const QString odd = dir.filePath(QStringLiteral("odd.mdt"));
    QVERIFY(MazeFile::write(odd, m.header, m.grid).ok());
    auto saved = std::make_unique<MazeState>(*maze);
    init();
    fakes->fileDialog.answer(odd);
    w->Command4->click();
    QCOMPARE(maze->header, m.header);
    fakes->fileDialog.answer(path);
    w->Command4->click();
    QCOMPARE(maze->header, saved->header);
    QVERIFY(maze->grid == saved->grid);
    QCOMPARE(w->txtTitle->text(), "保存");
    QCOMPARE(w->txtTime->text(), "60");
    QCOMPARE(w->stb1->panelText(), QString());
    QCOMPARE(fakes->fileDialog.calls.value(1).filter, MazeFileFilter);
}

void TestEditor::saveFails()
{
    maze->grid.at(0, 0).Chip = maze->grid.at(31, 31).Chip = FirstFloor;
    const QString path = dir.filePath(QStringLiteral("missing/a.mdt"));
    fakes->fileDialog.answer(path);
    w->Command3_Click();
    QCOMPARE(fakes->messageBox.messages.size(), 1);
    QCOMPARE(fakes->messageBox.messages[0].text, mazeFileMessage(MazeFile::save(path, *maze)));
    QCOMPARE(w->stb1->panelText(), QString());
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
    const QString path = dir.filePath(QStringLiteral("m.mdt"));
    QVERIFY(MazeFile::write(path, m.header, m.grid).ok());
    w->Option[3]->click();
    w->chkNoTime->click(); // ticked before: the load clears it again when it must

    fakes->fileDialog.answer(path);
    w->Command4_Click();
    QVERIFY(w->Option[size_t(button)]->isChecked());
    QCOMPARE(w->picMap->size(), cells * 16);
    QCOMPARE(w->scrYoko->maximum(), std::max(cells.width() - 20, 0));
    QCOMPARE(w->txtTime->text(), QString::number(limit));
    QCOMPARE(w->chkNoTime->isChecked(), limit == NoTimeLimit);
    QCOMPARE(w->txtTime->isEnabled(), limit != NoTimeLimit);
    QCOMPARE(maze->header.TimeLimit, limit);
    QCOMPARE(w->txtTitle->text(), "abc");
    QTest::keyClicks(w->txtTime, "5"); // a long text may shrink, never grow
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
    w->Command4_Click();
    fakes->fileDialog.answer(bad);
    w->Command4_Click();
    QCOMPARE(fakes->messageBox.messages.size(), 1);
    auto scratch = std::make_unique<MazeState>();
    QCOMPARE(fakes->messageBox.messages[0].text, mazeFileMessage(MazeFile::load(bad, *scratch)));
    QCOMPARE(maze->header, before->header);
    QVERIFY(maze->grid == before->grid);
    QCOMPARE(w->picMap->image(), picture);
    QVERIFY(w->Option[1]->isChecked());
    QCOMPARE(w->txtTitle->text(), "今の");
    QCOMPARE(w->stb1->panelText(), QString());
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
