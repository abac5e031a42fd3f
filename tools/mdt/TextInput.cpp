#include "TextInput.h"

#include "MazeText.h"
#include "Output.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace orvane {

TextInput readTextInput(const QString& operand)
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
    // One byte past the limit tells a text that is too long.
    using MazeText::MaxTextBytes;
    while (in.bytes.size() <= MaxTextBytes) {
        const QByteArray chunk = file.read(MaxTextBytes + 1 - in.bytes.size());
        if (chunk.isEmpty())
            break;
        in.bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        return refuse(QStringLiteral("reading failed (%1)").arg(file.errorString()));
    if (in.bytes.size() > MaxTextBytes)
        return refuse(QStringLiteral("it is over %1 MiB, too long for a maze text")
                          .arg(MazeText::MaxTextMiB));
    return in;
}

} // namespace orvane
