#pragma once

#include <QByteArray>
#include <QString>

namespace orvane::Cp932 {

// Whether the system's converter for code page 932 can be opened. Without it
// every conversion gives nothing: programs check this once at start.
bool isAvailable();

// Code page 932 bytes to text. Byte 0x5C is a backslash. Bytes that are not
// valid code page 932 become U+FFFD; the model keeps the bytes themselves, so
// nothing is lost in a round trip through a file.
QString toUnicode(const QByteArray& bytes);

// Text to code page 932 bytes. Characters code page 932 cannot hold become
// '?'; when lossless is given it tells whether any did.
QByteArray fromUnicode(const QString& text, bool* lossless = nullptr);

} // namespace orvane::Cp932
