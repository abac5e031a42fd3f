#include "MazeFileMessages.h"

#include "MazeCodec.h"

#include <QDir>

#include <cerrno>

namespace orvane {
namespace {

using Kind = MazeFileProblem::Kind;

QString textName(MazeFileProblem::Text text)
{
    return text == MazeFileProblem::Text::Title ? QStringLiteral("タイトル")
                                                : QStringLiteral("音楽ファイル名");
}

QString outOfRange(const QString& what, const MazeFileProblem& p, int lo, int hi)
{
    return QStringLiteral("%1 (%2, %3) が %4〜%5 の範囲外です。")
        .arg(what)
        .arg(p.first)
        .arg(p.second)
        .arg(lo)
        .arg(hi);
}

// The system's reason for a failed write, in the user's words where we have
// them; Qt's (translated) wording for the rest.
QString systemReason(const MazeFileProblem& p)
{
    switch (p.systemError) {
    case 0:
        return p.detail;
    case ENOSPC:
        return QStringLiteral("ディスクの空き領域が足りません");
    case EDQUOT:
        return QStringLiteral("ディスク使用量の上限を超えます");
    case EACCES:
    case EPERM:
        return QStringLiteral("アクセスが拒否されました");
    case EROFS:
        return QStringLiteral("読み取り専用のドライブです");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます");
    case EIO:
        return QStringLiteral("入出力エラーが起きました");
    default:
        return qt_error_string(p.systemError);
    }
}

// "text (reason)。", or "text。" when there is no reason to give.
QString withReason(const QString& text, const QString& why)
{
    return why.isEmpty() ? text + u'。' : QStringLiteral("%1 (%2)。").arg(text, why);
}

QString reason(const MazeFileProblem& p)
{
    switch (p.kind) {
    case Kind::None:
        break;
    case Kind::NotFound:
        return QStringLiteral("ファイルが見つかりません。");
    case Kind::IsFolder:
        return QStringLiteral("フォルダーです。迷路ファイルを選んでください。");
    case Kind::NotRegularFile:
        return QStringLiteral("通常のファイルではありません。");
    case Kind::OpenFailed:
        return QStringLiteral("ファイルを開けません (%1)。").arg(p.detail);
    case Kind::ReadFailed:
        return QStringLiteral("読み取りに失敗しました (%1)。").arg(p.detail);
    case Kind::HeaderCut:
        return QStringLiteral("ファイルが短すぎます。ヘッダーの途中で終わっています。");
    case Kind::TextTooLong:
        return QStringLiteral("%1が長すぎます (%2 バイト、上限 %3 バイト)。")
            .arg(textName(p.text))
            .arg(p.first)
            .arg(MazeCodec::MaxTextLength);
    case Kind::TextPastEnd:
        return QStringLiteral("%1の長さ %2 バイトがファイルの残りの %3 バイトを超えています。")
            .arg(textName(p.text))
            .arg(p.first)
            .arg(p.second);
    case Kind::GridCut:
        return QStringLiteral("迷路データが途中で終わっています (%1 バイトのうち %2 "
                              "バイトしかありません)。")
            .arg(MazeCodec::GridBlockSize)
            .arg(p.first);
    case Kind::MapSizeOutOfRange:
        return outOfRange(QStringLiteral("マップの大きさ"), p, MapSizeMin, MapSizeMax);
    case Kind::StartOutOfRange:
        return outOfRange(QStringLiteral("スタート位置"), p, GridMin, GridMax);
    case Kind::GoalOutOfRange:
        return outOfRange(QStringLiteral("ゴール位置"), p, GridMin, GridMax);
    case Kind::NoFolder:
        return QStringLiteral("保存先のフォルダー「%1」がありません。")
            .arg(QDir::toNativeSeparators(p.detail));
    case Kind::TargetIsFolder:
        return QStringLiteral("同じ名前のフォルダーがあります。");
    case Kind::CreateFailed:
        return withReason(QStringLiteral("ファイルを作れません"), systemReason(p));
    case Kind::WriteFailed:
        return withReason(QStringLiteral("書き込みに失敗しました"), systemReason(p));
    }
    return {};
}

} // namespace

QString mazeFileMessage(const MazeFileError& error)
{
    const QString head = error.operation == MazeFileError::Operation::Read
                             ? QStringLiteral("迷路ファイル「%1」を読み込めません。")
                             : QStringLiteral("迷路ファイル「%1」を保存できません。");
    return head.arg(QDir::toNativeSeparators(error.path)) + u'\n' + reason(error.problem);
}

} // namespace orvane
