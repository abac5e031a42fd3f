#pragma once
// A game's run as text, to be shared and proved: the keys in one line of
// letters (U, D, L, R for the arrow keys, S for a key that does not move the
// ball), the play clock's tick of each in the next, apart by spaces:
//
//     RRDDSU
//     0 0 1 1 2 4

#include "play/GameRun.h"

#include <QByteArray>
#include <QByteArrayView>

namespace orvane::RunText {

// A tick is a whole number of seconds, 0 to MaxTick.
inline constexpr int MaxTick = 999'999'999;
// Longer than this (MaxRunKeys letters, and as many ticks of nine digits
// with their spaces, and the line ends) a text is refused unread.
inline constexpr qsizetype MaxTextBytes = qsizetype(MaxRunKeys) * 11 + 4;

struct Problem {
    enum class Kind {
        None,
        TooLong,      // over MaxRunKeys keys, or MaxTextBytes bytes
        BadLetter,    // a key that is not one of U D L R S
        BadTick,      // a tick that is not a whole number in 0..MaxTick
        TicksFalling, // a tick below the one before it
        CountsDiffer, // not as many ticks as keys (none at all included)
        ExtraLine,    // text after the ticks' line
    };
    Kind kind = Kind::None;
    int line = 0;     // 1 the keys, 2 the ticks, 3 what follows
    int position = 0; // the letter's or the tick's number, from 1
    explicit operator bool() const { return kind != Kind::None; }
};

struct Read {
    GameRun run; // empty when refused
    Problem problem;
};

Read read(QByteArrayView text);
QByteArray write(const GameRun& run);

// The two lines apart, without their line ends, as the records keep them.
Read fromLines(QByteArrayView keys, QByteArrayView ticks);
QByteArray ticksLine(const std::vector<int>& ticks);

} // namespace orvane::RunText
