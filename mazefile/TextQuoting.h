#pragma once

#include <QByteArray>
#include <QString>

namespace orvane::MazeText {

// Code page 932 bytes as a quoted text: each character that converts back
// to the same bytes as itself, `\\` and `\"` for the backslash and the quote,
// `\xHH` for every other byte.
QString quote(const QByteArray& bytes);

// The bytes of a quoted text that fills `value`, or why it cannot be read.
struct Unquoted {
    QByteArray bytes;
    enum class Fault { None, NotQuoted, BadEscape, NotCp932 } fault = Fault::None;
    QString detail; // the escape or the character at fault
};
Unquoted unquote(QStringView value);

} // namespace orvane::MazeText
