#pragma once

#include <QByteArray>

#include <cstdint>

namespace orvane {

// The maze's header, fields in file order. Texts hold the file's code page
// 932 bytes; convert with Cp932 at the user-interface edge.
struct MazeHeader {
    QByteArray Title;
    int16_t TimeLimit = 0;
    int16_t StartX = 0;
    int16_t StartY = 0;
    int16_t GoalX = 0;
    int16_t GoalY = 0;
    QByteArray MusicFile;
    int16_t MapWidth = 0;
    int16_t MapHeight = 0;

    friend bool operator==(const MazeHeader&, const MazeHeader&) = default;
};

} // namespace orvane
