#pragma once

#include <QString>

namespace orvane {

// Why a maze file could not be read or written, with the values the reason
// names. The user interface puts it into words.
struct MazeFileProblem {
    enum class Kind {
        None,
        // Reading
        NotFound,          // no such file
        IsFolder,          // the path names a folder
        NotRegularFile,    // a FIFO, a device, a socket (also when writing)
        OpenFailed,        // detail: the system's reason
        ReadFailed,        // detail: the system's reason
        HeaderCut,         // the file ends inside the header
        TextTooLong,       // text; first: its byte count, over MaxTextLength
        TextPastEnd,       // text; first: its byte count, second: the bytes left in the file
        GridCut,           // first: the bytes of the grid block the file holds
        MapSizeOutOfRange, // first, second: width and height, outside MapSizeMin..MapSizeMax
        StartOutOfRange,   // first, second: the cell, outside GridMin..GridMax
        GoalOutOfRange,    // first, second: the cell, outside GridMin..GridMax
        // Writing
        NoFolder,       // detail: the folder that is missing
        TargetIsFolder, // a folder has the file's name
        CreateFailed,   // systemError or detail: the system's reason
        WriteFailed,    // systemError or detail: the system's reason
        // The new contents replaced the file, but the folder's sync failed
        // (systemError): the system did not confirm the save is on the disk.
        NotConfirmed,
        // Rewriting in place: detail: the recovery folder; systemError: why
        // the copy of the old contents could not be made there. Nothing changed.
        RecoveryCopyFailed,
        // Rewriting in place: systemError: why the write failed; the old bytes
        // could not be put back either. detail: the copy of the old contents.
        MayBeDamaged,
    };
    // The header text of TextTooLong and TextPastEnd.
    enum class Text { Title, MusicFile };

    Kind kind = Kind::None;
    Text text = Text::Title;
    int first = 0;
    int second = 0;
    QString detail;
    int systemError = 0; // errno of the failing call, where the system gave one

    explicit operator bool() const { return kind != Kind::None; }
    // Whether the file now holds what was written.
    bool written() const { return kind == Kind::None || kind == Kind::NotConfirmed; }
};

// A problem with one maze file.
struct MazeFileError {
    enum class Operation { Read, Write };

    Operation operation = Operation::Read;
    QString path;
    MazeFileProblem problem;

    explicit operator bool() const { return bool(problem); }
};

} // namespace orvane
