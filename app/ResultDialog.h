#pragma once

#include "MazeConstants.h"
#include "Records.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;

namespace orvane {

// What the result of a game shows.
struct GameResult {
    QString title; // the maze's title, else its file's name
    int secondsUsed = 0;
    int16_t timeLimit = NoTimeLimit;
    int keysPressed = 0;
    std::optional<int> fewestKeys;
    std::optional<MazeRecord> best; // the bests with this game counted
    NewBests newBests;
    bool replayable = false; // the game's run was kept
};

// The result of a game from the menu that reached the goal, over the main
// window: the time and keys against the limit and the fewest keys, the
// player's bests, and what to play next, or the game again as a replay.
// Enter plays the next maze where there is one (showNext), else the same
// again; Esc closes; 一覧 shows the level list.
class ResultDialog : public QDialog {
    Q_OBJECT
public:
    static QString caption();
    static QString newBestText();
    // The records' file was damaged and went to `setAsideAs`; the records
    // cannot be written to `file`, for `problem`.
    static QString recordsSetAsideMessage(const QString& setAsideAs);
    static QString recordsNotSavedMessage(const MazeFileProblem& problem, const QString& file);
    // A later version of the program wrote the records' `file`.
    static QString recordsOfNewerVersionMessage(const QString& file);
    // Maze files passed over on the way to the next, by name.
    static QString skippedText(const QStringList& names);

    ResultDialog(const GameResult& result, QWidget* parent);

    // Whether there is a next maze to play, and the files passed over to it.
    void showNext(bool hasNext, const QStringList& skipped);

    QLabel* lblTitle;
    QLabel* lblTime;
    QLabel* lblKeys;
    QLabel* lblBestTime;
    QLabel* lblBestKeys;
    QLabel* lblNewBestTime; // shown for a new best only
    QLabel* lblNewBestKeys;
    QLabel* lblSkipped; // shown when files were passed over
    QPushButton* comAgain;
    QPushButton* comNext;
    QPushButton* comReplay;
    QPushButton* comClose;
    QPushButton* comList; // the level list of the maze's folder

signals:
    void againChosen();
    void nextChosen();
    void listChosen();
    void replayChosen();
};

} // namespace orvane
