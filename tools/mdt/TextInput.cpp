#include "TextInput.h"

#include "MazeText.h"
#include "Output.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace orvane {

TextInput readBoundedInput(const QString& operand, qsizetype bound)
{
    TextInput in;
    const bool standardInput = operand == StandardStream;
    const QString name = standardInput ? QStringLiteral("standard input") : operand;
    auto refuse = [&](const QString& reason) {
        in.bytes.clear();
        in.error = QStringLiteral("orvane-mdt: cannot read %1: %2").arg(name, reason);
        return in;
    };
    const QFileInfo info(operand);
    if (!standardInput && !info.exists())
        return refuse(QStringLiteral("no such file"));
    if (!standardInput && info.isDir())
        return refuse(QStringLiteral("it is a folder"));
    QFile file(operand);
    if (!(standardInput ? file.open(STDIN_FILENO, QIODevice::ReadOnly)
                        : file.open(QIODevice::ReadOnly)))
        return refuse(QStringLiteral("cannot open it (%1)").arg(file.errorString()));
    // One byte past the bound tells a text that is too long.
    while (in.bytes.size() <= bound) {
        const QByteArray chunk = file.read(bound + 1 - in.bytes.size());
        if (chunk.isEmpty())
            break;
        in.bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        return refuse(QStringLiteral("reading failed (%1)").arg(file.errorString()));
    return in;
}

TextInput readTextInput(const QString& operand)
{
    TextInput in = readBoundedInput(operand, MazeText::MaxTextBytes);
    if (in.error.isEmpty() && in.bytes.size() > MazeText::MaxTextBytes) {
        in.bytes.clear();
        in.error = QStringLiteral("orvane-mdt: cannot read %1: it is over %2 MiB, too long for a "
                                  "maze text")
                       .arg(operand == StandardStream ? QStringLiteral("standard input") : operand)
                       .arg(MazeText::MaxTextMiB);
    }
    return in;
}

} // namespace orvane
