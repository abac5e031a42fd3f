#pragma once

#include <QString>

namespace orvane {

// A window title shown as written: Qt reads "[*]" in a title as the
// modified-document placeholder, and shows a doubled one as "[*]".
inline QString literalWindowTitle(const QString& title)
{
    static const QString Placeholder = QStringLiteral("[*]");
    QString literal = title;
    literal.replace(Placeholder, Placeholder + Placeholder);
    return literal;
}

} // namespace orvane
