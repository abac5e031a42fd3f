#pragma once

#include <QRgb>

#include <array>

namespace orvane::chipgen {

// The three shades of one wall and floor colour.
struct ColourFamily {
    const char* name;
    QRgb light;
    QRgb face;
    QRgb dark;
};

namespace colours {

inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);

// One family per sheet column of the wall and floor rows.
inline constexpr std::array<ColourFamily, 6> Families{{
    {"grey", qRgb(170, 170, 170), qRgb(124, 124, 124), qRgb(98, 98, 98)},
    {"red", qRgb(221, 0, 0), qRgb(153, 0, 0), qRgb(85, 0, 0)},
    {"green", qRgb(0, 255, 85), qRgb(0, 187, 62), qRgb(0, 119, 39)},
    {"blue", qRgb(42, 0, 255), qRgb(30, 0, 187), qRgb(19, 0, 119)},
    {"purple", qRgb(170, 0, 255), qRgb(124, 0, 187), qRgb(78, 0, 119)},
    {"gold", qRgb(255, 212, 0), qRgb(187, 155, 0), qRgb(119, 98, 0)},
}};

inline constexpr QRgb Arrow = qRgb(0, 255, 255);
inline constexpr QRgb Disc = qRgb(0, 255, 170);
inline constexpr QRgb Letter = qRgb(255, 0, 127);

// The ball's shading, darkest first.
inline constexpr int BallShades = 14;
inline constexpr int BallDarkest = 58;
inline constexpr int BallLightest = 163;

// The program icon.
inline constexpr QRgb IconFrame = qRgb(0, 255, 255);
inline constexpr QRgb IconGround = qRgb(0, 0, 128);
inline constexpr QRgb IconWall = qRgb(255, 255, 0);
inline constexpr QRgb PencilLight = qRgb(96, 240, 96);
inline constexpr QRgb PencilBody = qRgb(0, 192, 48);
inline constexpr QRgb PencilDark = qRgb(0, 112, 32);
inline constexpr QRgb PencilWood = qRgb(240, 200, 136);
inline constexpr QRgb PencilLead = qRgb(64, 64, 64);
inline constexpr QRgb PencilFerrule = qRgb(192, 192, 192);
inline constexpr QRgb PencilEraser = qRgb(255, 128, 160);

// The maze file icon's folded corner.
inline constexpr QRgb PageFold = qRgb(192, 192, 192);

} // namespace colours
} // namespace orvane::chipgen
