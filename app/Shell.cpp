#include "Shell.h"

#include "EditorSession.h"
#include "LevelFlow.h"
#include "MDIMain.h"
#include "PlatformServices.h"
#include "PlayRecords.h"
#include "PlayerGhosts.h"
#include "ResultDialog.h"
#include "ResultFlow.h"
#include "frmPlay.h"
#include "frmSplash.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace orvane {

Shell::Shell(MazeState& maze, PlatformServices& services, const QString& workFolder,
             const QString& recordsFile, const QString& settingsFile)
    : maze_(maze), services_(services),
      editorSession_(std::make_unique<EditorSession>(maze, workFolder)),
      records_(std::make_unique<PlayRecords>(recordsFile)),
      ghosts_(std::make_unique<PlayerGhosts>(*records_, settingsFile)),
      resultFlow_(std::make_unique<ResultFlow>(maze, services, *records_)),
      levelFlow_(std::make_unique<LevelFlow>(maze, services, *records_, *resultFlow_))
{
    // The editor draws the runs the records keep, read afresh from their file.
    editorSession_->recordsFile = records_->file();
}

Shell::~Shell()
{
    // The windows go first: an editor window uses the session until it is deleted.
    delete splash_;
    delete main_;
}

frmSplash* Shell::splash() const
{
    return splash_;
}

MDIMain* Shell::mainWindow() const
{
    return main_;
}

void Shell::start(const QString& mazeFile)
{
    if (!mazeFile.isEmpty()) {
        showMain();
        // Once the main window is up, so that a refused file's message shows over it.
        QTimer::singleShot(0, main_, [this, mazeFile] { playMaze(mazeFile); });
        return;
    }
    splash_ = new frmSplash;
    splash_->setAttribute(Qt::WA_DeleteOnClose);
    connect(splash_, &frmSplash::left, this, &Shell::leaveSplash);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = splash_->rect();
        frame.moveCenter(screen->availableGeometry().center());
        splash_->move(frame.topLeft());
    }
    splash_->show();
}

void Shell::startWithList(const QString& folder)
{
    showMain();
    main_->mnuPlay_Click();
    // Once the main window is up, so that the list shows over it.
    QTimer::singleShot(0, main_, [this, folder] { levelFlow_->open(folder); });
}

void Shell::leaveSplash()
{
    if (splash_)
        splash_->close();
    if (!main_)
        showMain();
}

void Shell::showMain()
{
    main_ = new MDIMain(maze_, services_, *editorSession_);
    main_->setAttribute(Qt::WA_DeleteOnClose);
    main_->setGhostRuns(ghosts_.get());
    resultFlow_->follow(main_);
    levelFlow_->follow(main_);
    connect(main_, &MDIMain::endRequested, this, &Shell::end);
    main_->showMaximized();
    // The music's SoundFont loads in the background from now on, so that
    // neither opening the player nor pressing Play waits for it.
    services_.music.preload();
}

void Shell::playMaze(const QString& mazeFile)
{
    main_->mnuPlay_Click();
    if (frmPlay* player = main_->player())
        player->loadMaze(mazeFile);
}

void Shell::end()
{
    // At once: no question, nothing saved, no closing step of any window;
    // the records that wait are written as the shell goes. The event loop ends without
    // QCoreApplication::quit()'s attempt to close every window first.
    QCoreApplication::exit(0);
}

} // namespace orvane
