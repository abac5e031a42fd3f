#include "LevelFlow.h"

#include "LevelListWindow.h"
#include "MDIMain.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "PlatformServices.h"
#include "PlayRecords.h"
#include "ResultDialog.h"
#include "ResultFlow.h"
#include "SamplePack.h"
#include "frmPlay.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMdiArea>
#include <QScreen>
#include <QTimer>

namespace orvane {
namespace {

// Between the player's window and the list.
constexpr int PlaceGap = 16;
// The records' folder changes in bursts (the lock, the file replaced).
constexpr int RecordsSettleMs = 200;

} // namespace

LevelFlow::LevelFlow(MazeState& maze, PlatformServices& services, PlayRecords& records,
                     ResultFlow& results, QObject* parent)
    : QObject(parent), maze_(maze), services_(services), records_(records), results_(results),
      recordsFolder_(new QFileSystemWatcher(this)), recordsSettle_(new QTimer(this))
{
    recordsSettle_->setSingleShot(true);
    recordsSettle_->setInterval(RecordsSettleMs);
    connect(recordsFolder_, &QFileSystemWatcher::directoryChanged, recordsSettle_,
            qOverload<>(&QTimer::start));
    connect(recordsSettle_, &QTimer::timeout, this, &LevelFlow::followRecords);
    connect(&results, &ResultFlow::gameRecorded, this, [this] {
        if (window_)
            window_->list().recordsChanged();
    });
    connect(&results, &ResultFlow::listRequested, this, &LevelFlow::openFor);
}

LevelFlow::~LevelFlow()
{
    delete window_;
}

LevelListWindow* LevelFlow::window() const
{
    return window_;
}

void LevelFlow::follow(MDIMain* main)
{
    main_ = main;
    connect(main, &MDIMain::levelListRequested, this, &LevelFlow::openFor);
    connect(main, &MDIMain::closing, this, [this] {
        if (window_)
            window_->close();
    });
}

void LevelFlow::openFor(const QString& mazeFile)
{
    open(mazeFile.isEmpty() ? QString() : QFileInfo(mazeFile).absolutePath(), mazeFile);
}

void LevelFlow::open(const QString& folder, const QString& current)
{
    if (!main_ || main_->isClosing())
        return;
    const QString shown = folder.isEmpty() ? samplePackFolder() : folder;
    // What other programs recorded meanwhile is shown too, and what they record from now on.
    recordsRead_ = stampOf(records_.file());
    records_.reload();
    if (!records_.file().isEmpty() && recordsFolder_->directories().isEmpty())
        recordsFolder_->addPath(QFileInfo(records_.file()).absolutePath());
    if (!window_) {
        window_ = new LevelListWindow(
            [this](const QByteArray& key) { return records_.lookup(key); }, main_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        connect(window_, &LevelListWindow::chosen, this, &LevelFlow::play);
        window_->list().open(shown);
        place();
    } else if (QFileInfo(window_->list().folder()) != QFileInfo(shown)) {
        window_->list().open(shown);
    } else {
        window_->list().recordsChanged();
    }
    window_->select(current);
    window_->show();
    window_->raise();
    window_->activateWindow();
    results_.tellRecords(window_);
}

void LevelFlow::followRecords()
{
    if (!window_ || stampOf(records_.file()) == recordsRead_)
        return;
    recordsRead_ = stampOf(records_.file());
    records_.reload();
    window_->list().recordsChanged();
    results_.tellRecords(window_);
}

void LevelFlow::place()
{
    const QRect area(main_->mdiArea->mapToGlobal(QPoint(0, 0)), main_->mdiArea->size());
    QRect frame(QPoint(), window_->frameGeometry().size());
    frame.moveTopLeft(area.topLeft() + QPoint(frmPlay::ClientSize.width() + PlaceGap, 0));
    if (const QScreen* screen = main_->screen()) {
        const QRect available = screen->availableGeometry();
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    }
    window_->move(frame.topLeft());
}

void LevelFlow::play(const QString& file)
{
    if (!main_ || main_->isClosing())
        return;
    // A test play is the editor's: it ends back there, not in another game.
    if (const frmPlay* player = main_->player(); player && player->isTestPlay()) {
        services_.beep.beep();
        return;
    }
    // A file that became unreadable since it was listed is told as the
    // player's Load tells it, and its row says so; nothing else changes.
    MazeFile::ReadResult read = MazeFile::read(file);
    if (!read.ok()) {
        services_.messageBox.show(window_, mazeFileMessage(read.error));
        if (window_)
            window_->list().readAgain(file);
        return;
    }
    if (ResultDialog* result = results_.dialog())
        result->close();
    // An open editor goes first, keeping its work: the model then takes the maze.
    main_->mnuPlay_Click();
    MazeFile::replaceMaze(maze_, std::move(*read.maze));
    main_->playLoaded(file);
    // The game's keys go to the player.
    main_->activateWindow();
}

} // namespace orvane
