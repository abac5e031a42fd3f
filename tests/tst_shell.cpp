// The program's frame: splash, main window, menu, and the switches between
// the editor and the player.

#include "Appearance.h"
#include "EditorSession.h"
#include "IntervalTimer.h"
#include "Language.h"
#include "LevelFlow.h"
#include "LevelListWindow.h"
#include "MDIMain.h"
#include "MazeCodec.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "MazeState.h"
#include "PictureBox.h"
#include "PlayRecords.h"
#include "PlayerGhost.h"
#include "PlayerGhosts.h"
#include "Records.h"
#include "ResultDialog.h"
#include "ResultFlow.h"
#include "Shell.h"
#include "StatusBar.h"
#include "TestMazes.h"
#include "frmEdit.h"
#include "frmPlay.h"
#include "frmSplash.h"
#include "support/FakeServices.h"
#include "support/WindowTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QUndoStack>

using namespace orvane;
using namespace orvane::test;

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(); }
    void init();
    void cleanup() { shell.reset(); }

    void startsWithSplashOnly();
    void splashIgnoresMarginAndKeys();
    void splashClickOrKeyOpensMain_data();
    void splashClickOrKeyOpensMain();
    void menu_data();
    void menu();
    void editorOpensOnceAndStays();
    void switchingRebuildsEditorOnFreshMaze();
    void childWindowsAreFixedAtTopLeft_data();
    void childWindowsAreFixedAtTopLeft();
    void childClosesItself_data();
    void childClosesItself();
    void closingChildStopsClockAndMusicAtOnce();
    void childMenuOffersMoveAndClose();
    void endRunsNoClosingStep();
    void paintSavePlayToGoal();
    void helpAsksViewer_data();
    void helpAsksViewer();
    void closingMainClosesChildFirst();
    void mazeGivenAtStart_data();
    void mazeGivenAtStart();
    void testPlayThereAndBack_data();
    void testPlayThereAndBack();
    void resultAtGoal_data();
    void resultAtGoal();
    void levelList_data();
    void levelList();
    void ghostChoiceKept();
    void inEnglish();

private:
    MDIMain* enterMain();
    QList<QMdiSubWindow*> children() const { return shell->mainWindow()->mdiArea->subWindowList(); }

    std::unique_ptr<MazeState> maze;
    std::unique_ptr<FakeServices> fakes;
    std::unique_ptr<Shell> shell;
};

void TestShell::init()
{
    maze = std::make_unique<MazeState>();
    fakes = std::make_unique<FakeServices>();
    shell = std::make_unique<Shell>(*maze, fakes->services());
    shell->start();
}

MDIMain* TestShell::enterMain()
{
    shell->splash()->Label2_Click();
    QCoreApplication::processEvents();
    return shell->mainWindow();
}

void TestShell::startsWithSplashOnly()
{
    frmSplash* splash = shell->splash();
    QVERIFY(splash && splash->isVisible());
    QVERIFY(!shell->mainWindow());
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash->frameGeometry().center(), splash->screen()->availableGeometry().center());
    QCOMPARE(splash->client->size(), QSize(492, 283));
    QCOMPARE(splash->Frame1->geometry(), QRect(10, 4, 472, 270));
    QCOMPARE(splash->lblProductName->text(), "ORVANE");
    QVERIFY(splash->lblProductName->font().bold());
    QCOMPARE(splash->lblProductName->font().pixelSize(), 64); // 48 pt at 96 dpi
    QCOMPARE(splash->Label1->text(), "for Win95");
    QCOMPARE(splash->Label1->font().pixelSize(), 27); // 20.25 pt
    QCOMPARE(splash->Label2->text(), "クリックして下さい");
    QCOMPARE(splash->Label2->geometry(), QRect(16, 136, 449, 17));
    QVERIFY(splash->Label2->alignment() & Qt::AlignHCenter);
    const QList<QLabel*> labels{splash->lblProductName, splash->Label1, splash->Label2,
                                splash->lblCompany, splash->lblCopyright};
    for (QLabel* l : labels) {
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(),
                 qPrintable(l->objectName()));
        QVERIFY(splash->Frame1->rect().contains(l->geometry()));
        for (QLabel* other : labels) // no two touch
            QVERIFY(l == other || !l->geometry().intersects(other->geometry()));
    }
}

// The splash and the main window's menu with the English catalogue: no
// Japanese, the access keys kept, the splash's line whole.
void TestShell::inEnglish()
{
    shell.reset();
    const Translations english(UiLanguage::English);
    shell = std::make_unique<Shell>(*maze, fakes->services());
    shell->start();
    const QLabel* click = shell->splash()->Label2;
    QCOMPARE(click->text(), "Click to continue");
    QVERIFY(click->fontMetrics().horizontalAdvance(click->text()) <= click->width());
    QCOMPARE(japaneseTexts(shell->splash()), QStringList());
    MDIMain* main = enterMain();
    QCOMPARE(japaneseTexts(main), QStringList());
    QStringList menu{main->mnuContorol->title()};
    for (const QAction* a : {main->mnuEdit, main->mnuPlay, main->mnuEnd, main->mnuHelp})
        menu << a->text();
    QCOMPARE(menu, (QStringList{"&Control", "Maze &Editor", "Maze &Player", "&Quit", "Help"}));
    shell.reset();
}

void TestShell::splashIgnoresMarginAndKeys()
{
    frmSplash* splash = shell->splash();
    QTest::mouseClick(splash->client, Qt::LeftButton, {}, QPoint(3, 200)); // left margin
    QTest::keyClick(splash, Qt::Key_A);
    QTest::keyClick(splash, Qt::Key_Tab);
    QCoreApplication::processEvents();
    QVERIFY(shell->splash() && shell->splash()->isVisible());
    QVERIFY(!shell->mainWindow());
}

void TestShell::splashClickOrKeyOpensMain_data()
{
    QTest::addColumn<QString>("control"); // or the key pressed
    for (const char* name : {"Frame1", "lblProductName", "Label1", "Label2", "lblCompany",
                             "lblCopyright", "Return", "Enter", "Space", "Esc"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestShell::splashClickOrKeyOpensMain()
{
    QFETCH(QString, control);
    if (auto* target = shell->splash()->findChild<QWidget*>(control))
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    else
        QTest::keySequence(shell->splash(), QKeySequence(control));
    QCoreApplication::processEvents();
    QVERIFY(!shell->splash()); // closed and gone
    MDIMain* main = shell->mainWindow();
    QVERIFY(main && main->isVisible());
    QVERIFY(main->windowState() & Qt::WindowMaximized);
    QCOMPARE(main->windowTitle(), "ORVANE for Win95");
    QVERIFY(children().isEmpty());
}

void TestShell::menu_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("caption");
    QTest::newRow("mnuEdit") << "mnuEdit"
                             << "迷路Editor(&E)";
    QTest::newRow("mnuPlay") << "mnuPlay"
                             << "迷路Player(&P)";
    QTest::newRow("mnuEnd") << "mnuEnd"
                            << "終了(&Q)";
    QTest::newRow("mnuHelp") << "mnuHelp"
                             << "ヘルプ";
}

void TestShell::menu()
{
    QFETCH(QString, action);
    QFETCH(QString, caption);
    MDIMain* main = enterMain();
    const QList<QAction*> bar = main->menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), "コントロール(&C)");
    QCOMPARE(bar[0]->menu(), main->mnuContorol);
    QCOMPARE(bar[1], main->mnuHelp);
    QVERIFY(!main->mnuHelp->menu());
    const QList<QAction*> items = main->mnuContorol->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items, (QList<QAction*>{main->mnuEdit, main->mnuPlay, main->mnuBou, main->mnuEnd}));
    QVERIFY(main->mnuBou->isSeparator());

    auto* a = main->findChild<QAction*>(action);
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
    QVERIFY(a->isEnabled() && a->isVisible());
    QVERIFY(a->shortcut().isEmpty());
}

void TestShell::editorOpensOnceAndStays()
{
    MDIMain* main = enterMain();
    main->mnuEdit->trigger();
    frmEdit* editor = main->editor();
    QVERIFY(editor);
    editor->txtTitle->setText(QStringLiteral("途中"));
    main->mnuEdit->trigger(); // brought to the front only
    QCOMPARE(main->editor(), editor);
    QCOMPARE(editor->txtTitle->text(), "途中");
    QCOMPARE(children().size(), 1);
    QVERIFY(!main->player());
}

void TestShell::switchingRebuildsEditorOnFreshMaze()
{
    MDIMain* main = enterMain();
    main->mnuEdit_Click();
    main->editor()->txtTitle->setText(QStringLiteral("消える"));
    main->editor()->Option[3]->setChecked(true);
    maze->header.Title = "kept";
    maze->grid.at(40, 40) = {9, 2};
    main->editor()->scrYoko->setValue(10);
    main->editor()->picChrSet_MouseMove(0, 0, 40, 20); // chip 9
    main->editor()->picChrSet_Click();
    const QByteArray had = MazeCodec::encode(maze->header, maze->grid).bytes;

    main->mnuPlay_Click();
    QCoreApplication::processEvents();
    QVERIFY(!main->editor());
    QVERIFY(main->player());
    QCOMPARE(children().size(), 1);
    QCOMPARE(maze->header.Title, QByteArray("kept"));
    maze->header.Title = "played"; // as a load in the player does
    maze->grid.at(3, 3) = {12, 0};

    main->mnuEdit_Click();
    QCoreApplication::processEvents();
    QVERIFY(!main->player());
    frmEdit* rebuilt = main->editor();
    QVERIFY(rebuilt);
    QCOMPARE(children().size(), 1);
    QCOMPARE(rebuilt->txtTitle->text(), QString());
    QVERIFY(rebuilt->Option[0]->isChecked());
    // The editor opens on a fresh maze: nothing of the one before is left.
    QCOMPARE(maze->header.Title, QByteArray());
    QCOMPARE(maze->grid.at(40, 40), MazeCell{});
    QCOMPARE(maze->header.MapWidth, 32);
    const QByteArray fresh = MazeCodec::encode(maze->header, maze->grid).bytes;

    // The maze it had is one undo away: cells, header, chip, view and boxes.
    rebuilt->undo();
    QCOMPARE(MazeCodec::encode(maze->header, maze->grid).bytes, had);
    QCOMPARE(maze->SelectedChip, 9);
    QCOMPARE(rebuilt->scrYoko->value(), 10);
    QCOMPARE(rebuilt->txtTitle->text(), "kept");
    QVERIFY(rebuilt->Option[3]->isChecked());
    rebuilt->redo();
    QCOMPARE(MazeCodec::encode(maze->header, maze->grid).bytes, fresh);
    QCOMPARE(rebuilt->scrYoko->value(), 0);
}

void TestShell::childWindowsAreFixedAtTopLeft_data()
{
    QTest::addColumn<bool>("editor");
    QTest::newRow("editor") << true;
    QTest::newRow("player") << false;
}

void TestShell::childWindowsAreFixedAtTopLeft()
{
    QFETCH(bool, editor);
    MDIMain* main = enterMain();
    editor ? main->mnuEdit_Click() : main->mnuPlay_Click();
    QMdiSubWindow* sub = children().value(0);
    QVERIFY(sub);
    QCOMPARE(sub->pos(), QPoint(0, 0));
    QCOMPARE(sub->minimumSize(), sub->maximumSize());
    QCOMPARE(sub->widget()->size(), editor ? QSize(497, 408) : QSize(651, 530));
    const Qt::WindowFlags flags = sub->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(sub->windowTitle(), editor ? "迷路Editor" : "迷路Player");
    QCOMPARE(sub->widget()->focusWidget(), editor ? static_cast<QWidget*>(main->editor()->picChrSet)
                                                  : static_cast<QWidget*>(main->player()->picBack));
}

void TestShell::childClosesItself_data()
{
    QTest::addColumn<bool>("editor");
    QTest::addColumn<bool>("closeBox"); // the frame's close box, else the form's close()
    QTest::newRow("editor closes itself") << true << false;
    QTest::newRow("player closes itself (the goal)") << false << false;
    QTest::newRow("player's close box") << false << true;
}

void TestShell::childClosesItself()
{
    QFETCH(bool, editor);
    QFETCH(bool, closeBox);
    MDIMain* main = enterMain();
    editor ? main->mnuEdit_Click() : main->mnuPlay_Click();
    QPointer<QMdiSubWindow> frame = children().value(0);
    QPointer<QWidget> form = frame->widget();
    closeBox ? frame->close() : form->close();
    QVERIFY(!main->editor() && !main->player()); // no longer counts as open
    QVERIFY(frame->isHidden());
    QTRY_VERIFY(!frame && !form); // the frame went with it
    QVERIFY(children().isEmpty());
    QVERIFY(main->isVisible());
    editor ? main->mnuEdit_Click() : main->mnuPlay_Click(); // built afresh
    QCOMPARE(children().size(), 1);
    QVERIFY(children()[0]->isVisible());
}

void TestShell::closingChildStopsClockAndMusicAtOnce()
{
    MDIMain* main = enterMain();
    main->mnuPlay_Click();
    frmPlay* player = main->player();
    player->tim1->setInterval(1000);
    QPointer<FakeMusicDevice> music = fakes->music.last();
    // Play, Edit, Play, Edit with no event processed in between.
    main->mnuEdit_Click();
    QCOMPARE(player->tim1->Interval(), 0);
    QVERIFY(!music);
    main->mnuPlay_Click();
    main->mnuEdit_Click();
    QCOMPARE(fakes->music.devices.size(), 2);
    for (const QPointer<FakeMusicDevice>& device : fakes->music.devices)
        QVERIFY(!device); // every device closed and gone
}

void TestShell::childMenuOffersMoveAndClose()
{
    MDIMain* main = enterMain();
    main->mnuEdit_Click();
    QMenu* menu = children().value(0)->systemMenu();
    QVERIFY(menu);
    emit menu->aboutToShow();
    QStringList shown;
    for (QAction* a : menu->actions())
        if (a->isVisible())
            shown << a->text();
    QCOMPARE(shown, (QStringList{QMdiSubWindow::tr("&Move"), QMdiSubWindow::tr("&Close")}));
}

void TestShell::endRunsNoClosingStep()
{
    MDIMain* main = enterMain();
    main->mnuPlay_Click();
    QPointer<FakeMusicDevice> music = fakes->music.last();

    struct CloseCounter : QObject {
        int closes = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            closes += e->type() == QEvent::Close;
            return false;
        }
    } counter;
    qApp->installEventFilter(&counter);
    QTimer::singleShot(0, main->mnuEnd, &QAction::trigger);
    QCOMPARE(QApplication::exec(), 0); // returns: the loop ended
    qApp->removeEventFilter(&counter);
    QCOMPARE(counter.closes, 0);
    QVERIFY(fakes->messageBox.messages.isEmpty() && fakes->fileDialog.calls.isEmpty());
    QVERIFY(main->player() && music); // nothing closed; the teardown releases them
    QVERIFY(!music->log.contains(QStringLiteral("close")));
}

void TestShell::paintSavePlayToGoal()
{
    // A maze painted in the editor, saved, loaded in the player and played.
    QTemporaryDir dir;
    const QString file = dir.filePath("corridor.mdt");
    MDIMain* main = enterMain();
    main->mnuEdit_Click();
    frmEdit* editor = main->editor();
    auto pick = [&](int code) { // a palette cell by its code
        const int index = code - 1;
        editor->picChrSet_MouseMove(0, 0, index % 6 * 16 + 8, index / 6 * 16 + 8);
        editor->picChrSet_Click();
    };
    auto click = [&](int x, int y) {
        editor->picMap_MouseMove(0, 0, x * 16 + 8, y * 16 + 8);
        editor->picMap_Click();
    };
    pick(FirstFloor); // a floor from (2, 3), dragged to (6, 3)
    click(2, 3);
    for (int x = 3; x <= 6; ++x)
        editor->picMap_MouseMove(1, 0, x * 16 + 8, 3 * 16 + 8);
    pick(FirstItemCode + ArrowRight - 1); // an arrow on (3, 3)
    click(3, 3);
    pick(StartCode);
    click(2, 3);
    pick(GoalCode);
    click(6, 3);
    fakes->fileDialog.answer(file);
    editor->Command3_Click();
    QVERIFY(fakes->messageBox.messages.isEmpty());

    main->mnuPlay_Click();
    frmPlay* player = main->player();
    *maze = MazeState(); // the player reads the file, not what the editor left
    fakes->fileDialog.answer(file);
    player->comLoad_Click();
    player->comPlay_Click();
    player->picMap_KeyDown(39, 0); // onto the arrow: slides to (4, 3)
    QCOMPARE(maze->CursorX, 4);
    player->picMap_KeyDown(39, 0);
    player->picMap_KeyDown(39, 0); // the goal
    QVERIFY(!main->player());      // closed at the goal
}

void TestShell::helpAsksViewer_data()
{
    QTest::addColumn<QString>("child"); // the open child window
    QTest::addColumn<bool>("key");      // F1 where the window has the keyboard, not the menu
    QTest::newRow("menu, editor") << "editor" << false;
    QTest::newRow("F1, main window") << "" << true;
    QTest::newRow("F1, editor") << "editor" << true;
    QTest::newRow("F1, player: a game key") << "player" << true;
}

void TestShell::helpAsksViewer()
{
    QFETCH(QString, child);
    QFETCH(bool, key);
    MDIMain* main = enterMain();
    if (!child.isEmpty())
        child == "editor" ? main->mnuEdit_Click() : main->mnuPlay_Click();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : main;
    std::optional<QSignalSpy> keys; // of the picture box with the keyboard
    if (auto* box = qobject_cast<PictureBox*>(focus))
        keys.emplace(box, &PictureBox::keyDown);
    key ? QTest::keyClick(focus, Qt::Key_F1) : main->mnuHelp->trigger();
    const bool player = child == "player";
    QCOMPARE(keys ? keys->size() : 0, player ? 1 : 0);
    QCOMPARE(fakes->help.requests.size(), player ? 0 : 1);
    if (player)
        return;
    QCOMPARE(fakes->help.requests[0].helpFile, "Orvane.hlp");
    QCOMPARE(fakes->help.requests[0].command, 3);
    QCOMPARE(fakes->help.requests[0].parent, main);
    QCOMPARE(main->editor() != nullptr, child == "editor"); // help changes nothing else
}

void TestShell::closingMainClosesChildFirst()
{
    MDIMain* main = enterMain();
    main->mnuPlay_Click();
    QPointer<frmPlay> player = main->player();
    QPointer<MDIMain> guard = main;
    main->close();
    QTRY_VERIFY(!player);
    QVERIFY(!guard || !guard->isVisible());
}

void TestShell::mazeGivenAtStart_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("good file") << QByteArray();
    QTest::newRow("refused file") << hex("03 00 61 62");
}

// As the program does with `orvane FILE.mdt`: no splash, the main window with
// the player at once, the maze loaded as Load loads it.
void TestShell::mazeGivenAtStart()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("迷路.mdt"));
    const MazeData good = abcMaze();
    if (bytes.isEmpty())
        QVERIFY(MazeFile::write(file, good.header, good.grid).ok());
    else
        writeBytes(file, bytes);

    shell = std::make_unique<Shell>(*maze, fakes->services());
    shell->start(file);
    QVERIFY(!shell->splash());
    MDIMain* main = shell->mainWindow();
    QVERIFY(main && main->isVisible());
    QTRY_VERIFY(main->player());
    frmPlay* player = main->player();
    QVERIFY(fakes->fileDialog.calls.isEmpty());
    const bool loaded = bytes.isEmpty();
    QVERIFY(player->comLoad->isEnabled() && !player->comStop->isEnabled());
    QCOMPARE(player->comPlay->isEnabled(), loaded);
    if (loaded) {
        QCOMPARE(maze->header, good.header);
        QVERIFY(maze->grid == good.grid);
        QCOMPARE(player->picMap->image().size(), QSize(32 * 16, 32 * 16));
        QVERIFY(fakes->messageBox.messages.isEmpty());
    } else {
        QCOMPARE(maze->header, MazeState().header);
        QCOMPARE(fakes->messageBox.messages.size(), 1);
        QCOMPARE(fakes->messageBox.messages[0].parent, player);
        QCOMPARE(fakes->messageBox.messages[0].text, mazeFileMessage(MazeFile::read(file).error));
    }
}

enum class TestPlayEnding { Goal, TimeUp, Stop, CloseBox, Escape, F5, Menu };
Q_DECLARE_METATYPE(TestPlayEnding)

void TestShell::testPlayThereAndBack_data()
{
    QTest::addColumn<TestPlayEnding>("ending");
    QTest::addColumn<QString>("status");
    const QString goal = QStringLiteral("テストプレイ: ゴールしました (0秒、4キー、最少 4)");
    const QString stopped = QStringLiteral("テストプレイ: 中止");
    QTest::newRow("the goal") << TestPlayEnding::Goal << goal;
    QTest::newRow("time up") << TestPlayEnding::TimeUp << QStringLiteral("テストプレイ: 時間切れ");
    QTest::newRow("Stop") << TestPlayEnding::Stop << stopped;
    QTest::newRow("the close box") << TestPlayEnding::CloseBox << stopped;
    QTest::newRow("Esc") << TestPlayEnding::Escape << stopped;
    QTest::newRow("F5") << TestPlayEnding::F5 << stopped;
    QTest::newRow("the menu's editor") << TestPlayEnding::Menu << stopped;
}

void TestShell::testPlayThereAndBack()
{
    QFETCH(TestPlayEnding, ending);
    QFETCH(QString, status);
    MDIMain* main = enterMain();
    main->mnuEdit_Click();
    frmEdit* editor = main->editor();
    editor->Option[3]->click(); // 64 x 64
    maze->SelectedChip = FirstFloor;
    for (int x = 2; x <= 6; ++x) { // a corridor, then the start and the goal
        editor->picMap_MouseMove(0, 0, x * 16 + 8, 3 * 16 + 8);
        editor->picMap_Click();
    }
    for (auto [code, x] : {std::pair{StartCode, 2}, std::pair{GoalCode, 6}}) {
        maze->SelectedChip = code;
        editor->picMap_MouseMove(0, 0, x * 16 + 8, 3 * 16 + 8);
        editor->picMap_Click();
    }
    editor->undo(); // the goal back on (63, 63): a redo to keep
    editor->redo();
    editor->txtTitle->setText(QStringLiteral("T"));
    editor->txtTime->setText(QStringLiteral("1"));
    QFocusEvent leaveBox(QEvent::FocusOut); // the time box's step ends with its focus
    QApplication::sendEvent(editor->txtTime, &leaveBox);
    editor->txtMusic->setText(QStringLiteral("typed, not saved"));
    editor->scrYoko->setValue(7);
    editor->scrTate->setValue(2);
    editor->picMap_MouseMove(0, 0, 100, 40);
    if (ending == TestPlayEnding::Goal || ending == TestPlayEnding::Escape) {
        editor->toggleCheck(); // shown again when the editor is back
        editor->toggleWalks();
    }
    const auto state = [&](frmEdit* e) {
        const QUndoStack& history = e->session().history.stack();
        return QStringList{MazeCodec::encode(maze->header, maze->grid).bytes.toHex(),
                           e->txtTitle->text(),
                           e->txtTime->text(),
                           e->txtMusic->text(),
                           QString::number(e->chkNoTime->isChecked()),
                           QString::number(e->Option[3]->isChecked()),
                           QString::number(e->scrYoko->value()),
                           QString::number(e->scrTate->value()),
                           e->lblZahyou->text(),
                           QString::number(maze->SelectedChip),
                           QString::number(history.count()),
                           QString::number(history.index()),
                           QString::number(e->showsCheck()),
                           QString::number(int(e->walksShown()))};
    };
    const QStringList before = state(editor);
    const QImage pictureBefore = editor->picMap->image();

    editor->requestTestPlay();
    frmPlay* player = main->player();
    QVERIFY(player && player->isTestPlay() && !main->editor());
    QVERIFY(player->comStop->isEnabled() && !player->comLoad->isEnabled());
    QCOMPARE(player->focusWidget(), player->picMap); // the arrow keys reach the game
    QCOMPARE(player->windowTitle(), QStringLiteral("迷路PlayerT (テストプレイ: Escで戻る)"));
    switch (ending) {
    case TestPlayEnding::Goal:
        for (int i = 0; i < 4; ++i)
            player->picMap_KeyDown(39, 0);
        break;
    case TestPlayEnding::TimeUp:
        player->tim1_Timer();
        break;
    case TestPlayEnding::Stop:
        player->comStop->click();
        break;
    case TestPlayEnding::CloseBox:
        children().value(0)->close();
        break;
    case TestPlayEnding::Escape:
    case TestPlayEnding::F5:
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main));
        player->picMap->setFocus();
        QTest::keyClick(player->picMap,
                        ending == TestPlayEnding::Escape ? Qt::Key_Escape : Qt::Key_F5);
        break;
    case TestPlayEnding::Menu:
        main->mnuEdit_Click();
        break;
    }
    QTRY_VERIFY(main->editor());
    QVERIFY(!main->player());
    editor = main->editor();
    QCOMPARE(state(editor), before);
    QCOMPARE(editor->picMap->image(), pictureBefore);
    QCOMPARE(editor->stb1->panelText(), status);
    QTRY_VERIFY(!editor->tracingWalks()); // the walks traced again leave it told
    QCOMPARE(editor->stb1->panelText(), status);
}

void TestShell::resultAtGoal_data()
{
    QTest::addColumn<QString>("next"); // after 2-a.mdt: "good", "refused" first, or "" for none
    QTest::addColumn<int>("key");      // pressed on the result; 0: リプレイ clicked
    QTest::addColumn<QByteArray>("records"); // what records.json holds: told once
    const QByteArray damaged = "{damaged";
    QTest::newRow("Enter: the next maze") << "good" << int(Qt::Key_Return) << damaged;
    QTest::newRow("Enter at the last: again") << "" << int(Qt::Key_Return) << damaged;
    QTest::newRow("a refused maze passed over") << "refused" << int(Qt::Key_Return) << damaged;
    QTest::newRow("Esc closes") << "good" << int(Qt::Key_Escape) << damaged;
    QTest::newRow("a replay") << "good" << 0 << damaged;
    QTest::newRow("a newer version's records")
        << "good" << int(Qt::Key_Return)
        << QByteArray(R"({"format": "orvane-records", "version": 9})");
}

// A game from the menu to the goal: the result with its figures, recorded,
// and what its keys lead to.
void TestShell::resultAtGoal()
{
    QFETCH(QString, next);
    QFETCH(int, key);
    QFETCH(QByteArray, records);
    QTemporaryDir dir;
    MazeData m = abcMaze(); // a corridor from the start (1, 2) to the goal (5, 2)
    m.header.Title = "A";
    m.header.GoalX = 5;
    m.header.GoalY = 2;
    for (int x = 1; x <= 5; ++x)
        m.grid.at(x, 2).Chip = FirstFloor;
    QVERIFY(MazeFile::write(dir.filePath("2-a.mdt"), m.header, m.grid).ok());
    m.header.Title = "B";
    // After 2-a.mdt as people count, letter case aside.
    if (!next.isEmpty())
        QVERIFY(MazeFile::write(dir.filePath("10-B.mdt"), m.header, m.grid).ok());
    if (next == "refused")
        writeBytes(dir.filePath("3-b.mdt"), hex("03 00 61 62"));
    const QString recordsFile = dir.filePath("records.json");
    writeBytes(recordsFile, records);

    shell = std::make_unique<Shell>(*maze, fakes->services(), QString(), recordsFile);
    shell->start();
    MDIMain* main = enterMain();
    main->show();
    auto play = [&](int ticks, const QList<int>& keys) {
        for (int i = 0; i < ticks; ++i)
            main->player()->tim1_Timer();
        for (int k : keys)
            main->player()->picMap_KeyDown(k, 0);
    };
    main->mnuPlay_Click();
    fakes->fileDialog.answer(dir.filePath("2-a.mdt"));
    main->player()->comLoad_Click();
    main->player()->comPlay_Click();
    // Shift alone is no key pressed; a refused step is.
    play(2, {16, 37, 39, 39, 39, 39});
    QTRY_VERIFY(shell->resultFlow().dialog());
    ResultDialog* result = shell->resultFlow().dialog();
    QVERIFY(!main->player());
    QCOMPARE(result->windowTitle(), "ゴール！");
    QCOMPARE(result->lblTitle->text(), "A");
    QCOMPARE(result->lblTime->text(), "2秒 (制限60秒)");
    QCOMPARE(result->lblKeys->text(), "5 (最少 4)");
    QCOMPARE(result->lblBestTime->text(), "2秒");
    QCOMPARE(result->lblBestKeys->text(), "5");
    QVERIFY(!result->lblNewBestTime->isHidden() && !result->lblNewBestKeys->isHidden());
    QCOMPARE(result->comNext->isEnabled(), !next.isEmpty());
    QCOMPARE(result->lblSkipped->isHidden(), next != "refused");
    if (next == "refused")
        QCOMPARE(result->lblSkipped->text(), "読めないファイルを飛ばしました: 3-b.mdt");
    QCOMPARE(fakes->messageBox.messages.size(), 1);
    const QString aside = QDir(dir.path()).entryList({"records.json.damaged-*"}).value(0);
    QCOMPARE(fakes->messageBox.messages[0].text,
             aside.isEmpty() ? ResultDialog::recordsOfNewerVersionMessage(recordsFile)
                             : ResultDialog::recordsSetAsideMessage(dir.filePath(aside)));

    QVERIFY(QTest::qWaitForWindowActive(result));
    if (key)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    else
        result->comReplay->click();
    QTRY_VERIFY(!shell->resultFlow().dialog());
    if (key == Qt::Key_Escape) {
        QVERIFY(!main->player());
        return;
    }
    frmPlay* player = main->player();
    if (!key) { // the game's keys again, the refused one and Shift's aside
        QVERIFY(player && player->isDemonstrating() && !player->gameRuns());
        for (int i = 0; i < 5; ++i)
            player->demonstrationStep();
        QCOMPARE(player->STB1->panelText(), "リプレイ: 2秒 5キーでゴール (Escで戻る)");
        return;
    }
    QVERIFY(player && player->gameRuns());
    QCOMPARE(player->ghost().isShown(), next.isEmpty()); // the best's run, on A only
    QCOMPARE(maze->header.Title, next.isEmpty() ? QByteArray("A") : QByteArray("B"));
    // Slower, in fewer keys: on A again only the keys are a new best; B (its
    // title differs) is a maze of its own.
    play(3, {39, 39, 39, 39});
    QTRY_VERIFY(shell->resultFlow().dialog());
    result = shell->resultFlow().dialog();
    QCOMPARE(result->lblBestTime->text(), next.isEmpty() ? "2秒" : "3秒");
    QCOMPARE(result->lblBestKeys->text(), "4");
    QCOMPARE(result->lblNewBestTime->isHidden(), next.isEmpty());
    QVERIFY(!result->lblNewBestKeys->isHidden());
    QCOMPARE(fakes->messageBox.messages.size(), 1);
    QCOMPARE(readBytes(recordsFile) == records, aside.isEmpty()); // a newer version's stays
}

enum class ListOpening { CommandLine, BeforeGame, AfterGame, Result, DuringGame, OverEditor };
Q_DECLARE_METATYPE(ListOpening)

void TestShell::levelList_data()
{
    QTest::addColumn<ListOpening>("opening");
    QTest::newRow("orvane DIR") << ListOpening::CommandLine;
    QTest::newRow("L before a game") << ListOpening::BeforeGame;
    QTest::newRow("L after a game") << ListOpening::AfterGame;
    QTest::newRow("the result's 一覧") << ListOpening::Result;
    QTest::newRow("L in a game is the game's") << ListOpening::DuringGame;
    QTest::newRow("over the editor: its work kept") << ListOpening::OverEditor;
}

// The list of a folder, by keys: an unreadable file does not start, Enter
// starts the game on the maze chosen, and the game recorded shows on its row.
void TestShell::levelList()
{
    QFETCH(ListOpening, opening);
    QTemporaryDir dir;
    MazeData m = abcMaze(); // a corridor from the start (1, 2) to the goal (5, 2)
    m.header.GoalX = 5;
    m.header.GoalY = 2;
    for (int x = 1; x <= 5; ++x)
        m.grid.at(x, 2).Chip = FirstFloor;
    for (const char* name : {"10-B", "2-a"}) {
        m.header.Title = name;
        QVERIFY(MazeFile::write(dir.filePath(name + QString(".mdt")), m.header, m.grid).ok());
    }
    writeBytes(dir.filePath("3-b.mdt"), hex("03 00 61 62"));
    const QString recordsFile = dir.filePath("records.json"); // 2-a solved before
    Records(recordsFile).record(recordKey(m.header, m.grid), 9, 9, QDateTime::currentDateTimeUtc());

    shell = std::make_unique<Shell>(*maze, fakes->services(), QString(), recordsFile);
    MDIMain* main = nullptr;
    auto toGoal = [&] {
        for (int i = 0; i < 4; ++i)
            main->player()->picMap_KeyDown(39, 0);
    };
    if (opening == ListOpening::CommandLine) {
        shell->startWithList(dir.path());
        main = shell->mainWindow();
    } else if (opening == ListOpening::OverEditor) {
        shell->start();
        main = enterMain();
        main->mnuEdit_Click();
        maze->header.Title = "the editor's";
        shell->levelFlow().open(dir.path());
    } else {
        shell->start();
        main = enterMain();
        main->show();
        QVERIFY(QTest::qWaitForWindowActive(main));
        main->mnuPlay_Click();
        fakes->fileDialog.answer(dir.filePath("2-a.mdt"));
        main->player()->comLoad_Click();
        if (opening != ListOpening::BeforeGame)
            main->player()->comPlay_Click();
        if (opening == ListOpening::AfterGame)
            main->player()->comStop_Click();
        if (opening == ListOpening::Result) {
            toGoal();
            QTRY_VERIFY(shell->resultFlow().dialog());
            shell->resultFlow().dialog()->comList->click();
        } else {
            main->player()->picMap->setFocus();
            QTest::keyClick(main->player()->picMap, Qt::Key_L);
        }
    }
    if (opening == ListOpening::DuringGame) {
        QVERIFY(main->player()->gameRuns() && !shell->levelFlow().window());
        return;
    }
    QTRY_VERIFY(shell->levelFlow().window());
    LevelListWindow* window = shell->levelFlow().window();
    QTRY_VERIFY(window->isVisible());
    QTRY_VERIFY(!shell->resultFlow().dialog());
    const LevelList& list = window->list();
    QCOMPARE(list.folder(), dir.path());
    QCOMPARE(list.rowCount(), 3);
    QCOMPARE(list.level(2).name, "10-B");
    QCOMPARE(list.countText(), "1 / 2 クリア");
    QCOMPARE(window->lstMazes->currentIndex().row(), 0);
    QTest::keyClick(window->lstMazes, Qt::Key_End);
    QTest::keyClick(window->lstMazes, Qt::Key_Up);
    QTest::keyClick(window->lstMazes, Qt::Key_Return); // 3-b cannot be read
    QVERIFY(!window->lblProblem->isHidden());
    QVERIFY(!main->player() || !main->player()->gameRuns());
    QTest::keyClick(window->lstMazes, Qt::Key_Down);
    QTest::keyClick(window->lstMazes, Qt::Key_Return);
    QVERIFY(main->player() && main->player()->gameRuns());
    QCOMPARE(maze->header.Title, "10-B");
    if (opening == ListOpening::OverEditor)
        QCOMPARE(shell->editorSession().work()->maze.header.Title, "the editor's");
    toGoal();
    QTRY_VERIFY(shell->resultFlow().dialog());
    QCOMPARE(list.data(list.index(2, LevelList::KeysColumn), Qt::DisplayRole).toString(), "4キー");
    QCOMPARE(list.countText(), "2 / 2 クリア");
    // Another program records fewer keys.
    Records(recordsFile).record(list.level(2).key, 9, 2, QDateTime::currentDateTimeUtc());
    QTRY_COMPARE(list.data(list.index(2, LevelList::KeysColumn), Qt::DisplayRole).toString(),
                 "2キー");
    QTest::keyClick(window->lstMazes, Qt::Key_Escape);
    QTRY_VERIFY(!shell->levelFlow().window());
}

// G's choice outlives the program: it is kept in the settings.
void TestShell::ghostChoiceKept()
{
    QTemporaryDir dir;
    PlayRecords records;
    const QString settings = dir.filePath("orvane.conf");
    PlayerGhosts first(records, settings);
    QVERIFY(first.shown()); // until told not
    first.setShown(false);
    QVERIFY(!PlayerGhosts(records, settings).shown());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
