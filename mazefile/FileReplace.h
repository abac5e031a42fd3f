#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

// How replacing a file's contents failed.
struct ReplaceFailure {
    enum class Step {
        None,
        Create, // no new file could be made, nor the old one opened for writing
        Write,  // writing, reserving space or committing failed
    };
    Step step = Step::None;
    int systemError = 0; // errno of the failing call, 0 when the system gave none
    QString detail;      // Qt's wording, when it gave no errno

    explicit operator bool() const { return step != Step::None; }
};

// Replaces the contents of the file at path with bytes, or creates it.
// Atomic where the folder lets a new file be made beside it: the old file
// stays whole until the new one is complete. Where it does not, an existing
// file is rewritten in place: the whole size is reserved first, and the old
// bytes are put back if a write still fails. The space is reserved before the
// first byte is written either way, so a full disk refuses the save at once.
// The file keeps its permission bits (and, where allowed, its owner).
ReplaceFailure replaceFileContents(const QString& path, const QByteArray& bytes);

} // namespace orvane
