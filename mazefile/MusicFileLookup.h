#pragma once

#include <QString>

namespace orvane {

// The music file to play for a maze read from `mazePath`. A MusicFile that
// names a readable regular file is used (a relative one from the maze's
// folder). Otherwise (a path from another system, such as
// C:\MIDI\STAGE1.MID) its last path component, split at '\' and '/', is
// looked for in the maze's folder, ignoring letter case; failing that,
// MusicFile is returned unchanged. Never opens a file.
QString lookUpMusicFile(const QString& musicFile, const QString& mazePath);

} // namespace orvane
