#pragma once

#include <QByteArray>
#include <QString>

namespace orvane {

struct TextInput {
    QByteArray bytes;
    QString error; // the tool's message; empty when read
};

// Reads a file, or standard input for "-", up to one byte past `bound`, so
// that the reader can tell a text that is too long without reading it whole.
TextInput readBoundedInput(const QString& operand, qsizetype bound);

// Reads a whole text file, or standard input for "-", up to
// MazeText::MaxTextBytes.
TextInput readTextInput(const QString& operand);

} // namespace orvane
