#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

struct TextInput {
    QByteArray bytes;
    QString error; // the tool's message; empty when read
};

// Reads a whole text file, or standard input for "-", up to
// MazeText::MaxTextBytes.
TextInput readTextInput(const QString& operand);

} // namespace orvane
