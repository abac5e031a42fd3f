#pragma once

#include "play/GameRun.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace orvane {

struct GameOutcome;
class MDIMain;
struct MazeState;
class PlayRecords;
struct PlatformServices;
class ResultDialog;

// What follows a game from the menu that reached the goal: the game is
// recorded, its result shown over the main window, and from there the same
// maze is played again or the next one of its folder, or the game replayed.
class ResultFlow : public QObject {
    Q_OBJECT
public:
    ResultFlow(MazeState& maze, PlatformServices& services, PlayRecords& records,
               QObject* parent = nullptr);

    // The window the result shows over and the next games start in; its
    // games' ends come here.
    void follow(MDIMain* main);
    // The result shown, while it is open.
    ResultDialog* dialog() const { return dialog_; }
    // Tells over `window` what is to be told of the records' file, if anything.
    void tellRecords(QWidget* window);

signals:
    // A game was recorded: the bests may have changed.
    void gameRecorded();
    // The result's 一覧 asks for the level list of the folder of `mazeFile`.
    void listRequested(const QString& mazeFile);

private:
    void gameEnded(const GameOutcome& outcome);
    void playAgain();
    void playNext();
    void replay();
    // Offers the first readable maze after `after`, telling the files passed over.
    void showNext(const QString& after, QStringList skipped = {});

    MazeState& maze_;
    PlatformServices& services_;
    PlayRecords& records_;
    QPointer<MDIMain> main_;
    QPointer<ResultDialog> dialog_;
    QString mazeFile_; // the maze file of the result shown, and the one after it
    QString nextFile_;
    GameRun run_; // of the game the result shows
};

} // namespace orvane
