#pragma once

#include "edit/EditHistory.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace orvane {

struct MazeState;

// What the editor window showed beyond the maze itself, to show it again
// after a test play.
struct EditorView {
    QString title;
    QString time;
    bool noTimeLimit = false;
    QString music;
    int sizeButton = 0; // the checked size button, 0..7
    int scrollX = 0;
    int scrollY = 0;
    QString coordinates;
    bool checkShown = false; // the check on the map (F6)
    // The working values the player moves the ball and counts the time in.
    int16_t cursorX = 0;
    int16_t cursorY = 0;
    int16_t timeLeft = 0;
};

// What belongs to the maze being edited rather than to one editor window:
// its undo history (with the maze file it was last loaded from or saved to)
// and, during a test play, the view to come back to.
struct EditorSession {
    explicit EditorSession(MazeState& maze) : history(maze) {}

    // A new maze: no history, no file, no view.
    void startOver()
    {
        history.clear();
        view.reset();
    }

    EditHistory history;
    std::optional<EditorView> view;
};

} // namespace orvane
