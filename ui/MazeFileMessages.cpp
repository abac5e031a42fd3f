#include "MazeFileMessages.h"

#include "MazeCodec.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>

namespace orvane {
namespace {

using Kind = MazeFileProblem::Kind;

// The messages' wording, translated in the context "MazeFileMessages".
class Wording {
    Q_DECLARE_TR_FUNCTIONS(MazeFileMessages)

public:
    static QString message(const MazeFileError& error)
    {
        const QString head = error.operation == MazeFileError::Operation::Read
                                 ? tr("迷路ファイル「%1」を読み込めません。")
                                 : tr("迷路ファイル「%1」を保存できません。");
        const QString path = QDir::toNativeSeparators(error.path);
        return head.arg(path) + u'\n' + reason(error.problem, path);
    }

private:
    static QString textName(MazeFileProblem::Text text)
    {
        return text == MazeFileProblem::Text::Title ? tr("タイトル") : tr("音楽ファイル名");
    }

    static QString outOfRange(const QString& what, const MazeFileProblem& p, int lo, int hi)
    {
        return tr("%1 (%2, %3) が %4〜%5 の範囲外です。")
            .arg(what)
            .arg(p.first)
            .arg(p.second)
            .arg(lo)
            .arg(hi);
    }

    // The system's reason for a failed write, in the user's words where we
    // have them; Qt's (translated) wording for the rest.
    static QString systemReason(const MazeFileProblem& p)
    {
        switch (p.systemError) {
        case 0:
            return p.detail;
        case ENOSPC:
            return tr("ディスクの空き領域が足りません");
        case EDQUOT:
            return tr("ディスク使用量の上限を超えます");
        case EACCES:
        case EPERM:
            return tr("アクセスが拒否されました");
        case EROFS:
            return tr("読み取り専用のドライブです");
        case EFBIG:
            return tr("ファイルが大きすぎます");
        case EIO:
            return tr("入出力エラーが起きました");
        default:
            return qt_error_string(p.systemError);
        }
    }

    // "text (reason)。", or "text。" when there is no reason to give.
    static QString withReason(const QString& text, const QString& why)
    {
        return why.isEmpty() ? tr("%1。").arg(text) : tr("%1 (%2)。").arg(text, why);
    }

    static QString reason(const MazeFileProblem& p, const QString& path)
    {
        switch (p.kind) {
        case Kind::None:
            break;
        case Kind::NotFound:
            return tr("ファイルが見つかりません。");
        case Kind::IsFolder:
            return tr("フォルダーです。迷路ファイルを選んでください。");
        case Kind::NotRegularFile:
            return tr("通常のファイルではありません。");
        case Kind::OpenFailed:
            return tr("ファイルを開けません (%1)。").arg(p.detail);
        case Kind::ReadFailed:
            return tr("読み取りに失敗しました (%1)。").arg(p.detail);
        case Kind::HeaderCut:
            return tr("ファイルが短すぎます。ヘッダーの途中で終わっています。");
        case Kind::TextTooLong:
            return tr("%1が長すぎます (%2 バイト、上限 %3 バイト)。")
                .arg(textName(p.text))
                .arg(p.first)
                .arg(MazeCodec::MaxTextLength);
        case Kind::TextPastEnd:
            return tr("%1の長さ %2 バイトがファイルの残りの %3 バイトを超えています。")
                .arg(textName(p.text))
                .arg(p.first)
                .arg(p.second);
        case Kind::GridCut:
            return tr("迷路データが途中で終わっています (%1 バイトのうち %2 "
                      "バイトしかありません)。")
                .arg(MazeCodec::GridBlockSize)
                .arg(p.first);
        case Kind::MapSizeOutOfRange:
            return outOfRange(tr("マップの大きさ"), p, MapSizeMin, MapSizeMax);
        case Kind::StartOutOfRange:
            return outOfRange(tr("スタート位置"), p, GridMin, GridMax);
        case Kind::GoalOutOfRange:
            return outOfRange(tr("ゴール位置"), p, GridMin, GridMax);
        case Kind::NoFolder:
            return tr("保存先のフォルダー「%1」がありません。")
                .arg(QDir::toNativeSeparators(p.detail));
        case Kind::TargetIsFolder:
            return tr("同じ名前のフォルダーがあります。");
        case Kind::CreateFailed:
            return withReason(tr("ファイルを作れません"), systemReason(p));
        case Kind::WriteFailed:
            return withReason(tr("書き込みに失敗しました"), systemReason(p));
        case Kind::RecoveryCopyFailed:
            return tr("上書きの前に元の内容の控えを「%1」に保存できませんでした (%2)。"
                      "ファイルは元のままです。")
                .arg(QDir::toNativeSeparators(p.detail), systemReason(p));
        case Kind::MayBeDamaged:
            return tr("書き込みに失敗し (%1)、元の内容に戻せませんでした。「%2」は壊れている"
                      "おそれがあります。元の内容の控えは「%3」にあります。")
                .arg(systemReason(p), path, QDir::toNativeSeparators(p.detail));
        }
        return {};
    }
};

} // namespace

QString mazeFileMessage(const MazeFileError& error)
{
    return Wording::message(error);
}

} // namespace orvane
