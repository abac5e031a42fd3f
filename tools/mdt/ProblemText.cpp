#include "ProblemText.h"

#include "MazeFileMessages.h"

namespace orvane {

QString problemText(const MazeFileError& error)
{
    return QStringLiteral("orvane-mdt: ") + mazeFileMessage(error).replace(u'\n', u' ');
}

} // namespace orvane
