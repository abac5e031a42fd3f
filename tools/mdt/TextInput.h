#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

// The most a maze text may hold; far more than any maze needs.
inline constexpr qsizetype MaxTextBytes = 16 * 1024 * 1024;

struct TextInput {
    QByteArray bytes;
    QString error; // the tool's message; empty when read
};

// Reads a whole text file, or standard input for "-", up to MaxTextBytes.
TextInput readTextInput(const QString& operand);

} // namespace orvane
