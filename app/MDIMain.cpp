#include "MDIMain.h"

#include "Appearance.h"
#include "EditorSession.h"
#include "MazeState.h"
#include "PictureBox.h"
#include "PlatformServices.h"
#include "frmEdit.h"
#include "frmPlay.h"
#include "play/Analysis.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <utility>

namespace orvane {
namespace {

// A fixed-size child: title bar with the control menu and a close box only.
constexpr Qt::WindowFlags ChildFlags = Qt::SubWindow | Qt::CustomizeWindowHint |
                                       Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowCloseButtonHint;

// A child window that closed lingers, hidden, until it is deleted at the
// next turn of the event loop: it no longer counts as open.
QMdiSubWindow* openChild(const QPointer<QMdiSubWindow>& slot)
{
    return slot && !slot->isHidden() ? slot.data() : nullptr;
}

// A fixed-size child's window menu offers only what applies to it.
void offerOnlyMoveAndClose(QMdiSubWindow* sub)
{
    QMenu* menu = sub->systemMenu();
    if (!menu)
        return;
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        const QString move = QMdiSubWindow::tr("&Move");
        const QString close = QMdiSubWindow::tr("&Close");
        for (QAction* action : menu->actions())
            action->setVisible(action->text() == move || action->text() == close);
    });
}

} // namespace

MDIMain::MDIMain(MazeState& maze, PlatformServices& services, EditorSession& editorSession,
                 QWidget* parent)
    : QMainWindow(parent), maze_(maze), services_(services), editorSession_(editorSession)
{
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(Caption);
    holdProgramFont(this);
    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(palette().brush(QPalette::Dark)); // the application workspace
    setCentralWidget(mdiArea);
    createMenu();
    resize(467, 345 + menuBar()->sizeHint().height());
}

void MDIMain::createMenu()
{
    mnuContorol = menuBar()->addMenu(tr("コントロール(&C)"));
    mnuContorol->setObjectName(QStringLiteral("mnuContorol"));
    mnuEdit = mnuContorol->addAction(tr("迷路Editor(&E)"), this, &MDIMain::mnuEdit_Click);
    mnuPlay = mnuContorol->addAction(tr("迷路Player(&P)"), this, &MDIMain::mnuPlay_Click);
    mnuBou = mnuContorol->addSeparator();
    mnuEnd = mnuContorol->addAction(tr("終了(&Q)"), this, &MDIMain::mnuEnd_Click);
    mnuHelp = menuBar()->addAction(tr("ヘルプ"), this, &MDIMain::mnuHelp_Click);
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuPlay->setObjectName(QStringLiteral("mnuPlay"));
    mnuBou->setObjectName(QStringLiteral("mnuBou"));
    mnuEnd->setObjectName(QStringLiteral("mnuEnd"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    // F1 as the menu's help, from the main window and the editor; the player
    // keeps it as a key of the game.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, &MDIMain::mnuHelp_Click);
}

bool MDIMain::showChild(QPointer<QMdiSubWindow>& slot, QWidget* form)
{
    if (QMdiSubWindow* open = openChild(slot)) {
        delete form;
        mdiArea->setActiveSubWindow(open);
        return false;
    }
    auto* sub = new QMdiSubWindow(mdiArea, ChildFlags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWidget(form);
    sub->setWindowIcon(windowIcon());
    sub->setFixedSize(sub->sizeHint());
    offerOnlyMoveAndClose(sub);
    mdiArea->addSubWindow(sub);
    sub->move(0, 0);
    slot = sub;
    sub->show();
    mdiArea->setActiveSubWindow(sub);
    form->setFocus();
    return true;
}

frmEdit* MDIMain::newEditor()
{
    auto* editor = new frmEdit(maze_, services_, editorSession_);
    connect(editor, &frmEdit::testPlayRequested, this, &MDIMain::testPlay);
    return editor;
}

void MDIMain::closeChild(QPointer<QMdiSubWindow>& slot)
{
    if (QMdiSubWindow* sub = openChild(slot))
        sub->close();
    slot = nullptr;
}

void MDIMain::mnuEdit_Click()
{
    if (frmPlay* p = player(); p && p->isTestPlay()) {
        p->comStop_Click(); // back to the editor as it was
        return;
    }
    if (!openChild(editSub_)) {
        frmEdit* editor = newEditor();
        editor->Form_Load(); // the window's opening steps
        showChild(editSub_, editor);
    } else {
        mdiArea->setActiveSubWindow(editSub_);
    }
    closeChild(playSub_);
}

frmPlay* MDIMain::newPlayer()
{
    auto* player = new frmPlay(maze_, services_);
    player->setGhostRuns(ghosts_);
    // Once the game's last handler has returned.
    connect(player, &frmPlay::gameEnded, this, &MDIMain::gameEnded, Qt::QueuedConnection);
    connect(player, &frmPlay::levelListRequested, this, &MDIMain::levelListRequested);
    return player;
}

void MDIMain::mnuPlay_Click()
{
    if (!openChild(playSub_))
        showChild(playSub_, newPlayer());
    else
        mdiArea->setActiveSubWindow(playSub_);
    closeChild(editSub_);
}

void MDIMain::testPlay()
{
    const frmEdit* editor = this->editor();
    overviewAfterTestPlay_ = editor && editor->showsOverview();
    auto* player = new frmPlay(maze_, services_);
    // Once the game's last handler has returned.
    connect(player, &frmPlay::testPlayEnded, this, &MDIMain::returnFromTestPlay,
            Qt::QueuedConnection);
    player->startTestPlay(editorSession_.history.mazePath());
    showPlayer(player);
}

void MDIMain::showPlayer(frmPlay* player)
{
    closeChild(playSub_);
    showChild(playSub_, player); // drawn before it shows: painted once
    player->picMap->setFocus();  // the game's, as Play gives it
    closeChild(editSub_);
}

void MDIMain::returnFromTestPlay(const GameOutcome& outcome)
{
    closeChild(playSub_);
    const bool overview = std::exchange(overviewAfterTestPlay_, false);
    if (closed_ || openChild(editSub_))
        return;
    frmEdit* editor = newEditor();
    using End = GameOutcome::End;
    editor->showAgain(outcome.end == End::Goal
                          ? frmEdit::testPlayGoalText(outcome.clockTicks, outcome.keysPressed,
                                                      fewestKeys(maze_).value_or(0))
                      : outcome.end == End::TimeUp ? frmEdit::testPlayTimeUpText()
                                                   : frmEdit::testPlayStoppedText());
    showChild(editSub_, editor);
    if (overview)
        editor->showOverview();
}

void MDIMain::playLoaded(const QString& mazeFile)
{
    frmPlay* player = newPlayer();
    player->playMaze(mazeFile);
    showPlayer(player);
}

frmPlay* MDIMain::showLoaded(const QString& mazeFile)
{
    frmPlay* player = newPlayer();
    player->showMaze(mazeFile);
    showPlayer(player);
    return player;
}

void MDIMain::mnuEnd_Click()
{
    emit endRequested();
}

void MDIMain::mnuHelp_Click()
{
    services_.help.showHelp(this, HelpFile, HelpService::HelpContents);
}

frmEdit* MDIMain::editor() const
{
    QMdiSubWindow* sub = openChild(editSub_);
    return sub ? qobject_cast<frmEdit*>(sub->widget()) : nullptr;
}

frmPlay* MDIMain::player() const
{
    QMdiSubWindow* sub = openChild(playSub_);
    return sub ? qobject_cast<frmPlay*>(sub->widget()) : nullptr;
}

void MDIMain::closeEvent(QCloseEvent* event)
{
    closed_ = true;
    emit closing();
    closeChild(playSub_);
    closeChild(editSub_);
    event->accept();
}

} // namespace orvane
