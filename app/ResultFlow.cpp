#include "ResultFlow.h"

#include "Cp932.h"
#include "MDIMain.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "MazeFolder.h"
#include "MazeState.h"
#include "PlatformServices.h"
#include "PlayRecords.h"
#include "ResultDialog.h"
#include "frmPlay.h"
#include "play/Analysis.h"

#include <QFileInfo>

#include <memory>

namespace orvane {
namespace {

bool readable(const QString& file)
{
    const auto scratch = std::make_unique<MazeState>();
    return !MazeFile::load(file, *scratch);
}

} // namespace

ResultFlow::ResultFlow(MazeState& maze, PlatformServices& services, PlayRecords& records,
                       QObject* parent)
    : QObject(parent), maze_(maze), services_(services), records_(records)
{
}

void ResultFlow::follow(MDIMain* main)
{
    main_ = main;
    connect(main, &MDIMain::gameEnded, this, &ResultFlow::gameEnded);
    connect(main, &MDIMain::closing, this, [this] {
        if (dialog_)
            dialog_->close();
    });
}

void ResultFlow::gameEnded(const GameOutcome& outcome)
{
    if (outcome.end != GameOutcome::End::Goal || !main_ || main_->isClosing())
        return;
    GameResult result;
    result.title = Cp932::toUnicode(maze_.header.Title);
    if (result.title.isEmpty())
        result.title = QFileInfo(outcome.mazePath).completeBaseName();
    result.secondsUsed = outcome.clockTicks;
    result.timeLimit = maze_.header.TimeLimit;
    result.keysPressed = outcome.keysPressed;
    result.fewestKeys = fewestKeys(maze_);
    const PlayRecords::Recorded recorded =
        records_.record(maze_, outcome.clockTicks, outcome.keysPressed, outcome.run);
    result.best = recorded.best;
    result.newBests = recorded.news;
    result.replayable = !outcome.run.empty();
    mazeFile_ = outcome.mazePath;
    emit gameRecorded();
    run_ = outcome.run;

    delete dialog_;
    dialog_ = new ResultDialog(result, main_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog_, &ResultDialog::againChosen, this, &ResultFlow::playAgain);
    connect(dialog_, &ResultDialog::nextChosen, this, &ResultFlow::playNext);
    connect(dialog_, &ResultDialog::listChosen, this, [this] {
        dialog_->close();
        emit listRequested(mazeFile_);
    });
    connect(dialog_, &ResultDialog::replayChosen, this, &ResultFlow::replay);
    showNext(mazeFile_);
    dialog_->open();
    tellRecords(dialog_);
}

void ResultFlow::showNext(const QString& after, QStringList skipped)
{
    const NextMaze next = nextMaze(after, readable);
    nextFile_ = next.file;
    dialog_->showNext(!nextFile_.isEmpty(), skipped << next.skipped);
}

void ResultFlow::tellRecords(QWidget* window)
{
    if (const std::optional<QString> aside = records_.takeSetAside())
        services_.messageBox.show(window, ResultDialog::recordsSetAsideMessage(*aside));
    if (records_.takeNewerVersion())
        services_.messageBox.show(window,
                                  ResultDialog::recordsOfNewerVersionMessage(records_.file()));
    if (const std::optional<MazeFileProblem> failure = records_.takeSaveFailure())
        services_.messageBox.show(window,
                                  ResultDialog::recordsNotSavedMessage(*failure, records_.file()));
}

void ResultFlow::playAgain()
{
    // The model still holds the maze the game was played on.
    dialog_->close();
    main_->playLoaded(mazeFile_);
}

void ResultFlow::replay()
{
    // The model still holds the maze the game was played on.
    dialog_->close();
    main_->showLoaded(mazeFile_)->replay(run_);
}

void ResultFlow::playNext()
{
    // A file that became unreadable since it was offered is told as the
    // player's Load tells it; the result offers the one after it.
    if (const MazeFileError error = MazeFile::load(nextFile_, maze_)) {
        services_.messageBox.show(dialog_, mazeFileMessage(error));
        showNext(nextFile_, {QFileInfo(nextFile_).fileName()});
        return;
    }
    dialog_->close();
    main_->playLoaded(nextFile_);
}

} // namespace orvane
