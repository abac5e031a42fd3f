#include "ProblemText.h"

#include "MazeCodec.h"

#include <cstring>

namespace orvane {
namespace {

using Kind = MazeFileProblem::Kind;

QString textName(MazeFileProblem::Text text)
{
    return text == MazeFileProblem::Text::Title ? QStringLiteral("title")
                                                : QStringLiteral("music file name");
}

QString outOfRange(const char* what, const MazeFileProblem& p, int lo, int hi)
{
    return QStringLiteral("%1 (%2, %3) is outside %4..%5")
        .arg(QLatin1String(what))
        .arg(p.first)
        .arg(p.second)
        .arg(lo)
        .arg(hi);
}

// The system's reason for a failed write.
QString systemReason(const MazeFileProblem& p)
{
    return p.systemError ? QString::fromLocal8Bit(std::strerror(p.systemError)) : p.detail;
}

QString reason(const MazeFileProblem& p)
{
    switch (p.kind) {
    case Kind::None:
        break;
    case Kind::NotFound:
        return QStringLiteral("no such file");
    case Kind::IsFolder:
        return QStringLiteral("it is a folder");
    case Kind::NotRegularFile:
        return QStringLiteral("not a regular file");
    case Kind::OpenFailed:
        return QStringLiteral("cannot open it (%1)").arg(p.detail);
    case Kind::ReadFailed:
        return QStringLiteral("reading failed (%1)").arg(p.detail);
    case Kind::HeaderCut:
        return QStringLiteral("the file ends inside the header");
    case Kind::TextTooLong:
        return QStringLiteral("the %1 is %2 bytes long, over the limit of %3")
            .arg(textName(p.text))
            .arg(p.first)
            .arg(MazeCodec::MaxTextLength);
    case Kind::TextPastEnd:
        return QStringLiteral("the %1 is %2 bytes long but only %3 bytes are left in the file")
            .arg(textName(p.text))
            .arg(p.first)
            .arg(p.second);
    case Kind::GridCut:
        return QStringLiteral("the grid is cut short (%1 of %2 bytes)")
            .arg(p.first)
            .arg(MazeCodec::GridBlockSize);
    case Kind::MapSizeOutOfRange:
        return outOfRange("map size", p, MapSizeMin, MapSizeMax);
    case Kind::StartOutOfRange:
        return outOfRange("start", p, GridMin, GridMax);
    case Kind::GoalOutOfRange:
        return outOfRange("goal", p, GridMin, GridMax);
    case Kind::NoFolder:
        return QStringLiteral("the folder %1 does not exist").arg(p.detail);
    case Kind::TargetIsFolder:
        return QStringLiteral("a folder has that name");
    case Kind::CreateFailed:
        return QStringLiteral("cannot create it (%1)").arg(systemReason(p));
    case Kind::WriteFailed:
        return QStringLiteral("writing failed (%1)").arg(systemReason(p));
    case Kind::RecoveryCopyFailed:
        return QStringLiteral(
                   "cannot keep a copy of its old contents in %1 (%2); it was not changed")
            .arg(p.detail, systemReason(p));
    case Kind::MayBeDamaged:
        return QStringLiteral("writing failed (%1) and its old contents could not be put back: "
                              "the file may be damaged; a copy of its old contents is kept in %2")
            .arg(systemReason(p), p.detail);
    }
    return {};
}

} // namespace

QString problemText(const MazeFileError& error)
{
    const char* verb = error.operation == MazeFileError::Operation::Read ? "read" : "write";
    return QStringLiteral("orvane-mdt: cannot %1 %2: %3")
        .arg(QLatin1String(verb), error.path, reason(error.problem));
}

} // namespace orvane
