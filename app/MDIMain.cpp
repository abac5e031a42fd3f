#include "MDIMain.h"

#include "Appearance.h"
#include "Cp932.h"
#include "EditorSession.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "MazeFolder.h"
#include "MazeState.h"
#include "PictureBox.h"
#include "PlatformServices.h"
#include "PlayRecords.h"
#include "ResultDialog.h"
#include "frmEdit.h"
#include "frmPlay.h"
#include "play/Analysis.h"

#include <QCloseEvent>
#include <QFileInfo>
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

// The fewest keys of the maze the model holds; none when it cannot be solved.
std::optional<int> fewestKeys(const MazeState& maze)
{
    const MazeAnalysis analysis = analyseMaze(maze);
    return analysis.solvable ? std::optional<int>(int(analysis.route.size())) : std::nullopt;
}

} // namespace

MDIMain::MDIMain(MazeState& maze, PlatformServices& services, EditorSession& editorSession,
                 PlayRecords& records, QWidget* parent)
    : QMainWindow(parent), maze_(maze), services_(services), editorSession_(editorSession),
      records_(records)
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
    // Once the game's last handler has returned.
    connect(player, &frmPlay::gameEnded, this, &MDIMain::showResult, Qt::QueuedConnection);
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
                          ? frmEdit::testPlayGoalText(outcome.secondsUsed, outcome.keysPressed,
                                                      fewestKeys(maze_).value_or(0))
                      : outcome.end == End::TimeUp ? frmEdit::testPlayTimeUpText()
                                                   : frmEdit::testPlayStoppedText());
    showChild(editSub_, editor);
    if (overview)
        editor->showOverview();
}

void MDIMain::showResult(const GameOutcome& outcome)
{
    if (outcome.end != GameOutcome::End::Goal || closed_)
        return;
    GameResult result;
    result.title = Cp932::toUnicode(maze_.header.Title);
    if (result.title.isEmpty())
        result.title = QFileInfo(outcome.mazePath).completeBaseName();
    result.secondsUsed = outcome.secondsUsed;
    result.timeLimit = maze_.header.TimeLimit;
    result.keysPressed = outcome.keysPressed;
    result.fewestKeys = fewestKeys(maze_);
    const PlayRecords::Recorded recorded =
        records_.record(maze_, outcome.secondsUsed, outcome.keysPressed);
    result.best = recorded.best;
    result.newBests = recorded.news;
    resultMaze_ = outcome.mazePath;
    nextMaze_ = nextMazeFile(outcome.mazePath);
    result.hasNext = !nextMaze_.isEmpty();

    delete result_;
    result_ = new ResultDialog(result, this);
    result_->setAttribute(Qt::WA_DeleteOnClose);
    connect(result_, &ResultDialog::againChosen, this, &MDIMain::playAgain);
    connect(result_, &ResultDialog::nextChosen, this, &MDIMain::playNext);
    result_->open();
    if (const std::optional<QString> aside = records_.takeSetAside())
        services_.messageBox.show(result_, ResultDialog::recordsSetAsideMessage(*aside));
    if (const std::optional<MazeFileProblem> failure = records_.takeSaveFailure())
        services_.messageBox.show(result_,
                                  ResultDialog::recordsNotSavedMessage(*failure, records_.file()));
}

void MDIMain::playAgain()
{
    // The model still holds the maze the game was played on.
    result_->close();
    frmPlay* player = newPlayer();
    player->playMaze(resultMaze_);
    showPlayer(player);
}

void MDIMain::playNext()
{
    // A file the reader refuses is told as the player's Load tells it; the
    // result stays open and the model as it was.
    if (const MazeFileError error = MazeFile::load(nextMaze_, maze_)) {
        services_.messageBox.show(result_, mazeFileMessage(error));
        return;
    }
    result_->close();
    frmPlay* player = newPlayer();
    player->playMaze(nextMaze_);
    showPlayer(player);
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

ResultDialog* MDIMain::result() const
{
    return result_;
}

void MDIMain::closeEvent(QCloseEvent* event)
{
    closed_ = true;
    if (result_)
        result_->close();
    closeChild(playSub_);
    closeChild(editSub_);
    event->accept();
}

} // namespace orvane
