#include "MazeFileMessages.h"

#include "MazeConstants.h"

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
        const QString path = QDir::toNativeSeparators(error.path);
        return head(error).arg(path) + u'\n' + reason(error.problem, path);
    }

    static QString reason(const MazeFileProblem& p, const QString& path)
    {
        const bool title = p.text == MazeFileProblem::Text::Title;
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
            return tr("ファイルが短すぎて、題名や制限時間などの設定が途中で切れています。");
        case Kind::TextTooLong:
            return title ? tr("題名が長すぎます。") : tr("音楽ファイル名が長すぎます。");
        case Kind::TextPastEnd:
            return title ? tr("題名の長さがファイルの残りより長くなっています。")
                         : tr("音楽ファイル名の長さがファイルの残りより長くなっています。");
        case Kind::GridCut:
            return tr("迷路のマスが途中で切れています。");
        case Kind::MapSizeOutOfRange:
            return tr("迷路の大きさ %1*%2 が %3*%3〜%4*%4 の範囲を外れています。")
                .arg(p.first)
                .arg(p.second)
                .arg(MapSizeMin)
                .arg(MapSizeMax);
        case Kind::StartOutOfRange:
            return outsideGrid(tr("スタートの位置 (%1, %2) が %3〜%4 の範囲を外れています。"), p);
        case Kind::GoalOutOfRange:
            return outsideGrid(tr("ゴールの位置 (%1, %2) が %3〜%4 の範囲を外れています。"), p);
        case Kind::NoFolder:
            return tr("保存先のフォルダー「%1」がありません。")
                .arg(QDir::toNativeSeparators(p.detail));
        case Kind::TargetIsFolder:
            return tr("同じ名前のフォルダーがあります。");
        case Kind::CreateFailed:
            return withReason(tr("ファイルを作れません"), systemReason(p));
        case Kind::WriteFailed:
            return withReason(tr("書き込みに失敗しました"), systemReason(p));
        case Kind::NotConfirmed:
            return withReason(tr("ただし、ディスクに書き込まれたことをシステムが確認できません"
                                 "でした"),
                              systemReason(p));
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

private:
    // What the problem means to the user.
    static QString head(const MazeFileError& error)
    {
        if (error.problem.kind == Kind::NotConfirmed)
            return tr("迷路ファイル「%1」を保存しました。");
        if (error.operation == MazeFileError::Operation::Write)
            return tr("迷路ファイル「%1」を保存できません。");
        return isDamage(error.problem.kind)
                   ? tr("ファイル「%1」は迷路ファイルではないか、壊れています。")
                   : tr("迷路ファイル「%1」を読み込めません。");
    }

    // The file was read, but what it holds is not a maze.
    static bool isDamage(Kind kind)
    {
        switch (kind) {
        case Kind::HeaderCut:
        case Kind::TextTooLong:
        case Kind::TextPastEnd:
        case Kind::GridCut:
        case Kind::MapSizeOutOfRange:
        case Kind::StartOutOfRange:
        case Kind::GoalOutOfRange:
            return true;
        default:
            return false;
        }
    }

    // A start or goal cell outside the grid.
    static QString outsideGrid(const QString& text, const MazeFileProblem& p)
    {
        return text.arg(p.first).arg(p.second).arg(GridMin).arg(GridMax);
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
};

} // namespace

QString mazeFileMessage(const MazeFileError& error)
{
    return Wording::message(error);
}

QString fileProblemText(const MazeFileProblem& problem, const QString& path)
{
    return Wording::reason(problem, QDir::toNativeSeparators(path));
}

} // namespace orvane
