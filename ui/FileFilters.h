#pragma once

#include <QString>

namespace orvane {

// The file dialogs' filters, "description|pattern".
inline const QString MazeFileFilter = QStringLiteral("迷路ファイル(*.mdt)|*.mdt");
inline const QString MidiFileFilter = QStringLiteral("Midiファイル(*.mid)|*.mid");

} // namespace orvane
